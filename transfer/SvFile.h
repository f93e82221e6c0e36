#pragma once
// "Save Settings As": the save window of the pen-plotter window, and the settings-file writer
// every settings window calls.
#include <cstdint>

#include "forms/FileLists.h"
#include "forms/Form.h"

namespace taskhelm {

class App;

class SvFile : public forms::Form {
 public:
  explicit SvFile(App& app);

  // Writes the settings line of ModelCode to a file open for writing; the caller closes it.
  void WriteSet(int16_t fileNumber);

  forms::Label Label1{this, "Label1"};
  forms::TextBox SaveFile{this, "SaveFile"};
  forms::Label Label5{this, "Label5"};
  forms::Label Label6{this, "Label6"};
  forms::Label Label2{this, "Label2"};
  forms::Label Label3{this, "Label3"};
  forms::DirListBox SettingDirs{this, "SettingDirs"};
  forms::Label Label4{this, "Label4"};
  forms::DriveListBox SettingDrives{this, "SettingDrives"};
  forms::FileListBox SettingFiles{this, "SettingFiles"};
  forms::CommandButton SaveOK{this, "SaveOK"};
  forms::CommandButton SaveCancel{this, "SaveCancel"};

 private:
  void Form_Load();
  void SettingDirs_Change();
  void SettingDirs_Click();
  void SettingDrives_Change();
  void SettingFiles_Click();
  void SaveCancel_Click();
  void SaveOK_Click();

  App& app_;
};

}  // namespace taskhelm
