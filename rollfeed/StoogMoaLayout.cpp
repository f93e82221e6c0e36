// Where the roll-feed window's controls sit. Positions are in pixels; a control inside a frame
// is placed relative to that frame. Three columns of frames, the hint line across the bottom:
//   Units  Panel Size  Scale  Acceleration  |  Delays  Force  Blade  |
//   Feed Options  Auto Loop  Tagboard Features  send buttons
// The frames stand in their tab order, column by column; the focus reads each frame's controls
// top to bottom and left to right (the fields' Enter chain is their own).
#include "rollfeed/StoogMoa.h"
#include "setup/FormLayout.h"

namespace taskhelm {

namespace {

constexpr Placement kRollFeedLayout[] = {
    // Frames: first column, second column, third column.
    {"Frame3D10", 8, 8, 226, 56},
    {"Frame3D8", 8, 72, 226, 108},
    {"Frame3D2", 8, 188, 226, 80},
    {"Frame3D1", 8, 276, 226, 56},
    {"Frame3D3", 242, 8, 248, 80},
    {"Frame3D5", 242, 96, 248, 80},
    {"Frame3D7", 242, 184, 248, 152},
    {"Frame1", 8, 20, 232, 84, "Frame3D7"},
    {"Frame3D11", 498, 8, 260, 104},
    {"Frame2", 498, 120, 260, 56},
    {"Frame3D9", 498, 184, 260, 110},
    {"Frame3D6", 498, 302, 260, 124},

    // Caption, box and spin of each field, in the Enter order.
    {"PanelXLab", 8, 22, 120, 22, "Frame3D8"},
    {"PanelX", 132, 22, 64, 22, "Frame3D8"},
    {"PanelXSpin", 198, 22, 18, 22, "Frame3D8"},
    {"PanelYLab", 8, 50, 120, 22, "Frame3D8"},
    {"PanelY", 132, 50, 64, 22, "Frame3D8"},
    {"PanelYSpin", 198, 50, 18, 22, "Frame3D8"},
    {"GapLab", 8, 78, 120, 22, "Frame3D8"},
    {"Gap", 132, 78, 64, 22, "Frame3D8"},
    {"GapSpin", 198, 78, 18, 22, "Frame3D8"},
    {"LoopSizeLab", 8, 22, 120, 22, "Frame2"},
    {"LoopSize", 132, 22, 64, 22, "Frame2"},
    {"LoopSizeSpin", 198, 22, 18, 22, "Frame2"},
    {"ScaleXLab", 8, 22, 120, 22, "Frame3D2"},
    {"XScale", 132, 22, 64, 22, "Frame3D2"},
    {"ScaleXSpin", 198, 22, 18, 22, "Frame3D2"},
    {"ScaleYLab", 8, 50, 120, 22, "Frame3D2"},
    {"YScale", 132, 50, 64, 22, "Frame3D2"},
    {"ScaleYSpin", 198, 50, 18, 22, "Frame3D2"},
    {"CutLengthLab", 8, 50, 120, 22, "Frame3D9"},
    {"CutLength", 132, 50, 64, 22, "Frame3D9"},
    {"CutLengthSpin", 198, 50, 18, 22, "Frame3D9"},
    {"BlankLengthLab", 8, 78, 120, 22, "Frame3D9"},
    {"BlankLength", 132, 78, 64, 22, "Frame3D9"},
    {"BlankLengthSpin", 198, 78, 18, 22, "Frame3D9"},
    {"AccelLabel", 84, 26, 100, 20, "Frame3D1"},
    {"Accel", 8, 24, 50, 22, "Frame3D1"},
    {"AccelSpin", 60, 24, 18, 22, "Frame3D1"},
    {"UpDelLabel", 8, 22, 156, 22, "Frame3D3"},
    {"UpDelay", 168, 22, 50, 22, "Frame3D3"},
    {"UpDelaySpin", 220, 22, 18, 22, "Frame3D3"},
    {"DownDelLab", 8, 50, 156, 22, "Frame3D3"},
    {"DnDelay", 168, 50, 50, 22, "Frame3D3"},
    {"DnDelaySpin", 220, 50, 18, 22, "Frame3D3"},
    {"LoForceLab", 8, 22, 156, 22, "Frame3D5"},
    {"LoForce", 168, 22, 50, 22, "Frame3D5"},
    {"LoForceSpin", 220, 22, 18, 22, "Frame3D5"},
    {"HiForceLab", 8, 50, 156, 22, "Frame3D5"},
    {"HiForce", 168, 50, 50, 22, "Frame3D5"},
    {"HiForceSpin", 220, 50, 18, 22, "Frame3D5"},
    {"OvercutLab", 8, 116, 156, 22, "Frame3D7"},
    {"Overcut", 168, 116, 50, 22, "Frame3D7"},
    {"OvercutSpin", 220, 116, 18, 22, "Frame3D7"},
    // The steering arc sits 8 pixels into the blade frame: its boxes line up with the others.
    {"OffsetLab", 8, 22, 150, 22, "Frame1"},
    {"Offset", 160, 22, 50, 22, "Frame1"},
    {"OffsetSpin", 212, 22, 18, 22, "Frame1"},
    {"MinAngLab", 8, 50, 150, 22, "Frame1"},
    {"MinAng", 160, 50, 50, 22, "Frame1"},
    {"MinAngSpin", 212, 50, 18, 22, "Frame1"},

    {"SendSettingLab", 8, 16, 244, 20, "Frame3D6"},
    {"SendSettingTemp", 8, 44, 120, 28, "Frame3D6"},
    {"SendDefault", 132, 44, 120, 28, "Frame3D6"},
    {"UpdateDisplay", 8, 84, 244, 28, "Frame3D6"},
    {"EnglishButton", 8, 24, 100, 24, "Frame3D10"},
    {"MetricButton", 112, 24, 100, 24, "Frame3D10"},
    {"RollButton", 8, 22, 240, 22, "Frame3D11"},
    {"RollUnButton", 8, 46, 240, 22, "Frame3D11"},
    {"CutButton", 8, 70, 240, 22, "Frame3D11"},
    {"CutEnable", 8, 22, 240, 22, "Frame3D9"},
    {"StatusBar", 8, 436, 750, 24},
};

}  // namespace

void StoogMoa::PlaceControls() { ApplyLayout(*this, 766, 470, kRollFeedLayout); }

}  // namespace taskhelm
