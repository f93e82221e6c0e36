#include "transfer/Plot.h"

#include "link/Models.h"
#include "startup/App.h"
#include "startup/Main.h"
#include "transfer/FileBrowsing.h"
#include "transfer/FileSending.h"
#include "transfer/SettingsFile.h"

namespace taskhelm {

namespace {

constexpr size_t kParallelPiece = 128;

// Below the browsing controls.
constexpr Placement kPlotLayout[] = {
    {"Label4", 10, 262, 120, 20},
    {"ProgressBar", 140, 262, 80, 20},
    {"Gauge1", 10, 284, 435, 20},
    {"PlotOK", 40, 316, 110, 30},
    {"PlotCancel", 175, 316, 110, 30},
    {"PlotAbort", 310, 316, 110, 30},
};

}  // namespace

Plot::Plot(App& app) : FileBrowserWindow(app, "Plot") {
  Load = [this] { Form_Load(); };
  Drive1.Change = [this] { Drive1_Change(); };
  Dir1.Change = [this] { Dir1_Change(); };
  PlotOK.Click = [this] { PlotOK_Click(); };
  PlotCancel.Click = [this] { PlotCancel_Click(); };
  PlotAbort.Click = [this] { PlotAbort_Click(); };
  PlotAbort.duringExchange = forms::DuringExchange::Allowed;  // stops the send it interrupts

  PlaceControls(360, kPlotLayout);
  PlotCancel.SetCancel(true);
}

// The caption of the browsing state, and the files it lists.
void Plot::Form_Load() {
  const SharedState& s = app_.s;
  if (s.FileMenuIndex == 1) {
    SetCaption(app_.T("Open Settings File"));
    File1.SetPattern("*.TKH");
  } else {
    SetCaption(app_.model.Has(ModelQuirk::SendsPlotFiles) ? app_.T("Send Plot File")
                                                       : app_.T("Send Cut File"));
    File1.SetPattern("*.plt;*.plx");
  }
  Label4.SetCaption(app_.T("Progress Bar"));
  PlotCancel.SetCaption(app_.T("Cancel"));
  Gauge1.SetValue(0);
  ProgressBar.SetCaption("");
  if (!s.LastFileDrive.empty()) Drive1.SetDrive(s.LastFileDrive, forms::Notify::Silent);
  if (!s.LastFileFolder.empty()) Dir1.SetPath(s.LastFileFolder, forms::Notify::Silent);
  ShowBrowsing();
}

void Plot::Drive1_Change() {
  if (ChangeDrive(app_, Drive1, Dir1)) app_.s.LastFileDrive = Drive1.Drive();
}

void Plot::Dir1_Change() {
  File1.SetPath(Dir1.Path());
  app_.s.LastFileFolder = Dir1.Path();
}

void Plot::PlotOK_Click() {
  SharedState& s = app_.s;
  s.AbortRequested = false;
  if (!app_.port.ParallelSelected() && !app_.port.GetCtsState()) {
    app_.ErrorBox(app_.T(s.NotConnectedText) + s.PortName, "", false);
    return;
  }
  std::optional<std::string> path = ResolveTypedName(PltFile.Text(), Dir1, File1);
  if (!path) return;
  if (!FileExists(*path)) {
    app_.ErrorBox(*path + app_.T(" does not exist"), app_.T("ERROR"), false);
    return;
  }
  int16_t fileNumber = app_.files.OpenDataFile(*path, 2);
  if (fileNumber == 0) {
    app_.ErrorBox(app_.T("Could not open ") + *path, app_.T("ERROR"), false);
    return;
  }
  std::string browsing = Caption();
  SetCaption(app_.T("Sending File"));
  if (s.FileMenuIndex == 1) {
    bool read = ReadSettingsFile(fileNumber);
    app_.files.Close(fileNumber);
    if (read) {
      s.SettingsSent = false;
      s.FileSettingsLoaded = true;
    }
    Unload();
    return;
  }
  if (app_.port.ParallelSelected())
    SendFileParallel(fileNumber);
  else
    SendFileSerial(fileNumber);
  app_.files.Close(fileNumber);
  SetCaption(browsing);
}

void Plot::PlotCancel_Click() { Unload(); }

void Plot::PlotAbort_Click() { app_.s.AbortRequested = true; }

bool Plot::ReadSettingsFile(int16_t fileNumber) {
  std::FILE* file = app_.files.Stream(fileNumber);
  return file && ReadSettingsLine(app_, file, TokenTable::Plot);
}

void Plot::ShowProgress(int percent) {
  Gauge1.SetValue(percent);
  ProgressBar.SetCaption(std::to_string(percent) + "%");
}

void Plot::ReportOutcome(SendOutcome outcome) {
  if (outcome == SendOutcome::Failed) return;  // the sender has said why
  app_.MsgBox(outcome == SendOutcome::Aborted ? app_.T("Aborted. ") : app_.T("File Sent. "),
              forms::MsgButtons::OK, forms::MsgIcon::None);
}

void Plot::SendFileSerial(int16_t fileNumber) {
  SendOutcome outcome = taskhelm::SendFileSerial(
      app_, app_.files.Stream(fileNumber), FileLength(app_.files.Path(fileNumber)),
      [this](int percent) { ShowProgress(percent); }, paused_);
  app_.SetPointer(forms::Pointer::Default);
  ReportOutcome(outcome);
}

void Plot::SendFileParallel(int16_t fileNumber) {
  SharedState& s = app_.s;
  std::FILE* file = app_.files.Stream(fileNumber);
  if (!file) return;
  s.SendingFile = true;
  app_.port.CloseLptPort();  // opened again with the streaming time-outs
  app_.port.OpenLptPort(s.LptPortName);
  int64_t total = FileLength(app_.files.Path(fileNumber)), sent = 0;
  SendOutcome outcome = SendOutcome::Sent;
  std::string piece;
  while (sent < total && !s.AbortRequested) {
    piece.resize(kParallelPiece);
    piece.resize(std::fread(piece.data(), 1, piece.size(), file));
    if (piece.empty()) break;  // the file ended early
    if (!app_.port.WriteLpt(piece)) {
      app_.MsgBox(app_.T("Error transmitting file"), forms::MsgButtons::OK,
                  forms::MsgIcon::Exclamation, app_.T("ERROR"));
      outcome = SendOutcome::Failed;
      break;
    }
    sent += static_cast<int64_t>(piece.size());
    ShowProgress(static_cast<int>(static_cast<double>(sent) / static_cast<double>(total) * 100 + 0.5));
    app_.host.DoEvents();  // Abort
  }
  s.SendingFile = false;
  if (outcome != SendOutcome::Failed && s.AbortRequested) outcome = SendOutcome::Aborted;
  ReportOutcome(outcome);
}

}  // namespace taskhelm
