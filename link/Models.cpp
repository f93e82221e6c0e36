#include "link/Models.h"

#include <algorithm>

namespace taskhelm {

namespace {

constexpr const char* kCutterWording = "Green light Not ON or Cutter Not Connected to ";
constexpr const char* kPlotterWording = "Green light Not ON or Plotter Not Connected to ";
constexpr const char* kRestart = "restarting the Taskhelm.";

using Q = ModelQuirk;
using F = ModelFamily;
constexpr int16_t K = kKeep;

// The pen plotters differ by the panel's Y size and by the mark sensor, which comes with a lower
// force ceiling.
enum class PenSensor { Marks, GapOnly };
constexpr ModelRow PenRow(int16_t code, const char* name, const char* caption, int32_t panelMaxY,
                          PenSensor sensor) {
  const bool marks = sensor == PenSensor::Marks;
  return {code, name, F::PenPlotter, marks ? Q::MarkSensor | Q::SendsPlotFiles : Q::SendsPlotFiles,
          {}, 46000, panelMaxY, 30, {}, int16_t(marks ? 275 : 0), 100,
          {10, 175, 46000, panelMaxY, 20, K, K, K, 1, 30, K, K, K},
          kPlotterWording, caption, nullptr, nullptr, kRestart};
}

// The narrow cutters: force pair, panel, acceleration, blade offset, overcut, minimum angle.
constexpr ModelDefaults NarrowDefaults(int16_t forceMin, int16_t forceMax, int32_t panelX,
                                       int32_t panelY, int16_t accel, int16_t bladeOffset,
                                       int16_t overcut) {
  return {forceMin, forceMax, panelX, panelY, accel, bladeOffset, overcut, 15, 13, K, K, K, 0};
}

// code, name, family, quirks; further identifications;
// panel maxima, Y inches, 500 g identifications, force and offset ceilings; factory values;
// not-connected wording, caption, send label, help file, suggestion.
constexpr std::array<ModelRow, 10> kModelRows{{
    {32, "Kelvaro R/V ", F::Cutter, Q::CutterFeatures | Q::FourCarriageValues |
         Q::FactoryIsUserCalibration,
     {46, 48, 49, 50, 54},
     838000, 72000, 20, {48, 50, 54}, 0, 100,
     {10, 200, 838000, kFromWidth, K, K, K, K, K, K, 30000, 0, K},
     kCutterWording, "Kelvaro R/V Taskhelm", "Send Settings to the cutter", "Rvkh.hlp",
     "Kelvaro R/V "},
    PenRow(33, "Plotter 870 Kr ", "Plotter 870 Kr Taskhelm", 72000, PenSensor::Marks),
    PenRow(34, "Plotter 36 Kr ", "Plotter 36 Kr Taskhelm", 72000, PenSensor::GapOnly),
    {35, "MarveskK Plotter/Cutter ", F::RollFeed,
     Q::RollFeedCutout | Q::FourCarriageValues | Q::SendsPlotFiles,
     {53},
     838000, 49300, 28, {53}, 0, 100,
     {10, 700, 46000, 39300, K, K, K, K, K, K, K, K, 0},
     kCutterWording, "MarveskK Plotter/Cutter Taskhelm", "Send Settings to MarveskK ",
     "MarveskK.hlp", "MarveskK Plotter/Cutter "},
    {36, "Quorvane 530 ", F::Cutter, Q::NarrowCutter | Q::FourCarriageValues | Q::SendsPlotFiles,
     {47},
     18250, 30250, 28, {}, 2000, 100, NarrowDefaults(10, 700, 18250, 30250, 10, 94, 20),
     kCutterWording, "Quorvane 530 Taskhelm", "Send Settings to Quorvane 530", "530kh.hlp", ""},
    {39, "Quorvane 520 ", F::Cutter, Q::NarrowCutter | Q::CorneringInWidth | Q::AlwaysFilters |
         Q::SendsPlotFiles,
     {},
     17500, 23500, 20, {}, 2000, 60, NarrowDefaults(40, 700, 17500, 23500, 5, 47, 20),
     kCutterWording, "Quorvane 520 Taskhelm", "Send Settings to Quorvane 520", "ruvmkh.hlp",
     "Quorvane 520 "},
    PenRow(40, "Plotter 870 KrV ", "Plotter 870 KrV Taskhelm", 86000, PenSensor::Marks),
    PenRow(41, "Plotter 36 KrV ", "Plotter 36 KrV Taskhelm", 86000, PenSensor::GapOnly),
    {42, "Quorvane 555LJ", F::Cutter, Q::NarrowCutter,
     {},
     18250, 30250, 28, {}, 2000, 100, NarrowDefaults(10, 2000, 18250, 30250, 5, 94, 40),
     kCutterWording, " Quorvane 555LJ Taskhelm", "Send Settings to Quorvane 555LJ", "530kh.hlp",
     "Quorvane 555LJ"},
    {47, "Quorvane 530Q ", F::Cutter, Q::NarrowCutter | Q::NoCutterDump | Q::FourCarriageValues,
     {},
     18250, 30250, 28, {}, 2000, 100, NarrowDefaults(10, 700, 18250, 30250, 10, 94, 20),
     kCutterWording, "Quorvane 530 Taskhelm", "Send Settings to Quorvane 530", "530kh.hlp", ""},
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
