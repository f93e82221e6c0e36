#include "sim/Dump.h"

#include "sim/Tokens.h"

namespace sim {

namespace {

std::string N(int value) { return std::to_string(value); }
std::string N(double value) { return FormatNumber(value); }

// Values 0..16 of the cutters and the roll-feed cutter.
std::vector<std::string> CommonValues(const DeviceSettings& s) {
  return {N(s.HpglMode),     N(s.PanelSizeX),   N(s.PanelSizeY),     N(s.ScaleX),
          N(s.ScaleY),       N(s.PenUpDelay),   N(s.PenDownDelay),   N(s.AccelSetting),
          N(s.ForceMin),     N(s.ForceMax),     N(s.BladeOffset),    N(s.OvercutSetting),
          N(s.MinAngle),     N(s.XScaleCal),    N(s.YScaleCal),      N(s.XFactoryCal),
          N(s.YFactoryCal)};
}

void Append(std::vector<std::string>& values, std::initializer_list<std::string> more) {
  values.insert(values.end(), more.begin(), more.end());
}

}  // namespace

std::vector<std::string> DumpValues(const ModelRow& model, const DeviceSettings& s) {
  std::vector<std::string> values;
  switch (model.family) {
    case Family::Cutter:
      values = CommonValues(s);
      Append(values, {N(s.AutoLoopOn), N(s.LoopSizeSetting), N(s.PounceOn), N(s.TagboardOn),
                      N(s.CutLengthSetting), N(s.BlankLengthSetting), N(s.PounceCutLength),
                      N(s.PounceBlankLength)});
      // The 520 reports its cornering mode where the others report the width they take.
      values.push_back(model.code == 39 ? N(s.CorneringMode) : N(s.CutterWidth));
      break;
    case Family::RollFeed:
      values = CommonValues(s);
      Append(values, {N(s.RollFeedOn), N(s.FrameGap), N(s.TagboardOn), N(s.CutLengthSetting),
                      N(s.BlankLengthSetting), N(s.AutoLoopOn), N(s.LoopSizeSetting)});
      break;
    case Family::PenPlotter:
      values = {N(s.HpglMode),      N(s.PanelSizeX),    N(s.PanelSizeY),  N(s.ScaleX),
                N(s.ScaleY),        N(s.PenUpDelay),    N(s.PenDownDelay), N(s.AccelSetting),
                N(s.KeypadSpeed),   N(s.ForceMin),      N(s.ForceMax),    N(s.SensorEnabled),
                N(s.FrameGap),      N(s.XScaleCal),     N(s.YScaleCal),   N(s.XFactoryCal),
                N(s.YFactoryCal),   N(s.TuSetting)};
      break;
  }
  return values;
}

std::string BuildDump(const ModelRow& model, const DeviceSettings& settings, const Faults& faults) {
  std::vector<std::string> values = DumpValues(model, settings);
  if (faults.shortDump) values.pop_back();
  std::string text;
  for (size_t i = 0; i < values.size(); ++i) {
    if (i > 0) text += '\n';
    text += values[i];
  }
  if (!faults.dumpWithoutUnderscore) text += '_';
  return text;
}

}  // namespace sim
