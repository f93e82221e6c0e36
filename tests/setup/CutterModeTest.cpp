// The cutter-mode window: reading the mode, switching it, and the program end after a switch.
#include <gtest/gtest.h>

#include "setup/modeForm.h"
#include "tests/setup/SetupTestSupport.h"
#include "tests/support/ReplyFaults.h"

namespace {

using setup_tests::Occurrences;
using setup_tests::ShowModal;
using taskhelm::modeForm;
using testing_support::AppFixture;

TEST(ModeFormLoad, ReplySelectsTheMode) {
  struct Row {
    int deviceMode;
    bool silent;
    const char* selected;
    const char* boxTitle;  // "" none
    const char* boxText;
  };
  const Row rows[] = {
      {0, false, "Signcutter", "", ""},
      {1, false, "Marvesk", "", ""},
      {2, false, "Marvesk", "Unknown Parameter", "Unexpected Response!"},
      {0, true, "", "ERROR", "No Response"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.deviceMode);
    AppFixture f;
    f.device.Service().cutterMode = row.deviceMode;
    f.device.faults.silent = row.silent;
    std::string selected;
    bool operated = false;
    auto outcome = ShowModal<modeForm>(f, [&](modeForm& w) {
      operated = true;
      selected = setup_tests::SelectedOptions(w);
      w.msCancel.Press();
    });
    EXPECT_TRUE(outcome.programGoesOn);
    EXPECT_EQ(operated, !row.silent);  // without a reply the window closes before it shows
    EXPECT_EQ(selected, row.selected);
    EXPECT_EQ(Occurrences(f.device.Received(), "!MS@"), 1);
    if (*row.boxTitle) {
      // Silence also brings the port layer's own time-out box first.
      ASSERT_EQ(f.host.boxes.size(), row.silent ? 2u : 1u);
      EXPECT_EQ(f.host.boxes.back().title, row.boxTitle);
      EXPECT_EQ(f.host.boxes.back().text, row.boxText);
      EXPECT_EQ(f.host.boxes.back().icon, forms::MsgIcon::None);
    } else {
      EXPECT_TRUE(f.host.boxes.empty());
    }
    EXPECT_FALSE(f.app.LoadedWindow<modeForm>());
  }
}

// A reply without its number is no reply: the window says so and closes, rather than showing
// the sign-cutting mode of a cutter in the other one.
TEST(ModeFormLoad, AGarbledReplyIsNoResponse) {
  for (const testing_support::ReplyFault& fault : testing_support::ReplyFaults()) {
    SCOPED_TRACE(fault.name);
    AppFixture f;
    f.device.Service().cutterMode = 1;
    testing_support::GarbleReply(f.device, "MS", "!MS@", fault);
    bool operated = false;
    ShowModal<modeForm>(f, [&](modeForm& w) {
      operated = true;
      w.msCancel.Press();
    });
    EXPECT_FALSE(operated);
    // A megabyte takes the line longer than the time-out: the port layer reports that first.
    ASSERT_FALSE(f.host.boxes.empty());
    EXPECT_EQ(f.host.boxes.back().text, "No Response");
    EXPECT_EQ(f.device.Received(), "!MS@");
    EXPECT_FALSE(f.app.LoadedWindow<modeForm>());
  }
}

TEST(ModeFormOk, NewModeIsSentAndTheProgramEnds) {
  AppFixture f;
  f.device.Service().cutterMode = 0;
  auto outcome = ShowModal<modeForm>(f, [](modeForm& w) {
    w.Marvesk.SetValue(true);
    w.msOK.Press();
  });
  EXPECT_FALSE(outcome.programGoesOn);
  EXPECT_NE(f.device.Received().find("!MS1@"), std::string::npos);
  EXPECT_EQ(f.device.Service().cutterMode, 1);
  ASSERT_EQ(f.host.boxes.size(), 1u);
  EXPECT_EQ(f.host.boxes[0].title, "Done");
  EXPECT_EQ(f.host.boxes[0].text, "Quorvane command sent.\r\nTaskhelm will now close.");
  EXPECT_FALSE(f.line.IsOpen());
}

TEST(ModeFormOk, SameModeOnlyCloses) {
  AppFixture f;
  f.device.Service().cutterMode = 1;
  auto outcome = ShowModal<modeForm>(f, [](modeForm& w) { w.msOK.Press(); });
  EXPECT_TRUE(outcome.programGoesOn);
  EXPECT_EQ(Occurrences(f.device.Received(), "!MS"), 1);  // the query alone
  EXPECT_FALSE(f.app.LoadedWindow<modeForm>());
}

TEST(ModeFormOk, ParallelPortSwitchEndsAndClosesIt) {
  AppFixture f;
  f.UseParallelPort(1);
  f.parlink.replies = {"1\r"};
  auto outcome = ShowModal<modeForm>(f, [](modeForm& w) {
    w.Signcutter.SetValue(true);
    w.msOK.Press();
  });
  EXPECT_FALSE(outcome.programGoesOn);
  EXPECT_EQ(f.parlink.written, "!MS@!MS0@");
  EXPECT_FALSE(f.parlink.open);
  EXPECT_EQ(f.s.LptOpenResult, 0);
}

TEST(ModeFormOk, UnsentCommandKeepsTheProgram) {
  AppFixture f;
  f.UseParallelPort(1);
  f.parlink.replies = {"0\r"};
  auto outcome = ShowModal<modeForm>(f, [&](modeForm& w) {
    w.Marvesk.SetValue(true);
    f.parlink.writeLimits = {0, 0};  // the port takes nothing
    w.msOK.Press();
  });
  EXPECT_TRUE(outcome.programGoesOn);
  ASSERT_FALSE(f.host.boxes.empty());
  EXPECT_EQ(f.host.boxes.back().title, "ERROR");
  EXPECT_EQ(f.host.boxes.back().text, "Quorvane command NOT Sent!");
  EXPECT_FALSE(f.app.LoadedWindow<modeForm>());
}

}  // namespace
