// The warm-up where Qt finds its fonts without Fontconfig: nothing to read ahead.

#include "app/font_warm_up.h"

namespace quillmark::app {

void StartFontWarmUp() {}
void FinishFontWarmUp() {}

}  // namespace quillmark::app
