#pragma once
// The older file window: browses for a cut, plot or settings file and sends or reads it.
#include <cstdint>

#include "transfer/FileBrowserWindow.h"
#include "transfer/FileSending.h"

namespace taskhelm {

class App;

class Plot : public FileBrowserWindow {
 public:
  explicit Plot(App& app);

  // The settings reader on a file the caller opened; closes neither the file nor a window.
  bool ReadSettingsFile(int16_t fileNumber);
  // Sends an open file to the parallel port in pieces of 128 bytes.
  void SendFileParallel(int16_t fileNumber);

  forms::Label Label4{this, "Label4"};
  forms::Label ProgressBar{this, "ProgressBar"};
  forms::Gauge Gauge1{this, "Gauge1"};
  forms::CommandButton PlotCancel{this, "PlotCancel"};

 private:
  void Form_Load();
  void Drive1_Change();
  void Dir1_Change();
  void PlotOK_Click();
  void PlotCancel_Click();
  void PlotAbort_Click();
  void SendFileSerial(int16_t fileNumber);
  void ShowProgress(int percent);
  void ReportOutcome(SendOutcome outcome);

  bool paused_ = false;  // nothing sets it, as in the file-sending window
};

}  // namespace taskhelm
