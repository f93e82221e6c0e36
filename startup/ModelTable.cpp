// The model row applied: accepted identifications, profile, factory values.
#include "startup/ModelTable.h"

#include <algorithm>

#include "platform/Numbers.h"
#include "startup/App.h"
#include "startup/ModelWindows.h"

namespace taskhelm {

namespace {

void KeepOr(int16_t& setting, int16_t value) {
  if (value != kKeep) setting = value;
}

void SetCommonDefaults(SharedState& s) {
  s.ScaleX = 100;
  s.ScaleY = 100;
  s.HpglMode = 1;
  s.BladeOffset = 15;
  s.OvercutSetting = 10;
  s.MinAngle = 30;
  s.AccelSetting = 10;
  s.SensorEnabled = -1;
  s.FrameGap = 0;
  s.KeypadSpeed = 20;
  s.LoopSizeSetting = 15000;
  s.CutLengthSetting = 2000;
  s.BlankLengthSetting = 60;
  s.PounceCutLength = 40;
  s.PounceBlankLength = 600;
  s.PounceOn = 0;
  s.TagboardOn = 0;
}

}  // namespace

void InitModelTable(App& app) {
  auto& table = app.s.ModelIdTable;
  table.fill(0);
  for (int16_t m : AcceptedIdentifications()) table[static_cast<size_t>(m)] = m;
}

void ApplyModelProfile(App& app) {
  SharedState& s = app.s;
  s.ForceLimitLow = 10;
  s.ForceLimitHigh = 400;
  const ModelRow* row = app.model.Row();
  if (!row) return;
  const auto& heavy = row->heavyForceIds;
  if (s.DeviceId != 0 && std::ranges::find(heavy, s.DeviceId) != heavy.end())
    s.ForceLimitHigh = 500;
  s.PanelMaxX = row->panelMaxX;
  s.PanelMaxY = row->panelMaxY;
  s.YSizeInches = row->ySizeInches;
  s.NotConnectedText = row->notConnected;
}

void SetModelDefaults(App& app) {
  SharedState& s = app.s;
  SetCommonDefaults(s);
  const ModelRow* model = app.model.Row();
  if (!model) return;
  const ModelDefaults& row = model->defaults;
  s.PenUpDelay = 0;
  s.PenDownDelay = 0;
  s.ForceMin = row.forceMin;
  s.ForceMax = row.forceMax;
  s.PanelSizeX = row.panelX;
  if (row.panelY != kFromWidth) {
    s.PanelSizeY = row.panelY;
  } else if (s.CutterWidth != 0) {
    s.PanelSizeY = platform::ToLong(s.CutterWidth);
  } else {
    s.CutterWidth = 30000;  // first start: the width is not known yet, the panel keeps its size
  }
  KeepOr(s.AccelSetting, row.accel);
  KeepOr(s.BladeOffset, row.bladeOffset);
  KeepOr(s.OvercutSetting, row.overcut);
  KeepOr(s.MinAngle, row.minAngle);
  KeepOr(s.CorneringMode, row.cornering);
  KeepOr(s.KeypadSpeed, row.keypadSpeed);
  if (row.loopSize != kKeep) s.LoopSizeSetting = row.loopSize;
  KeepOr(s.AutoLoopOn, row.autoLoopOn);
  KeepOr(s.RollFeedOn, row.rollFeedOn);
  if (model->family == ModelFamily::PenPlotter) SelectDefaultMarkOption(app);
}

}  // namespace taskhelm
