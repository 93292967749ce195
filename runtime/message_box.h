#pragma once

#include <string_view>

namespace quillmark::runtime {

// The modal message box: shows `prompt` with one OK button and no icon, and returns when
// the person has closed it. The procedures go on afterwards and use no answer.
class MessageBox {
 public:
  virtual ~MessageBox() = default;
  virtual void Show(std::string_view prompt) = 0;
};

}  // namespace quillmark::runtime
