// What the settings-window frame does the same in every twin: the model check before any
// question, the send questions, Permanent with nothing changed, loaded settings, Exit and close.
// Each twin is one row.
#include <gtest/gtest.h>

#include <array>
#include <deque>
#include <fstream>
#include <utility>
#include <vector>

#include "cutter/Dru71Set.h"
#include "penplotter/P870Set.h"
#include "rollfeed/StoogMoa.h"
#include "tests/support/SettingsWindowHarness.h"

namespace cutter_tests {
namespace {

using forms::MsgAnswer;
using forms::MsgIcon;
using taskhelm::App;
using taskhelm::SettingsWindow;
using testing_support::SettingsWindowHarness;
using testing_support::StartedOn;

struct Twin {
  const char* name;
  int model;
  SettingsWindow& (*window)(App&);
  int wrongId;              // another model's answer to the model check, and the check's text
  const char* wrongText;
  const char* temporaryPrompt;
  const char* permanentPrompt;
  const char* editBox;      // an edit, and the part of the permanent command that shows it
  const char* editText;
  const char* editedPart;
  const char* fileLine;     // a settings file, and the permanent command it becomes
  const char* permanentFromFile;
  const char* exitText;
  // The Spanish edition's Exit question and closing question: title and text of each.
  std::array<const char*, 4> spanishQuestions;
  MsgIcon factoryBoxIcon;   // of the box that Factory Defaults shows
  const char* panelCm;      // 18.3 in as the panel width shows it in centimetres
  const char* panelInches;  // 46.5 cm as the panel width shows it in inches
};

void PrintTo(const Twin& t, std::ostream* os) { *os << t.name; }

template <class W>
SettingsWindow& WindowOf(App& app) {
  return app.Window<W>();
}

const Twin kTwins[] = {
    {.name = "Cutter36",
     .model = 36,
     .window = WindowOf<taskhelm::Dru71Set>,
     .wrongId = 32,
     .wrongText = "Wrong Quorvane Model.\r\nPlease try Kelvaro R/V ",
     .temporaryPrompt = "Temporarily change cutter settings.",
     .permanentPrompt = "Permanently change cutter defaults.",
     .editBox = "Overcut",
     .editText = "21",
     .editedPart = " KV21 KA15UD@",
     .fileLine = "!HO0 PT3 LL0,0 UR18250,30250 SS100,100 SF10,700 SD0,0 SA10 KO94 KV20 KA15 \r\n",
     .permanentFromFile =
         "!HO0 PT3 LL0,0 UR18250,30250 SS100,100 SF10,700 SD0,0 SA10 KO94 KV20 KA15UD@",
     .exitText = "Latest changes not sent to the cutter.\r\n\r\nExit without updating the cutter?",
     .spanishQuestions = {"Salir del Taskhelm",
                          "Los últimos cambios no se han enviado al ploter.\r\n\r\nSalir sin "
                          "actualizar los parámetros del ploter?",
                          "Salir Taskhelm",
                          "Últimos cambios no han sido enviados.\r\nEsta seguro que desea "
                          "finalizar?"},
     .factoryBoxIcon = MsgIcon::None,
     .panelCm = "46,48",
     .panelInches = "18,31"},
    {.name = "RollFeed35",
     .model = 35,
     .window = WindowOf<taskhelm::StoogMoa>,
     .wrongId = 32,
     .wrongText = "Wrong Quorvane Model.\r\nPlease try Kelvaro R/V ",
     .temporaryPrompt = "Temporarily change Marvesk settings.",
     .permanentPrompt = "Permanently change MarveskK defaults.",
     .editBox = "Overcut",
     .editText = "21",
     .editedPart = " KV21 ",
     .fileLine = "!HO0 PT3 LL0,0 UR46000,39300 SS100,100 SF10,300 SD0,0 SA10 KO15 KV10 KA30 RF1 FG0 "
                 "CO0 CL2000,60 AE0 AL15000 \r\n",
     .permanentFromFile = "!HO0 RF1 PT3 LL0,0 UR46000,39300 SS100,100 SF10,300 SD0,0 SA10 KO15 "
                          "KV10 KA30 FG0 CO0 CL2000,60 AE0 AL15000 UD@",
     .exitText = "Latest changes not sent to the MarveskK.\r\n\r\nExit without updating the "
                 "MarveskK?",
     // The window keeps its closing question English.
     .spanishQuestions = {"Salir del Taskhelm",
                          "Las ultimas modificaciones no se han enviado al ploter.\r\n\r\nDesea "
                          "salir sin actualizar el MarveskK?",
                          "Exit Taskhelm",
                          "Latest settings have not been sent.\r\nAre you sure you want to "
                          "exit?"},
     .factoryBoxIcon = MsgIcon::Information,
     .panelCm = "46,5",
     .panelInches = "18,3"},
    {.name = "PenPlotter41",
     .model = 41,
     .window = WindowOf<taskhelm::P870Set>,
     .wrongId = 32,
     .wrongText = "Wrong Quorvane Model.\r\nPlease try Kelvaro R/V ",
     .temporaryPrompt = "Temporarily change Plotter settings?",
     .permanentPrompt = "Permanently change Plotter settings?",
     .editBox = "XScale",
     .editText = "101",
     .editedPart = " SS101,100 ",
     .fileLine =
         "!HO0 PT3 LL0,0 UR46000,86000 SS100,100 SF10,175 SD0,0 SA20 PV76 ES0 FG-30 TU0 \r\n",
     .permanentFromFile =
         "!HO0 PT3 LL0,0 UR46000,86000 SS100,100 SF10,175 SD0,0 SA20 PV76.2 FG-30 UD@",
     .exitText = "Latest changes not sent to the Plotter.\r\n\r\nExit without updating Plotter?",
     .spanishQuestions = {"Salir del Taskhelm",
                          "Últimos cambiamos no han sido actualizados en el ploter.\r\n\r\nDesea "
                          "salir del programa sin actualizar los parametros?",
                          "Salir Taskhelm",
                          "Últimos cambios no han sido enviados.\r\nEsta seguro que desea "
                          "finalizar?"},
     .factoryBoxIcon = MsgIcon::Information,
     .panelCm = "46,5",
     .panelInches = "18,3"},
};

class Frame : public ::testing::TestWithParam<Twin> {
 protected:
  Frame() : h(StartedOn(GetParam().model)), w(GetParam().window(h.f.app)) {}
  SettingsWindowHarness h;
  SettingsWindow& w;
};

TEST_P(Frame, WrongModelStopsBeforeAnyQuestion) {
  h.f.device.faults.wrongModelId = GetParam().wrongId;
  for (forms::CommandButton* button : {&w.SendSettingTemp, &w.SendDefault}) {
    h.f.host.boxes.clear();
    button->Press();
    ASSERT_EQ(h.f.host.boxes.size(), 1u);
    EXPECT_EQ(h.f.host.boxes[0].title, "ERROR");
    EXPECT_EQ(h.f.host.boxes[0].text, GetParam().wrongText);
    EXPECT_EQ(h.SettingsCommandReceived(), "");
  }
}

TEST_P(Frame, CancelledQuestionSendsNothing) {
  h.f.host.answers = {MsgAnswer::Cancel, MsgAnswer::Cancel};
  w.SendSettingTemp.Press();
  w.SendDefault.Press();
  EXPECT_EQ(h.f.host.boxes[0].title, "Temporary");
  EXPECT_EQ(h.f.host.boxes[0].text, GetParam().temporaryPrompt);
  EXPECT_EQ(h.f.host.boxes[1].title, "Permanent");
  EXPECT_EQ(h.f.host.boxes[1].text, GetParam().permanentPrompt);
  EXPECT_EQ(h.f.device.Received(), "!IC@!IC@");
}

TEST_P(Frame, PermanentWithNothingChangedSendsStoreDefaultsAlone) {
  w.SendSettingTemp.Press();
  ASSERT_TRUE(h.f.s.SettingsSent);
  h.f.device.ClearReceived();
  w.SendDefault.Press();
  EXPECT_EQ(h.f.device.Received(), "!IC@!UD@!DD@");

  // Any edit since then makes it a full permanent command again.
  h.Type(static_cast<forms::TextBox&>(*w.FindControl(GetParam().editBox)), GetParam().editText);
  h.f.device.ClearReceived();
  w.SendDefault.Press();
  const std::string command = h.SettingsCommandReceived();
  EXPECT_EQ(command.find("!UD@"), std::string::npos);
  EXPECT_NE(command.find(GetParam().editedPart), std::string::npos) << command;
}

TEST_P(Frame, FactoryDefaultsBoxIsTheTwinsOwn) {
  w.DsplyFactCom.Choose();
  ASSERT_EQ(h.f.host.boxes.size(), 1u);
  EXPECT_EQ(h.f.host.boxes[0].title, "Factory Settings");
  EXPECT_EQ(h.f.host.boxes[0].buttons, forms::MsgButtons::OK);
  EXPECT_EQ(h.f.host.boxes[0].icon, GetParam().factoryBoxIcon);
}

// The unit switch reads the shown panel width with the regional separator, as it shows it.
TEST_P(Frame, UnitSwitchReadsTheRegionalSeparator) {
  h.f.app.regional.sDecimal = ',';
  w.PanelX.SetText("18,3");
  w.MetricButton.SetValue(true);
  EXPECT_EQ(w.PanelX.Text(), GetParam().panelCm);
  w.PanelX.SetText("46,5");
  w.EnglishButton.SetValue(true);
  EXPECT_EQ(w.PanelX.Text(), GetParam().panelInches);
}

TEST_P(Frame, LoadedSettingsCountAsUnsent) {
  w.SendSettingTemp.Press();
  ASSERT_TRUE(h.f.s.SettingsSent);
  const std::string path = h.f.app.programFolder + "/loaded.tkh";
  std::ofstream(path) << GetParam().fileLine;
  h.f.host.openFiles = {path};
  w.FileSendCom[1].Choose();
  EXPECT_FALSE(h.f.s.SettingsSent);
  h.f.device.ClearReceived();
  w.SendDefault.Press();
  EXPECT_EQ(h.SettingsCommandReceived(), GetParam().permanentFromFile);
}

struct ExitCase {
  bool present, sent;
  std::deque<MsgAnswer> answers;
  bool question, ends;
};

TEST_P(Frame, ExitAsksOnlyWhenUnsentChangesWouldBeLost) {
  for (const ExitCase& c : {ExitCase{true, false, {MsgAnswer::No}, true, false},
                            ExitCase{true, false, {MsgAnswer::Yes}, true, true},
                            ExitCase{false, false, {}, false, true},
                            ExitCase{true, true, {}, false, true}}) {
    SettingsWindowHarness fresh(StartedOn(GetParam().model));
    SettingsWindow& window = GetParam().window(fresh.f.app);
    fresh.f.s.PlotterPresent = c.present;
    fresh.f.s.SettingsSent = c.sent;
    fresh.f.host.answers = c.answers;
    const bool running = fresh.f.host.Run([&] { window.ExitCom.Choose(); });
    EXPECT_EQ(!running, c.ends);
    ASSERT_EQ(fresh.f.host.boxes.size(), c.question ? 1u : 0u);
    if (c.question) {
      EXPECT_EQ(fresh.f.host.boxes[0].title, "Exit Taskhelm");
      EXPECT_EQ(fresh.f.host.boxes[0].text, GetParam().exitText);
      EXPECT_EQ(fresh.f.host.boxes[0].icon, MsgIcon::Question);
    }
  }
}

TEST_P(Frame, ClosingAsksThenClosesThePortAndEnds) {
  h.f.s.SettingsSent = false;
  h.f.host.answers = {MsgAnswer::No};
  EXPECT_FALSE(w.Close());
  EXPECT_EQ(h.f.host.boxes.back().text,
            "Latest settings have not been sent.\r\nAre you sure you want to exit?");
  EXPECT_TRUE(h.f.line.IsOpen());

  h.f.host.answers = {MsgAnswer::Yes};
  EXPECT_FALSE(h.f.host.Run([&] { w.Close(); }));
  EXPECT_FALSE(h.f.line.IsOpen());
}

TEST_P(Frame, SpanishExitAndClosingQuestions) {
  SettingsWindowHarness spanish(StartedOn(GetParam().model, {}, texts::Edition::Spanish));
  SettingsWindow& window = GetParam().window(spanish.f.app);
  const auto& expected = GetParam().spanishQuestions;
  spanish.f.s.SettingsSent = false;
  spanish.f.host.answers = {MsgAnswer::No, MsgAnswer::No};
  spanish.f.host.Run([&] { window.ExitCom.Choose(); });
  window.Close();
  ASSERT_EQ(spanish.f.host.boxes.size(), 2u);
  for (size_t i = 0; i < 2; ++i) {
    EXPECT_EQ(spanish.f.host.boxes[i].title, expected[2 * i]);
    EXPECT_EQ(spanish.f.host.boxes[i].text, expected[2 * i + 1]);
  }
}

// The roll-feed and pen-plotter windows see every key-down before their fields, so the service
// chords reach HandleServiceHotkeys from any field (the windows they open are not built yet).
TEST(ServiceChords, ReachTheWindowFromAFieldInBothPlotterWindows) {
  struct Case {
    int model;
    SettingsWindow& (*window)(App&);
  };
  for (const Case& c :
       {Case{35, WindowOf<taskhelm::StoogMoa>}, Case{33, WindowOf<taskhelm::P870Set>}}) {
    SCOPED_TRACE(c.model);
    SettingsWindowHarness h(StartedOn(c.model));
    SettingsWindow& w = c.window(h.f.app);
    std::vector<std::pair<int, int>> seen;
    const auto preview = w.KeyDown;
    w.KeyDown = [&](int& keyCode, int shift) {
      seen.emplace_back(keyCode, shift);
      preview(keyCode, shift);
    };
    const int ctrlAlt = forms::CtrlKey | forms::AltKey;
    for (forms::TextBox* field : {&w.Accel, &w.LoForce, &w.XScale}) {
      field->SetFocus();
      EXPECT_EQ(w.DispatchKeyDown(field, 'H', ctrlAlt | forms::ShiftKey), 'H');
      EXPECT_EQ(w.DispatchKeyDown(field, 'M', ctrlAlt), 'M');
    }
    EXPECT_EQ(seen.size(), 6u);
    EXPECT_TRUE(h.f.host.boxes.empty());
  }
}

INSTANTIATE_TEST_SUITE_P(Twins, Frame, ::testing::ValuesIn(kTwins),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace cutter_tests
