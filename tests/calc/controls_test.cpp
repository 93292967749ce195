#include <gtest/gtest.h>

#include "calc/calculator.h"

namespace quillmark::calc {
namespace {

// The window layer finds the procedures' controls by the names of its widgets.
TEST(Controls, NamesLeadToTheirControlsAndNoOthers) {
  Controls c;
  EXPECT_EQ(c.TextBoxNamed(ControlName(Focusable::txtKVA)), &c.txtKVA);
  EXPECT_EQ(c.TextBoxNamed(ControlName(Focusable::txtVolts)), &c.txtVolts);
  EXPECT_EQ(c.TextBoxNamed(ControlName(Focusable::txtPF)), &c.txtPF);
  EXPECT_EQ(c.TextBoxNamed(ControlName(Focusable::txtAmps)), &c.txtAmps);
  EXPECT_EQ(c.LabelNamed("lbl8"), &c.lbl8);
  EXPECT_EQ(c.LabelNamed("lblMsg"), &c.lblMsg);
  EXPECT_EQ(c.TextBoxNamed("lbl8"), nullptr);
  EXPECT_EQ(c.LabelNamed("txtKVA"), nullptr);
  EXPECT_EQ(ControlName(Focusable::cmdClear), "cmdClear");
}

}  // namespace
}  // namespace quillmark::calc
