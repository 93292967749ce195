# What the standard library's <charconv> offers for floating point differs: GCC's and
# Microsoft's read and write it, recent libc++ (Emscripten's) only writes it, older libc++
# (Debian 12's Emscripten) does neither. Each service has a file for either case, chosen here:
#   quillmark_nearest_double    reading a decimal number: std::from_chars, or strtod
#   quillmark_scientific_digits an exact decimal expansion: std::to_chars, or snprintf, whose
#                               glibc and musl versions print a double's exact expansion (and
#                               always under emscripten, for the size of the download)
# Shared by the main build and the fuzz build.
include(CheckCXXSourceCompiles)
check_cxx_source_compiles([[
  #include <charconv>
  int main() { double d; const char t[] = "1"; return std::from_chars(t, t + 1, d).ptr == t; }
]] QUILLMARK_HAVE_FLOAT_FROM_CHARS)
if(QUILLMARK_HAVE_FLOAT_FROM_CHARS)
  set(quillmark_nearest_double ${CMAKE_CURRENT_LIST_DIR}/nearest_double_from_chars.cpp)
else()
  set(quillmark_nearest_double ${CMAKE_CURRENT_LIST_DIR}/nearest_double_strtod.cpp)
endif()
check_cxx_source_compiles([[
  #include <charconv>
  int main() {
    char t[32];
    return std::to_chars(t, t + 32, 0.5, std::chars_format::scientific, 3).ptr == t;
  }
]] QUILLMARK_HAVE_FLOAT_TO_CHARS)
# A web page downloads its code: there musl's printf, exact and small, serves rather than the
# 100 KB of tables that libc++'s std::to_chars brings for a long expansion.
if(QUILLMARK_HAVE_FLOAT_TO_CHARS AND NOT EMSCRIPTEN)
  set(quillmark_scientific_digits ${CMAKE_CURRENT_LIST_DIR}/scientific_digits_to_chars.cpp)
else()
  set(quillmark_scientific_digits ${CMAKE_CURRENT_LIST_DIR}/scientific_digits_snprintf.cpp)
endif()
