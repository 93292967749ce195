#pragma once

#include <string>
#include <vector>

#include "calc/calculator.h"

namespace quillmark::calc {

// Stands in for the person closing each message box; remembers what the window held then.
class RecordingBox : public runtime::MessageBox {
 public:
  explicit RecordingBox(const CalculatorWindow& window) : window_(window) {}
  void Show(std::string_view prompt) override {
    prompts.emplace_back(prompt);
    seen.push_back(window_.controls);
  }
  std::vector<std::string> prompts;
  std::vector<Controls> seen;

 private:
  const CalculatorWindow& window_;
};

// Types the texts into a window's boxes (nullptr leaves a box as it is).
inline void Type(CalculatorWindow& w, const char* kva, const char* volts, const char* pf) {
  for (auto [box, text] : {std::pair{&w.controls.txtKVA, kva},
                           {&w.controls.txtVolts, volts},
                           {&w.controls.txtPF, pf}}) {
    if (text)
      box->SetText(text);
  }
}

}  // namespace quillmark::calc
