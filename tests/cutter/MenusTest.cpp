// The cutter window's menus: device queries, tests, help, files, exit and close.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include "setup/Config.h"
#include "tests/cutter/CutterHarness.h"
#include "tests/support/FileText.h"
#include "tests/support/CaseName.h"

namespace cutter_tests {
namespace {

using forms::MsgAnswer;
using forms::MsgIcon;

TEST(CutterMenus, VersionMemoryAndBladeHolderAnswersOfTheDevice) {
  CutterHarness h(Cutter(32));
  auto& w = h.Window();
  w.DsplyRomCom.Choose();
  ASSERT_NE(h.f.host.LastBox(), nullptr);
  EXPECT_EQ(h.f.host.LastBox()->title, "Version: ");
  EXPECT_EQ(h.f.host.LastBox()->text, "R/V ROM 4.21      \r\nSOFTWARE: 5.12              ");
  w.DsplyMemCom.Choose();
  EXPECT_EQ(h.f.host.LastBox()->text, "Memory Buffer = 1024K");
  w.DsplyKnifeCom.Choose();
  EXPECT_EQ(h.f.host.LastBox()->title, "Blade Holder Status");
  EXPECT_EQ(h.f.host.LastBox()->text, "Blade Holder is installed");
  w.DsplyMotorVoltsCom.Choose();
  EXPECT_EQ(h.f.host.LastBox()->text, "Motor Voltage = 36");
  EXPECT_EQ(h.f.host.LastBox()->icon, MsgIcon::None);
  EXPECT_EQ(h.f.device.Received(), "!IC@!RV@!VR@!IC@!MF0@!IC@!OK@!IC@!MV@");
}

struct ParallelQueryCase {
  int model;
  std::deque<std::string> replies;  // what the parallel port reads, in order
  forms::MenuItem taskhelm::Dru71Set::*item;
  const char* text;  // "" = no box
};

void PrintTo(const ParallelQueryCase& c, std::ostream* os) { *os << c.model << " " << c.text; }

class ParallelQuery : public ::testing::TestWithParam<ParallelQueryCase> {};

TEST_P(ParallelQuery, ShowsWhatTheRepliesMean) {
  const ParallelQueryCase& c = GetParam();
  CutterHarness h(Cutter(c.model));
  EXPECT_EQ(h.ShownOnParallel(h.Window().*c.item, c.replies), c.text);
}

using taskhelm::Dru71Set;
INSTANTIATE_TEST_SUITE_P(
    Cutters, ParallelQuery,
    ::testing::Values(
        ParallelQueryCase{36, {"36\r", "0\r"}, &Dru71Set::DsplyMemCom, "Memory Buffer = 12K"},
        ParallelQueryCase{36, {"36\r", "xyz"}, &Dru71Set::DsplyMemCom, "Memory Buffer = 12K"},
        ParallelQueryCase{36, {"36\r", "2\r"}, &Dru71Set::DsplyKnifeCom,
                          "Blade Holder is not installed"},
        // The 24 V cutters show their supply even without a reply; the 32 shows nothing then.
        ParallelQueryCase{39, {"39\r"}, &Dru71Set::DsplyMotorVoltsCom, "Motor Voltage = 24"},
        ParallelQueryCase{42, {"42\r", "36\r"}, &Dru71Set::DsplyMotorVoltsCom,
                          "Motor Voltage = 24"},
        ParallelQueryCase{32, {"32\r"}, &Dru71Set::DsplyMotorVoltsCom, ""},
        // A silent ROM query leaves its line empty; a silent software query shows nothing.
        ParallelQueryCase{36, {"36\r", "", "1.2\r"}, &Dru71Set::DsplyRomCom,
                          "                  \r\nSOFTWARE: 1.2               "},
        ParallelQueryCase{36, {"36\r", "V3\r"}, &Dru71Set::DsplyRomCom, ""}),
    [](const auto& info) {
      return testing_support::CaseName(::testing::PrintToString(info.param)) + "_" +
             std::to_string(info.index);
    });

// Only the number 1 is an installed holder, however the reply goes on.
TEST(CutterMenus, BladeHolderIsInstalledOnlyWhenTheNumberIsOne) {
  struct Case {
    double reported;
    const char* text;
  };
  const Case cases[] = {{1, "Blade Holder is installed"},
                        {1.5, "Blade Holder is not installed"},
                        {10, "Blade Holder is not installed"},
                        {0, "Blade Holder is not installed"}};
  for (const Case& c : cases) {
    CutterHarness h(Cutter(36));
    h.f.device.Service().bladeHolder = c.reported;
    h.Window().DsplyKnifeCom.Choose();
    ASSERT_NE(h.f.host.LastBox(), nullptr);
    EXPECT_EQ(h.f.host.LastBox()->text, c.text) << c.reported;
  }
}

TEST(CutterMenus, QueriesStopAtAWrongModel) {
  CutterHarness h(Cutter(36));
  h.f.device.faults.wrongModelId = 39;
  h.Window().DsplyMemCom.Choose();
  ASSERT_EQ(h.f.host.boxes.size(), 1u);
  EXPECT_EQ(h.f.host.boxes[0].text, "Wrong Quorvane Model.");
  EXPECT_EQ(h.f.device.Received(), "!IC@");
}

TEST(CutterMenus, DevicePortTestGivesTheInstructions) {
  CutterHarness h(Cutter(32));
  h.Window().TstPortCom.Choose();
  ASSERT_EQ(h.f.host.boxes.size(), 1u);
  EXPECT_EQ(h.f.host.boxes[0].title, "Cutter Serial Port Test");
  EXPECT_EQ(h.f.host.boxes[0].text,
            "Cutter Serial Port Test\r\n\r\n"
            "1. Connect the Diagnostic Module to the cutter's serial port.\r\n"
            "2. Turn the cutter on while holding down the Test Cut\r\n"
            "     key until it beeps and light flashes three times.\r\n"
            "3. Press any arrow key to send and receive a character.\r\n"
            "     Verify it beeps and flashes the Green light.\r\n"
            "4. Turn off the cutter.\r\n\r\n");
  EXPECT_EQ(h.f.device.Received(), "");
}

TEST(CutterMenus, FactoryDefaultsAreShownNotSent) {
  CutterHarness h(Cutter(39));
  auto& w = h.Window();
  h.Type(w.Accel, "2");
  h.f.s.SettingsSent = true;
  w.DsplyFactCom.Choose();
  EXPECT_EQ(w.Accel.Text(), "0.5");
  EXPECT_EQ(w.LoForce.Text(), "40");
  EXPECT_FALSE(h.f.s.SettingsSent);
  EXPECT_EQ(h.f.host.LastBox()->text,
            "Factory Defaults displayed. To send these settings click the Temporary or Permanent "
            "button.  To view current settings click the Update Display button. ");
  EXPECT_EQ(h.f.device.Received(), "");
}

TEST(CutterMenus, HelpOpensTheModelsFileBesideTheProgramOrSaysItIsMissing) {
  struct Case {
    int model;
    const char* file;
  };
  for (const Case& c : {Case{32, "Rvkh.hlp"}, Case{36, "530kh.hlp"}, Case{39, "ruvmkh.hlp"}}) {
    CutterHarness h(Cutter(c.model));
    const std::string path = h.f.app.programFolder + "/" + c.file;
    h.Window().HelpCom.Choose();
    ASSERT_EQ(h.f.host.boxes.size(), 1u);
    EXPECT_EQ(h.f.host.boxes[0].text, "The help file could not be opened: " + path);
    EXPECT_TRUE(h.f.host.helpShown.empty());

    std::ofstream(path) << "help";
    h.f.host.boxes.clear();
    h.Window().HelpCom.Choose();
    EXPECT_TRUE(h.f.host.boxes.empty());
    ASSERT_EQ(h.f.host.helpShown.size(), 1u);
    EXPECT_EQ(h.f.host.helpShown[0], path);
    EXPECT_EQ(h.f.host.pointer, forms::Pointer::Default);
  }
}

// The items that open a window of their own; every dialog closes again at once.
TEST(CutterMenus, ItemsOpenTheirWindows) {
  using taskhelm::Dru71Set;
  struct Opens {
    std::function<void(Dru71Set&)> choose;
    const char* window;
    const char* box;  // what the box before it says, "" for none
  };
  const Opens cases[] = {
      {[](Dru71Set& w) { w.DisplayLang.Choose(); }, "DefLangForm", ""},
      {[](Dru71Set& w) { w.AboutCom.Choose(); }, "About", ""},
      {[](Dru71Set& w) { w.TstSerialCom[0].Choose(); }, "Serial",
       "Turn cutter on while holding down the Test Cut key\r\nuntil it beeps and light flashes 3 "
       "times."},
      {[](Dru71Set& w) { w.TstSerialCom[1].Choose(); }, "Serial",
       "Disconnect the cutter and connect the serial Diagnostic Module\r\nto the computer serial "
       "port."},
  };
  for (const Opens& c : cases) {
    SCOPED_TRACE(c.window);
    CutterHarness h(Cutter(32));
    std::vector<std::string> opened;
    for (const char* name : {"DefLangForm", "About", "Serial"})
      h.f.host.modalOperators[name] = [&opened](forms::Form& form) {
        opened.push_back(form.Name());
        form.Unload();
      };
    h.f.host.Run([&] { c.choose(h.Window()); });
    EXPECT_EQ(opened, std::vector<std::string>{c.window});
    if (*c.box) {
      ASSERT_FALSE(h.f.host.boxes.empty());
      EXPECT_EQ(h.f.host.boxes[0].text, c.box);
    }
  }
}

// Alt+U locks the maximum force until the window is activated again, for instance when a dialog
// opened from it closes.
TEST(CutterMenus, ADialogClosingLiftsTheMaximumForceLock) {
  CutterHarness h(Cutter(36));
  auto& w = h.Window();
  w.HandleHotKeys('U', forms::AltKey);
  ASSERT_FALSE(w.HiForce.Enabled());
  h.f.host.modalOperators["About"] = [](forms::Form& form) { form.Unload(); };
  h.f.host.Run([&] { w.AboutCom.Choose(); });
  EXPECT_TRUE(w.HiForce.Enabled());
}

TEST(CutterMenus, PortSetupOpensSetupWithTheModelListLocked) {
  CutterHarness h(Cutter(36));
  bool listEnabled = true;
  h.f.host.modalOperators["Config"] = [&](forms::Form& form) {
    listEnabled = static_cast<taskhelm::Config&>(form).PlotterList.Enabled();
    form.Hide();
  };
  h.f.host.Run([&] { h.Window().ConfigCom[1].Choose(); });
  EXPECT_FALSE(listEnabled);
  EXPECT_EQ(h.f.s.SetupMenuIndex, 1);
}

std::string Read(const std::string& path) { return testing_support::FileText(path); }

TEST(CutterMenus, SettingsFileSavedAndOpenedAgain) {
  CutterHarness h(Cutter(36));
  auto& w = h.Window();
  const std::string path = h.f.app.programFolder + "/mine.tkh";
  h.Type(w.XScale, "150");
  h.f.host.saveFiles = {path};
  w.FileSaveCom.Choose();
  EXPECT_EQ(Read(path),
            "!HO1 PT3 LL0,0 UR18250,30250 SS150,100 SF10,700 SD0,0 SA10 KO94 KV20 KA15 AE0 PN0 CO0 "
            "CL2000,60 PL40,600 \r\n");
  EXPECT_EQ(h.f.host.fileDialogs.back().DialogTitle, "Save Settings As");
  EXPECT_EQ(h.f.host.fileDialogs.back().Flags, 2623490);

  h.Type(w.XScale, "99");
  h.f.host.openFiles = {path};
  w.FileSendCom[1].Choose();
  EXPECT_EQ(w.XScale.Text(), "150");
  EXPECT_EQ(h.f.s.FileMenuIndex, 1);
  EXPECT_EQ(h.f.host.fileDialogs.back().Filter, "Settings (*.tkh)|*.tkh");
  EXPECT_EQ(h.f.device.Received(), "");  // a file reaches the device only through the sends
}

// A file with values no device would report shows and sends them clamped to the model's limits.
TEST(CutterMenus, AnOutOfRangeSettingsFileIsClampedBeforeItIsShownOrSent) {
  CutterHarness h(Cutter(36));
  auto& w = h.Window();
  const std::string path = h.f.app.programFolder + "/wild.tkh";
  std::ofstream(path) << "!HO1 PT3 LL0,0 UR99999999,-5 SS0,99999 SF-1,99999999 SD-9,999999 SA0 "
                         "KO-1 KV999999 KA-5 \r\n";
  h.f.host.openFiles = {path};
  w.FileSendCom[1].Choose();
  EXPECT_EQ(w.XScale.Text(), "1");
  EXPECT_EQ(w.HiForce.Text(), "2000");
  h.f.device.ClearReceived();
  w.SendSettingTemp.Press();
  EXPECT_EQ(h.SettingsCommandReceived(), "!HO1 PT3 LL0,0 UR" + std::to_string(h.f.s.PanelMaxX) +
                                             ",0 SS1,999 SF10,2000 SD0,250 SA1 KO0 KV100 KA0@");
}

// Saving onto a name that stands for a FIFO refuses and leaves it as it is.
TEST(CutterMenus, SavingOntoALinkToAFifoLeavesItAlone) {
  CutterHarness h(Cutter(36));
  const std::string fifo = h.f.app.programFolder + "/pipe";
  const std::string link = h.f.app.programFolder + "/pipe.tkh";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  std::filesystem::create_symlink(fifo, link);
  h.f.host.saveFiles = {link};
  h.Window().FileSaveCom.Choose();
  ASSERT_FALSE(h.f.host.boxes.empty());
  EXPECT_EQ(h.f.host.boxes.back().text, "Could not open " + link);
  EXPECT_TRUE(std::filesystem::is_fifo(fifo));
  EXPECT_TRUE(std::filesystem::is_symlink(link));
}

TEST(CutterMenus, SavingIntoAFolderThatIsNotThereSaysSo) {
  CutterHarness h(Cutter(36));
  h.f.host.saveFiles = {h.f.app.programFolder + "/no/such/folder/x.tkh"};
  h.Window().FileSaveCom.Choose();
  ASSERT_FALSE(h.f.host.boxes.empty());
  EXPECT_EQ(h.f.host.boxes.back().title, "ERROR");
}

TEST(CutterMenus, PlotFilesAreSentOneAfterAnotherUntilTheDialogIsCancelled) {
  CutterHarness h(Cutter(36));
  const std::string plot = h.f.app.programFolder + "/a.plt";
  std::ofstream(plot) << "IN;PU0,0;";
  int sends = 0;
  h.f.host.modalOperators["SendCutFiles"] = [&](forms::Form& form) {
    ++sends;
    form.Hide();
  };
  h.f.s.SettingsSent = false;
  h.f.host.answers = {MsgAnswer::No};  // do not update first
  h.f.host.openFiles = {plot, plot, ""};
  h.Window().FileSendCom[0].Choose();
  EXPECT_EQ(sends, 2);
  EXPECT_EQ(h.f.host.boxes.at(0).title, "Update cutter ");
  EXPECT_EQ(h.f.host.boxes.at(0).text,
            "Latest changes not sent to the cutter.\r\nDo you want to update the cutter?");
  EXPECT_EQ(h.f.host.fileDialogs.size(), 3u);
  EXPECT_EQ(h.f.host.fileDialogs[0].DialogTitle, "Select files to send to Cutter");
  EXPECT_EQ(h.f.host.fileDialogs[0].Flags, 530433);
}

TEST(CutterMenus, AFailedUpdateFirstStopsTheFileCommand) {
  CutterHarness h(Cutter(36));
  h.f.s.SettingsSent = false;
  h.f.device.faults.shortDump = true;  // the read-back of the update fails
  h.f.host.answers = {MsgAnswer::Yes};
  h.Window().FileSendCom[0].Choose();
  EXPECT_EQ(h.f.host.boxes.at(0).title, "Update cutter ");
  EXPECT_TRUE(h.f.host.fileDialogs.empty());
}

}  // namespace
}  // namespace cutter_tests
