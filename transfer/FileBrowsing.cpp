#include "transfer/FileBrowsing.h"

#include "startup/App.h"

namespace taskhelm {

bool ChangeDrive(App& app, forms::DriveListBox& drives, forms::DirListBox& dirs) {
  app.SetPointer(forms::Pointer::Hourglass);
  bool moved = false;
  for (;;) {
    forms::FileListError error = dirs.SetDrive(drives.Drive());
    if (!error) {
      moved = true;
      break;
    }
    if (error.Number == forms::FileListErr::DiskNotReady ||
        error.Number == forms::FileListErr::DeviceUnavailable) {
      if (app.MsgBox(app.T("Put a floppy disk in the drive."), forms::MsgButtons::OKCancel,
                     forms::MsgIcon::Exclamation, app.T("ERROR")) == forms::MsgAnswer::OK)
        continue;
    } else {
      app.MsgBox(app.T("Unanticipated error number") + std::to_string(error.Number) +
                     app.T(" occurred: ") + error.Description,
                 forms::MsgButtons::OK, forms::MsgIcon::Exclamation, app.T("ERROR"));
    }
    drives.SetDrive(dirs.Path());
    break;
  }
  app.SetPointer(forms::Pointer::Default);
  return moved;
}

std::optional<std::string> ResolveTypedName(const std::string& name, const forms::DirListBox& dirs,
                                            forms::FileListBox& files) {
  if (name.find_first_of("?*") != std::string::npos) {
    files.SetPattern(name);
    return std::nullopt;
  }
  if (!name.empty() && name.front() == '/') return name;
  return JoinPath(dirs.Path(), name);
}

std::string JoinPath(const std::string& folder, const std::string& name) {
  if (!folder.empty() && folder.back() == '/') return folder + name;
  return folder + "/" + name;
}

}  // namespace taskhelm
