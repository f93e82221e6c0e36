#pragma once
// The application object: owns the shared state, the port layer and the one instance of each
// window, and holds the platform services every window uses (the part the port layer sees is its
// LinkContext).
#include <memory>
#include <string>
#include <typeindex>
#include <unordered_map>

#include "forms/Form.h"
#include "link/LinkContext.h"
#include "platform/Regional.h"
#include "startup/DataFiles.h"

namespace taskhelm {

// What the program needs from its surroundings; the Qt front end and the tests each build one.
struct Platform {
  forms::Host& host;
  platform::Clock& clock;
  platform::SerialLine& line;
  platform::Parlink& parlink;
  platform::Regional regional;
  std::string programFolder;
  texts::Edition edition = texts::Edition::English;
};

inline constexpr const char* kIniFileName = "Tkh.ini";

class App : public LinkContext {
 public:
  explicit App(const Platform& platform);
  ~App();
  App(const App&) = delete;
  App& operator=(const App&) = delete;

  platform::Regional regional;
  std::string programFolder;
  DataFiles files;  // numbered data files (OpenDataFile)

  // The one instance of a window: created and loaded (Load runs) on first access, also when only
  // a property is touched. A window used again after an unload is a new instance: its controls
  // and variables start from the design, and its Load runs for the model and device of now.
  template <class W>
  W& Window() {
    auto& slot = windows_[std::type_index(typeid(W))];
    if (slot && !slot->Loaded()) host.Discard(std::move(slot));
    if (!slot) slot = std::make_unique<W>(*this);
    slot->EnsureLoaded();
    return static_cast<W&>(*slot);
  }
  // The window when it exists and is loaded, without loading it.
  template <class W>
  W* LoadedWindow() {
    auto it = windows_.find(std::type_index(typeid(W)));
    if (it == windows_.end() || !it->second->Loaded()) return nullptr;
    return static_cast<W*>(it->second.get());
  }

  std::string IniPath() const;

 private:
  std::unordered_map<std::type_index, std::unique_ptr<forms::Form>> windows_;
};

}  // namespace taskhelm
