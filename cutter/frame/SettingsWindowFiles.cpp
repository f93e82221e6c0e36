// The File menu of the settings windows and the firmware installation: plot files sent one after
// another, settings files saved and opened.
#include "cutter/frame/SettingsWindow.h"

#include "link/Identify.h"
#include "startup/App.h"
#include "transfer/Flash.h"
#include "transfer/SendCutFiles.h"
#include "transfer/SvFile.h"

namespace taskhelm {

using forms::MsgAnswer;
using forms::MsgButtons;
using forms::MsgIcon;
using forms::Pointer;
using forms::ShowMode;

namespace {

// Explorer style, file and path must exist, read-only box ticked.
constexpr long kOpenFlags = 530433;
// Long names, explorer style, path must exist, ask before overwriting.
constexpr long kSaveFlags = 2623490;
// Passes of the event pump that let the sending window finish closing.
constexpr int kSettlePumps = 1000;

}  // namespace

bool SettingsWindow::UpdateFirst() {
  if (app.s.SettingsSent) return true;
  if (app.MsgBox(Wording.NotSentText + "\r\n" + Wording.UpdateQuestion, MsgButtons::YesNo,
                 MsgIcon::Question, Wording.UpdateTitle) != MsgAnswer::Yes)
    return true;
  SendTemporary(SendCause::UpdateFirst);
  return app.s.SettingsSent;
}

void SettingsWindow::FileSendCom_Click(int index) {
  SharedState& s = app.s;
  s.FileMenuIndex = static_cast<int16_t>(index);
  dlgPlotFileOpen.Flags = kOpenFlags;
  dlgPlotFileOpen.FileName.clear();
  if (index == 0) {
    if (!VerifyModel(app, s.ModelCode) || !UpdateFirst()) return;
    dlgPlotFileOpen.DialogTitle = T("Select files to send to Cutter");
    dlgPlotFileOpen.Filter = T("Plot (*.plt.*.plx)|*.plt;*.plx; | All Files (*.*)|*.*");
    // File after file, until the operator cancels the dialog.
    while (app.host.ShowOpen(dlgPlotFileOpen) && !dlgPlotFileOpen.FileName.empty()) {
      SendCutFiles& sender = app.Window<SendCutFiles>();
      sender.SetFileName(dlgPlotFileOpen.FileName);
      sender.Show(ShowMode::Modal);
      for (int i = 0; i < kSettlePumps; ++i) app.host.DoEvents();
      dlgPlotFileOpen.FileName.clear();
    }
    return;
  }
  dlgPlotFileOpen.DialogTitle = T("Open Settings File", "FileSendCom");
  dlgPlotFileOpen.Filter = T("Settings (*.tkh)|*.tkh");
  if (!app.host.ShowOpen(dlgPlotFileOpen) || dlgPlotFileOpen.FileName.empty()) return;
  SendCutFiles& reader = app.Window<SendCutFiles>();
  reader.SetFileName(dlgPlotFileOpen.FileName);
  app.SetPointer(Pointer::Hourglass);
  const bool read = reader.ReadSettingsFile();
  app.SetPointer(Pointer::Default);
  if (!read) return;
  ShowSettings();
  // The file's settings are not the device's yet, also where no box shows the difference (the
  // origin, the tangential box): Permanent must send them rather than store what the device has.
  app.s.SettingsSent = false;
}

void SettingsWindow::FileSaveCom_Click() {
  FileDialog.DialogTitle = T("Save Settings As");
  FileDialog.Flags = kSaveFlags;
  FileDialog.Filter = T("(*.tkh)|*.tkh");
  if (!app.host.ShowSave(FileDialog) || FileDialog.FileName.empty()) return;
  const std::string& name = FileDialog.FileName;
  const int16_t file = app.files.OpenDataFile(name, 1);
  // A settings file that could not be written must not pass for saved.
  if (file <= 0) {
    app.ErrorBox(T("Could not open ") + name, T("ERROR"));
    return;
  }
  app.Window<SvFile>().WriteSet(file);
  if (!app.files.Close(file)) app.ErrorBox(T("Could not write ") + name, T("ERROR"));
}

void SettingsWindow::UpdateFlash_Click() { app.Window<Flash>().Show(ShowMode::Modal); }

}  // namespace taskhelm
