#include "sim/Models.h"

#include <array>

namespace sim {

namespace {

// code, family, carriage values, ROM version text, motor voltage text
constexpr std::array<ModelRow, 10> kModels{{
    {32, Family::Cutter, 4, "R/V ROM 4.21", "36"},
    {33, Family::PenPlotter, 2, "870 ROM 2.07", "24"},
    {34, Family::PenPlotter, 2, "36 ROM 2.07", "24"},
    {35, Family::RollFeed, 4, "Marvesk ROM 1.88", "24"},
    {36, Family::Cutter, 4, "530 ROM 3.02", "24"},
    {39, Family::Cutter, 2, "520 ROM 2.95", "24"},
    {40, Family::PenPlotter, 2, "870V ROM 2.11", "24"},
    {41, Family::PenPlotter, 2, "36V ROM 2.11", "24"},
    {42, Family::Cutter, 2, "555LJ ROM 3.10", "24"},
    {47, Family::Cutter, 4, "530Q ROM 3.05", "24"},
}};

// The factory pair differs a little from 1, as a machine measured at the factory would.
constexpr double kFactoryCalX = 1.0004;
constexpr double kFactoryCalY = 0.9993;

}  // namespace

const ModelRow* FindModel(int code) {
  for (const ModelRow& row : kModels)
    if (row.code == code) return &row;
  return nullptr;
}

int DumpValueCount(Family family) {
  switch (family) {
    case Family::Cutter: return 26;
    case Family::RollFeed: return 24;
    case Family::PenPlotter: return 18;
  }
  return 0;
}

DeviceSettings FactorySettings(const ModelRow& model) {
  DeviceSettings s;  // the common values are the member defaults
  s.XFactoryCal = kFactoryCalX;
  s.YFactoryCal = kFactoryCalY;
  auto cutter = [&](int forceMin, int forceMax, int accel, int offset, int overcut) {
    s.ForceMin = forceMin;
    s.ForceMax = forceMax;
    s.AccelSetting = accel;
    s.BladeOffset = offset;
    s.OvercutSetting = overcut;
    s.MinAngle = 15;
    s.CorneringMode = 13;
  };
  auto penPlotter = [&](int panelY, bool sensor) {
    s.ForceMin = 10;
    s.ForceMax = 175;
    s.PanelSizeX = 46000;
    s.PanelSizeY = panelY;
    s.AccelSetting = 20;
    s.KeypadSpeed = 76.2;  // 30 in/s
    s.CorneringMode = 1;
    s.SensorEnabled = sensor ? 1 : 0;
    s.MarkSkip = sensor ? 0 : 255;
  };

  switch (model.code) {
    case 32:
      s.ForceMin = 10;
      s.ForceMax = 200;
      s.PanelSizeX = 838000;
      s.PanelSizeY = s.CutterWidth;
      s.LoopSizeSetting = 30000;
      break;
    case 33: penPlotter(72000, true); break;
    case 34: penPlotter(72000, false); break;
    case 40: penPlotter(86000, true); break;
    case 41: penPlotter(86000, false); break;
    case 35:
      s.ForceMin = 10;
      s.ForceMax = 700;
      s.PanelSizeX = 46000;
      s.PanelSizeY = 39300;
      break;
    case 36:
    case 47:
      cutter(10, 700, 10, 94, 20);
      s.PanelSizeX = 18250;
      s.PanelSizeY = 30250;
      break;
    case 39:
      cutter(40, 700, 5, 47, 20);
      s.PanelSizeX = 17500;
      s.PanelSizeY = 23500;
      break;
    case 42:
      cutter(10, 2000, 5, 94, 40);
      s.PanelSizeX = 18250;
      s.PanelSizeY = 30250;
      break;
  }
  return s;
}

}  // namespace sim
