#pragma once

#include <string_view>

namespace quillmark::runtime {

// Reads the number at the start of `text`, and nothing beyond the view's end:
//  - blanks, tabs and line feeds are skipped anywhere in the text (" 2 45 7" reads 2457);
//  - an optional "+" or "-", digits, an optional "." and digits, then an optional exponent
//    led by "E" or "D" (either case) with an optional sign; "." is the decimal point in
//    every locale, and the number ends at the first other character ("1,5" reads 1);
//  - "&H" (hex) and "&O" or "&" (octal) prefixes read a whole number; one that fits in
//    16 bits is taken as a 16-bit two's complement ("&HFFFF" reads -1), one that fits in
//    32 bits as a 32-bit one, a larger one as it stands;
//  - a text that does not begin with a number reads 0: "", "abc", "0x10" (reads 0, the
//    "x" ends it), "inf", "nan" and "infinity";
//  - a number beyond the double range reads as an infinity of its sign, one too small as 0.
// It never fails.
double Val(std::string_view text);

}  // namespace quillmark::runtime
