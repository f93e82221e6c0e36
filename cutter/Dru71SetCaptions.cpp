// Captions of the cutter window's own frames, controls and menu items, in the edition's language
// (the frame captions the controls and menus every settings window has).
#include "cutter/Dru71Set.h"
#include "startup/App.h"

namespace taskhelm {

namespace {

constexpr CaptionRow kCutterCaptions[] = {
    {"Frame3D1", "Measurement Units"},
    {"Frame3D2", "Panel Size"},
    {"Frame3D4", "Scale"},
    {"Frame3D5", "Acceleration"},
    {"Frame3D6", "Delays"},
    {"Frame3D7", "Force"},
    {"Frame3D8", "Blade"},
    {"Panel3D1", "Blade Steering Arc"},
    {"Frame3D9", "Special Features"},
    {"Frame3D10", "Auto Loop"},
    {"Frame1", "Tangential Cutting"},
    {"SendSettingLab", "Send Settings to Plotter"},
    {"PounceEnable", "Pounce"},
    {"CutEnable", "Tag Board Cutout"},
    {"LoopEnable", "Auto Loop"},
    {"TanEnable", "Enable"},
    {"UpdateDisplay", "Update Display"},
    {"DsplyKnifeCom", "&Blade Holder Status"},
    {"DsplyMotorVoltsCom", "Motor &Voltage"},
    {"DisplayFilter", "F&iltering"},
    {"DisplayLang", "&HPGL Setting..."},
    {"CornerDisp", "&Cornering"},
    {"OptSep1", "-"},
    {"UpdateFlash", "Install New Firmware Version "},
    {"Servotuner", "Servo Tuner"},
    {"PenAdjust", "Pen Adjustment"},
};

}  // namespace

void Dru71Set::InitInternationalStrings() {
  SetCaption(app.T("Drunel 71 Taskhelm"));
  ShowCaptions(kCutterCaptions);
}

void Dru71Set::InitSignCutStrings() { UseWording(DeviceLine::Cutter); }

}  // namespace taskhelm
