#include "cutter/frame/SettingsWindow.h"

#include <algorithm>
#include <stdexcept>

#include "link/Identify.h"
#include "setup/StatusHints.h"
#include "startup/App.h"

namespace taskhelm {

using forms::MsgAnswer;
using forms::MsgButtons;
using forms::MsgIcon;
using forms::Pointer;

int TemporarySendWaitMs(const std::string& command) {
  return std::max(64, static_cast<int>(command.size()) + 1);
}

void SetEnabled(std::initializer_list<forms::Control*> controls, bool enabled) {
  for (forms::Control* c : controls) c->SetEnabled(enabled);
}

void SetVisible(std::initializer_list<forms::Control*> controls, bool visible) {
  for (forms::Control* c : controls) c->SetVisible(visible);
}

std::string ReplyText(const std::string& reply) {
  return reply.substr(0, reply.find_first_of(std::string("\r\0", 2)));
}

SettingsWindow::SettingsWindow(App& app, std::string name, const SettingsWindowRules& rules)
    : forms::Form(app.host, std::move(name)), app(app), rules_(rules) {
  Paint = [this] { Form_Paint(); };
  MouseMove = [this] { StatusBar.SetText(" "); };
  forms::MakeHintLine(StatusBar);
  EnglishButton.Click = [this] { UnitButton_Click(); };
  MetricButton.Click = [this] { UnitButton_Click(); };
  SendSettingTemp.Click = [this] { SendSettingTemp_Click(); };
  SendDefault.Click = [this] { SendDefault_Click(); };
  DsplyPltrCom.Click = [this] { DsplyPltrCom_Click(); };
  DsplyFactCom.Click = [this] { DsplyFactCom_Click(); };
  DsplyRomCom.Click = [this] { DsplyRomCom_Click(); };
  DsplyMemCom.Click = [this] { DsplyMemCom_Click(); };
  for (int i = 0; i < 2; ++i) {
    ConfigCom[i].Click = [this, i] { ConfigCom_Click(i); };
    TstSerialCom[i].Click = [this, i] { TstSerialCom_Click(i); };
  }
  TstPortCom.Click = [this] { TstPortCom_Click(); };
  HelpCom.Click = [this] { HelpCom_Click(); };
  AboutCom.Click = [this] { AboutCom_Click(); };
  ExitCom.Click = [this] { ExitCom_Click(); };
  for (int i = 0; i < 2; ++i) FileSendCom[i].Click = [this, i] { FileSendCom_Click(i); };
  FileSaveCom.Click = [this] { FileSaveCom_Click(); };
  CalPltrCom.Click = [this] { CalPltrCom_Click(); };
  QueryUnload = [this](int& cancel, int) { Form_QueryUnload(cancel); };
  UnloadEvent = [this](int&) { Form_Unload(); };

  if (rules.wording == DeviceWording::Plotter)
    WireHints(app, StatusBar,
              {{&EnglishButton, "Set plotter options in inches and mils."},
               {&MetricButton, "Set plotter options in centimeters and millimeters."},
               {&SendSettingTemp, "Plotter will use these settings until it is turned off."},
               {&SendDefault, "Plotter will use these settings until they are changed."}}, Name());
  else
    WireHints(app, StatusBar,
              {{&EnglishButton, "Set cutter options in inches and mils."},
               {&MetricButton, "Set cutter options in centimeters and millimeters."},
               {&SendSettingTemp, "Cutter will use these settings until it is turned off."},
               {&SendDefault, "Cutter will use these settings until they are changed."}}, Name());
}

void SettingsWindow::Hint(std::string_view english) { StatusBar.SetText(T(english)); }

void SettingsWindow::UseWording(DeviceLine line) {
  Wording = Worded(WordingOf(line), [this](const char* english) { return T(english); });
}

std::string SettingsWindow::T(std::string_view english, std::string_view role) const {
  const std::string ownRole = role.empty() ? std::string() : Name() + ":" + std::string(role);
  return app.T(english, {ownRole, Name(), role});
}

void SettingsWindow::SendSettingTemp_Click() {
  if (!VerifyModel(app, app.s.ModelCode)) return;
  if (app.MsgBox(TemporaryPrompt(), MsgButtons::OKCancel, MsgIcon::None,
                 SendSettingTemp.Caption()) == MsgAnswer::OK)
    SendTemporary();
}

void SettingsWindow::SendTemporary(SendCause cause) {
  // A value still being typed counts: the focused field is stored before the command is built.
  Fields().CommitFocused(cause);
  const std::string command = SettingsCommand(SendMode::Temporary);
  const bool sent = app.port.SendString(command, kCommandTimeoutMs);
  // The device needs the time to take the command in, whether the send went through or not.
  app.port.Delay(TemporarySendWaitMs(command));
  if (sent && rules_.temporarySettleMs > 0) {
    app.SetPointer(Pointer::Hourglass);
    app.port.Delay(rules_.temporarySettleMs);
    app.SetPointer(Pointer::Default);
  }
  if (!sent || !ReadDeviceSettings(app)) {
    ReportSendFailure();
    return;
  }
  app.s.SettingsForced = false;
  ShowReadSettings();
}

void SettingsWindow::ShowReadSettings() {
  ShowSettings();
  app.s.SettingsSent = !app.s.SettingsForced;
}

void SettingsWindow::SendDefault_Click() {
  if (!VerifyModel(app, app.s.ModelCode)) return;
  if (app.MsgBox(Wording.PermSendPrompt, MsgButtons::OKCancel, MsgIcon::None,
                 SendDefault.Caption()) != MsgAnswer::OK)
    return;
  app.SetPointer(Pointer::Hourglass);
  // Nothing changed since the last good send: the device only has to keep what it uses.
  const std::string command = app.s.SettingsSent ? std::string(kStoreDefaultsCommand)
                                                 : SettingsCommand(SendMode::Permanent);
  if (!app.port.SendString(command, kCommandTimeoutMs)) {
    app.SetPointer(Pointer::Default);
    ReportSendFailure();
    return;
  }
  if (rules_.permanentReadBackDelayMs > 0) app.port.Delay(rules_.permanentReadBackDelayMs);
  const bool read = ReadDeviceSettings(app);
  app.SetPointer(Pointer::Default);
  if (!read) {
    ReportSendFailure();
    return;
  }
  app.s.SettingsForced = false;
  ShowReadSettings();
}

void SettingsWindow::ReportSendFailure() {
  const std::string& port = rules_.errorPort ? app.s.*rules_.errorPort : app.port.PortInUse();
  app.ErrorBox(T(app.s.NotConnectedText) + port, T(rules_.errorTitle));
}

void SettingsWindow::DsplyPltrCom_Click() {
  if (!VerifyModel(app, app.s.ModelCode)) return;
  app.SetPointer(Pointer::Hourglass);
  if (ReadDeviceSettings(app)) {
    // What an earlier display forced is gone: the device's settings are shown afresh.
    app.s.SettingsForced = false;
    ShowReadSettings();
    FocusUnitButton();
  }
  app.SetPointer(Pointer::Default);
}

// The repaint shows what another window read from the device or a settings file brought.
void SettingsWindow::Form_Paint() {
  if (app.s.DeviceSettingsRead) {
    ShowReadSettings();
    app.s.DeviceSettingsRead = false;
  }
  if (app.s.FileSettingsLoaded) {
    ShowSettings();
    app.s.FileSettingsLoaded = false;
  }
  app.SetPointer(Pointer::Default);
}

// The switch rewrites the boxes, which is not an edit: the sent state survives it.
void SettingsWindow::UnitButton_Click() {
  const bool sent = app.s.SettingsSent;
  app.s.MetricUnits = MetricButton.Value();
  ShowUnitLabels();
  Fields().SwitchUnits();
  app.s.SettingsSent = sent;
}

void SettingsWindow::ShowUnitLabels() {
  const bool metric = app.s.MetricUnits;
  for (const UnitLabelRow& row : UnitLabels()) {
    const char* unit = row.scale == UnitScale::Length  ? (metric ? "(cm)" : "(in)")
                       : row.scale == UnitScale::Small ? (metric ? "(mm)" : "(mils)")
                                                       : (metric ? "(cm/sec)" : "(ips)");
    const std::string name = *row.name ? T(row.name) : std::string();
    forms::Control* label = FindControl(row.label);
    if (!label || label->Kind() != forms::ControlKind::Label)
      throw std::logic_error("unit labels of " + Name() + " name no label " + row.label);
    static_cast<forms::Label*>(label)->SetCaption(name + T(unit));
  }
}

void SettingsWindow::BeginLoad() {
  if (app.s.PlotterPresent) {
    app.s.LastPresentState = 1;
    app.s.LastModel = app.s.ModelCode;
  }
  SelectUnitButton();
}

void SettingsWindow::SelectUnitButton() {
  (app.s.MetricUnits ? MetricButton : EnglishButton).SetValue(true);
}

void SettingsWindow::FocusUnitButton() {
  if (app.s.MetricUnits)
    MetricButton.SetFocus();
  else
    EnglishButton.SetFocus();
}

void SettingsWindow::ExitCom_Click() {
  if (app.s.PlotterPresent && !app.s.SettingsSent &&
      app.MsgBox(Wording.NotSentText + "\r\n\r\n" + Wording.ExitQuestion, MsgButtons::YesNo,
                 MsgIcon::Question, T("Exit Taskhelm", "ExitCom")) != MsgAnswer::Yes)
    return;
  app.SetPointer(Pointer::Hourglass);
  app.host.EndProgram();
}

void SettingsWindow::Form_QueryUnload(int& cancel) {
  if (app.s.SettingsSent || !app.s.PlotterPresent) return;
  if (app.MsgBox(T("Latest settings have not been sent.") + "\r\n" +
                     T("Are you sure you want to exit?"),
                 MsgButtons::YesNo, MsgIcon::Question,
                 T("Exit Taskhelm", "close")) == MsgAnswer::No)
    cancel = 1;
}

void SettingsWindow::Form_Unload() {
  if (app.port.SerialOpen()) {
    app.port.Delay(50);
    app.port.CloseSerialPort();
  } else {
    app.port.CloseLptPort();
  }
  app.host.EndProgram();
}

}  // namespace taskhelm
