// The page's way into the calculators: a C interface over the layout tables, the calculator
// instances and their procedures, exported from the WebAssembly module. Texts cross as UTF-8;
// what comes back is JSON, valid until the next call.

#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "calc/calculator.h"
#include "layouts/calculator_layouts.h"
#include "runtime/message_box.h"
#include "runtime/single.h"
#include "web/core_api.h"
#include "web/json.h"

namespace quillmark::web {
namespace {

// One instance per calculator class, made on first use and kept until the program ends.
std::array<std::unique_ptr<calc::CalculatorWindow>, calc::kWindowClasses.size()> instances;
std::string reply;

calc::CalculatorWindow* Instance(int window) {
  if (window < 0 || static_cast<std::size_t>(window) >= instances.size())
    return nullptr;
  auto& slot = instances[static_cast<std::size_t>(window)];
  if (slot == nullptr)
    slot = std::make_unique<calc::CalculatorWindow>(calc::kWindowClasses[window]);
  return slot.get();
}

constexpr std::string_view kBoxes[] = {"txtKVA", "txtVolts", "txtPF", "txtAmps"};
constexpr std::string_view kLabels[] = {"lbl8", "lblMsg"};

std::string StateJson(const calc::Controls& controls) {
  Object state;
  for (std::string_view name : kBoxes) {
    const runtime::TextBox& box = *controls.BoxNamed(name);
    state.AddJson(name, Object()
                            .Add("text", box.text)
                            .Add("back", static_cast<long long>(box.back_colour))
                            .Close());
  }
  for (std::string_view name : kLabels) {
    const runtime::Label& label = *controls.LabelNamed(name);
    state.AddJson(name, Object()
                            .Add("caption", label.caption)
                            .Add("back", static_cast<long long>(label.back_colour))
                            .Close());
  }
  return state.Add("focus", calc::NameOf(controls.focus)).Close();
}

// The procedure's message box: each box is kept with the window's state as the procedure
// raised it, and the procedure goes on as if the person had closed it. The page shows them
// in turn afterwards.
class MessageRecorder : public runtime::MessageBox {
 public:
  explicit MessageRecorder(const calc::Controls& window) : window_(window) {}

  void Show(std::string_view prompt) override { Add("MsgBox", prompt, ""); }
  void Add(std::string_view name, std::string_view text, std::string_view explanation) {
    boxes_.push_back(Object()
                         .Add("name", name)
                         .Add("text", text)
                         .Add("explanation", explanation)
                         .AddJson("state", StateJson(window_))
                         .Close());
  }
  const std::vector<std::string>& boxes() const { return boxes_; }

 private:
  const calc::Controls& window_;
  std::vector<std::string> boxes_;
};

// The control the person left the focus on, so that a procedure that does not move it
// leaves it there.
void TakeFocus(calc::Controls& controls, const char* focused) {
  if (const auto focus = calc::FocusableNamed(focused == nullptr ? "" : focused))
    controls.focus = *focus;
}

const char* Reply(std::string json) {
  reply = std::move(json);
  return reply.c_str();
}

const char* Refused() {
  return Reply("null");
}

}  // namespace
}  // namespace quillmark::web

using namespace quillmark;

extern "C" {

// A calculator's window is built: its controls get the layout's first contents.
const char* quillmark_open(int window) {
  calc::CalculatorWindow* instance = web::Instance(window);
  if (instance == nullptr)
    return web::Refused();
  layouts::LoadInitialContents(instance->controls, instance->window_class());
  return web::Reply(web::StateJson(instance->controls));
}

// What the person typed, pasted or dictated into a box.
void quillmark_set_text(int window, const char* box, const char* text) {
  calc::CalculatorWindow* instance = web::Instance(window);
  if (instance == nullptr || box == nullptr || text == nullptr)
    return;
  if (runtime::TextBox* target = instance->controls.BoxNamed(box))
    target->text = text;
}

// Solve: the boxes it raised, each with the window as it stood then, and the state after.
const char* quillmark_solve(int window, const char* focused) {
  calc::CalculatorWindow* instance = web::Instance(window);
  if (instance == nullptr)
    return web::Refused();
  web::TakeFocus(instance->controls, focused);
  web::MessageRecorder boxes(instance->controls);
  try {
    instance->cmdSolve_Click(boxes);
  } catch (const runtime::ArithmeticError&) {
    boxes.Add("OverflowBox", layouts::kOverflowText, layouts::kOverflowExplanation);
  }
  return web::Reply(web::Object()
                        .AddJson("boxes", web::Array(boxes.boxes(), [](auto& b) { return b; }))
                        .AddJson("state", web::StateJson(instance->controls))
                        .Close());
}

const char* quillmark_clear(int window, const char* focused) {
  calc::CalculatorWindow* instance = web::Instance(window);
  if (instance == nullptr)
    return web::Refused();
  web::TakeFocus(instance->controls, focused);
  instance->cmdClear_Click();
  return web::Reply(web::StateJson(instance->controls));
}

// The program has ended: the next start begins with no instances.
void quillmark_end() {
  for (auto& instance : web::instances)
    instance.reset();
}

}  // extern "C"
