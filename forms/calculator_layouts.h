#pragma once

#include "calc/calculator.h"
#include "forms/layout.h"

namespace quillmark::forms {

// The designed layout of each calculator window; the window classes index them.
const WindowLayout& CalculatorLayout(calc::WindowClass window);

}  // namespace quillmark::forms
