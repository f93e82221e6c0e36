#pragma once
// The older file window: browses for a cut, plot or settings file and sends or reads it.
#include <cstdint>

#include "forms/FileLists.h"
#include "forms/Form.h"
#include "transfer/FileSending.h"

namespace taskhelm {

class App;

class Plot : public forms::Form {
 public:
  explicit Plot(App& app);

  // The settings reader on a file the caller opened; closes neither the file nor a window.
  bool ReadSettingsFile(int16_t fileNumber);
  // Sends an open file to the parallel port in pieces of 128 bytes.
  void SendFileParallel(int16_t fileNumber);

  forms::DriveListBox Drive1{this, "Drive1"};
  forms::DirListBox Dir1{this, "Dir1"};
  forms::FileListBox File1{this, "File1"};
  forms::TextBox PltFile{this, "PltFile"};
  forms::Label Label1{this, "Label1"};
  forms::Label Label2{this, "Label2"};
  forms::Label Label3{this, "Label3"};
  forms::Label Label4{this, "Label4"};
  forms::Label ProgressBar{this, "ProgressBar"};
  forms::Gauge Gauge1{this, "Gauge1"};
  forms::CommandButton PlotOK{this, "PlotOK"};
  forms::CommandButton PlotCancel{this, "PlotCancel"};
  forms::CommandButton PlotAbort{this, "PlotAbort"};

 private:
  void Form_Load();
  void Drive1_Change();
  void Dir1_Change();
  void File1_Click();
  void PlotOK_Click();
  void PlotCancel_Click();
  void PlotAbort_Click();
  void SendFileSerial(int16_t fileNumber);
  void ShowProgress(int percent);
  void ReportOutcome(SendOutcome outcome);

  App& app_;
  bool paused_ = false;  // nothing sets it, as in the file-sending window
};

}  // namespace taskhelm
