#include "app/program.h"

int main(int argc, char* argv[]) {
  return quillmark::app::RunProgram(argc, argv);
}
