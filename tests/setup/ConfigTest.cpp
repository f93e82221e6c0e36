// The Setup window: model list, present box, port options, OK, Cancel and the close box.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <functional>

#include "link/Identify.h"
#include "setup/Config.h"
#include "setup/Splash.h"
#include "startup/Main.h"
#include "tests/setup/SetupTestSupport.h"

namespace {

using setup_tests::SelectedOptions;
using setup_tests::ShowModal;
using taskhelm::Config;
using testing_support::AppFixture;
using testing_support::AppOptions;

AppOptions TwoPorts(int model = 32) {
  AppOptions options;
  options.model = model;
  options.line.ports = {1, 2};
  return options;
}

bool AnyLptEnabled(const Config& c) {
  for (const auto& option : c.LPT)
    if (option.Enabled()) return true;
  return false;
}

bool AllLptEnabled(const Config& c) {
  for (const auto& option : c.LPT)
    if (!option.Enabled()) return false;
  return true;
}

const testing_support::ShownBox* FindBox(const AppFixture& f, const std::string& title) {
  for (const auto& box : f.host.boxes)
    if (box.title == title) return &box;
  return nullptr;
}

TEST(ConfigList, ShowsTheTenModelsAndSelectsTheirCodes) {
  struct Row {
    int index;
    const char* entry;
    int16_t selects;  // 0: keeps the model chosen before (36)
  };
  const Row rows[] = {
      {0, "Quorvane 555LJ", 42}, {1, "Quorvane 530 ", 36},   {2, "Quorvane 520 ", 39},
      {3, "Quorvane 510 ", 0},   {4, "Kelvaro R/V ", 32},    {5, "MarveskK Plotter/Cutter ", 35},
      {6, "Plotter 870 Kr ", 33}, {7, "Plotter 870 KrV ", 40}, {8, "Plotter 36 Kr ", 34},
      {9, "Plotter 36 KrV ", 41},
  };
  AppFixture f(36);
  Config& c = f.app.Window<Config>();
  ASSERT_EQ(c.PlotterList.ListCount(), 10);
  for (const Row& row : rows) {
    SCOPED_TRACE(row.entry);
    EXPECT_EQ(c.PlotterList.List(row.index), row.entry);
    c.PlotterList.SetListIndex(1);  // 36
    c.PlotterList.SetListIndex(row.index);
    EXPECT_EQ(c.SelectedModel, row.selects ? row.selects : 36);
  }
}

TEST(ConfigLoad, SelectsTheEntryOfTheConfiguredModel) {
  const std::pair<int, int> rows[] = {{32, 4}, {33, 6}, {34, 8}, {35, 5}, {36, 1},
                                      {39, 2}, {40, 7}, {41, 9}, {42, 0}, {47, -1}};
  for (auto [model, index] : rows) {
    SCOPED_TRACE(model);
    AppFixture f(model);
    Config& c = f.app.Window<Config>();
    EXPECT_EQ(c.PlotterList.ListIndex(), index);
    EXPECT_EQ(c.SelectedModel, model);
    EXPECT_EQ(c.PresentChk.Value(), 1);
    EXPECT_FALSE(c.cmdPortResource.Visible());
  }
}

TEST(ConfigLoad, SelectsTheOptionOfTheConfiguredPort) {
  struct Row {
    const char* port;
    const char* lpt;
    const char* selected;
  };
  const Row rows[] = {
      {"COM1", "LPT0", "Com1"},   {"COM4", "LPT0", "Com4"},   {"COM6", "LPT0", ""},
      {"COM0", "LPT1", "LPT(0)"}, {"COM0", "LPT3", "LPT(2)"}, {"COM0", "LPT4", "LPT(3)"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.port + std::string("/") + row.lpt);
    AppFixture f;
    f.s.PortName = row.port;
    f.s.LptPortName = row.lpt;
    Config& c = f.app.Window<Config>();
    EXPECT_EQ(SelectedOptions(c), row.selected);
    // What is configured stays the choice until the operator picks another.
    EXPECT_EQ(f.s.PendingPortName, row.port);
    EXPECT_EQ(f.s.PendingLptName, row.lpt);
  }
}

TEST(ConfigLpt, OptionsFollowTheModelAndThePresentBox) {
  struct Row {
    int present;
    int index;
    bool enabled;
  };
  const Row rows[] = {
      {1, 0, true},   // 555LJ
      {1, 5, true},   // the roll-feed cutter
      {1, 6, false},  // a pen plotter
      {0, 4, false},  // a cutter without the device
      {1, 3, true},   // "Quorvane 510 " keeps the cutter chosen before
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.index);
    AppFixture f;
    Config& c = f.app.Window<Config>();
    c.PresentChk.SetValue(row.present);
    c.PlotterList.SetListIndex(row.index);
    EXPECT_EQ(AnyLptEnabled(c), row.enabled);
    EXPECT_EQ(AllLptEnabled(c), row.enabled);
  }
}

