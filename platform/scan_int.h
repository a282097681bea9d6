// Reading a number the way "%d" scans it, without its undefined behaviour.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace text {

// The number at the start of text: leading white space, an optional sign,
// decimal digits up to the first other character ("12abc" gives 12). A
// number beyond the 32-bit range gives the nearest 32-bit value. Nothing
// when no digit follows.
std::optional<int32_t> ScanInt32(std::string_view text);

}  // namespace text
