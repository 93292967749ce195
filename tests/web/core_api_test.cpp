#include <gtest/gtest.h>

#include <string>

#include "web/core_api.h"

namespace {

// The windows by their index in the C interface.
constexpr int k3PhLL = 0;
constexpr int k1PhKw = 3;

void Type(int window, const char* kva, const char* volts, const char* pf) {
  quillmark_set_text(window, "txtKVA", kva);
  quillmark_set_text(window, "txtVolts", volts);
  quillmark_set_text(window, "txtPF", pf);
}

class CoreApi : public testing::Test {
 protected:
  void SetUp() override {
    quillmark_end();
    quillmark_open(k3PhLL);
  }
};

struct SolveCase {
  const char* kva;
  const char* volts;
  const char* pf;
  const char* focused;
  // Each must appear in the answer, in this order.
  std::vector<std::string> in_order;
};

// A box is answered with the window as it stood when it was raised, before the checks that
// follow it, then the state after the whole Solve.
TEST_F(CoreApi, SolveAnswersEachBoxWithTheWindowAsItStoodThenAndTheStateAfter) {
  const SolveCase cases[] = {
      {"100",
       "400",
       "0.8",
       "txtPF",
       {R"("boxes":[])", R"("txtPF":{"text":"0.80")", R"("txtAmps":{"text":"180.4")",
        R"("focus":"cmdClear")"}},
      {"",
       "400",
       "0",
       "txtPF",
       {R"("name":"MsgBox","text":"PF value should be between 0.01 and 1.00 ")",
        R"("lbl8":{"caption":" Invalid PF value")", R"("state":{)",
        R"("lbl8":{"caption":" Invalid kVA value")"}},
      {"999999", "1E-30", "1E-9", "cmdSolve",
       {R"("name":"OverflowBox","text":"Run-time error '6': Overflow")",
        R"("txtAmps":{"text":"")"}},
  };
  for (const SolveCase& row : cases) {
    quillmark_clear(k3PhLL, row.focused);
    Type(k3PhLL, row.kva, row.volts, row.pf);
    const std::string answer = quillmark_solve(k3PhLL, row.focused);
    std::size_t at = 0;
    for (const std::string& part : row.in_order) {
      const std::size_t found = answer.find(part, at);
      ASSERT_NE(found, std::string::npos) << row.kva << "/" << row.pf << ": " << part << "\n"
                                          << answer;
      at = found + part.size();
    }
  }
}

// Building a window again gives its controls the layout's first contents; the other
// windows and the focus the person left are their own.
TEST_F(CoreApi, OpenRestoresTheLayoutsContentsAndClearKeepsTheFocusItIsGiven) {
  Type(k3PhLL, "100", "400", "0.8");
  quillmark_solve(k3PhLL, "txtKVA");
  Type(k1PhKw, "10", "230", "");
  const std::string reopened = quillmark_open(k3PhLL);
  EXPECT_NE(reopened.find(R"("txtAmps":{"text":"","back":2147483653})"), std::string::npos)
      << reopened;
  EXPECT_NE(reopened.find(R"("focus":"txtKVA")"), std::string::npos);
  const std::string kw = quillmark_solve(k1PhKw, "txtVolts");
  EXPECT_NE(kw.find(R"("txtAmps":{"text":"43.5")"), std::string::npos) << kw;
  const std::string cleared = quillmark_clear(k3PhLL, "txtVolts");
  EXPECT_NE(cleared.find(R"("focus":"txtVolts")"), std::string::npos) << cleared;
}

TEST_F(CoreApi, TextsThatNeedEscapingCrossAsJsonAndUnknownWindowsAreRefused) {
  quillmark_set_text(k3PhLL, "txtKVA", "\"\\\n");
  EXPECT_NE(std::string(quillmark_clear(k3PhLL, "")).find(R"("text":"")"), std::string::npos);
  quillmark_set_text(k3PhLL, "txtVolts", "a\"b\\c\x01");
  const std::string answer = quillmark_solve(k3PhLL, "");
  EXPECT_EQ(std::string(quillmark_open(4)), "null");
  EXPECT_EQ(std::string(quillmark_solve(-1, "")), "null");
  EXPECT_NE(answer.find(R"("focus":"cmdClear")"), std::string::npos) << answer;
}

}  // namespace