TEST(ConfigLpt, PresentBoxEnablesThemForAnyEntryButTheUnselectableOne) {
  AppFixture f(33);
  Config& c = f.app.Window<Config>();
  c.PresentChk.SetValue(0);
  EXPECT_FALSE(AnyLptEnabled(c));
  EXPECT_FALSE(c.Com1.Enabled());
  EXPECT_FALSE(f.s.PresentChecked);
  c.PresentChk.SetValue(1);
  EXPECT_TRUE(AllLptEnabled(c));
  EXPECT_TRUE(c.Com8.Enabled());
  EXPECT_TRUE(f.s.PresentChecked);

  c.PlotterList.SetListIndex(3);
  c.PresentChk.SetValue(0);
  c.PresentChk.SetValue(1);
  EXPECT_FALSE(AnyLptEnabled(c));
}

// The model check leaves its answer in the present flag; the window shows it when it loads after
// the check and when a window loaded before is shown again, with the port options following.
TEST(ConfigPresent, TheBoxShowsWhatTheModelCheckFound) {
  struct Row {
    bool loadedBefore;
    bool silent;
    int box;
  };
  const Row rows[] = {{false, true, 0}, {false, false, 1}, {true, true, 0}, {true, false, 1}};
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << row.loadedBefore << row.silent);
    AppFixture f(33);
    if (row.loadedBefore) {
      f.app.Window<Config>().PresentChk.SetValue(1 - row.box);
      EXPECT_EQ(f.s.PresentChecked, row.box == 0);
    }
    f.device.faults.silent = row.silent;
    taskhelm::VerifyModel(f.app, 33);
    int shownBox = -1;
    bool comEnabled = false;
    ShowModal<Config>(f, [&](Config& c) {
      shownBox = c.PresentChk.Value();
      comEnabled = c.Com1.Enabled();
    });
    EXPECT_EQ(shownBox, row.box);
    EXPECT_EQ(comEnabled, row.box == 1);
  }
}

TEST(ConfigPorts, OptionClicksSetThePendingPort) {
  AppFixture f;
  Config& c = f.app.Window<Config>();
  c.LPT[1].SetValue(true);
  EXPECT_EQ(f.s.PendingPortName, "COM0");
  EXPECT_EQ(f.s.PendingLptName, "LPT2");
  EXPECT_EQ(f.s.LptNumber, 2);
  EXPECT_FALSE(c.Com1.Value());
  c.Com7.SetValue(true);
  EXPECT_EQ(f.s.PendingPortName, "COM7");
  EXPECT_EQ(f.s.PendingLptName, "LPT0");
  EXPECT_EQ(SelectedOptions(c), "Com7");
}

