#pragma once
// A program started on a cutter, with the cutter window shown as start-up shows it.
#include "cutter/Dru71Set.h"
#include "startup/ConnectDevice.h"
#include "startup/ModelTable.h"
#include "tests/support/SettingsWindowHarness.h"

namespace cutter_tests {

using testing_support::AppFixture;
using testing_support::AppOptions;

inline AppOptions Cutter(int model, std::optional<int> id = {},
                         texts::Edition edition = texts::Edition::English) {
  return testing_support::StartedOn(model, id, edition);
}

struct CutterHarness : testing_support::SettingsWindowHarness {
  using SettingsWindowHarness::SettingsWindowHarness;
  taskhelm::Dru71Set& Window() { return f.app.Window<taskhelm::Dru71Set>(); }
};

}  // namespace cutter_tests
