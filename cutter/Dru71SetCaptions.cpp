// Captions of the cutter window, its frames, controls and menus, in the edition's language.
#include <string_view>
#include <utility>

#include "cutter/Dru71Set.h"
#include "startup/App.h"

namespace taskhelm {

void Dru71Set::InitInternationalStrings() {
  const texts::Catalogue& T = app.T;
  SetCaption(T("Drunel 71 Taskhelm"));

  const std::pair<forms::Frame*, const char*> frames[] = {
      {&Frame3D1, "Measurement Units"}, {&Frame3D2, "Panel Size"},
      {&Frame3D4, "Scale"},             {&Frame3D5, "Acceleration"},
      {&Frame3D6, "Delays"},            {&Frame3D7, "Force"},
      {&Frame3D8, "Blade"},             {&Panel3D1, "Blade Steering Arc"},
      {&Frame3D9, "Special Features"},  {&Frame3D10, "Auto Loop"},
      {&Frame1, "Tangential Cutting"},
  };
  for (const auto& [frame, caption] : frames) frame->SetCaption(T(caption));

  const std::pair<forms::Label*, const char*> labels[] = {
      {&PanelXLab, "X-Axis (in)"},        {&PanelYLab, "Y-Axis (in)"},
      {&ScaleXLab, "X-Axis (%)"},         {&ScaleYLab, "Y-Axis (%)"},
      {&AccelLabel, "(g's)"},             {&UpDelLabel, "Up     (ms)"},
      {&DownDelLab, "Down   (ms)"},       {&LoForceLab, "Min (grams)"},
      {&HiForceLab, "Max (grams)"},       {&OffsetLab, "Blade Offset (mils)"},
      {&MinAngLab, "Minimum Angle (deg)"}, {&OvercutLab, "Overcut (mils)"},
      {&CutLengthLab, "Cut (mils)"},      {&BlankLengthLab, "Blank (mils)"},
      {&LoopSizeLab, "Loop Size (in)"},   {&Label1, "Length (mils)"},
      {&Label2, "Force (grams)"},         {&SendSettingLab, "Send Settings to Plotter"},
  };
  for (const auto& [label, caption] : labels) label->SetCaption(T(caption));

  EnglishButton.SetCaption(T("English"));
  MetricButton.SetCaption(T("Metric"));
  PounceEnable.SetCaption(T("Pounce"));
  CutEnable.SetCaption(T("Tag Board Cutout"));
  LoopEnable.SetCaption(T("Auto Loop"));
  TanEnable.SetCaption(T("Enable"));
  SendSettingTemp.SetCaption(T("Temporary"));
  SendDefault.SetCaption(T("Permanent"));
  UpdateDisplay.SetCaption(T("Update Display"));

  const std::pair<forms::MenuItem*, const char*> menus[] = {
      {&FileMenu, "&File"},
      {&FileSendCom[0], "Send &Cut/Plot File..."},
      {&FileSendCom[1], "&Open Settings File..."},
      {&FileSep1, "-"},
      {&FileSaveCom, "Save Settings &As..."},
      {&FileSep2, "-"},
      {&ExitCom, "E&xit"},
      {&SetupMenu, "&Setup"},
      {&ConfigCom[0], "Plotter  &Setup"},
      {&ConfigCom[1], "&Port  Setup"},
      {&DsplyMenu, "&Display"},
      {&DsplyPltrCom, "&Plotter Settings"},
      {&DsplyFactCom, "&Factory Defaults"},
      {&DsplySep1, "-"},
      {&DsplyRomCom, "&ROM Version"},
      {&DsplyMemCom, "&Memory Buffer"},
      {&DsplyKnifeCom, "&Blade Holder Status"},
      {&DsplyMotorVoltsCom, "Motor &Voltage"},
      {&OptionMenu, "&Options"},
      {&DisplayFilter, "F&iltering"},
      {&DisplayLang, "&HPGL Setting..."},
      {&CornerDisp, "&Cornering"},
      {&OptSep1, "-"},
      {&UpdateFlash, "Install New Firmware Version "},
      {&CalMenu, "&Calibrate"},
      {&CalPltrCom, "Calibrate &Plotter..."},
      {&TestMenu, "&Test"},
      {&TstSerialCom[0], "Communication &Test"},
      {&TstSerialCom[1], "&Computer Port Test"},
      {&TstPortCom, "&Plotter Port Test"},
      {&Servotuner, "Servo Tuner"},
      {&PenAdjust, "Pen Adjustment"},
      {&HelpMenu, "&Help"},
      {&HelpCom, "&Contents"},
      {&HelpSep1, "-"},
      {&AboutCom, "&About"},
  };
  // A separator's "-" is no text.
  for (const auto& [item, caption] : menus)
    item->SetCaption(std::string_view(caption) == "-" ? std::string(caption) : T(caption));
}

}  // namespace taskhelm
