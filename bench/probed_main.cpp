// quillmark with the first-paint probe hooked in, for scripts/startup-benchmark; the program
// people run carries no probe.

#include "app/program.h"
#include "bench/startup_probe.h"

int main(int argc, char* argv[]) {
  return quillmark::app::RunProgram(argc, argv, quillmark::bench::ArmStartupProbe);
}
