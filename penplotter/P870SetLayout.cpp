// Layout of the pen-plotter window: three columns of frames
//   Units  Acceleration  Keypad Speed  Sensor/Frame Alignment  |  Force  Delays  send buttons  |
//   Panel Size  Scale
// with the hint line below. The frames stand in their tab order; the focus reads each frame's
// controls top to bottom and left to right.
#include <utility>

#include "penplotter/P870Set.h"
#include "setup/FormLayout.h"
#include "startup/App.h"
#include "startup/ModelTable.h"

namespace taskhelm {

namespace {

constexpr Placement kPenPlotterLayout[] = {
    {"Frame3D5", 8, 8, 226, 56},
    {"Frame3D1", 8, 72, 226, 56},
    {"Frame3D2", 8, 136, 226, 56},
    {"Frame3D10", 8, 200, 226, 128},
    {"Frame3D3", 242, 8, 264, 80},
    {"Frame3D4", 242, 96, 264, 80},
    {"Frame3D6", 514, 8, 226, 80},
    {"Frame3D7", 514, 96, 226, 80},
    // The send buttons come last: Enter, which moves on as Tab does, goes from field to field.
    {"Frame3D9", 242, 184, 264, 88},

    {"EnglishButton", 8, 24, 100, 24, "Frame3D5"},
    {"MetricButton", 112, 24, 100, 24, "Frame3D5"},
    {"AccelLab", 84, 26, 100, 20, "Frame3D1"},
    {"Accel", 8, 24, 50, 22, "Frame3D1"},
    {"AccelSpin", 60, 24, 18, 22, "Frame3D1"},
    {"SpeedLab", 84, 26, 100, 20, "Frame3D2"},
    {"Speed", 8, 24, 50, 22, "Frame3D2"},
    {"SpeedSpin", 60, 24, 18, 22, "Frame3D2"},
    // The check box and the mark buttons share the top of the sensor frame: the four models
    // show the mark buttons or nothing there.
    {"SensorEnable", 8, 22, 208, 22, "Frame3D10"},
    {"MarkAllButton", 8, 22, 208, 22, "Frame3D10"},
    {"Mark4thButton", 8, 46, 208, 22, "Frame3D10"},
    {"MarkNoneButton", 8, 70, 208, 22, "Frame3D10"},
    {"FramGapLab", 8, 98, 84, 22, "Frame3D10"},
    {"Gap", 96, 98, 50, 22, "Frame3D10"},
    {"GapSpin", 148, 98, 18, 22, "Frame3D10"},
    {"FrameGapLab", 170, 100, 50, 20, "Frame3D10"},
    {"LoForceLab", 8, 22, 156, 22, "Frame3D3"},
    {"LoForce", 168, 22, 50, 22, "Frame3D3"},
    {"LoForceSpin", 220, 22, 18, 22, "Frame3D3"},
    {"HiForceLab", 8, 50, 156, 22, "Frame3D3"},
    {"HiForce", 168, 50, 50, 22, "Frame3D3"},
    {"HiForceSpin", 220, 50, 18, 22, "Frame3D3"},
    {"UpDelayLab", 8, 22, 156, 22, "Frame3D4"},
    {"UpDelay", 168, 22, 50, 22, "Frame3D4"},
    {"UpDelaySpin", 220, 22, 18, 22, "Frame3D4"},
    {"DownDelayLab", 8, 50, 156, 22, "Frame3D4"},
    {"DnDelay", 168, 50, 50, 22, "Frame3D4"},
    {"DnDelaySpin", 220, 50, 18, 22, "Frame3D4"},
    {"PanelXLab", 8, 22, 120, 22, "Frame3D6"},
    {"PanelX", 132, 22, 64, 22, "Frame3D6"},
    {"PanelXSpin", 198, 22, 18, 22, "Frame3D6"},
    {"PanelYLab", 8, 50, 120, 22, "Frame3D6"},
    {"PanelY", 132, 50, 64, 22, "Frame3D6"},
    {"PanelYSpin", 198, 50, 18, 22, "Frame3D6"},
    {"ScaleXLab", 8, 22, 120, 22, "Frame3D7"},
    {"XScale", 132, 22, 64, 22, "Frame3D7"},
    {"ScaleXSpin", 198, 22, 18, 22, "Frame3D7"},
    {"ScaleYLab", 8, 50, 120, 22, "Frame3D7"},
    {"YScale", 132, 50, 64, 22, "Frame3D7"},
    {"ScaleYSpin", 198, 50, 18, 22, "Frame3D7"},
    // The sensor test is hidden on every pen plotter; its count box goes with it.
    {"RepsText", 8, 126, 50, 22, "Frame3D10"},
    {"SensorTestButton", 62, 124, 120, 26, "Frame3D10"},
    {"SendSettingLab", 8, 16, 248, 20, "Frame3D9"},
    {"SendSettingTemp", 8, 44, 122, 28, "Frame3D9"},
    {"SendDefault", 134, 44, 122, 28, "Frame3D9"},
    {"StatusBar", 8, 336, 732, 24},
};

// The gap row below the mark buttons, or at the top of the frame where there are none; the frame
// ends under its last row.
constexpr int kGapBelowMarks = 98, kGapAtTop = 22;
constexpr int kFrameBelowGap = 34;

}  // namespace

void P870Set::PlaceControls() { ApplyLayout(*this, 748, 368, kPenPlotterLayout); }

void P870Set::PlaceGapControls() {
  const int top = app.model.Has(ModelQuirk::MarkSensor) ? kGapBelowMarks : kGapAtTop;
  const std::pair<forms::Control*, int> row[] = {
      {&FramGapLab, 0}, {&Gap, 0}, {&GapSpin, 0}, {&FrameGapLab, 2}};  // the unit sits 2 lower
  for (const auto& [control, drop] : row) {
    const forms::Rect at = control->Geometry();
    control->Move(at.Left, top + drop, at.Width, at.Height);
  }
  const forms::Rect frame = Frame3D10.Geometry();
  Frame3D10.Move(frame.Left, frame.Top, frame.Width, top + kFrameBelowGap);
  FitHeightToShown(*this, StatusBar, 8, 8);
}

}  // namespace taskhelm
