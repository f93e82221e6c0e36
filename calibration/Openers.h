#pragma once
// How the settings windows open the calibration and adjustment windows of this folder.
namespace taskhelm {

class App;

// Options > Filtering: the cutter window reads the device's filter state first and shows the
// window only when that worked; the roll-feed window shows it directly.
enum class FilterOpening { ReadStateFirst, Direct };
void ShowFiltering(App& app, FilterOpening opening);

// Options > Cornering, modal.
void ShowCornering(App& app);

// The pen-down force adjustment, modal (the hidden Pen Adjustment item and Ctrl+Alt+M).
void ShowPenAdjustment(App& app);

}  // namespace taskhelm
