#pragma once

#include <gtest/gtest.h>

#include <clocale>
#include <locale>
#include <string>
#include <tuple>

namespace quillmark::test_support {

// Runs a test under a named locale, C's and C++'s alike, and fails it when the locale is
// missing: a test that silently fell back to "C" would prove nothing.
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

// Both locales the number services must read and write alike in: a German one uses a
// decimal comma.
inline constexpr const char* kLocales[] = {"C", "de_DE.UTF-8"};

// Names a test of a table row run under a locale: "deDEUTF8_RowName".
template <typename Row>
std::string LocaleRowName(const ::testing::TestParamInfo<std::tuple<const char*, Row>>& info) {
  std::string locale = std::get<0>(info.param);
  std::erase_if(locale, [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); });
  return locale + "_" + std::get<1>(info.param).name;
}

}  // namespace quillmark::test_support
