// 納音: one of thirty names for each pair of consecutive cycle numbers
// (甲子 乙丑 海中金, 丙寅 丁卯 炉中火, …).
#pragma once

#include <string_view>

#include "core/cycles.h"

namespace mireto {

std::string_view NayinOf(CycleNumber n);

inline std::string_view NayinOf(Stem stem, Branch branch) { return NayinOf(CycleOf(stem, branch)); }

}  // namespace mireto
