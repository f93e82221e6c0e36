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

constexpr forms::Rect kSendFrameStandard{498, 242, 260, 124};
constexpr forms::Rect kSendFrameRaised{498, 8, 260, 124};

// A caption, box and spin in one row of a frame: the first and third columns' rows, and the
// second column's, whose captions are longer.
constexpr forms::Rect Lab(int y) { return {8, y, 120, 22}; }
constexpr forms::Rect Box(int y) { return {132, y, 64, 22}; }
constexpr forms::Rect Spin(int y) { return {198, y, 18, 22}; }
constexpr forms::Rect WideLab(int y) { return {8, y, 156, 22}; }
constexpr forms::Rect NarrowBox(int y) { return {168, y, 50, 22}; }
constexpr forms::Rect NarrowSpin(int y) { return {220, y, 18, 22}; }

}  // namespace

void Dru71Set::PlaceControls() {
  Resize(766, 470);
  const Place places[] = {
      // Frames of the first column.
      {&Frame3D1, nullptr, {8, 8, 226, 56}},
      {&Frame3D2, nullptr, {8, 72, 226, 80}},
      {&Frame3D4, nullptr, {8, 160, 226, 80}},
      {&Frame3D5, nullptr, {8, 248, 226, 56}},
      // Below the panel and scale frames, never over them.
      {&Frame1, nullptr, {8, 312, 226, 108}},
      // Second column.
      {&Frame3D6, nullptr, {242, 8, 248, 80}},
      {&Frame3D7, nullptr, {242, 96, 248, 80}},
      {&Frame3D8, nullptr, {242, 184, 248, 152}},
      {&Panel3D1, &Frame3D8, {8, 20, 232, 84}},
      // Third column.
      {&Frame3D9, nullptr, {498, 8, 260, 138}},
      {&Frame3D10, nullptr, {498, 154, 260, 80}},
      {&Frame3D11, nullptr, kSendFrameStandard},
      {&StatusBar, nullptr, {8, 436, 750, 24}},

      {&EnglishButton, &Frame3D1, {8, 24, 100, 24}},
      {&MetricButton, &Frame3D1, {112, 24, 100, 24}},
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
      {&TanEnable, &Frame1, {8, 22, 180, 22}},
      {&Label1, &Frame1, Lab(50)},
      {&TanLength, &Frame1, Box(50)},
      {&TanLengthSpin, &Frame1, Spin(50)},
      {&Label2, &Frame1, Lab(78)},
      {&TanForce, &Frame1, Box(78)},
      {&TanForceSpin, &Frame1, Spin(78)},

      {&UpDelLabel, &Frame3D6, WideLab(22)},
      {&UpDelay, &Frame3D6, NarrowBox(22)},
      {&UpDelaySpin, &Frame3D6, NarrowSpin(22)},
      {&DownDelLab, &Frame3D6, WideLab(50)},
      {&DnDelay, &Frame3D6, NarrowBox(50)},
      {&DnDelaySpin, &Frame3D6, NarrowSpin(50)},
      {&LoForceLab, &Frame3D7, WideLab(22)},
      {&LoForce, &Frame3D7, NarrowBox(22)},
      {&LoForceSpin, &Frame3D7, NarrowSpin(22)},
      {&HiForceLab, &Frame3D7, WideLab(50)},
      {&HiForce, &Frame3D7, NarrowBox(50)},
      {&HiForceSpin, &Frame3D7, NarrowSpin(50)},
      // The steering arc sits 8 pixels into the blade frame: its boxes line up with the others.
      {&OffsetLab, &Panel3D1, {8, 22, 150, 22}},
      {&Offset, &Panel3D1, {160, 22, 50, 22}},
      {&OffsetSpin, &Panel3D1, {212, 22, 18, 22}},
      {&MinAngLab, &Panel3D1, {8, 50, 150, 22}},
      {&MinAng, &Panel3D1, {160, 50, 50, 22}},
      {&MinAngSpin, &Panel3D1, {212, 50, 18, 22}},
      {&OvercutLab, &Frame3D8, WideLab(116)},
      {&Overcut, &Frame3D8, NarrowBox(116)},
      {&OvercutSpin, &Frame3D8, NarrowSpin(116)},

      {&PounceEnable, &Frame3D9, {8, 22, 240, 22}},
      {&CutEnable, &Frame3D9, {8, 46, 240, 22}},
      {&CutLengthLab, &Frame3D9, Lab(78)},
      {&CutLength, &Frame3D9, Box(78)},
      {&CutLengthSpin, &Frame3D9, Spin(78)},
      {&BlankLengthLab, &Frame3D9, Lab(106)},
      {&BlankLength, &Frame3D9, Box(106)},
      {&BlankLengthSpin, &Frame3D9, Spin(106)},
      {&LoopEnable, &Frame3D10, {8, 22, 240, 22}},
      {&LoopSizeLab, &Frame3D10, Lab(50)},
      {&LoopSize, &Frame3D10, Box(50)},
      {&LoopSizeSpin, &Frame3D10, Spin(50)},
      {&SendSettingLab, &Frame3D11, {8, 16, 244, 20}},
      {&SendSettingTemp, &Frame3D11, {8, 44, 120, 28}},
      {&SendDefault, &Frame3D11, {132, 44, 120, 28}},
      {&UpdateDisplay, &Frame3D11, {8, 84, 244, 28}},
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
