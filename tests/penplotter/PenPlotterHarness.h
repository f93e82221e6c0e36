#pragma once
// A program started on a pen plotter, with the pen-plotter window shown as start-up shows it.
#include "penplotter/P870Set.h"
#include "tests/support/SettingsWindowHarness.h"

namespace penplotter_tests {

using testing_support::StartedOn;

struct PenPlotterHarness : testing_support::SettingsWindowHarness {
  using SettingsWindowHarness::SettingsWindowHarness;
  taskhelm::P870Set& Window() { return f.app.Window<taskhelm::P870Set>(); }
};

}  // namespace penplotter_tests
