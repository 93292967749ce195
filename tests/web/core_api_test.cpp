#include <gtest/gtest.h>

#include <string>

#include "web/core_api.h"

namespace {

// The line-to-line window, by its index in the C interface.
constexpr int k3PhLL = 0;

// What the page shows of Solve and Clear comes from these answers and is read back in the
// browser test; here, only what a person seldom types there: texts that JSON must escape (the
// power box keeps its typed text through Solve), and windows that do not exist.
TEST(CoreApi, TextsCrossAsJsonAndUnknownWindowsAreRefused) {
  const std::pair<const char*, const char*> rows[] = {
      {"a\"b\\c", R"("txtKVA":{"text":"a\"b\\c")"},
      {"1\x01\n", R"("txtKVA":{"text":"1\u0001\u000a")"},
      {"12😀", R"("txtKVA":{"text":"12😀")"},
  };
  quillmark_end();
  quillmark_open(k3PhLL);
  for (auto [typed, answered] : rows) {
    quillmark_set_text(k3PhLL, "txtKVA", typed);
    const std::string answer = quillmark_solve(k3PhLL, "");
    EXPECT_NE(answer.find(answered), std::string::npos) << answer;
  }
  EXPECT_EQ(std::string(quillmark_open(4)), "null");
  EXPECT_EQ(std::string(quillmark_solve(-1, "")), "null");
}

}  // namespace
