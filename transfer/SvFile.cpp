#include "transfer/SvFile.h"

#include <algorithm>
#include <cctype>

#include "setup/FormLayout.h"
#include "startup/App.h"
#include "transfer/FileBrowsing.h"
#include "transfer/SettingsFile.h"

namespace taskhelm {

namespace {

constexpr const char* kDefaultName = "settings.tkh";
// Names keep to eight characters before their first ".".
constexpr size_t kLongestStem = 8;

bool ContainsSettingsExtension(const std::string& path) {
  std::string lower(path);
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return lower.find(".tkh") != std::string::npos;
}

// The last part of a typed name: everything up to a drive colon or a folder separator goes.
std::string LastNamePart(const std::string& text) {
  size_t cut = text.find_last_of(":\\/");
  return cut == std::string::npos ? text : text.substr(cut + 1);
}

constexpr Placement kSvFileLayout[] = {
    {"Label1", 10, 10, 200, 20},
    {"SaveFile", 10, 32, 200, 24},
    {"SettingFiles", 10, 62, 200, 170},
    {"Label5", 10, 240, 200, 20},
    {"Label6", 10, 262, 200, 20},
    {"Label2", 225, 10, 200, 20},
    {"Label3", 225, 32, 200, 20},
    {"SettingDirs", 225, 56, 200, 176},
    {"Label4", 225, 240, 200, 20},
    {"SettingDrives", 225, 262, 200, 24},
    {"SaveOK", 110, 292, 90, 30},
    {"SaveCancel", 240, 292, 90, 30},
};

}  // namespace

SvFile::SvFile(App& app) : forms::Form(app.host, "SvFile"), app_(app) {
  Load = [this] { Form_Load(); };
  SettingDirs.Change = [this] { SettingDirs_Change(); };
  SettingDirs.Click = [this] { SettingDirs_Click(); };
  SettingDrives.Change = [this] { SettingDrives_Change(); };
  SettingFiles.Click = [this] { SettingFiles_Click(); };
  SaveCancel.Click = [this] { SaveCancel_Click(); };
  SaveOK.Click = [this] { SaveOK_Click(); };

  ApplyLayout(*this, 440, 330, kSvFileLayout);
  SaveOK.SetDefault(true);
  SaveCancel.SetCancel(true);
}

void SvFile::WriteSet(int16_t fileNumber) {
  if (std::FILE* file = app_.files.Stream(fileNumber)) std::fputs(SettingsFileLine(app_.s).c_str(), file);
}

void SvFile::Form_Load() {
  SetCaption(app_.T("Save Settings As"));
  Label1.SetCaption(app_.T("File Name:"));
  Label5.SetCaption(app_.T("List Files of Type:"));
  Label6.SetCaption(app_.T("Settings Files (*.tkh)"));
  Label2.SetCaption(app_.T("Directories:"));
  Label4.SetCaption(app_.T("Drives:"));
  SaveOK.SetCaption(app_.T("OK"));
  SaveOK.SetEnabled(true);
  SaveCancel.SetCaption(app_.T("Cancel"));
  SettingDirs.SetPath(forms::DirListBox::CurrentFolder(), forms::Notify::Silent);
  SettingDrives.SetDrive(SettingDirs.Path(), forms::Notify::Silent);
  Label3.SetCaption(SettingDirs.Path());
  SettingFiles.SetPattern("*.tkh");
  SettingFiles.SetPath(SettingDirs.Path());
  SaveFile.SetText(kDefaultName);
  SaveFile.SetSelection(0, static_cast<int>(SaveFile.Text().size()));
  app_.SetPointer(forms::Pointer::Default);  // the caller set the hourglass
}

void SvFile::SettingDirs_Change() {
  Label3.SetCaption(SettingDirs.Path());
  SettingFiles.SetPath(SettingDirs.Path());
}

void SvFile::SettingDirs_Click() { Label3.SetCaption(SettingDirs.Path()); }

void SvFile::SettingDrives_Change() {
  if (ChangeDrive(app_, SettingDrives, SettingDirs)) app_.s.LastFileDrive = SettingDrives.Drive();
}

void SvFile::SettingFiles_Click() { SaveFile.SetText(SettingFiles.FileName()); }

void SvFile::SaveCancel_Click() { Unload(); }

void SvFile::SaveOK_Click() {
  std::string name = LastNamePart(SaveFile.Text());
  if (name.empty()) {
    app_.ErrorBox(app_.T("NO FILE NAME"), app_.T("ERROR"));
    Unload();
    return;
  }
  size_t dot = name.find('.');
  if (dot != std::string::npos && dot > kLongestStem) {
    app_.ErrorBox(app_.T("File Name is too long: ") + name, app_.T("ERROR"));
    Unload();
    return;
  }
  std::string path = JoinPath(Label3.Caption(), name);
  if (!ContainsSettingsExtension(path)) path += ".TKH";

  auto refuse = [this](const std::string& text) {
    app_.ErrorBox(text, app_.T("ERROR"));
    SaveFile.SetSelection(0, static_cast<int>(SaveFile.Text().size()));
    SaveFile.SetFocus();
  };
  int16_t fileNumber = app_.files.OpenDataFile(path, 1);
  if (fileNumber == 0) {
    refuse(app_.T("Could not open ") + path);
    return;
  }
  app_.SetPointer(forms::Pointer::Hourglass);
  WriteSet(fileNumber);
  bool saved = app_.files.Close(fileNumber);
  app_.SetPointer(forms::Pointer::Default);
  // The line only replaces the file once it is all written; say so when that failed.
  if (!saved) {
    refuse(app_.T("Could not write ") + path);
    return;
  }
  Unload();
}

}  // namespace taskhelm
