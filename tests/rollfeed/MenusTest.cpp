// The roll-feed window's menus: the device queries and what their replies mean on the parallel
// port, the port test's wording, factory defaults and the items that open other windows.
#include <gtest/gtest.h>

#include <algorithm>
#include <deque>

#include "tests/rollfeed/RollFeedHarness.h"

namespace rollfeed_tests {
namespace {

using forms::MsgIcon;
using taskhelm::StoogMoa;

struct ParallelQueryCase {
  const char* name;
  std::deque<std::string> replies;  // what the parallel port reads, in order
  forms::MenuItem StoogMoa::*item;
  const char* text;  // "" = no box
  long lastReadLength;
};

void PrintTo(const ParallelQueryCase& c, std::ostream* os) { *os << c.name; }

class ParallelQuery : public ::testing::TestWithParam<ParallelQueryCase> {};

TEST_P(ParallelQuery, ShowsWhatTheRepliesMean) {
  const ParallelQueryCase& c = GetParam();
  RollFeedHarness h;
  EXPECT_EQ(h.ShownOnParallel(h.Window().*c.item, c.replies), c.text);
  ASSERT_FALSE(h.f.parlink.readLengths.empty());
  EXPECT_EQ(h.f.parlink.readLengths.back(), c.lastReadLength);
}

INSTANTIATE_TEST_SUITE_P(
    RollFeed, ParallelQuery,
    ::testing::Values(
        ParallelQueryCase{"VersionWithBothReplies", {"35\r", "ROM 1.88\r", "5.12\r"},
                          &StoogMoa::DsplyRomCom,
                          "ROM 1.88          \r\nSOFTWARE: 5.12              ", 6},
        // Unlike the cutter, a silent ROM query shows no box at all.
        ParallelQueryCase{"VersionWithoutTheRom", {"35\r", "", "5.12\r"}, &StoogMoa::DsplyRomCom,
                          "", 6},
        ParallelQueryCase{"MemoryFromItsFirstEightCharacters", {"35\r", "1234567890"},
                          &StoogMoa::DsplyMemCom, "Memory Buffer = 12056K", 10},
        ParallelQueryCase{"MemoryOfZeroIsTheStandardBuffer", {"35\r", "0\r"},
                          &StoogMoa::DsplyMemCom, "Memory Buffer = 12K", 10},
        ParallelQueryCase{"BladeHolderFromAFourByteReply", {"35\r", std::string("1\r\0\0", 4)},
                          &StoogMoa::DsplyKnifeCom, "Blade Holder is installed", 4},
        ParallelQueryCase{"BladeHolderAbsent", {"35\r", "0\r"}, &StoogMoa::DsplyKnifeCom,
                          "Blade Holder is not installed", 4},
        ParallelQueryCase{"BladeHolderOfOneAndAHalf", {"35\r", "1.5\r"},
                          &StoogMoa::DsplyKnifeCom, "Blade Holder is not installed", 4}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RollFeedMenus, QueriesOfTheSimulatedDeviceOnTheSerialPort) {
  RollFeedHarness h;
  auto& w = h.Window();
  w.DsplyRomCom.Choose();
  EXPECT_EQ(h.f.host.LastBox()->title, "Version: ");
  EXPECT_EQ(h.f.host.LastBox()->text, "Marvesk ROM 1.88  \r\nSOFTWARE: 5.12              ");
  w.DsplyKnifeCom.Choose();
  EXPECT_EQ(h.f.host.LastBox()->title, "Blade Holder Status");
  EXPECT_EQ(h.f.host.LastBox()->text, "Blade Holder is installed");
  EXPECT_EQ(h.f.device.Received(), "!IC@!RV@!VR@!IC@!OK@");
}

// The device answers the model check, then nothing: the read-out says so, Update Display adds no
// box of its own, a send adds its "Plotter Error".
TEST(RollFeedMenus, AReadOutWithoutAnswerSaysNoResponse) {
  RollFeedHarness h;
  auto& w = h.Window();
  h.f.UseParallelPort(1);
  h.f.s.SettingsSent = true;
  h.f.parlink.replies = {"35\r"};
  w.DsplyPltrCom.Choose();
  ASSERT_EQ(h.f.host.boxes.size(), 1u);
  EXPECT_EQ(h.f.host.boxes[0].text, "No Response");
  EXPECT_EQ(h.f.host.boxes[0].icon, MsgIcon::Exclamation);
  EXPECT_EQ(h.f.host.pointer, forms::Pointer::Default);
  EXPECT_TRUE(h.f.s.SettingsSent);

  h.f.host.boxes.clear();
  h.f.parlink.replies = {"35\r"};
  w.SendSettingTemp.Press();
  ASSERT_EQ(h.f.host.boxes.size(), 3u);  // the question, the read-out, the send
  EXPECT_EQ(h.f.host.boxes[1].text, "No Response");
  EXPECT_EQ(h.f.host.boxes[2].title, "Plotter Error");
  EXPECT_EQ(h.f.host.pointer, forms::Pointer::Default);
}

TEST(RollFeedMenus, CalibrateGoesOnOnlyWithTheSettingsSent) {
  struct Case {
    forms::MsgAnswer answer;
    bool opened;
  };
  for (const Case& c : {Case{forms::MsgAnswer::No, false}, Case{forms::MsgAnswer::Yes, true}}) {
    RollFeedHarness h;
    h.f.s.SettingsSent = false;
    h.f.host.answers = {c.answer};
    h.f.host.Run([&] { h.Window().CalPltrCom.Choose(); });
    EXPECT_EQ(h.f.host.boxes.at(0).title, "Update MarveskK ");
    EXPECT_EQ(h.f.host.IsShown("Calib") || h.f.host.shownForms.back() == "Calib", c.opened);
  }
}

TEST(RollFeedMenus, DevicePortTestGivesTheModelsInstructions) {
  RollFeedHarness h;
  h.Window().TstPortCom.Choose();
  EXPECT_EQ(h.f.host.LastBox()->title, "MarveskK Port Test");
  EXPECT_EQ(h.f.host.LastBox()->text,
            "MarveskK Port Test\r\n\r\n1. Connect the Diagnostic Module to the MarveskK port.\r\n"
            "2. Turn the MarveskK on while holding down the Test Cut\r\n"
            "     key until it beeps and light flashes three times.\r\n"
            "3. Press any arrow key to send and receive a character.\r\n"
            "     Verify it beeps and flashes the Green light.\r\n4. Turn off the MarveskK.\r\n\r\n");
}

TEST(RollFeedMenus, CommunicationTestUsesTheCutterWording) {
  RollFeedHarness h;
  h.f.host.answers = {forms::MsgAnswer::Cancel};
  h.Window().TstSerialCom[0].Choose();
  EXPECT_EQ(h.f.host.LastBox()->text,
            "Turn cutter on while holding down the Test Cut key\r\n"
            "until it beeps and light flashes 3 times.");
}

TEST(RollFeedMenus, FactoryDefaultsAreShownNotSent) {
  RollFeedHarness h;
  auto& w = h.Window();
  w.SendSettingTemp.Press();
  ASSERT_TRUE(h.f.s.SettingsSent);
  h.f.device.ClearReceived();
  w.DsplyFactCom.Choose();
  EXPECT_EQ(h.f.host.LastBox()->title, "Factory Settings");
  EXPECT_FALSE(h.f.s.SettingsSent);
  EXPECT_EQ(w.HiForce.Text(), "700");
  EXPECT_TRUE(w.CutButton.Value());  // the defaults have no roll feed
  EXPECT_EQ(h.f.device.Received(), "");
}

TEST(RollFeedMenus, ItemsOpenTheirWindows) {
  struct Case {
    forms::MenuItem StoogMoa::*item;
    const char* form;
  };
  for (const Case& c : {Case{&StoogMoa::DisplayLang, "DefLangForm"},
                        Case{&StoogMoa::FlashUpdate, "Flash"},
                        Case{&StoogMoa::AboutCom, "About"}}) {
    RollFeedHarness h;
    (h.Window().*c.item).Choose();
    const auto& shown = h.f.host.shownForms;
    EXPECT_NE(std::find(shown.begin(), shown.end(), c.form), shown.end()) << c.form;
  }
}

}  // namespace
}  // namespace rollfeed_tests
