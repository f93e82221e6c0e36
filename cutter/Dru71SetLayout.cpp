// Where the cutter window's controls sit. Positions are in pixels; a control inside a frame is
// placed relative to that frame. Three columns of frames, the hint line across the bottom:
//   Units  Panel  Scale  Acceleration  [Tangential]  |  Delays  Force  Blade  |
//   Special Features  Auto Loop  send buttons (these move to the top when the two feature frames
//   are hidden).
#include "cutter/Dru71Set.h"

namespace taskhelm {

namespace {

struct Place {
  forms::Control* control;
  forms::Control* container;
  forms::Rect at;
};

constexpr forms::Rect kSendFrameStandard{452, 240, 236, 124};
constexpr forms::Rect kSendFrameRaised{452, 8, 236, 124};

// A caption, box and spin in one row of a frame 204 wide or more.
constexpr int kLabelX = 8, kBoxX = 124, kSpinX = 176;
constexpr forms::Rect Lab(int y) { return {kLabelX, y, 112, 22}; }
constexpr forms::Rect Box(int y) { return {kBoxX, y, 50, 22}; }
constexpr forms::Rect Spin(int y) { return {kSpinX, y, 18, 22}; }

}  // namespace

void Dru71Set::PlaceControls() {
  Resize(696, 470);
  const Place places[] = {
      // Frames of the first column.
      {&Frame3D1, nullptr, {8, 8, 204, 56}},
      {&Frame3D2, nullptr, {8, 72, 204, 80}},
      {&Frame3D4, nullptr, {8, 160, 204, 80}},
      {&Frame3D5, nullptr, {8, 248, 204, 56}},
      // Below the panel and scale frames, never over them.
      {&Frame1, nullptr, {8, 312, 204, 108}},
      // Second column.
      {&Frame3D6, nullptr, {220, 8, 224, 80}},
      {&Frame3D7, nullptr, {220, 96, 224, 80}},
      {&Frame3D8, nullptr, {220, 184, 224, 152}},
      {&Panel3D1, &Frame3D8, {8, 20, 208, 84}},
      // Third column.
      {&Frame3D9, nullptr, {452, 8, 236, 136}},
      {&Frame3D10, nullptr, {452, 152, 236, 80}},
      {&Frame3D11, nullptr, kSendFrameStandard},
      {&StatusBar, nullptr, {8, 436, 680, 24}},

      {&EnglishButton, &Frame3D1, {8, 24, 90, 24}},
      {&MetricButton, &Frame3D1, {104, 24, 90, 24}},
      {&PanelXLab, &Frame3D2, Lab(22)},
      {&PanelX, &Frame3D2, Box(22)},
      {&PanelXSpin, &Frame3D2, Spin(22)},
      {&PanelYLab, &Frame3D2, Lab(50)},
      {&PanelY, &Frame3D2, Box(50)},
      {&PanelYSpin, &Frame3D2, Spin(50)},
      {&ScaleXLab, &Frame3D4, Lab(22)},
      {&XScale, &Frame3D4, Box(22)},
      {&ScaleXSpin, &Frame3D4, Spin(22)},
      {&ScaleYLab, &Frame3D4, Lab(50)},
      {&YScale, &Frame3D4, Box(50)},
      {&ScaleYSpin, &Frame3D4, Spin(50)},
      {&Accel, &Frame3D5, {8, 24, 50, 22}},
      {&AccelSpin, &Frame3D5, {60, 24, 18, 22}},
      {&AccelLabel, &Frame3D5, {84, 26, 100, 20}},
      {&TanEnable, &Frame1, {8, 22, 120, 22}},
      {&Label1, &Frame1, Lab(50)},
      {&TanLength, &Frame1, Box(50)},
      {&TanLengthSpin, &Frame1, Spin(50)},
      {&Label2, &Frame1, Lab(78)},
      {&TanForce, &Frame1, Box(78)},
      {&TanForceSpin, &Frame1, Spin(78)},

      {&UpDelLabel, &Frame3D6, Lab(22)},
      {&UpDelay, &Frame3D6, Box(22)},
      {&UpDelaySpin, &Frame3D6, Spin(22)},
      {&DownDelLab, &Frame3D6, Lab(50)},
      {&DnDelay, &Frame3D6, Box(50)},
      {&DnDelaySpin, &Frame3D6, Spin(50)},
      {&LoForceLab, &Frame3D7, Lab(22)},
      {&LoForce, &Frame3D7, Box(22)},
      {&LoForceSpin, &Frame3D7, Spin(22)},
      {&HiForceLab, &Frame3D7, Lab(50)},
      {&HiForce, &Frame3D7, Box(50)},
      {&HiForceSpin, &Frame3D7, Spin(50)},
      {&OffsetLab, &Panel3D1, {8, 22, 128, 22}},
      {&Offset, &Panel3D1, {136, 22, 44, 22}},
      {&OffsetSpin, &Panel3D1, {182, 22, 18, 22}},
      {&MinAngLab, &Panel3D1, {8, 50, 128, 22}},
      {&MinAng, &Panel3D1, {136, 50, 44, 22}},
      {&MinAngSpin, &Panel3D1, {182, 50, 18, 22}},
      {&OvercutLab, &Frame3D8, Lab(116)},
      {&Overcut, &Frame3D8, Box(116)},
      {&OvercutSpin, &Frame3D8, Spin(116)},

      {&PounceEnable, &Frame3D9, {8, 22, 96, 22}},
      {&CutEnable, &Frame3D9, {104, 22, 128, 22}},
      {&CutLengthLab, &Frame3D9, {8, 60, 120, 22}},
      {&CutLength, &Frame3D9, {132, 60, 60, 22}},
      {&CutLengthSpin, &Frame3D9, {194, 60, 18, 22}},
      {&BlankLengthLab, &Frame3D9, {8, 92, 120, 22}},
      {&BlankLength, &Frame3D9, {132, 92, 60, 22}},
      {&BlankLengthSpin, &Frame3D9, {194, 92, 18, 22}},
      {&LoopEnable, &Frame3D10, {8, 22, 120, 22}},
      {&LoopSizeLab, &Frame3D10, {8, 50, 120, 22}},
      {&LoopSize, &Frame3D10, {132, 50, 60, 22}},
      {&LoopSizeSpin, &Frame3D10, {194, 50, 18, 22}},
      {&SendSettingLab, &Frame3D11, {8, 16, 220, 20}},
      {&SendSettingTemp, &Frame3D11, {8, 44, 108, 28}},
      {&SendDefault, &Frame3D11, {120, 44, 108, 28}},
      {&UpdateDisplay, &Frame3D11, {8, 84, 220, 28}},
  };
  for (const Place& p : places) {
    p.control->SetContainer(p.container);
    p.control->Move(p.at.Left, p.at.Top, p.at.Width, p.at.Height);
  }

  // Tab order follows the Enter chain of the fields, then the buttons and boxes.
  forms::Control* const tabOrder[] = {
      &Accel,        &XScale,       &YScale,         &UpDelay,       &DnDelay,
      &LoForce,      &HiForce,      &PanelX,         &PanelY,        &LoopSize,
      &Offset,       &Overcut,      &MinAng,         &SendSettingTemp, &SendDefault,
      &UpdateDisplay, &EnglishButton, &MetricButton, &PounceEnable,  &CutEnable,
      &CutLength,    &BlankLength,  &LoopEnable,     &TanEnable,     &TanLength,
      &TanForce,     &StatusBar,
  };
  int index = 0;
  for (forms::Control* c : tabOrder) c->SetTabIndex(index++);
}

void Dru71Set::PlaceSendFrame(bool standard) {
  const forms::Rect& at = standard ? kSendFrameStandard : kSendFrameRaised;
  Frame3D11.Move(at.Left, at.Top, at.Width, at.Height);
}

}  // namespace taskhelm
