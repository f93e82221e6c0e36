#pragma once
// What the file windows with drive, folder and file lists share.
#include <optional>
#include <string>

#include "forms/FileLists.h"

namespace taskhelm {

class App;

// The folder list follows the drive list's new drive. A drive that is not ready asks to put a
// disk in (OK tries again); on Cancel or any other error the drive list goes back to the drive
// of the current folder. True when the folder list moved to the drive.
bool ChangeDrive(App& app, forms::DriveListBox& drives, forms::DirListBox& dirs);

// The path a typed name stands for: a name with "?" or "*" becomes the file list's pattern (and
// names no file: nullopt); an absolute path is taken as it is; anything else is a name in the
// folder list's folder.
std::optional<std::string> ResolveTypedName(const std::string& name, const forms::DirListBox& dirs,
                                            forms::FileListBox& files);

// Joins a folder and a name with one "/".
std::string JoinPath(const std::string& folder, const std::string& name);

}  // namespace taskhelm
