#pragma once

#include <string>
#include <string_view>

namespace quillmark::runtime {

// Writes a single-precision value with a display pattern such as "#####0.0", "0.00" or
// "####0". The pattern's placeholders: "0" a digit or a zero, "#" a digit or nothing, "."
// the decimal point; any other character of the pattern is ignored.
//
// The value is rounded twice, each time half away from zero: first to its 7 significant
// decimal digits (all a single can tell apart), then that decimal to the pattern's decimals. So the
// single nearest 0.005, whose binary value lies just below it, shows as "0.01" under "0.00", 2.5
// shows as "3" under "####0", and digits beyond the seventh show as zeros (1443417984 shows as
// "1443418000.0" under "#####0.0").
//
// Every integer digit shows, with no thousands separator. A negative value gets a leading
// "-", also when it rounds to zero ("-0.0"); a negative zero shows as zero. An infinity shows
// as "Inf" or "-Inf": texts that do not begin with a number, so that reading a box back
// gives 0 and the checks flag it, where a text such as "1.#INF" would read back as 1.
std::string Format(float value, std::string_view pattern);

}  // namespace quillmark::runtime
