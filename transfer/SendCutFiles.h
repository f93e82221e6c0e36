#pragma once
// "Send File": streams one cut or plot file to the device over the serial line, with progress and
// Abort. The same window opens the settings file that a settings window loads.
#include <cstdint>
#include <string>

#include "forms/Form.h"

namespace taskhelm {

class App;

class SendCutFiles : public forms::Form {
 public:
  explicit SendCutFiles(App& app);
  ~SendCutFiles() override;

  // Opens the file for reading; when it opened, the timer will start the send.
  void SetFileName(const std::string& fileName);
  // Reads the opened file as a settings file into the settings record, closes it and unloads
  // this window. False when nothing was open or the first line was empty.
  bool ReadSettingsFile();

  forms::Frame Frame1{this, "Frame1"};
  forms::Label Label2{this, "Label2", &Frame1};
  forms::Gauge Gauge1{this, "Gauge1", &Frame1};
  forms::CommandButton btnDone{this, "btnDone"};
  forms::CommandButton btnAbort{this, "btnAbort"};
  forms::Timer Timer1{this, "Timer1"};

  // Declared with the window; nothing opens it and its items do nothing.
  forms::MenuItem FileListMenu{this, "FileListMenu"};
  forms::MenuItem mniMoveToTop{this, "mniMoveToTop", &FileListMenu};
  forms::MenuItem mniMoveToBottom{this, "mniMoveToBottom", &FileListMenu};
  forms::MenuItem mniDelete{this, "mniDelete", &FileListMenu};
  forms::MenuItem mniAddFiles{this, "mniAddFiles", &FileListMenu};

 private:
  void Form_Load();
  void Timer1_Timer();
  void btnAbort_Click();
  void SendQueuedFile();
  void CloseFile();

  App& app_;
  std::string fileName_;
  int16_t fileNumber_ = 0;
  bool sending_ = false;
  bool paused_ = false;  // nothing sets it; while set the sender would only pump events
};

}  // namespace taskhelm
