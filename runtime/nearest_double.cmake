# Reading a decimal number to the nearest double: std::from_chars where the standard library
# has it for floating point (GCC's and Microsoft's), strtod where it has not (the libc++ that
# Emscripten brings). Sets quillmark_nearest_double to the source file that does it; shared by
# the main build and the fuzz build.
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
