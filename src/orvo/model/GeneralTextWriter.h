#pragma once

#include <cstddef>

namespace orvo {

// Room that writeGeneralText needs at most.
inline constexpr std::size_t GeneralTextCapacity = 48;

// generalText(value, QLocale::c()) written as Latin-1 into out, without
// building a QString: the data file writer puts 31 of them on every line.
// Returns the length.
std::size_t writeGeneralText(double value, char* out);

} // namespace orvo
