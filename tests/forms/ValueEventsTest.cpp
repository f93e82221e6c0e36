// Programmatic sets fire the events the windows rely on, once, and Notify::Silent fires none.
#include <gtest/gtest.h>

#include "tests/forms/SampleForm.h"
#include "tests/support/TestHost.h"

namespace forms_tests {
namespace {

using forms::Notify;
using Log = std::vector<std::string>;

class ValueEvents : public ::testing::Test {
 protected:
  ValueEvents() { form.EnsureLoaded(); form.log.clear(); }
  testing_support::TestHost host;
  SampleForm form{host};
};

struct CheckCase {
  int start, set;
  Notify notify;
  int clicks;
};

TEST_F(ValueEvents, CheckBoxClicksOnlyWhenItsValueChanges) {
  const CheckCase cases[] = {
      {0, 1, Notify::Fire, 1}, {1, 0, Notify::Fire, 1}, {0, 2, Notify::Fire, 1},
      {1, 1, Notify::Fire, 0}, {0, 0, Notify::Fire, 0}, {0, 1, Notify::Silent, 0},
  };
  for (const CheckCase& c : cases) {
    form.Check1.SetValue(c.start, Notify::Silent);
    form.log.clear();
    form.Check1.SetValue(c.set, c.notify);
    EXPECT_EQ(form.Check1.Value(), c.set);
    EXPECT_EQ(static_cast<int>(form.log.size()), c.clicks)
        << c.start << " -> " << c.set << (c.notify == Notify::Silent ? " silent" : "");
  }
}

TEST_F(ValueEvents, OptionButtonSelectsAndClearsOnlyItsOwnContainer) {
  form.OptA2.SetValue(true, Notify::Silent);
  form.OptB1.SetValue(true, Notify::Silent);
  form.OptForm.SetValue(true, Notify::Silent);

  form.OptA1.SetValue(true);
  EXPECT_EQ(form.log, Log{"OptA1.Click"});
  EXPECT_TRUE(form.OptA1.Value());
  EXPECT_FALSE(form.OptA2.Value());  // same frame: cleared, without a Click of its own
  EXPECT_TRUE(form.OptB1.Value());   // another frame keeps its choice
  EXPECT_TRUE(form.OptForm.Value()); // so does the form's own group

  form.log.clear();
  form.OptA1.SetValue(true);  // already selected
  form.OptA1.SetValue(false); // clearing fires nothing
  EXPECT_TRUE(form.log.empty());
  EXPECT_FALSE(form.OptA1.Value());

  form.OptB2.SetValue(true, Notify::Silent);  // silent still keeps the group exclusive
  EXPECT_TRUE(form.log.empty());
  EXPECT_FALSE(form.OptB1.Value());
  EXPECT_TRUE(form.OptB2.Value());
}

TEST_F(ValueEvents, ListIndexClicksOnChangeAndClampsToNoSelection) {
  struct Case {
    int set, expected, clicks;
  } cases[] = {{1, 1, 1}, {1, 1, 0}, {2, 2, 1}, {7, -1, 1}, {-1, -1, 0}, {-5, -1, 0}, {0, 0, 1}};
  for (const Case& c : cases) {
    form.log.clear();
    form.List1.SetListIndex(c.set);
    EXPECT_EQ(form.List1.ListIndex(), c.expected) << "set " << c.set;
    EXPECT_EQ(static_cast<int>(form.log.size()), c.clicks) << "set " << c.set;
  }
  EXPECT_EQ(form.List1.Text(), "zero");
  form.log.clear();
  form.List1.SetListIndex(2, Notify::Silent);
  EXPECT_TRUE(form.log.empty());
  EXPECT_EQ(form.List1.Text(), "two");
}

TEST_F(ValueEvents, TextChangeFiresOnSetTextByCode) {
  form.Text1.SetText("12.5");
  form.Text1.SetText("12.5");
  EXPECT_EQ(form.log, Log{"Text1.Change"});
  EXPECT_EQ(form.Text1.SelStart(), 4);  // the caret goes to the end
  form.log.clear();
  form.Text1.SetText("", Notify::Silent);
  EXPECT_TRUE(form.log.empty());
  EXPECT_EQ(form.Text1.Text(), "");
}

TEST_F(ValueEvents, PressAndChooseRunOnlyWhenTheyCan) {
  int chosen = 0;
  forms::MenuItem file(&form, "FileMenu");
  forms::MenuItem exit(&form, "ExitCom", &file);
  exit.Click = [&] { ++chosen; };
  struct Case {
    bool enabled, visible;
    int runs;
  } cases[] = {{true, true, 1}, {false, true, 0}, {true, false, 0}};
  for (const Case& c : cases) {
    form.log.clear();
    chosen = 0;
    form.Button1.SetEnabled(c.enabled);
    form.Button1.Press();
    exit.SetEnabled(c.enabled);
    exit.SetVisible(c.visible);
    exit.Choose();
    EXPECT_EQ(static_cast<int>(form.log.size()), c.enabled ? 1 : 0);
    EXPECT_EQ(chosen, c.runs);
  }
}

TEST_F(ValueEvents, TimerTicksWhileEnabledAndStopsWithItsForm) {
  forms::Timer timer(&form, "Timer1");
  int ticks = 0;
  timer.Tick = [&] { ++ticks; };
  timer.SetInterval(100);
  host.Advance(350);
  EXPECT_EQ(ticks, 3);
  timer.SetTimerEnabled(false);
  host.Advance(300);
  EXPECT_EQ(ticks, 3);
  timer.SetTimerEnabled(true);
  host.Advance(100);
  EXPECT_EQ(ticks, 4);
  form.Unload();
  host.Advance(300);
  EXPECT_EQ(ticks, 4);
}

}  // namespace
}  // namespace forms_tests
