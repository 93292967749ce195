#pragma once

#include <cstdio>
#include <cstdlib>

// Stops the run when an invariant breaks, so that libFuzzer reports the input as a crash.
#define CHECK(condition, ...)                                   \
  do {                                                          \
    if (!(condition)) {                                         \
      std::fprintf(stderr, "CHECK failed: %s\n  ", #condition); \
      std::fprintf(stderr, __VA_ARGS__);                        \
      std::fputc('\n', stderr);                                 \
      std::abort();                                             \
    }                                                           \
  } while (false)
