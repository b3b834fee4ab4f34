#include "platform/ui/MessageBox.hpp"

#include <gtest/gtest.h>

namespace vx {
namespace {

TEST(MessageBoxTest, HeadlessAnswersAreScriptedOrHarmless) {
  struct Case {
    UINT flags;
    int expected;
  };
  const Case defaults[] = {
      {MB_OK | MB_ICONERROR, IDOK},         {MB_OKCANCEL, IDCANCEL}, {MB_ABORTRETRYIGNORE | MB_ICONERROR, IDIGNORE},
      {MB_YESNOCANCEL, IDCANCEL},           {MB_YESNO | MB_ICONQUESTION, IDNO}, {MB_RETRYCANCEL, IDCANCEL},
  };
  for (const Case& c : defaults) EXPECT_EQ(MessageBox(0, "text", "caption", c.flags), c.expected) << c.flags;

  ScriptMessageBoxAnswer(IDYES);
  ScriptMessageBoxAnswer(IDRETRY);
  EXPECT_EQ(MessageBox(0, "allow suspend?", "caption", MB_YESNO), IDYES);
  EXPECT_EQ(MessageBox(0, "failure", "caption", MB_ABORTRETRYIGNORE), IDRETRY);
  EXPECT_EQ(MessageBox(0, "again", "caption", MB_YESNO), IDNO) << "the script is used up";
}

}  // namespace
}  // namespace vx
