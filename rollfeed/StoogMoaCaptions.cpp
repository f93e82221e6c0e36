// Captions of the roll-feed window's own frames, controls and menu items (the frame captions the
// controls and menus every settings window has, the field rows their labels).
#include "rollfeed/StoogMoa.h"

namespace taskhelm {

namespace {

constexpr CaptionRow kRollFeedCaptions[] = {
    {"Frame3D10", "Measurement Units"},
    {"Frame3D8", "Panel Size"},
    {"Frame3D2", "Scale"},
    {"Frame3D1", "Acceleration"},
    {"Frame3D3", "Delays"},
    {"Frame3D5", "Force"},
    {"Frame3D7", "Blade"},
    {"Frame1", "Blade Steering Arc"},
    {"Frame3D11", "Feed Options"},
    {"Frame2", "Auto Loop"},
    {"Frame3D9", "Tagboard Features"},
    {"SendSettingLab", "Send Settings to Plotter"},
    {"RollButton", "Roll Feed"},
    {"RollUnButton", "Unpaneled Roll Feed"},
    {"CutButton", "Sheet (no Roll Feed)"},
    {"CutEnable", "Tagboard Enabled"},
    {"UpdateDisplay", "Update Display"},
    {"DsplyKnifeCom", "&Blade Holder Status"},
    {"DisplayFilter", "F&iltering"},
    {"DisplayLang", "&HPGL Setting..."},
    {"OptSep1", "-"},
    {"FlashUpdate", "Install New Firmware Version "},
};

}  // namespace

void StoogMoa::InitInternationalStrings() {
  SetCaption(T("Marvesk 5 Taskhelm"));
  ShowCaptions(kRollFeedCaptions);
}

}  // namespace taskhelm