// Each case starts from model 32 on COM1 with the device present, and a start-up file that OK
// must either leave alone or rewrite.
TEST(ConfigOk, RewritesTheFileOnlyOnTheListedChanges) {
  struct Case {
    const char* name;
    std::function<void(AppFixture&)> before;
    std::function<void(Config&)> operate;
    const char* file;  // what the file holds afterwards
  };
  const char* kUntouched = "untouched";
  const Case cases[] = {
      {"nothing changed", nullptr, [](Config&) {}, kUntouched},
      {"serial port", nullptr, [](Config& c) { c.Com2.SetValue(true); }, "32 2 0\r\n"},
      {"model", nullptr, [](Config& c) { c.PlotterList.SetListIndex(1); }, "36 1 0\r\n"},
      {"Quorvane 510 ", nullptr, [](Config& c) { c.PlotterList.SetListIndex(3); }, kUntouched},
      {"present box", nullptr, [](Config& c) { c.PresentChk.SetValue(0); }, "32 1 0\r\n"},
      {"serial to parallel", nullptr, [](Config& c) { c.LPT[0].SetValue(true); }, "32 0 1\r\n"},
      {"parallel port alone", [](AppFixture& f) { f.UseParallelPort(1); },
       [](Config& c) { c.LPT[1].SetValue(true); }, kUntouched},
  };
  for (const Case& test : cases) {
    SCOPED_TRACE(test.name);
    AppFixture f(TwoPorts());
    f.WriteIniText(kUntouched);
    if (test.before) test.before(f);
    ShowModal<Config>(f, [&](Config& c) {
      test.operate(c);
      c.ConfigOK.Press();
    });
    EXPECT_EQ(f.IniText(), test.file);
  }
}

TEST(ConfigOk, SaysSoWhenTheFileCannotBeWritten) {
  struct Case {
    const char* name;
    std::function<void(AppFixture&)> spoil;
  };
  const Case cases[] = {
      {"a folder that cannot take files", [](AppFixture& f) { f.app.programFolder += "/gone"; }},
      {"a FIFO in its place", [](AppFixture& f) {
         std::filesystem::remove(f.app.IniPath());
         ASSERT_EQ(::mkfifo(f.app.IniPath().c_str(), 0600), 0);
       }},
  };
  for (const Case& test : cases) {
    SCOPED_TRACE(test.name);
    AppFixture f(TwoPorts());
    test.spoil(f);
    ShowModal<Config>(f, [](Config& c) {
      c.Com2.SetValue(true);
      c.ConfigOK.Press();
    });
    const testing_support::ShownBox* box = FindBox(f, "ERROR");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->text, "Could not write " + f.app.IniPath());
    EXPECT_EQ(f.s.PortName, "COM2");  // the change itself is taken over
    if (std::filesystem::exists(f.app.IniPath())) {
      EXPECT_TRUE(std::filesystem::is_fifo(f.app.IniPath()));
    }
  }
}

TEST(ConfigOk, TakesOverTheChoiceAndConnects) {
  AppFixture f(TwoPorts());
  auto outcome = ShowModal<Config>(f, [](Config& c) {
    c.Com2.SetValue(true);
    c.ConfigOK.Press();
  });
  EXPECT_TRUE(outcome.programGoesOn);
  EXPECT_FALSE(outcome.shownAfter);  // connected: hidden, the caller goes on
  EXPECT_EQ(f.s.PortName, "COM2");
  EXPECT_EQ(f.s.LptPortName, "LPT0");
  EXPECT_EQ(f.line.PortNumber(), 2);
  EXPECT_EQ(f.s.ConfigModel, 32);
  EXPECT_EQ(f.s.LastPresentState, 1);
  EXPECT_EQ(f.s.LastModel, 32);
  EXPECT_TRUE(f.s.DeviceSettingsRead);
  EXPECT_TRUE(f.host.boxes.empty());
}

TEST(ConfigOk, KeepsAModelThatHasNoEntry) {
  AppFixture f(47);
  f.s.PlotterPresent = false;
  f.WriteIniText("47 1 0\r\n");
  ShowModal<Config>(f, [](Config& c) {
    c.PresentChk.SetValue(0);
    c.ConfigOK.Press();
  });
  EXPECT_EQ(f.s.ModelCode, 47);
  EXPECT_EQ(f.IniText(), "47 1 0\r\n");
}

