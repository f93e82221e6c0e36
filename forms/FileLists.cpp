#include "forms/FileLists.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <filesystem>
#include <system_error>

#include "forms/Form.h"

namespace forms {

namespace fs = std::filesystem;

namespace {

constexpr const char* kRootDrive = "/";

FileListError ErrorOf(const std::error_code& ec) {
  int number = FileListErr::PathFileAccess;
  if (ec == std::errc::no_such_file_or_directory || ec == std::errc::not_a_directory)
    number = FileListErr::PathNotFound;
  else if (ec == std::errc::no_such_device)
    number = FileListErr::DeviceUnavailable;
  else if (ec.value() == ENOMEDIUM || ec == std::errc::io_error ||
           ec == std::errc::no_such_device_or_address)
    number = FileListErr::DiskNotReady;
  return {number, ec.message()};
}

bool Hidden(const fs::path& p) {
  std::string name = p.filename().string();
  return !name.empty() && name[0] == '.';
}

// Sub-folders or matching files of a folder; unreadable entries are left out.
template <class Keep>
std::vector<fs::path> ListFolder(const std::string& folder, Keep keep) {
  std::vector<fs::path> found;
  std::error_code ec;
  fs::directory_iterator it(folder, ec), end;
  for (; !ec && it != end; it.increment(ec))
    if (!Hidden(it->path()) && keep(*it)) found.push_back(it->path());
  std::sort(found.begin(), found.end());
  return found;
}

char Lower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

// "*" any run, "?" one character; letter case ignored.
bool GlobMatch(std::string_view name, std::string_view glob) {
  size_t n = 0, g = 0, starG = std::string_view::npos, starN = 0;
  while (n < name.size()) {
    if (g < glob.size() && (glob[g] == '?' || Lower(glob[g]) == Lower(name[n]))) {
      ++n;
      ++g;
    } else if (g < glob.size() && glob[g] == '*') {
      starG = g++;
      starN = n;
    } else if (starG != std::string_view::npos) {
      g = starG + 1;
      n = ++starN;
    } else {
      return false;
    }
  }
  while (g < glob.size() && glob[g] == '*') ++g;
  return g == glob.size();
}

std::string_view Trim(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

}  // namespace

DriveListBox::DriveListBox(Form* form, std::string name, Control* container)
    : Control(form, std::move(name), ControlKind::DriveListBox, container),
      drives_{kRootDrive},
      drive_(kRootDrive) {}

std::string DriveListBox::DriveOf(const std::string&) { return kRootDrive; }

void DriveListBox::SetDrive(const std::string& pathOrDrive, Notify notify) {
  std::string drive = DriveOf(pathOrDrive);
  if (drive == drive_) return;
  drive_ = drive;
  Changed();
  if (notify == Notify::Fire && Change) Change();
}

std::string DirListBox::CurrentFolder() {
  std::error_code ec;
  fs::path here = fs::current_path(ec);
  return ec ? std::string(kRootDrive) : here.string();
}

DirListBox::DirListBox(Form* form, std::string name, Control* container)
    : Control(form, std::move(name), ControlKind::DirListBox, container), path_(DirListBox::CurrentFolder()) {
  Refresh();
}

FileListError DirListBox::SetPath(const std::string& path, Notify notify) {
  fs::path target(path);
  if (target.is_relative()) target = fs::path(path_) / target;
  std::error_code ec;
  fs::path folder = fs::canonical(target, ec);
  if (ec) return ErrorOf(ec);
  if (!fs::is_directory(folder, ec))
    return ErrorOf(ec ? ec : std::make_error_code(std::errc::not_a_directory));
  fs::directory_iterator probe(folder, ec);  // a folder that cannot be read cannot be entered
  if (ec) return ErrorOf(ec);
  if (folder.string() == path_) return {};
  path_ = folder.string();
  Refresh();
  if (notify == Notify::Fire && Change) Change();
  return {};
}

FileListError DirListBox::SetDrive(const std::string& drive, Notify notify) {
  if (DriveListBox::DriveOf(path_) == DriveListBox::DriveOf(drive)) return {};
  return SetPath(DriveListBox::DriveOf(drive), notify);
}

void DirListBox::Refresh() {
  entries_.clear();
  fs::path current(path_);
  for (fs::path p = current;; p = p.parent_path()) {
    entries_.insert(entries_.begin(), p.string());
    if (p == p.parent_path()) break;
  }
  currentIndex_ = ListCount() - 1;
  for (const fs::path& sub : ListFolder(path_, [](const fs::directory_entry& e) {
         std::error_code ec;
         return e.is_directory(ec);
       }))
    entries_.push_back(sub.string());
  listIndex_ = -1;
  Changed();
}

void DirListBox::SetListIndex(int index, Notify notify) {
  if (index < -1 || index >= ListCount()) index = -1;
  if (index == listIndex_) return;
  listIndex_ = index;
  Changed();
  if (notify == Notify::Fire && Click) Click();
}

FileListError DirListBox::Open(int index) {
  if (index < 0 || index >= ListCount()) return {};
  return SetPath(List(index));
}

FileListBox::FileListBox(Form* form, std::string name, Control* container)
    : Control(form, std::move(name), ControlKind::FileListBox, container), path_(DirListBox::CurrentFolder()) {
  Refresh();
}

void FileListBox::SetPath(const std::string& path) {
  path_ = path;
  Refresh();
}

void FileListBox::SetPattern(const std::string& pattern) {
  pattern_ = pattern;
  Refresh();
}

bool FileListBox::Matches(const std::string& name, const std::string& pattern) {
  std::string_view rest(pattern);
  while (true) {
    size_t cut = rest.find(';');
    std::string_view one = Trim(rest.substr(0, cut));
    // "*.*" also takes names without an extension.
    if (one == "*.*" || (!one.empty() && GlobMatch(name, one))) return true;
    if (cut == std::string_view::npos) return false;
    rest.remove_prefix(cut + 1);
  }
}

void FileListBox::Refresh() {
  files_.clear();
  for (const fs::path& file : ListFolder(path_, [this](const fs::directory_entry& e) {
         std::error_code ec;
         return e.is_regular_file(ec) && Matches(e.path().filename().string(), pattern_);
       }))
    files_.push_back(file.filename().string());
  listIndex_ = -1;
  Changed();
}

void FileListBox::SetListIndex(int index, Notify notify) {
  if (index < -1 || index >= ListCount()) index = -1;
  if (index == listIndex_) return;
  listIndex_ = index;
  Changed();
  if (notify == Notify::Fire && Click) Click();
}

std::string FileListBox::FileName() const { return listIndex_ >= 0 ? List(listIndex_) : ""; }

void FileListBox::Choose() {
  if (listIndex_ >= 0 && DblClick) DblClick();
}

}  // namespace forms
