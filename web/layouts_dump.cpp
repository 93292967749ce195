// Prints the layout tables as the page reads them, for the build's font subsets and for the
// browser test, which compares the page with them.
#include <cstdio>

#include "web/layouts_json.h"

int main() {
  std::puts(quillmark::web::LayoutsJson().c_str());
}
