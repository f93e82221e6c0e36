// Where the cutter window's controls sit. Positions are in pixels; a control inside a frame is
// placed relative to that frame. Three columns of frames, the hint line across the bottom:
//   Units  Panel  Scale  Acceleration  [Tangential]  |  Delays  Force  Blade  |
//   Special Features  Auto Loop  send buttons (these move to the top when the two feature frames
//   are hidden).
// The frames stand in their tab order, column by column; the focus reads each frame's controls
// top to bottom and left to right (the fields' Enter chain is their own).
#include "cutter/Dru71Set.h"
#include "setup/FormLayout.h"

namespace taskhelm {

namespace {

constexpr forms::Rect kSendFrameBelowFeatures{498, 242, 260, 124};
constexpr forms::Rect kSendFrameTop{498, 8, 260, 124};

constexpr Placement kCutterLayout[] = {
    // Frames: first column, second column, third column.
    {"Frame3D1", 8, 8, 226, 56},
    {"Frame3D2", 8, 72, 226, 80},
    {"Frame3D4", 8, 160, 226, 80},
    {"Frame3D5", 8, 248, 226, 56},
    {"Frame1", 8, 312, 226, 108},  // below the panel and scale frames, never over them
    {"Frame3D6", 242, 8, 248, 80},
    {"Frame3D7", 242, 96, 248, 80},
    {"Frame3D8", 242, 184, 248, 152},
    {"Panel3D1", 8, 20, 232, 84, "Frame3D8"},
    {"Frame3D9", 498, 8, 260, 138},
    {"Frame3D10", 498, 154, 260, 80},
    {"Frame3D11", 498, 242, 260, 124},

    // Caption, box and spin of each field; the second column's captions are longer.
    {"AccelLabel", 84, 26, 100, 20, "Frame3D5"},
    {"Accel", 8, 24, 50, 22, "Frame3D5"},
    {"AccelSpin", 60, 24, 18, 22, "Frame3D5"},
    {"ScaleXLab", 8, 22, 120, 22, "Frame3D4"},
    {"XScale", 132, 22, 64, 22, "Frame3D4"},
    {"ScaleXSpin", 198, 22, 18, 22, "Frame3D4"},
    {"ScaleYLab", 8, 50, 120, 22, "Frame3D4"},
    {"YScale", 132, 50, 64, 22, "Frame3D4"},
    {"ScaleYSpin", 198, 50, 18, 22, "Frame3D4"},
    {"UpDelLabel", 8, 22, 156, 22, "Frame3D6"},
    {"UpDelay", 168, 22, 50, 22, "Frame3D6"},
    {"UpDelaySpin", 220, 22, 18, 22, "Frame3D6"},
    {"DownDelLab", 8, 50, 156, 22, "Frame3D6"},
    {"DnDelay", 168, 50, 50, 22, "Frame3D6"},
    {"DnDelaySpin", 220, 50, 18, 22, "Frame3D6"},
    {"LoForceLab", 8, 22, 156, 22, "Frame3D7"},
    {"LoForce", 168, 22, 50, 22, "Frame3D7"},
    {"LoForceSpin", 220, 22, 18, 22, "Frame3D7"},
    {"HiForceLab", 8, 50, 156, 22, "Frame3D7"},
    {"HiForce", 168, 50, 50, 22, "Frame3D7"},
    {"HiForceSpin", 220, 50, 18, 22, "Frame3D7"},
    {"PanelXLab", 8, 22, 120, 22, "Frame3D2"},
    {"PanelX", 132, 22, 64, 22, "Frame3D2"},
    {"PanelXSpin", 198, 22, 18, 22, "Frame3D2"},
    {"PanelYLab", 8, 50, 120, 22, "Frame3D2"},
    {"PanelY", 132, 50, 64, 22, "Frame3D2"},
    {"PanelYSpin", 198, 50, 18, 22, "Frame3D2"},
    {"LoopSizeLab", 8, 50, 120, 22, "Frame3D10"},
    {"LoopSize", 132, 50, 64, 22, "Frame3D10"},
    {"LoopSizeSpin", 198, 50, 18, 22, "Frame3D10"},
    // The steering arc sits 8 pixels into the blade frame: its boxes line up with the others.
    {"OffsetLab", 8, 22, 150, 22, "Panel3D1"},
    {"Offset", 160, 22, 50, 22, "Panel3D1"},
    {"OffsetSpin", 212, 22, 18, 22, "Panel3D1"},
    {"OvercutLab", 8, 116, 156, 22, "Frame3D8"},
    {"Overcut", 168, 116, 50, 22, "Frame3D8"},
    {"OvercutSpin", 220, 116, 18, 22, "Frame3D8"},
    {"MinAngLab", 8, 50, 150, 22, "Panel3D1"},
    {"MinAng", 160, 50, 50, 22, "Panel3D1"},
    {"MinAngSpin", 212, 50, 18, 22, "Panel3D1"},

    {"SendSettingLab", 8, 16, 244, 20, "Frame3D11"},
    {"SendSettingTemp", 8, 44, 120, 28, "Frame3D11"},
    {"SendDefault", 132, 44, 120, 28, "Frame3D11"},
    {"UpdateDisplay", 8, 84, 244, 28, "Frame3D11"},
    {"EnglishButton", 8, 24, 100, 24, "Frame3D1"},
    {"MetricButton", 112, 24, 100, 24, "Frame3D1"},
    {"PounceEnable", 8, 22, 240, 22, "Frame3D9"},
    {"CutEnable", 8, 46, 240, 22, "Frame3D9"},
    {"CutLengthLab", 8, 78, 120, 22, "Frame3D9"},
    {"CutLength", 132, 78, 64, 22, "Frame3D9"},
    {"CutLengthSpin", 198, 78, 18, 22, "Frame3D9"},
    {"BlankLengthLab", 8, 106, 120, 22, "Frame3D9"},
    {"BlankLength", 132, 106, 64, 22, "Frame3D9"},
    {"BlankLengthSpin", 198, 106, 18, 22, "Frame3D9"},
    {"LoopEnable", 8, 22, 240, 22, "Frame3D10"},
    {"TanEnable", 8, 22, 180, 22, "Frame1"},
    {"Label1", 8, 50, 120, 22, "Frame1"},
    {"TanLength", 132, 50, 64, 22, "Frame1"},
    {"TanLengthSpin", 198, 50, 18, 22, "Frame1"},
    {"Label2", 8, 78, 120, 22, "Frame1"},
    {"TanForce", 132, 78, 64, 22, "Frame1"},
    {"TanForceSpin", 198, 78, 18, 22, "Frame1"},
    {"StatusBar", 8, 436, 750, 24},
};

}  // namespace

void Dru71Set::PlaceControls() { ApplyLayout(*this, 766, 470, kCutterLayout); }

void Dru71Set::FitToShownFrames() { FitHeightToShown(*this, StatusBar, 16, 10); }

void Dru71Set::PlaceSendFrame(SendFramePlace place) {
  const forms::Rect& at = place == SendFramePlace::BelowFeatures ? kSendFrameBelowFeatures
                                                                 : kSendFrameTop;
  Frame3D11.Move(at.Left, at.Top, at.Width, at.Height);
}

}  // namespace taskhelm
