// The HP-GL origin window: the Caution question, the change message and what Cancel keeps.
#include <gtest/gtest.h>

#include "setup/DefLangForm.h"
#include "tests/setup/SetupTestSupport.h"

namespace {

using setup_tests::ShowModal;
using taskhelm::DefLangForm;
using testing_support::AppFixture;

TEST(DefLangFormLoad, SelectsTheOptionOfTheMode) {
  for (auto [mode, selected] : {std::pair<int16_t, const char*>{1, "HPGL7475"}, {0, "HPGL7596"}}) {
    AppFixture f;
    f.s.HpglMode = mode;
    DefLangForm& w = f.app.Window<DefLangForm>();
    EXPECT_EQ(setup_tests::SelectedOptions(w), selected);
    EXPECT_EQ(w.OriginalMode, mode);
    EXPECT_EQ(w.Caption(), "HPGL Setting");
  }
}

TEST(DefLangFormOk, QuestionAndMessageOnlyWhereTheyBelong) {
  enum Click { None, Corner, Center };
  struct Row {
    const char* name;
    int16_t before;
    Click click;
    forms::MsgAnswer answer;  // to the Caution question, when it comes
    int16_t after;
    bool caution, changed;
  };
  using A = forms::MsgAnswer;
  const Row rows[] = {
      {"corner kept", 1, None, A::Yes, 1, false, false},
      {"center chosen", 1, Center, A::Yes, 0, true, true},
      {"center, then No", 1, Center, A::No, 1, true, false},
      {"center kept", 0, None, A::Yes, 0, true, false},
      {"center kept, then No", 0, None, A::No, 1, true, true},
      {"corner chosen", 0, Corner, A::Yes, 1, false, true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    AppFixture f;
    f.s.HpglMode = row.before;
    f.s.SettingsSent = true;
    f.host.answers = {row.answer};
    std::string selected;
    ShowModal<DefLangForm>(f, [&](DefLangForm& w) {
      if (row.click == Corner) w.HPGL7475.SetValue(true);
      if (row.click == Center) w.HPGL7596.SetValue(true);
      w.LangOK.Press();
      selected = setup_tests::SelectedOptions(w);
    });
    EXPECT_EQ(f.s.HpglMode, row.after);
    EXPECT_EQ(selected, row.after == 1 ? "HPGL7475" : "HPGL7596");
    size_t expectedBoxes = (row.caution ? 1 : 0) + (row.changed ? 1 : 0);
    ASSERT_EQ(f.host.boxes.size(), expectedBoxes);
    if (row.caution) {
      EXPECT_EQ(f.host.boxes[0].title, "Caution");
      EXPECT_EQ(f.host.boxes[0].buttons, forms::MsgButtons::YesNo);
      EXPECT_EQ(f.host.boxes[0].text,
                "Are you sure you want HPGL 7596, with the origin at the center?  \n\n"
                "                   If Yes, ensure that the Panel Size is correct.  ");
    }
    if (row.changed) {
      EXPECT_EQ(f.host.boxes.back().title, "HPGL Setting");
      EXPECT_EQ(f.host.boxes.back().text, "HPGL Setting will be changed when plotter is updated.");
      EXPECT_EQ(f.host.boxes.back().icon, forms::MsgIcon::None);
    }
    EXPECT_EQ(f.s.SettingsSent, !row.changed);
    EXPECT_EQ(f.s.HpglModeChanged, row.changed);
    EXPECT_FALSE(f.app.LoadedWindow<DefLangForm>());
  }
}

// The settings windows load the window invisibly to set its options; a change made that way
// before the window is opened is not the operator's change.
TEST(DefLangFormOk, ChangeCountsFromTheOpening) {
  AppFixture f;
  f.s.HpglMode = 1;
  DefLangForm& w = f.app.Window<DefLangForm>();
  w.HPGL7596.SetValue(true);  // a redisplay after the device reported centre origin
  f.s.SettingsSent = true;
  ShowModal<DefLangForm>(f, [](DefLangForm& window) { window.LangOK.Press(); });
  ASSERT_EQ(f.host.boxes.size(), 1u);  // the Caution question only
  EXPECT_EQ(f.host.boxes[0].title, "Caution");
  EXPECT_TRUE(f.s.SettingsSent);
}

TEST(DefLangFormCancel, KeepsTheClickedOption) {
  AppFixture f;
  f.s.HpglMode = 1;
  ShowModal<DefLangForm>(f, [](DefLangForm& w) {
    w.HPGL7596.SetValue(true);
    EXPECT_EQ(w.StatusBar.Text(), "Based on HPGL 7596.");
    w.LangCancel.Press();
  });
  EXPECT_EQ(f.s.HpglMode, 0);
  EXPECT_TRUE(f.host.boxes.empty());
}

}  // namespace
