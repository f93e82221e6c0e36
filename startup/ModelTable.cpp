// The model table, the model profiles and the factory defaults.
#include "startup/ModelTable.h"

#include <array>

#include "link/Identify.h"
#include "link/Integers.h"
#include "startup/App.h"
#include "startup/ModelWindows.h"

namespace taskhelm {

namespace {

constexpr const char* kCutterWording = "Green light Not ON or Cutter Not Connected to ";
constexpr const char* kPlotterWording = "Green light Not ON or Plotter Not Connected to ";

// code, name in lists and messages, family
constexpr std::array<ModelProfile, 10> kModels{{
    {32, "Kelvaro R/V ", ModelFamily::Cutter},
    {33, "Plotter 870 Kr ", ModelFamily::PenPlotter},
    {34, "Plotter 36 Kr ", ModelFamily::PenPlotter},
    {35, "MarveskK Plotter/Cutter ", ModelFamily::RollFeed},
    {36, "Quorvane 530 ", ModelFamily::Cutter},
    {39, "Quorvane 520 ", ModelFamily::Cutter},
    {40, "Plotter 870 KrV ", ModelFamily::PenPlotter},
    {41, "Plotter 36 KrV ", ModelFamily::PenPlotter},
    {42, "Quorvane 555LJ", ModelFamily::Cutter},
    {47, "Quorvane 530Q ", ModelFamily::Cutter},
}};

// The per-model profile: force limit high (and the identification that lifts it to 500 g),
// panel maxima, calibration box Y length, wording of connection messages.
struct ProfileRow {
  int16_t code;
  int16_t heavyForceId1, heavyForceId2, heavyForceId3;  // DeviceId values that allow 500 g
  int32_t panelMaxX, panelMaxY;
  int16_t ySizeInches;
  const char* wording;
};

constexpr std::array<ProfileRow, 10> kProfiles{{
    {32, 48, 50, 54, 838000, 72000, 20, kCutterWording},
    {33, 0, 0, 0, 46000, 72000, 30, kPlotterWording},
    {34, 0, 0, 0, 46000, 72000, 30, kPlotterWording},
    {35, 53, 0, 0, 838000, 49300, 28, kCutterWording},
    {36, 0, 0, 0, 18250, 30250, 28, kCutterWording},
    {39, 0, 0, 0, 17500, 23500, 20, kCutterWording},
    {40, 0, 0, 0, 46000, 86000, 30, kPlotterWording},
    {41, 0, 0, 0, 46000, 86000, 30, kPlotterWording},
    {42, 0, 0, 0, 18250, 30250, 28, kCutterWording},
    {47, 0, 0, 0, 18250, 30250, 28, kCutterWording},
}};

// Factory values per model: force pair, panel size, and the further values that differ.
struct DefaultsRow {
  int16_t code;
  int16_t forceMin, forceMax;
  int32_t panelX, panelY;  // panelY -1: from the cutter's width
  int16_t accel, bladeOffset, overcut, minAngle, cornering;  // -1: keep the common value
};

constexpr std::array<DefaultsRow, 10> kDefaults{{
    {32, 10, 200, 838000, -1, -1, -1, -1, -1, -1},
    {33, 10, 175, 46000, 72000, 20, -1, -1, -1, 1},
    {34, 10, 175, 46000, 72000, 20, -1, -1, -1, 1},
    {35, 10, 700, 46000, 39300, -1, -1, -1, -1, -1},
    {36, 10, 700, 18250, 30250, 10, 94, 20, 15, 13},
    {39, 40, 700, 17500, 23500, 5, 47, 20, 15, 13},
    {40, 10, 175, 46000, 86000, 20, -1, -1, -1, 1},
    {41, 10, 175, 46000, 86000, 20, -1, -1, -1, 1},
    {42, 10, 2000, 18250, 30250, 5, 94, 40, 15, 13},
    {47, 10, 700, 18250, 30250, 10, 94, 20, 15, 13},
}};

template <class Row, size_t N>
const Row* FindRow(const std::array<Row, N>& rows, int16_t code) {
  for (const Row& row : rows)
    if (row.code == code) return &row;
  return nullptr;
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

const ModelProfile* FindModel(int16_t code) { return FindRow(kModels, code); }

ModelFamily FamilyOf(int16_t code) {
  const ModelProfile* model = FindModel(code);
  return model ? model->family : ModelFamily::None;
}

bool HasMarkSensor(int16_t code) { return code == 33 || code == 40; }

std::string ModelName(int16_t code, int16_t deviceId) {
  if (code == 32 && (deviceId == 46 || deviceId == 54)) return "Quorvane 510 ";
  const ModelProfile* model = FindModel(code);
  return model ? model->name : "";
}

void InitModelTable(App& app) {
  auto& table = app.s.ModelIdTable;
  table.fill(0);
  for (int16_t m : {32, 33, 34, 35, 36, 39, 40, 41, 42, 46}) table[static_cast<size_t>(m)] = m;
}

void ApplyModelProfile(App& app) {
  SharedState& s = app.s;
  s.ForceLimitLow = 10;
  s.ForceLimitHigh = 400;
  const ProfileRow* row = FindRow(kProfiles, s.ModelCode);
  if (!row) return;
  if (s.DeviceId != 0 &&
      (s.DeviceId == row->heavyForceId1 || s.DeviceId == row->heavyForceId2 ||
       s.DeviceId == row->heavyForceId3))
    s.ForceLimitHigh = 500;
  s.PanelMaxX = row->panelMaxX;
  s.PanelMaxY = row->panelMaxY;
  s.YSizeInches = row->ySizeInches;
  s.NotConnectedText = row->wording;
}

void SetModelDefaults(App& app) {
  SharedState& s = app.s;
  SetCommonDefaults(s);
  const DefaultsRow* row = FindRow(kDefaults, s.ModelCode);
  if (!row) return;
  s.PenUpDelay = 0;
  s.PenDownDelay = 0;
  s.ForceMin = row->forceMin;
  s.ForceMax = row->forceMax;
  s.PanelSizeX = row->panelX;
  if (row->panelY >= 0) {
    s.PanelSizeY = row->panelY;
  } else if (s.CutterWidth != 0) {
    s.PanelSizeY = ToLong(s.CutterWidth);
  } else {
    s.CutterWidth = 30000;  // first start: the width is not known yet, the panel keeps its size
  }
  if (row->accel >= 0) s.AccelSetting = row->accel;
  if (row->bladeOffset >= 0) s.BladeOffset = row->bladeOffset;
  if (row->overcut >= 0) s.OvercutSetting = row->overcut;
  if (row->minAngle >= 0) s.MinAngle = row->minAngle;
  if (row->cornering >= 0) s.CorneringMode = row->cornering;
  switch (s.ModelCode) {
    case 32:
      s.LoopSizeSetting = 30000;
      s.TagboardOn = s.PounceOn = s.AutoLoopOn = 0;
      break;
    case 33: case 40: case 34: case 41:
      s.KeypadSpeed = 30;
      SelectDefaultMarkOption(app);
      break;
    case 35:
      s.TagboardOn = 0;
      s.RollFeedOn = 0;
      break;
    default:  // 36, 39, 42, 47
      s.RollFeedOn = 0;
      break;
  }
}

bool ConnectDevice(App& app, bool quiet) {
  SharedState& s = app.s;
  // What an earlier display forced concerns settings read before: the model's window decides
  // afresh whether the settings read now are the device's.
  s.SettingsForced = false;
  ApplyModelProfile(app);
  bool result;
  if (!s.PlotterPresent) {
    SetModelDefaults(app);
    s.DeviceSettingsRead = true;
    result = true;
  } else {
    int16_t id = IdentifyDevice(app);
    if (id <= 4) return false;
    bool inTable = s.ModelCode >= 1 && s.ModelCode <= 54 &&
                   id == s.ModelIdTable[static_cast<size_t>(s.ModelCode)];
    if (inTable || id == s.ModelCode) {
      s.ModelCode = id;
      if (!(ReadAllowed() && ReadDeviceSettings(app))) {
        if (!quiet) app.ErrorBox(app.T(s.NotConnectedText) + s.PortName, app.T("ERROR"));
        return false;
      }
      s.DeviceSettingsRead = true;
      result = true;
      if (s.ModelCode == 32) {
        s.PanelMaxY = ToLong(s.CutterWidth);
        s.YSizeInches = s.CutterWidth <= 30000 ? 20 : 28;
      }
    } else {
      if (!quiet) {
        std::string text = app.T("Wrong Quorvane Model.");
        if (id >= 4 && id <= 37)
          text += "\r\n" + app.T("Please try ") + app.T(ModelSuggestion(id));
        app.ErrorBox(text, app.T("ERROR"));
      }
      return false;
    }
  }
  AdjustModelWindow(app);
  return result;
}

}  // namespace taskhelm
