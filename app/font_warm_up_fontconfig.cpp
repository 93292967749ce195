// The warm-up where Qt draws its fonts with Fontconfig (Linux and the BSDs).

#include <fontconfig/fontconfig.h>

#include <cstdlib>
#include <optional>
#include <thread>

#include "app/font_warm_up.h"

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace quillmark::app {
namespace {

std::optional<std::thread> reading;

}  // namespace

void StartFontWarmUp() {
#ifdef __GLIBC__
  // One heap for both threads, as a program with one thread has: the configuration
  // Fontconfig keeps is then no reason for a second heap and its own spare pages.
  mallopt(M_ARENA_MAX, 1);
#endif
  reading.emplace([] { FcInit(); });
}

void FinishFontWarmUp() {
  if (reading) {
    reading->join();
    reading.reset();
  }
}

}  // namespace quillmark::app
