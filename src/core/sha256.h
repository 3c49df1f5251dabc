// SHA-256 of a byte string, from the system's cryptography library: OpenSSL
// on Linux, CNG (bcrypt) on Windows. Both give the same 32 bytes.
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace mireto {

using Sha256Digest = std::array<unsigned char, 32>;

// nullopt only when the library itself fails.
std::optional<Sha256Digest> Sha256(std::string_view bytes);

}  // namespace mireto
