// The Setup window's behaviour: model list, present box, port options, OK and Cancel.
#include "setup/Config.h"

#include <iterator>
#include <string>

#include "setup/PortNames.h"
#include "setup/StatusHints.h"
#include "startup/App.h"
#include "startup/ConnectDevice.h"
#include "startup/Main.h"
#include "startup/ModelTable.h"

namespace taskhelm {

namespace {

constexpr int16_t kNoModel = 0;
constexpr int kUnselectableEntry = 3;  // "Quorvane 510 ": shown, but selects no model

// The list in order: whose name an entry shows (model code and identification number), and the
// model code it selects.
struct PlotterEntry {
  int16_t nameModel, nameDeviceId;
  int16_t selects;
};
constexpr PlotterEntry kPlotterEntries[] = {
    {42, 0, 42}, {36, 0, 36}, {39, 0, 39}, {32, 46, kNoModel}, {32, 0, 32},
    {35, 0, 35}, {33, 0, 33}, {40, 0, 40}, {34, 0, 34},        {41, 0, 41},
};

int EntryOfModel(int16_t model) {
  for (int i = 0; i < static_cast<int>(std::size(kPlotterEntries)); ++i)
    if (kPlotterEntries[i].selects == model && model != kNoModel) return i;
  return -1;
}

// The models that can hang on a parallel port.
bool TakesParallelPort(int16_t model) {
  ModelFamily family = FamilyOf(model);
  return family == ModelFamily::Cutter || family == ModelFamily::RollFeed;
}

}  // namespace

Config::Config(App& app) : forms::Form(app.host, "Config"), app_(app) {
  Layout();
  Load = [this] { Form_Load(); };
  Activate = [this] { Form_Activate(); };
  Paint = [this] { Form_Paint(); };
  QueryUnload = [this](int& cancel, int mode) { Form_QueryUnload(cancel, mode); };
  MouseMove = [this] { StatusBar.SetText(" "); };
  PlotterList.Click = [this] { PlotterList_Click(); };
  PlotterList.KeyPress = [this](int& keyAscii) { PlotterList_KeyPress(keyAscii); };
  PresentChk.Click = [this] { PresentChk_Click(); };
  for (int port = 1; port <= 8; ++port) com_[port - 1]->Click = [this, port] { Com_Click(port); };
  for (int index = 0; index < 4; ++index) LPT[index].Click = [this, index] { LPT_Click(index); };
  ConfigOK.Click = [this] { ConfigOK_Click(); };
  ConfigCancel.Click = [this] { ConfigCancel_Click(); };
  // cmdPortResource stays hidden and does nothing when clicked.
  constexpr const char* kComHint = "Select the Com port connected to your plotter or signcutter.";
  constexpr const char* kLptHint = "Select the parallel port connected to your signcutter.";
  WireHints(app_, StatusBar,
            {{&Com1, kComHint}, {&Com2, kComHint}, {&Com3, kComHint}, {&Com4, kComHint},
             {&LPT[0], kLptHint}, {&LPT[1], kLptHint}, {&LPT[2], kLptHint}, {&LPT[3], kLptHint},
             {&PlotterList, "Select your plotter from the list."},
             {&PresentChk, "Turn off to start Taskhelm without communication."},
             {&ConfigOK, "Select the setting."},
             {&ConfigCancel, "Exit Taskhelm"}});
}

void Config::Form_Load() {
  SharedState& s = app_.s;
  cmdPortResource.SetVisible(false);
  SetCaption(app_.T("Taskhelm Setup"));
  Label1.SetCaption(app_.T("PlotterList"));
  PresentChk.SetCaption(app_.T("Plotter Present"));
  for (int port = 1; port <= 8; ++port) com_[port - 1]->SetCaption("Com" + std::to_string(port));
  for (int index = 0; index < 3; ++index) LPT[index].SetCaption("Lpt" + std::to_string(index + 1));
  LPT[3].SetCaption(app_.T("User"));
  ConfigOK.SetCaption(app_.T("OK"));
  ConfigCancel.SetCaption(app_.T("Cancel"));

  // A model without an entry (47) and a port without an option (COM5..COM8) must survive an OK
  // that does not touch them, so the choice starts as what is configured.
  SelectedModel = s.ModelCode;
  s.PendingPortName = s.PortName;
  s.PendingLptName = s.LptPortName;

  PlotterList.Clear();
  for (const PlotterEntry& entry : kPlotterEntries)
    PlotterList.AddItem(ModelName(entry.nameModel, entry.nameDeviceId));
  PlotterList.SetListIndex(EntryOfModel(s.ModelCode));

  if (int16_t com = PortNumber(s.PortName, "COM", 4)) {
    com_[com - 1]->SetValue(true);
  } else if (s.PortName == "COM0") {
    if (int16_t lpt = PortNumber(s.LptPortName, "LPT", 4)) LPT[lpt - 1].SetValue(true);
  }
  ShowPresence();
  app_.SetPointer(forms::Pointer::Default);
}

// The box follows the present flag, which a model check may have changed since the last show.
void Config::Form_Activate() { ShowPresence(); }

void Config::ShowPresence() {
  const int present = app_.s.PresentChecked ? 1 : 0;
  // Setting the box runs its Click only on a change; the port options follow the box either way.
  if (PresentChk.Value() == present)
    PresentChk_Click();
  else
    PresentChk.SetValue(present);
}

void Config::Form_Paint() { app_.SetPointer(forms::Pointer::Default); }

void Config::PlotterList_Click() {
  int index = PlotterList.ListIndex();
  if (index >= 0 && kPlotterEntries[index].selects != kNoModel)
    SelectedModel = kPlotterEntries[index].selects;
  EnableLptOptions(PresentBoxChecked() && TakesParallelPort(SelectedModel));
}

void Config::PlotterList_KeyPress(int& keyAscii) {
  if (keyAscii == forms::Key::Return) ConfigOK_Click();
}

void Config::PresentChk_Click() {
  SharedState& s = app_.s;
  if (PresentBoxChecked()) {
    s.PresentChecked = true;
    EnableComOptions(true);
    int index = PlotterList.ListIndex();
    if (index >= 0 && index != kUnselectableEntry) EnableLptOptions(true);
  } else {
    s.PresentChecked = false;
    EnableComOptions(false);
    EnableLptOptions(false);
  }
}

void Config::Com_Click(int port) {
  // The options share one container: choosing this one has cleared the others.
  app_.s.PendingPortName = "COM" + std::to_string(port);
  app_.s.PendingLptName = "LPT0";
}

void Config::LPT_Click(int index) {
  SharedState& s = app_.s;
  s.LptNumber = static_cast<int16_t>(index + 1);
  s.PendingLptName = "LPT" + std::to_string(index + 1);
  s.PendingPortName = "COM0";
}

void Config::ConfigOK_Click() {
  SharedState& s = app_.s;
  app_.SetPointer(forms::Pointer::Hourglass);
  if (s.PendingPortName != "COM0") {
    app_.port.OpenSerialPort(s.PendingPortName);
  } else {
    LeaveParallelPortIfMoved();
    app_.port.OpenLptPort(s.PendingLptName);
  }
  int16_t com = PortNumber(s.PendingPortName, "COM", 8);
  s.LptNumber = PortNumber(s.PendingLptName, "LPT", 4);
  s.PresentChecked = PresentBoxChecked();
  s.ConfigModel = SelectedModel;

  // A change of the parallel port alone leaves the file as it is.
  if (s.PortName != s.PendingPortName || SelectedModel != s.ModelCode ||
      s.PresentChecked != s.PlotterPresent) {
    // Unlike at start-up, the operator asked for this change to be kept.
    if (!WriteIniFile(app_, SelectedModel, com, s.LptNumber))
      app_.ErrorBox(app_.T("Could not write ") + app_.IniPath(), app_.T("ERROR"));
  }

  s.ModelCode = SelectedModel;
  s.PortName = s.PendingPortName;
  s.LptPortName = s.PendingLptName;
  s.PlotterPresent = s.PresentChecked;

  if (s.PlotterPresent) {
    s.LastPresentState = 1;
    s.LastModel = s.ModelCode;
  } else if (s.LastPresentState >= 1) {
    s.LastPresentState = s.ModelCode == s.LastModel ? 1 : 2;
  }
  if (s.LastPresentState == 2)
    app_.ErrorBox(
        app_.T("The Plotter you have selected is not the same as that connected to your computer."),
        app_.T("WARNING"));

  if (ConnectDevice(app_, false))
    Hide();
  else
    app_.SetPointer(forms::Pointer::Default);
}

void Config::ConfigCancel_Click() {
  SharedState& s = app_.s;
  if (s.SetupMenuIndex != 1) {
    ClosePortsAndEnd();
    return;
  }
  // From the port-setup entry: connect with what is chosen, but leave the file alone.
  LeaveParallelPortIfMoved();
  s.ModelCode = SelectedModel;
  s.PortName = s.PendingPortName;
  s.LptPortName = s.PendingLptName;
  s.PlotterPresent = s.PresentChecked;
  if (ConnectDevice(app_, false))
    Hide();
  else
    app_.SetPointer(forms::Pointer::Default);
}

void Config::Form_QueryUnload(int& cancel, int mode) {
  if (mode != forms::FromControlMenu) return;
  if (app_.s.SetupMenuIndex == 0) {
    ClosePortsAndEnd();
    return;
  }
  // The window is only ever hidden; OK decides whether it goes.
  cancel = 1;
  ConfigOK_Click();
}

void Config::EnableComOptions(bool enabled) {
  for (forms::OptionButton* option : com_) option->SetEnabled(enabled);
}

void Config::EnableLptOptions(bool enabled) {
  for (forms::OptionButton& option : LPT) option.SetEnabled(enabled);
}

// The library keeps one port open; another parallel port is only reached after closing it.
void Config::LeaveParallelPortIfMoved() {
  const SharedState& s = app_.s;
  if (s.LptOpenResult != 0 && s.PendingLptName != s.LptPortName) app_.port.CloseLptPort();
}

void Config::ClosePortsAndEnd() {
  if (app_.port.SerialOpen()) {
    app_.port.CloseSerialPort();
    app_.port.Delay(50);
  } else {
    app_.port.CloseLptPort();
  }
  app_.host.EndProgram();
}

}  // namespace taskhelm
