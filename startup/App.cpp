#include "startup/App.h"

namespace taskhelm {

App::App(const Platform& platform)
    : LinkContext(platform.host, platform.clock, platform.line, platform.parlink, platform.edition),
      regional(platform.regional),
      programFolder(platform.programFolder) {}

// Windows go first: their destructors may still reach the state and the port.
App::~App() { windows_.clear(); }

std::string App::IniPath() const {
  if (programFolder.empty() || programFolder.back() == '/') return programFolder + kIniFileName;
  return programFolder + "/" + kIniFileName;
}

}  // namespace taskhelm
