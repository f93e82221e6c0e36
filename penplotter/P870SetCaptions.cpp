// Captions of the pen-plotter window's own frames, controls and menu items, in the edition's
// language (the frame captions the controls and menus every settings window has).
#include "penplotter/P870Set.h"
#include "startup/App.h"
#include "startup/ModelTable.h"

namespace taskhelm {

namespace {

constexpr CaptionRow kPenPlotterCaptions[] = {
    {"Frame3D5", "Measurement Units"},
    {"Frame3D6", "Panel Size"},
    {"Frame3D7", "Scale"},
    {"Frame3D1", "Acceleration"},
    {"Frame3D4", "Delays"},
    {"Frame3D3", "Force"},
    {"Frame3D10", "Sensor Options"},
    {"ScaleYLab", "Y-Axis (%)"},
    {"SensorEnable", "Sensor Enable"},
    {"MarkAllButton", "Check Every Frame"},
    {"Mark4thButton", "Every 4th Frame"},
    {"MarkNoneButton", "Disable Sensor"},
    {"FrameGapLab", "(mils)"},
    {"SensorTestButton", "Sensor Test"},
    {"SendSettingLab", "Send Settings to Plotter"},
    {"DispLang", "&HPGL Setting..."},
    {"OptionSeperator", "-"},
    {"OptionUpdateFlash", "Install New Firmware Version "},
    {"OptionServoTuner", "Servo Tuner"},
    {"Senstest", "Sensor Test"},
    {"DrwSnsMks", "Draw Sensor Marks"},
    {"RdSnsMrks", "Read Sensor Marks"},
    {"DsplySnsDat", "Display Sensor Data"},
};

}  // namespace

void P870Set::SetCaptions() {
  SetCaption(app.T("Plotter"));
  ShowCaptions(kPenPlotterCaptions);
  // The pen plotters show their keypad speed; it is set on the plotter's own keypad.
  const bool penPlotter = app.model.Family() == ModelFamily::PenPlotter;
  Frame3D2.SetCaption(app.T(penPlotter ? "Keypad Speed Setting" : "Speed"));
  if (penPlotter) Speed.SetEnabled(false);
}

void P870Set::SetWording() { UseWording(DeviceLine::Plotter); }

}  // namespace taskhelm
