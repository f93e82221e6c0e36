// The menu commands the settings windows share: setup, factory defaults, the device queries, the
// port tests, help, About and the HP-GL origin.
#include "cutter/frame/SettingsWindow.h"

#include "link/Identify.h"
#include "platform/Numbers.h"
#include "setup/About.h"
#include "setup/Config.h"
#include "setup/DefLangForm.h"
#include "setup/PortTest.h"
#include "startup/App.h"
#include "startup/Main.h"
#include "startup/ModelTable.h"

namespace taskhelm {

using forms::MsgButtons;
using forms::MsgIcon;
using forms::Pointer;
using forms::ShowMode;

namespace {

constexpr const char* kCrLf = "\r\n";

// Cut or padded with blanks to a width.
std::string Fit(std::string text, size_t width) {
  text.resize(width, ' ');
  return text;
}

std::string JoinPath(const std::string& folder, const std::string& name) {
  if (folder.empty() || folder.back() == '/') return folder + name;
  return folder + "/" + name;
}

}  // namespace

void SettingsWindow::ConfigCom_Click(int index) {
  app.SetPointer(Pointer::Hourglass);
  app.s.SetupMenuIndex = static_cast<int16_t>(index);
  // Plotter setup may change the model, and with it the window; port setup keeps the model.
  if (index == 0) Hide();
  app.Window<Config>().PlotterList.SetEnabled(index == 0);
  ReconfigureAndShowPanel(app, app.s.ModelCode);
}

void SettingsWindow::DsplyFactCom_Click() {
  app.SetPointer(Pointer::Hourglass);
  SetModelDefaults(app);
  ShowSettings();
  app.s.SettingsSent = false;
  app.SetPointer(Pointer::Default);
  app.MsgBox(FactoryDefaultsText(), MsgButtons::OK, rules_.factoryBoxIcon, T("Factory Settings"));
}

std::string SettingsWindow::FactoryDefaultsText() const {
  return T("Factory Defaults displayed. To send these settings click the Temporary or Permanent "
           "button.  To view current settings click the Update Display button. ");
}

void SettingsWindow::DsplyRomCom_Click() {
  if (!VerifyModel(app, app.s.ModelCode)) return;
  std::string rom, software;
  const bool romAnswered = app.port.Query("!RV@", rom, 13, 5000, 20);
  if (!app.port.Query("!VR@", software, 13, 5000, 6)) return;
  if (!romAnswered && rules_.versionBox == VersionBox::BothAnswered) return;
  app.MsgBox(Fit(ReplyText(rom), 18) + kCrLf + T("SOFTWARE: ") + Fit(ReplyText(software), 18),
             MsgButtons::OK, MsgIcon::None, T("Version: "));
}

void SettingsWindow::DsplyMemCom_Click() {
  if (!VerifyModel(app, app.s.ModelCode)) return;
  std::string reply;
  if (!app.port.Query("!MF0@", reply, 13, 5000, 10)) return;
  double bytes = platform::LeadingNumber(reply.substr(0, rules_.memoryReplyKept));
  // Devices that do not report their buffer have the standard 12K.
  if (bytes == 0) bytes = 12288;
  const std::string title = T("Memory Buffer");
  app.MsgBox(title + " = " + platform::FormatNumber(bytes / 1024, "0", app.regional.sDecimal) + "K",
             MsgButtons::OK, MsgIcon::None, title);
}

void SettingsWindow::DsplyKnifeCom_Click() {
  if (!VerifyModel(app, app.s.ModelCode)) return;
  std::string reply;
  if (!app.port.Query("!OK@", reply, 13, 5000, rules_.bladeHolderReplyLength)) return;
  // The whole number: a reply such as "1.5" is no installed holder.
  const bool installed = platform::LeadingNumber(reply) == 1;
  app.MsgBox(T(installed ? "Blade Holder is installed" : "Blade Holder is not installed"),
             MsgButtons::OK, MsgIcon::None, T("Blade Holder Status"));
}

void SettingsWindow::TstSerialCom_Click(int index) {
  StartPortTest(app, static_cast<int16_t>(index), rules_.wording);
}

void SettingsWindow::TstPortCom_Click() {
  const ModelWording& w = Wording;
  const std::string text = w.PortTestTitle + kCrLf + kCrLf + w.PortTestStep1 + kCrLf +
                           w.PortTestStep2 + kCrLf +
                           T("     key until it beeps and light flashes three times.") + kCrLf +
                           T("3. Press any arrow key to send and receive a character.") +
                           kCrLf + T("     Verify it beeps and flashes the Green light.") +
                           kCrLf + w.PortTestStep4 + kCrLf + kCrLf;
  app.MsgBox(text, MsgButtons::OK, MsgIcon::None, w.PortTestTitle);
}

void SettingsWindow::HelpCom_Click() {
  app.SetPointer(Pointer::Hourglass);
  const std::string path = JoinPath(app.programFolder, HelpFileName());
  // Help command 3: the file's contents.
  if (!FileExists(path) || !app.host.ShowHelp(path, 3)) {
    app.SetPointer(Pointer::Default);
    app.MsgBox(T("The help file could not be opened: ") + path, MsgButtons::OK,
               MsgIcon::Exclamation, T("Help"));
  }
  app.SetPointer(Pointer::Default);
}

void SettingsWindow::AboutCom_Click() {
  app.SetPointer(Pointer::Hourglass);
  app.Window<About>().Show(ShowMode::Modal);
}

void SettingsWindow::DisplayLang_Click() { app.Window<DefLangForm>().Show(ShowMode::Modal); }

}  // namespace taskhelm
