#pragma once
// The folder that holds the program's INI file: the executable's folder, or RENDIX_HOME.
#include <string>

namespace platform {

std::string ProgramFolder();

}  // namespace platform
