#pragma once

#include <clocale>
#include <locale>
#include <string>

namespace quillmark::test_support {

// Sets C's and C++'s locale for a test; ok() tells whether the locale exists.
class LocaleGuard {
 public:
  explicit LocaleGuard(const char* name) : previous_(std::setlocale(LC_ALL, nullptr)) {
    ok_ = std::setlocale(LC_ALL, name) != nullptr;
    if (ok_)
      std::locale::global(std::locale(name));
  }
  ~LocaleGuard() {
    std::setlocale(LC_ALL, previous_.c_str());
    std::locale::global(std::locale::classic());
  }
  bool ok() const { return ok_; }

 private:
  std::string previous_;
  bool ok_ = false;
};

}  // namespace quillmark::test_support
