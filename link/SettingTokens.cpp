#include "link/SettingTokens.h"

#include "link/Models.h"
#include "link/SharedState.h"
#include "platform/Numbers.h"

namespace taskhelm {

std::string SettingToken(std::string_view key, int64_t value) {
  return std::string(key) + std::to_string(value);
}

std::string SettingToken(std::string_view key, int64_t first, int64_t second) {
  return std::string(key) + std::to_string(first) + "," + std::to_string(second);
}

std::string SettingTokenText(std::string_view key, std::string_view valueText) {
  return std::string(key) + std::string(valueText);
}

TokenLine::TokenLine(int64_t hpglMode) : text_("!" + SettingToken("HO", hpglMode)) {}

TokenLine& TokenLine::AddText(std::string_view key, std::string_view valueText) {
  text_ += ' ';
  text_ += SettingTokenText(key, valueText);
  return *this;
}

TokenLine& TokenLine::Add(std::string_view key, int64_t value) {
  return AddText(key, std::to_string(value));
}

TokenLine& TokenLine::Add(std::string_view key, int64_t first, int64_t second) {
  return AddText(key, std::to_string(first) + "," + std::to_string(second));
}

TokenLine& TokenLine::AddBit(std::string_view key, int64_t value) {
  return Add(key, LowestBit(value));
}

std::string TokenLine::Command(CommandEnd end) const {
  switch (end) {
    case CommandEnd::Temporary: return text_ + "@";
    case CommandEnd::Permanent: return text_ + " UD@";
    case CommandEnd::PermanentJoined: return text_ + "UD@";
  }
  return text_ + "@";
}

std::string TokenLine::FileLine() const { return text_ + " \r\n"; }

TokenLine BeginSettings(const SharedState& s) {
  TokenLine line(s.HpglMode);
  line.Add("PT", 3).Add("LL", 0, 0);
  return line;
}

void AddPanelSize(TokenLine& line, const SharedState& s) {
  line.Add("UR", s.PanelSizeX, s.PanelSizeY);
}

void AddMotion(TokenLine& line, const SharedState& s) {
  line.Add("SS", s.ScaleX, s.ScaleY)
      .Add("SF", s.ForceMin, s.ForceMax)
      .Add("SD", s.PenUpDelay, s.PenDownDelay)
      .Add("SA", s.AccelSetting);
}

void AddBlade(TokenLine& line, const SharedState& s) {
  line.Add("KO", s.BladeOffset).Add("KV", s.OvercutSetting).Add("KA", s.MinAngle);
}

void AddCutterFeatures(TokenLine& line, const SharedState& s, TokenTarget target) {
  line.AddBit("AE", s.AutoLoopOn);
  if (s.AutoLoopOn != 0) line.Add("AL", s.LoopSizeSetting);
  // The file keeps the pounce flag as stored; the device takes its lowest bit.
  if (target == TokenTarget::Command)
    line.AddBit("PN", s.PounceOn);
  else
    line.Add("PN", s.PounceOn);
  line.AddBit("CO", s.TagboardOn)
      .Add("CL", s.CutLengthSetting, s.BlankLengthSetting)
      .Add("PL", s.PounceCutLength, s.PounceBlankLength);
  if (IsTangentialKnife(s.DeviceId))
    line.AddBit("TE", s.TangentialEnable)
        .Add("TF", s.TangentialForce)
        .Add("TL", s.TangentialLength);
}

std::string CutterSettingsCommand(const SharedState& s, SendMode mode) {
  const bool permanent = mode == SendMode::Permanent;
  if (s.ModelCode.Family() != ModelFamily::Cutter) return {};
  TokenLine line = BeginSettings(s);
  if (s.ModelCode.Has(ModelQuirk::CutterFeatures)) {
    // The temporary command leaves the panel size alone: only Permanent changes it.
    if (permanent) AddPanelSize(line, s);
    AddMotion(line, s);
    AddBlade(line, s);
    AddCutterFeatures(line, s, TokenTarget::Command);
    if (!permanent) return line.Command(CommandEnd::Temporary);
    line.Add("AS", s.CorneringMode);
    return line.Command(CommandEnd::Permanent);
  }
  AddPanelSize(line, s);
  AddMotion(line, s);
  AddBlade(line, s);
  // The narrow cutters take "UD" joined to the last value.
  return line.Command(permanent ? CommandEnd::PermanentJoined : CommandEnd::Temporary);
}

std::string KeypadSpeedCentimetres(int16_t inchesPerSecond) {
  constexpr double kCmPerInch = 2.54;
  return platform::FormatNumber(inchesPerSecond * kCmPerInch, "", '.');
}

std::string PenPlotterSettingsCommand(const SharedState& s, SendMode mode) {
  TokenLine line = BeginSettings(s);
  AddPanelSize(line, s);
  AddMotion(line, s);
  line.AddText("PV", KeypadSpeedCentimetres(s.KeypadSpeed));
  // Only the plotters with a mark sensor take the sensor and mark-skip tokens.
  if (s.ModelCode.Has(ModelQuirk::MarkSensor))
    line.AddBit("ES", s.SensorEnabled).Add("FS", s.MarkSkip);
  line.Add("FG", s.FrameGap);
  return line.Command(mode == SendMode::Permanent ? CommandEnd::Permanent : CommandEnd::Temporary);
}

std::string RollFeedSettingsCommand(const SharedState& s, SendMode mode) {
  TokenLine line(s.HpglMode);
  line.AddBit("RF", s.RollFeedOn).Add("PT", 3).Add("LL", 0, 0);
  AddPanelSize(line, s);
  AddMotion(line, s);
  AddBlade(line, s);
  if (s.RollFeedOn != 0) line.Add("FG", s.FrameGap);
  if (s.ModelCode.Has(ModelQuirk::RollFeedCutout))
    line.AddBit("CO", s.TagboardOn)
        .Add("CL", s.CutLengthSetting, s.BlankLengthSetting)
        .AddBit("AE", s.AutoLoopOn)
        .Add("AL", s.LoopSizeSetting);
  return line.Command(mode == SendMode::Permanent ? CommandEnd::Permanent : CommandEnd::Temporary);
}

}  // namespace taskhelm
