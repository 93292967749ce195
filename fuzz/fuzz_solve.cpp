// Whatever is typed into the boxes, Solve on every window ends normally or with the
// arithmetic error, keeps every box within its length and hands the focus to Clear; Clear
// then brings the window back to rest. The input is the kVA, volts and power factor texts
// separated by "|".
#include <cstddef>
#include <cstdint>
#include <exception>
#include <string>
#include <string_view>

#include "calc/calculator.h"
#include "fuzz/check.h"
#include "runtime/single.h"

namespace {

namespace calc = quillmark::calc;
namespace runtime = quillmark::runtime;
namespace colours = runtime::colours;

class CountingBox : public runtime::MessageBox {
 public:
  void Show(std::string_view) override { ++shown; }
  int shown = 0;
};

// The next field of the input, up to a "|" or the end.
std::string_view NextField(std::string_view& input) {
  const std::size_t bar = input.find('|');
  const std::string_view field = input.substr(0, bar);
  input = bar == std::string_view::npos ? std::string_view() : input.substr(bar + 1);
  return field;
}

std::size_t CharacterCount(std::string_view text) {
  std::size_t count = 0;
  for (char c : text)
    count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return count;
}

bool Fits(const runtime::TextBox& box) {
  return CharacterCount(box.text) <= box.max_length;
}

void SolveAndClear(calc::WindowClass window_class, std::string_view kva, std::string_view volts,
                   std::string_view pf) {
  const char* name = calc::ClassName(window_class).data();
  calc::CalculatorWindow window(window_class);
  auto& c = window.controls;
  c.txtKVA.SetText(kva);
  c.txtVolts.SetText(volts);
  c.txtPF.SetText(pf);
  const runtime::TextBox typed_pf = c.txtPF;
  const bool has_pf = calc::HasPowerFactor(window_class);

  CountingBox box;
  try {
    window.cmdSolve_Click(box);
  } catch (const runtime::ArithmeticError&) {
  } catch (const std::exception& e) {
    CHECK(false, "%s: Solve threw \"%s\"", name, e.what());
  } catch (...) {
    CHECK(false, "%s: Solve threw something other than the arithmetic error", name);
  }
  // Boxes only warn about the power factor, which the kW window does not ask for.
  CHECK(box.shown <= (has_pf ? 2 : 0), "%s: %d message boxes", name, box.shown);
  CHECK(Fits(c.txtKVA) && Fits(c.txtVolts) && Fits(c.txtPF) && Fits(c.txtAmps),
        "%s: a box overflows: \"%s\" \"%s\" \"%s\" \"%s\"", name, c.txtKVA.text.c_str(),
        c.txtVolts.text.c_str(), c.txtPF.text.c_str(), c.txtAmps.text.c_str());
  CHECK(c.focus == calc::Focusable::cmdClear, "%s: the focus is on control %d", name,
        static_cast<int>(c.focus));

  window.cmdClear_Click();
  CHECK(c.txtKVA.text.empty() && c.txtVolts.text.empty() && c.txtAmps.text.empty() &&
            c.lbl8.caption.empty() && c.lblMsg.caption.empty(),
        "%s: Clear left text behind", name);
  CHECK(has_pf ? c.txtPF.text.empty() && c.txtPF.back_colour == colours::kWindowBackground
               : c.txtPF.text == typed_pf.text && c.txtPF.back_colour == typed_pf.back_colour,
        "%s: the power factor box holds \"%s\" after Clear", name, c.txtPF.text.c_str());
  CHECK(c.txtAmps.back_colour == colours::kWindowBackground &&
            c.lbl8.back_colour == colours::kMenuBackground,
        "%s: Clear left a warning colour", name);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::string_view kva = NextField(input);
  const std::string_view volts = NextField(input);
  const std::string_view pf = NextField(input);
  for (calc::WindowClass window_class : calc::kWindowClasses)
    SolveAndClear(window_class, kva, volts, pf);
  return 0;
}