TEST(ConfigOk, ParallelPortChangeOpensTheNewPort) {
  AppFixture f;
  f.UseParallelPort(1);
  ASSERT_TRUE(f.app.port.OpenLptPort("LPT1"));
  f.WriteIniText("32 0 1\r\n");
  f.parlink.replies = {"32\r"};  // the identification on the new port; the dump then fails
  ShowModal<Config>(f, [](Config& c) {
    c.LPT[1].SetValue(true);
    c.ConfigOK.Press();
  });
  EXPECT_EQ(f.parlink.openedPort, 2);
  EXPECT_EQ(f.s.LptPortName, "LPT2");
  EXPECT_EQ(f.s.LptNumber, 2);
  EXPECT_EQ(f.IniText(), "32 0 1\r\n");
}

TEST(ConfigOk, APortThatCannotOpenIsNamedAsChosen) {
  AppFixture f;  // the device hangs on COM1 only
  ShowModal<Config>(f, [](Config& c) {
    c.Com3.SetValue(true);
    c.ConfigOK.Press();
  });
  ASSERT_FALSE(f.host.boxes.empty());
  for (const auto& box : f.host.boxes) EXPECT_EQ(box.text, "Could not open COM3");
}

TEST(ConfigOk, FailedConnectionKeepsTheWindowOpen) {
  AppFixture f;
  f.device.faults.silent = true;
  auto outcome = ShowModal<Config>(f, [](Config& c) { c.ConfigOK.Press(); });
  EXPECT_TRUE(outcome.programGoesOn);
  EXPECT_TRUE(outcome.shownAfter);
  EXPECT_EQ(f.host.pointer, forms::Pointer::Default);
}

TEST(ConfigOk, EnterInTheListRunsOk) {
  AppFixture f;
  Config& c = f.app.Window<Config>();
  f.device.ClearReceived();
  f.host.Run([&] { c.DispatchKeyPress(&c.PlotterList, forms::Key::Return); });
  EXPECT_NE(f.device.Received().find("!IC@"), std::string::npos);
  EXPECT_EQ(f.s.LastPresentState, 1);
}

TEST(ConfigOk, WarnsWhenAnotherModelIsChosenWithoutTheDevice) {
  struct Row {
    int16_t lastState;  // before OK
    int index;          // entry chosen
    int16_t stateAfter;
    bool warning;
  };
  const Row rows[] = {
      {1, 1, 2, true},   // a device was recorded, another model chosen
      {1, 4, 1, false},  // the same model
      {0, 1, 0, false},  // nothing recorded yet
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.index);
    AppFixture f;
    f.s.LastPresentState = row.lastState;
    f.s.LastModel = 32;
    ShowModal<Config>(f, [&](Config& c) {
      c.PresentChk.SetValue(0);
      c.PlotterList.SetListIndex(row.index);
      c.ConfigOK.Press();
    });
    EXPECT_EQ(f.s.LastPresentState, row.stateAfter);
    const testing_support::ShownBox* box = FindBox(f, "WARNING");
    ASSERT_EQ(box != nullptr, row.warning);
    if (box) {
      EXPECT_EQ(box->text,
                "The Plotter you have selected is not the same as that connected to your computer.");
      EXPECT_EQ(box->icon, forms::MsgIcon::Exclamation);
      EXPECT_GE(f.host.beeps, 1);
    }
  }
}

