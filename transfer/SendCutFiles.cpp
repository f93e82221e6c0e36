#include "transfer/SendCutFiles.h"

#include "setup/FormLayout.h"
#include "startup/App.h"
#include "transfer/FileSending.h"
#include "transfer/SettingsFile.h"

namespace taskhelm {

namespace {

constexpr int kTimerIntervalMs = 250;

// The name and the gauge sit in the frame, placed from its corner.
constexpr Placement kSendCutFilesLayout[] = {
    {"Frame1", 10, 10, 400, 90},
    {"Label2", 10, 24, 380, 20},
    {"Gauge1", 10, 54, 380, 24},
    {"btnDone", 110, 115, 90, 30},
    {"btnAbort", 220, 115, 90, 30},
};

}  // namespace

SendCutFiles::SendCutFiles(App& app) : forms::Form(app.host, "SendCutFiles"), app_(app) {
  Load = [this] { Form_Load(); };
  QueryUnload = [this](int& cancel, int) {
    // Closing the window while a file streams stops the stream; the window hides once it has.
    if (sending_) {
      app_.s.AbortRequested = true;
      cancel = 1;
    }
  };
  UnloadEvent = [this](int&) {
    Timer1.SetTimerEnabled(false);
    CloseFile();
  };
  Timer1.Tick = [this] { Timer1_Timer(); };
  btnAbort.Click = [this] { btnAbort_Click(); };
  btnAbort.duringExchange = forms::DuringExchange::Allowed;  // stops the send it interrupts

  ApplyLayout(*this, 420, 155, kSendCutFilesLayout);
  FileListMenu.SetVisible(false);
}

SendCutFiles::~SendCutFiles() { CloseFile(); }

void SendCutFiles::Form_Load() {
  SetCaption(app_.T("Send File"));
  Frame1.SetCaption(app_.T("Currently Sending"));
  btnDone.SetCaption(app_.T("Done", "SendCutFiles"));
  btnAbort.SetCaption(app_.T("Abort"));
  mniMoveToTop.SetCaption(app_.T("Move to Top"));
  mniMoveToBottom.SetCaption(app_.T("Move to Bottom"));
  mniDelete.SetCaption(app_.T("Delete"));
  mniAddFiles.SetCaption(app_.T("Add More Files"));
  Timer1.SetInterval(kTimerIntervalMs);
  Timer1.SetTimerEnabled(false);
}

void SendCutFiles::SetFileName(const std::string& fileName) {
  CloseFile();  // a file still open from an earlier call is not sent twice
  fileName_ = fileName;
  fileNumber_ = app_.files.OpenDataFile(fileName, 2);
  if (fileNumber_ <= 0) {
    fileNumber_ = 0;
    return;
  }
  btnDone.SetEnabled(false);
  Label2.SetCaption(fileName);
  Timer1.SetTimerEnabled(true);
}

bool SendCutFiles::ReadSettingsFile() {
  if (fileNumber_ == 0) return false;
  bool read = ReadSettingsLine(app_, app_.files.Stream(fileNumber_), TokenTable::SendCutFiles);
  CloseFile();
  Unload();
  return read;
}

void SendCutFiles::Timer1_Timer() {
  if (fileNumber_ >= 1 && app_.s.FileMenuIndex == 0) SendQueuedFile();
}

void SendCutFiles::btnAbort_Click() { app_.s.AbortRequested = true; }

void SendCutFiles::SendQueuedFile() {
  if (fileNumber_ == 0) return;
  Timer1.SetTimerEnabled(false);
  SharedState& s = app_.s;
  if (app_.port.ParallelSelected()) {
    app_.MsgBox(app_.T("Could not open ") + s.PortName, forms::MsgButtons::OK,
                forms::MsgIcon::Exclamation, app_.T("ERROR"));
    CloseFile();
    return;
  }
  sending_ = true;
  SendFileSerial(app_, app_.files.Stream(fileNumber_), FileLength(fileName_),
                 [this](int percent) { Gauge1.SetValue(percent); }, paused_);
  sending_ = false;
  app_.SetPointer(forms::Pointer::Default);
  CloseFile();
  btnDone.SetEnabled(true);
  Hide();
}

void SendCutFiles::CloseFile() {
  if (fileNumber_ > 0) app_.files.Close(fileNumber_);
  fileNumber_ = 0;
}

}  // namespace taskhelm
