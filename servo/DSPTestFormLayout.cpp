// The servo test window's captions and where its controls sit: the register frames and the
// acceleration test on the left, the line, disturbance and PWM tests on the right. The rows stand
// in the tab order, frame by frame.
#include <utility>

#include "servo/DSPTestForm.h"
#include "setup/FormLayout.h"
#include "startup/App.h"

namespace taskhelm {

namespace {

constexpr Placement kDSPTestFormLayout[] = {
    {"RegsFrame", 8, 8, 352, 196},
    {"RegsHeader", 10, 20, 330, 18},
    {"RegALabel", 10, 44, 20, 20},
    {"RegA", 32, 42, 86, 22},
    {"RegAMin", 134, 44, 96, 20},
    {"RegAMax", 240, 44, 96, 20},
    {"RegBLabel", 10, 70, 20, 20},
    {"RegB", 32, 68, 86, 22},
    {"RegBMin", 134, 70, 96, 20},
    {"RegBMax", 240, 70, 96, 20},
    {"RegCLabel", 10, 96, 20, 20},
    {"RegC", 32, 94, 86, 22},
    {"RegCMin", 134, 96, 96, 20},
    {"RegCMax", 240, 96, 96, 20},
    {"RegDLabel", 10, 122, 20, 20},
    {"RegD", 32, 120, 86, 22},
    {"RegDMin", 134, 122, 96, 20},
    {"RegDMax", 240, 122, 96, 20},
    {"Command1", 10, 154, 160, 30},
    {"GetMinAndMax", 180, 154, 160, 30},

    {"ReadFrame", 8, 212, 352, 84},
    {"Read1Label", 10, 26, 20, 20},
    {"RegToRead1", 32, 24, 86, 22},
    {"Reg1Result", 134, 26, 96, 20},
    {"HReg1Result", 240, 26, 96, 20},
    {"Read2Label", 10, 52, 20, 20},
    {"RegToRead2", 32, 50, 86, 22},
    {"Reg2Result", 134, 52, 96, 20},
    {"HReg2Result", 240, 52, 96, 20},

    {"AccelFrame", 8, 304, 352, 112},
    {"PWAccLabel", 10, 26, 100, 20},
    {"PWAccTxt", 114, 24, 80, 22},
    {"PWPerLabel", 10, 52, 100, 20},
    {"PWPerTxt", 114, 50, 80, 22},
    {"XAxisCheck", 210, 24, 120, 22},
    {"YAxisCheck", 210, 50, 120, 22},
    {"Command2", 210, 76, 80, 28},

    {"LineFrame", 368, 8, 488, 232},
    {"LTVelLabel", 10, 26, 100, 20},
    {"LTVel", 114, 24, 70, 22},
    {"LTAccelLabel", 10, 52, 100, 20},
    {"LTAccel", 114, 50, 70, 22},
    {"LRegALabel", 10, 78, 100, 20},
    {"LRegA", 114, 76, 70, 22},
    {"LRegBLabel", 10, 104, 100, 20},
    {"LRegB", 114, 102, 70, 22},
    {"AxisFrame", 196, 18, 80, 78},
    {"Option1", 10, 22, 60, 22},
    {"Option2", 10, 48, 60, 22},
    {"PenFrame", 284, 18, 106, 78},
    {"Option3", 10, 22, 86, 22},
    {"Option4", 10, 48, 86, 22},
    {"Command7", 196, 102, 194, 28},
    {"PosMinHead", 34, 146, 72, 20},
    {"PosMaxHead", 108, 146, 72, 20},
    {"PosAvgHead", 182, 146, 72, 20},
    {"NegMinHead", 256, 146, 72, 20},
    {"NegMaxHead", 330, 146, 72, 20},
    {"NegAvgHead", 404, 146, 72, 20},
    {"LineALabel", 10, 172, 20, 20},
    {"PosMinA", 34, 172, 72, 20},
    {"PosMaxA", 108, 172, 72, 20},
    {"PosAvgA", 182, 172, 72, 20},
    {"NegMinA", 256, 172, 72, 20},
    {"NegMaxA", 330, 172, 72, 20},
    {"NegAvgA", 404, 172, 72, 20},
    {"LineBLabel", 10, 198, 20, 20},
    {"PosMinB", 34, 198, 72, 20},
    {"PosMaxB", 108, 198, 72, 20},
    {"PosAvgB", 182, 198, 72, 20},
    {"NegMinB", 256, 198, 72, 20},
    {"NegMaxB", 330, 198, 72, 20},
    {"NegAvgB", 404, 198, 72, 20},

    {"DisturbanceFrame", 368, 248, 488, 62},
    {"Option5", 10, 26, 70, 22},
    {"Option6", 86, 26, 70, 22},
    {"Option7", 162, 26, 70, 22},
    {"Option8", 238, 26, 70, 22},
    {"Option9", 314, 26, 76, 22},

    {"PwmFrame", 368, 318, 488, 62},
    {"XPWMLabel", 10, 28, 18, 20},
    {"XPWMTxt", 30, 26, 60, 22},
    {"YPWMLabel", 98, 28, 18, 20},
    {"YPWMTxt", 118, 26, 60, 22},
    {"Command6", 182, 22, 80, 30},
    {"Command3", 266, 22, 80, 30},
};

}  // namespace

void DSPTestForm::Layout() { ApplyLayout(*this, 864, 424, kDSPTestFormLayout); }

void DSPTestForm::ShowCaptions() {
  // The same English texts in both editions: the window's own entries keep them.
  auto T = [this](const char* english) { return app_.T(english, Name()); };
  SetCaption(T("Tuning Testing"));

  const std::pair<forms::Frame*, const char*> frames[] = {
      {&RegsFrame, "Registers to watch"}, {&ReadFrame, "Read Registers"},
      {&AccelFrame, "Accel Test"},        {&PwmFrame, "Raw PWM"},
      {&LineFrame, "Line Test"},          {&AxisFrame, "Axis"},
      {&PenFrame, "Pen"},                 {&DisturbanceFrame, "Disturbance Test"},
  };
  for (const auto& [frame, caption] : frames) frame->SetCaption(T(caption));

  const std::pair<forms::Label*, const char*> labels[] = {
      {&RegsHeader, "Register                               Min                      Max"},
      {&RegALabel, "A"},          {&RegBLabel, "B"},
      {&RegCLabel, "C"},          {&RegDLabel, "D"},
      {&Read1Label, "1"},         {&Read2Label, "2"},
      {&PWAccLabel, "Accel(g/10)"}, {&PWPerLabel, "Max Vel"},
      {&XPWMLabel, "X"},          {&YPWMLabel, "Y"},
      {&LTVelLabel, "Vel (ips)"}, {&LTAccelLabel, "Accel (g/10)"},
      {&LRegALabel, "A"},         {&LRegBLabel, "B"},
      {&PosMinHead, "+Min"},      {&PosMaxHead, "+Max"},
      {&PosAvgHead, "+Avg"},      {&NegMinHead, "-Min"},
      {&NegMaxHead, "-Max"},      {&NegAvgHead, "-Avg"},
      {&LineALabel, "A"},         {&LineBLabel, "B"},
  };
  for (const auto& [label, caption] : labels) label->SetCaption(T(caption));

  const std::pair<forms::CommandButton*, const char*> buttons[] = {
      {&Command1, "Send Regs to watch"}, {&GetMinAndMax, "Get Min and Max"},
      {&Command2, "Go!"}, {&Command6, "Go!"}, {&Command3, "Stop!"}, {&Command7, "Go!"},
  };
  for (const auto& [button, caption] : buttons) button->SetCaption(T(caption));

  const std::pair<forms::OptionButton*, const char*> options[] = {
      {&Option1, "X"},  {&Option2, "Y"},  {&Option3, "Up"}, {&Option4, "Down"},
      {&Option5, "XC"}, {&Option6, "YC"}, {&Option7, "XO"}, {&Option8, "YO"},
      {&Option9, "Off"},
  };
  for (const auto& [option, caption] : options) option->SetCaption(T(caption));

  XAxisCheck.SetCaption(T("X Axis"));
  YAxisCheck.SetCaption(T("Y Axis"));
}

}  // namespace taskhelm
