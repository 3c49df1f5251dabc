#include <windows.h>
#include <bcrypt.h>

#include <limits>

#include "core/sha256.h"

namespace mireto {

std::optional<Sha256Digest> Sha256(std::string_view bytes) {
  // The data files are a few hundred kilobytes; one call hashes at most 4 GiB.
  if (bytes.size() > std::numeric_limits<ULONG>::max()) return std::nullopt;
  BCRYPT_ALG_HANDLE algorithm = nullptr;
  if (!BCRYPT_SUCCESS(BCryptOpenAlgorithmProvider(&algorithm, BCRYPT_SHA256_ALGORITHM, nullptr, 0)))
    return std::nullopt;
  Sha256Digest digest{};
  BCRYPT_HASH_HANDLE hash = nullptr;
  auto* input = reinterpret_cast<PUCHAR>(const_cast<char*>(bytes.data()));
  const bool ok = BCRYPT_SUCCESS(BCryptCreateHash(algorithm, &hash, nullptr, 0, nullptr, 0, 0)) &&
                  BCRYPT_SUCCESS(BCryptHashData(hash, input, static_cast<ULONG>(bytes.size()), 0)) &&
                  BCRYPT_SUCCESS(BCryptFinishHash(hash, digest.data(), static_cast<ULONG>(digest.size()), 0));
  if (hash != nullptr) BCryptDestroyHash(hash);
  BCryptCloseAlgorithmProvider(algorithm, 0);
  if (!ok) return std::nullopt;
  return digest;
}

}  // namespace mireto
