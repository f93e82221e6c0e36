// Focus moves (LostFocus before GotFocus, a LostFocus that moves the focus wins), tab order,
// and the key routing with preview and swallowing.
#include <gtest/gtest.h>

#include "tests/forms/SampleForm.h"
#include "tests/support/TestHost.h"

namespace forms_tests {
namespace {

using Log = std::vector<std::string>;

class FocusKeys : public ::testing::Test {
 protected:
  FocusKeys() { form.EnsureLoaded(); form.log.clear(); }
  testing_support::TestHost host;
  SampleForm form{host};
};

TEST_F(FocusKeys, MovingTheFocusRunsLostFocusThenGotFocus) {
  form.Text1.SetFocus();
  form.Text2.SetFocus();
  form.Text2.SetFocus();  // already there: nothing
  EXPECT_EQ(form.log, (Log{"Text1.GotFocus", "Text1.LostFocus", "Text2.GotFocus"}));
  EXPECT_TRUE(form.Text2.HasFocus());
  EXPECT_EQ(form.ActiveControl(), &form.Text2);
}

TEST_F(FocusKeys, ALostFocusThatMovesTheFocusWins) {
  form.Text1.SetFocus();
  // A field that refuses to let go, as a validating field does.
  form.Text1.LostFocus = [this] {
    form.log.push_back("Text1.LostFocus");
    form.Text1.SetFocus();
  };
  form.log.clear();
  form.Button1.SetFocus();
  EXPECT_EQ(form.ActiveControl(), &form.Text1);
  // Button1 never had the focus, so it neither gets nor loses it; Text1 gets it back.
  EXPECT_EQ(form.log, (Log{"Text1.LostFocus", "Text1.GotFocus"}));
}

TEST_F(FocusKeys, DuringLostFocusTheActiveControlIsWhereTheFocusGoes) {
  forms::Control* seen = nullptr;
  form.Text1.SetFocus();
  form.Text1.LostFocus = [&] { seen = form.ActiveControl(); };
  form.Button1.SetFocus();
  EXPECT_EQ(seen, &form.Button1);
  EXPECT_EQ(form.ActiveControl(), &form.Button1);
}

TEST_F(FocusKeys, TabFocusFollowsTabIndexAndSkipsWhatCannotTakeIt) {
  // Tab order Text2, Button1, OptB1 (in FrameB), Check1, Text1; the rest cannot take the focus.
  int index = 0;
  for (forms::Control* c : std::vector<forms::Control*>{&form.Text2, &form.Button1, &form.OptB1,
                                                       &form.Check1, &form.Text1})
    c->SetTabIndex(++index);
  for (forms::Control* c : std::vector<forms::Control*>{&form.OptA1, &form.OptA2, &form.OptB2,
                                                       &form.OptForm, &form.List1})
    c->SetTabIndex(100);
  form.OptA1.SetEnabled(false);
  form.OptA2.SetVisible(false);
  form.FrameB.SetEnabled(false);  // OptB1 and OptB2 with it
  form.OptForm.SetVisible(false);
  form.List1.SetEnabled(false);

  std::vector<forms::Control*> seen;
  for (int i = 0; i < 5; ++i) {
    form.TabFocus(false);
    seen.push_back(form.ActiveControl());
  }
  EXPECT_EQ(seen, (std::vector<forms::Control*>{&form.Text2, &form.Button1, &form.Check1,
                                                &form.Text1, &form.Text2}));  // wraps around
  form.TabFocus(true);
  EXPECT_EQ(form.ActiveControl(), &form.Text1);
}

struct KeyCase {
  bool preview;
  bool formSwallows;
  Log expected;
  int result;
};

TEST_F(FocusKeys, KeyPreviewRunsTheFormFirstAndItsZeroSwallowsTheKey) {
  const KeyCase cases[] = {
      {false, false, {"Text1.KeyDown 65/1"}, 65},
      {true, false, {"Form.KeyDown 65/1", "Text1.KeyDown 65/1"}, 65},
      {true, true, {"Form.KeyDown 65/1"}, 0},
      {false, true, {"Text1.KeyDown 65/1"}, 65},  // without preview the form is not asked
  };
  for (const KeyCase& c : cases) {
    Log log;
    form.SetKeyPreview(c.preview);
    form.KeyDown = [&](int& key, int shift) {
      log.push_back("Form.KeyDown " + std::to_string(key) + "/" + std::to_string(shift));
      if (c.formSwallows) key = 0;
    };
    form.Text1.KeyDown = [&](int& key, int shift) {
      log.push_back("Text1.KeyDown " + std::to_string(key) + "/" + std::to_string(shift));
    };
    EXPECT_EQ(form.DispatchKeyDown(&form.Text1, 'A', forms::ShiftKey), c.result);
    EXPECT_EQ(log, c.expected) << "preview " << c.preview << " swallow " << c.formSwallows;
  }
}

TEST_F(FocusKeys, KeyPressCanSwallowOrReplaceTheCharacter) {
  form.SetKeyPreview(true);
  form.KeyPress = [](int& key) {
    if (key == 'x') key = 0;
  };
  form.Text1.KeyPress = [](int& key) {
    if (key >= 'a' && key <= 'z') key -= 32;  // upper case only
  };
  EXPECT_EQ(form.DispatchKeyPress(&form.Text1, 'x'), 0);
  EXPECT_EQ(form.DispatchKeyPress(&form.Text1, 'q'), 'Q');
  EXPECT_EQ(form.DispatchKeyPress(&form.Text1, '7'), '7');
}

TEST_F(FocusKeys, AFormWithoutAFocusedControlGetsItsKeysItself) {
  int formKeys = 0;
  form.KeyDown = [&](int&, int) { ++formKeys; };
  form.KeyUp = [&](int&, int) { ++formKeys; };
  form.KeyPress = [&](int&) { ++formKeys; };
  form.DispatchKeyDown(nullptr, forms::Key::F1, 0);
  form.DispatchKeyPress(nullptr, 'a');
  form.DispatchKeyUp(nullptr, forms::Key::F1, 0);
  EXPECT_EQ(formKeys, 3);
}

}  // namespace
}  // namespace forms_tests
