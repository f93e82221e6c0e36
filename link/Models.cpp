#include "link/Models.h"

#include <algorithm>

namespace taskhelm {

namespace {

constexpr const char* kCutterWording = "Green light Not ON or Cutter Not Connected to ";
constexpr const char* kPlotterWording = "Green light Not ON or Plotter Not Connected to ";
constexpr const char* kRestart = "restarting the Taskhelm.";

using Q = ModelQuirk;
using F = ModelFamily;

// The pen plotters differ by the panel's Y size and by the mark sensor, which comes with a lower
// force ceiling.
enum class PenSensor { Marks, GapOnly };
constexpr ModelRow PenRow(int16_t code, const char* name, const char* caption, int32_t panelMaxY,
                          PenSensor sensor) {
  const bool marks = sensor == PenSensor::Marks;
  return {
      .code = code, .name = name, .family = F::PenPlotter,
      .quirks = marks ? Q::MarkSensor | Q::SendsPlotFiles : Q::SendsPlotFiles,
      .panelMaxX = 46000, .panelMaxY = panelMaxY, .ySizeInches = 30,
      .forceMaxHigh = int16_t(marks ? 275 : 0), .bladeOffsetHigh = 100,
      .defaults = {.forceMin = 10, .forceMax = 175, .panelX = 46000, .panelY = panelMaxY,
                   .accel = 20, .cornering = 1, .keypadSpeed = 30},
      .notConnected = kPlotterWording, .caption = caption, .suggestion = kRestart};
}

// The narrow cutters: force pair, panel, acceleration, blade offset, overcut.
constexpr ModelDefaults NarrowDefaults(int16_t forceMin, int16_t forceMax, int32_t panelX,
                                       int32_t panelY, int16_t accel, int16_t bladeOffset,
                                       int16_t overcut) {
  return {.forceMin = forceMin, .forceMax = forceMax, .panelX = panelX, .panelY = panelY,
          .accel = accel, .bladeOffset = bladeOffset, .overcut = overcut, .minAngle = 15,
          .cornering = 13, .rollFeedOn = 0};
}

// A row's lines: what the model is; further identifications; its limits; its factory values;
// its wording. A column a row leaves out is empty (no identifications, no ceiling of its own,
// no text) or, for the factory values, kept.
constexpr std::array<ModelRow, 10> kModelRows{{
    {.code = 32, .name = "Kelvaro R/V ", .family = F::Cutter,
     .quirks = Q::CutterFeatures | Q::FourCarriageValues | Q::FactoryIsUserCalibration,
     .variantIds = {46, 48, 49, 50, 54},
     .panelMaxX = 838000, .panelMaxY = 72000, .ySizeInches = 20, .heavyForceIds = {48, 50, 54},
     .forceMaxHigh = 0, .bladeOffsetHigh = 100,
     .defaults = {.forceMin = 10, .forceMax = 200, .panelX = 838000, .panelY = kFromWidth,
                  .loopSize = 30000, .autoLoopOn = 0},
     .notConnected = kCutterWording, .caption = "Kelvaro R/V Taskhelm",
     .sendLabel = "Send Settings to the cutter", .helpFile = "Rvkh.hlp",
     .suggestion = "Kelvaro R/V "},
    PenRow(33, "Plotter 870 Kr ", "Plotter 870 Kr Taskhelm", 72000, PenSensor::Marks),
    PenRow(34, "Plotter 36 Kr ", "Plotter 36 Kr Taskhelm", 72000, PenSensor::GapOnly),
    {.code = 35, .name = "MarveskK Plotter/Cutter ", .family = F::RollFeed,
     .quirks = Q::RollFeedCutout | Q::FourCarriageValues | Q::SendsPlotFiles,
     .variantIds = {53},
     .panelMaxX = 838000, .panelMaxY = 49300, .ySizeInches = 28, .heavyForceIds = {53},
     .forceMaxHigh = 0, .bladeOffsetHigh = 100,
     .defaults = {.forceMin = 10, .forceMax = 700, .panelX = 46000, .panelY = 39300,
                  .rollFeedOn = 0},
     .notConnected = kCutterWording, .caption = "MarveskK Plotter/Cutter Taskhelm",
     .sendLabel = "Send Settings to MarveskK ", .helpFile = "MarveskK.hlp",
     .suggestion = "MarveskK Plotter/Cutter "},
    {.code = 36, .name = "Quorvane 530 ", .family = F::Cutter,
     .quirks = Q::NarrowCutter | Q::FourCarriageValues | Q::SendsPlotFiles,
     .variantIds = {47},
     .panelMaxX = 18250, .panelMaxY = 30250, .ySizeInches = 28,
     .forceMaxHigh = 2000, .bladeOffsetHigh = 100,
     .defaults = NarrowDefaults(10, 700, 18250, 30250, 10, 94, 20),
     .notConnected = kCutterWording, .caption = "Quorvane 530 Taskhelm",
     .sendLabel = "Send Settings to Quorvane 530", .helpFile = "530kh.hlp", .suggestion = ""},
    {.code = 39, .name = "Quorvane 520 ", .family = F::Cutter,
     .quirks = Q::NarrowCutter | Q::CorneringInWidth | Q::AlwaysFilters | Q::SendsPlotFiles,
     .panelMaxX = 17500, .panelMaxY = 23500, .ySizeInches = 20,
     .forceMaxHigh = 2000, .bladeOffsetHigh = 60,
     .defaults = NarrowDefaults(40, 700, 17500, 23500, 5, 47, 20),
     .notConnected = kCutterWording, .caption = "Quorvane 520 Taskhelm",
     .sendLabel = "Send Settings to Quorvane 520", .helpFile = "ruvmkh.hlp",
     .suggestion = "Quorvane 520 "},
    PenRow(40, "Plotter 870 KrV ", "Plotter 870 KrV Taskhelm", 86000, PenSensor::Marks),
    PenRow(41, "Plotter 36 KrV ", "Plotter 36 KrV Taskhelm", 86000, PenSensor::GapOnly),
    {.code = 42, .name = "Quorvane 555LJ", .family = F::Cutter, .quirks = Q::NarrowCutter,
     .panelMaxX = 18250, .panelMaxY = 30250, .ySizeInches = 28,
     .forceMaxHigh = 2000, .bladeOffsetHigh = 100,
     .defaults = NarrowDefaults(10, 2000, 18250, 30250, 5, 94, 40),
     .notConnected = kCutterWording, .caption = " Quorvane 555LJ Taskhelm",
     .sendLabel = "Send Settings to Quorvane 555LJ", .helpFile = "530kh.hlp",
     .suggestion = "Quorvane 555LJ"},
    {.code = 47, .name = "Quorvane 530Q ", .family = F::Cutter,
     .quirks = Q::NarrowCutter | Q::NoCutterDump | Q::FourCarriageValues,
     .panelMaxX = 18250, .panelMaxY = 30250, .ySizeInches = 28,
     .forceMaxHigh = 2000, .bladeOffsetHigh = 100,
     .defaults = NarrowDefaults(10, 700, 18250, 30250, 10, 94, 20),
     .notConnected = kCutterWording, .caption = "Quorvane 530 Taskhelm",
     .sendLabel = "Send Settings to Quorvane 530", .helpFile = "530kh.hlp", .suggestion = ""},
}};

// The identifications of the 32's 510 variant and of the tangential-knife variant.
constexpr int16_t kVariant510Ids[] = {46, 54};
constexpr int16_t kTangentialKnifeId = 50;

}  // namespace

const ModelRow* FindModel(int16_t code) {
  for (const ModelRow& row : kModelRows)
    if (row.code == code) return &row;
  return nullptr;
}

ModelFamily FamilyOf(int16_t code) {
  const ModelRow* row = FindModel(code);
  return row ? row->family : ModelFamily::None;
}

bool HasQuirk(int16_t code, ModelQuirk quirk) {
  const ModelRow* row = FindModel(code);
  return row && (static_cast<uint32_t>(row->quirks) & static_cast<uint32_t>(quirk)) != 0;
}

bool HasMarkSensor(int16_t code) { return HasQuirk(code, ModelQuirk::MarkSensor); }

std::array<int16_t, 10> AcceptedIdentifications() {
  // 46 stands for the 510 variant; a 47 is taken through the identification's own mapping.
  return {32, 33, 34, 35, 36, 39, 40, 41, 42, kVariant510Ids[0]};
}

int16_t ModelFromDeviceId(int16_t raw) {
  for (const ModelRow& row : kModelRows)
    if (std::ranges::find(row.variantIds, raw) != row.variantIds.end() && raw != 0) return row.code;
  return raw >= 0 && raw <= 42 ? raw : -1;
}

bool IsVariant510(int16_t code, int16_t deviceId) {
  return HasQuirk(code, ModelQuirk::CutterFeatures) &&
         (deviceId == kVariant510Ids[0] || deviceId == kVariant510Ids[1]);
}

bool IsTangentialKnife(int16_t deviceId) { return deviceId == kTangentialKnifeId; }

const char* ModelName(int16_t code, int16_t deviceId) {
  if (IsVariant510(code, deviceId)) return "Quorvane 510 ";
  const ModelRow* row = FindModel(code);
  return row ? row->name : "";
}

const char* ModelCaption(int16_t code, int16_t deviceId) {
  if (IsVariant510(code, deviceId)) return "Quorvane 510 Taskhelm";
  const ModelRow* row = FindModel(code);
  return row ? row->caption : nullptr;
}

}  // namespace taskhelm
