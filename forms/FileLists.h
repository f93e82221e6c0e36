#pragma once
// The drive, folder and file lists of the older file windows. On Linux there is one drive, the
// root "/"; folders and files come from the file system. Setting a value by code fires the list's
// event as the other controls do: a new drive or folder fires Change, a new selection fires Click.
#include <string>
#include <vector>

#include "forms/Control.h"

namespace forms {

// A failure of a drive or folder change, numbered as the windows test it.
struct FileListError {
  int Number = 0;  // 0 = none
  std::string Description;
  explicit operator bool() const { return Number != 0; }
};

namespace FileListErr {
inline constexpr int DeviceUnavailable = 68, DiskNotReady = 71, PathFileAccess = 75,
                     PathNotFound = 76;
}  // namespace FileListErr

class DriveListBox : public Control {
 public:
  DriveListBox(Form* form, std::string name, Control* container = nullptr);
  bool CanFocus() const override { return Visible() && Enabled(); }

  const std::vector<std::string>& Drives() const { return drives_; }
  const std::string& Drive() const { return drive_; }
  // Selects the drive of a path (a drive name or any path on it); a different drive fires Change.
  void SetDrive(const std::string& pathOrDrive, Notify notify = Notify::Fire);
  std::function<void()> Change;

  // The drive a path lies on.
  static std::string DriveOf(const std::string& path);

 private:
  std::vector<std::string> drives_;
  std::string drive_;
};

class DirListBox : public Control {
 public:
  // Starts in the program's current folder.
  DirListBox(Form* form, std::string name, Control* container = nullptr);
  bool CanFocus() const override { return Visible() && Enabled(); }
  // The program's current folder ("/" when it has none).
  static std::string CurrentFolder();

  const std::string& Path() const { return path_; }
  // Moves to a folder; a relative path is taken from the current folder. A different folder fires
  // Change. On failure the folder stays and the error says why.
  FileListError SetPath(const std::string& path, Notify notify = Notify::Fire);
  // Moves to a drive, as choosing one in a drive list does: the folder stays when it lies on that
  // drive, else the drive's root is taken.
  FileListError SetDrive(const std::string& drive, Notify notify = Notify::Fire);

  // Entries: the folders from the root down to the current one, then its subfolders.
  const std::vector<std::string>& Entries() const { return entries_; }
  int ListCount() const { return static_cast<int>(entries_.size()); }
  const std::string& List(int index) const { return entries_.at(static_cast<size_t>(index)); }
  // The index of the current folder among the entries.
  int CurrentIndex() const { return currentIndex_; }
  // The highlighted entry, -1 for none; a different index fires Click.
  int ListIndex() const { return listIndex_; }
  void SetListIndex(int index, Notify notify = Notify::Fire);
  // Opening an entry (a double click): moves into it.
  FileListError Open(int index);
  // Reads the folder's subfolders again.
  void Refresh();

  std::function<void()> Change;
  std::function<void()> Click;

 private:
  std::string path_;
  std::vector<std::string> entries_;
  int currentIndex_ = 0;
  int listIndex_ = -1;
};

class FileListBox : public Control {
 public:
  // Starts in the program's current folder with the pattern "*.*".
  FileListBox(Form* form, std::string name, Control* container = nullptr);
  bool CanFocus() const override { return Visible() && Enabled(); }

  const std::string& Path() const { return path_; }
  void SetPath(const std::string& path);
  // One or more patterns joined by ";" ("*.plt;*.plx"), matched without regard to letter case.
  const std::string& Pattern() const { return pattern_; }
  void SetPattern(const std::string& pattern);
  static bool Matches(const std::string& name, const std::string& pattern);

  // The matching plain files of the folder (hidden ones left out), sorted by name.
  const std::vector<std::string>& Files() const { return files_; }
  int ListCount() const { return static_cast<int>(files_.size()); }
  const std::string& List(int index) const { return files_.at(static_cast<size_t>(index)); }
  int ListIndex() const { return listIndex_; }
  // A different index fires Click.
  void SetListIndex(int index, Notify notify = Notify::Fire);
  // The selected file's name, or empty.
  std::string FileName() const;
  // The operator's double click on the selected file.
  void Choose();
  void Refresh();

  std::function<void()> Click;
  std::function<void()> DblClick;

 private:
  std::string path_;
  std::string pattern_ = "*.*";
  std::vector<std::string> files_;
  int listIndex_ = -1;
};

}  // namespace forms
