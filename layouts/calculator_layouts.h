#pragma once

#include "calc/calculator.h"
#include "layouts/layout.h"

namespace quillmark::layouts {

// The designed layout of each calculator window; the window classes index them.
const WindowLayout& CalculatorLayout(calc::WindowClass window);

// Gives a calculator's controls the first contents of its layout, as building its window
// does: texts, captions and colours, with the focus in the power box. The values stay.
void LoadInitialContents(calc::Controls& controls, calc::WindowClass window);

// Each box is read by the heading beside it and described by its unit.
struct BoxCaptions {
  std::string_view box, heading, unit;
};
inline constexpr BoxCaptions kBoxCaptions[] = {
    {"txtKVA", "lblKVA2", "lblKVA3"},
    {"txtVolts", "lblVoltage", "lblVolts"},
    {"txtPF", "lblPF", "lblPF4"},
    {"txtAmps", "lblAmps2", "lblAmps3"},
};

// What assistive technology is told of the two message labels.
struct MessageLabel {
  std::string_view label, description;
};
inline constexpr MessageLabel kMessageLabels[] = {
    {"lbl8", "Messages about the input values"},
    {"lblMsg", "Messages about the result"},
};

// The box shown when a Solve's result is too large to store.
inline constexpr std::string_view kOverflowText = "Run-time error '6': Overflow";
inline constexpr std::string_view kOverflowExplanation =
    "The current is too large to compute from these values. The window keeps what it showed "
    "before this Solve.";

}  // namespace quillmark::layouts