// Cancel and the close box, by the menu entry that opened the window. The present box is cleared
// first: an OK would write the start-up file, the port-setup Cancel must not.
TEST(ConfigCancel, CancelAndCloseByOpener) {
  struct Row {
    const char* name;
    bool closeBox;
    int16_t setupMenuIndex;
    bool ends;
    bool fileWritten;
  };
  const Row rows[] = {
      {"Cancel at start-up", false, 0, true, false},
      {"Cancel from port setup", false, 1, false, false},
      {"Cancel from another entry", false, 2, true, false},
      {"close box at start-up", true, 0, true, false},
      {"close box from port setup", true, 1, false, true},
      {"close box from another entry", true, 2, false, true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    AppFixture f;
    f.s.SetupMenuIndex = row.setupMenuIndex;
    f.WriteIniText("untouched");
    ASSERT_TRUE(f.app.port.OpenSerialPort("COM1"));
    auto outcome = ShowModal<Config>(f, [&](Config& c) {
      c.PresentChk.SetValue(0);
      if (row.closeBox)
        c.Close();
      else
        c.ConfigCancel.Press();
    });
    EXPECT_EQ(outcome.programGoesOn, !row.ends);
    EXPECT_EQ(f.IniText() != "untouched", row.fileWritten);
    if (row.ends) {
      EXPECT_FALSE(f.line.IsOpen());
    } else {
      EXPECT_FALSE(outcome.shownAfter);
      EXPECT_FALSE(f.s.PlotterPresent);  // the choice was taken over
      EXPECT_TRUE(f.app.LoadedWindow<Config>());  // hidden, not unloaded
    }
  }
}

TEST(ConfigCancel, ClosesTheParallelPortWhenNoSerialPortIsOpen) {
  AppFixture f;
  f.UseParallelPort(2);
  ASSERT_TRUE(f.app.port.OpenLptPort("LPT2"));
  auto outcome = ShowModal<Config>(f, [](Config& c) { c.ConfigCancel.Press(); });
  EXPECT_FALSE(outcome.programGoesOn);
  EXPECT_EQ(f.parlink.closeCalls, 1);
  EXPECT_EQ(f.s.LptOpenResult, 0);
}

TEST(ConfigCancel, FromPortSetupMovesToTheChosenParallelPort) {
  AppFixture f;
  f.UseParallelPort(1);
  ASSERT_TRUE(f.app.port.OpenLptPort("LPT1"));
  f.s.SetupMenuIndex = 1;
  f.parlink.replies = {"32\r"};
  ShowModal<Config>(f, [](Config& c) {
    c.LPT[1].SetValue(true);
    c.ConfigCancel.Press();
  });
  EXPECT_EQ(f.parlink.closeCalls, 1);
  EXPECT_EQ(f.parlink.openedPort, 2);
  EXPECT_EQ(f.s.LptPortName, "LPT2");
}

TEST(ConfigCancel, StartupWithASilentDeviceEndsOnCancel) {
  AppFixture f;
  f.device.faults.silent = true;
  f.WriteIniText("32 1 0\r\n");
  f.host.modalOperators["Config"] = [](forms::Form& form) {
    static_cast<Config&>(form).ConfigCancel.Press();
  };
  EXPECT_FALSE(f.host.Run([&] { taskhelm::Main(f.app); }));
  EXPECT_FALSE(f.line.IsOpen());
  EXPECT_FALSE(f.app.Window<taskhelm::Splash>().Visible());
}

TEST(ConfigHints, FocusAndPointerShowHints) {
  AppFixture f;
  Config& c = f.app.Window<Config>();
  c.Com3.SetFocus();
  EXPECT_EQ(c.StatusBar.Text(), "Select the Com port connected to your plotter or signcutter.");
  c.LPT[3].MouseMove();
  EXPECT_EQ(c.StatusBar.Text(), "Select the parallel port connected to your signcutter.");
  c.ConfigCancel.SetFocus();
  EXPECT_EQ(c.StatusBar.Text(), "Exit Taskhelm");
  c.Com6.SetFocus();  // Com5..Com8 have no hint
  EXPECT_EQ(c.StatusBar.Text(), "Exit Taskhelm");
  EXPECT_FALSE(c.Com5.MouseMove);
  c.MouseMove();
  EXPECT_EQ(c.StatusBar.Text(), " ");
}

TEST(ConfigKeys, AltYShowsNothing) {
  AppFixture f;
  Config& c = f.app.Window<Config>();
  std::string before = SelectedOptions(c) + c.StatusBar.Text();
  f.host.Run([&] { c.DispatchKeyDown(&c.PlotterList, 'Y', forms::AltKey); });
  EXPECT_TRUE(f.host.boxes.empty());
  EXPECT_EQ(SelectedOptions(c) + c.StatusBar.Text(), before);
  EXPECT_FALSE(c.cmdPortResource.Visible());
}

}  // namespace
