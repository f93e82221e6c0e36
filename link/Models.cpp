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

// The row a further identification names, or nullptr: 47 names the 530, so no identification
// names the 530Q, which is only chosen by hand.
constexpr const ModelRow* RowOfVariantId(int16_t raw) {
  for (const ModelRow& row : kModelRows)
    if (raw != 0 && std::ranges::find(row.variantIds, raw) != row.variantIds.end()) return &row;
  return nullptr;
}

// The highest code an identification names as itself: a number up to it is taken as that code,
// also where the program has no row for it.
constexpr int16_t kHighestOwnCode = [] {
  int16_t highest = 0;
  for (const ModelRow& row : kModelRows)
    if (!RowOfVariantId(row.code)) highest = std::max(highest, row.code);
  return highest;
}();

}  // namespace

const ModelRow* FindModel(int16_t code) {
  for (const ModelRow& row : kModelRows)
    if (row.code == code) return &row;
  return nullptr;
}

HeldModel::HeldModel(int16_t code) : code_(code), row_(FindModel(code)) {}

bool HeldModel::Has(ModelQuirk quirk) const {
  return row_ && (static_cast<uint32_t>(row_->quirks) & static_cast<uint32_t>(quirk)) != 0;
}

ModelFamily FamilyOf(int16_t code) { return HeldModel(code).Family(); }

std::vector<int16_t> AcceptedIdentifications() {
  // The codes an identification names as themselves, and 46, which stands for the 510 variant.
  std::vector<int16_t> ids;
  for (const ModelRow& row : kModelRows)
    if (!RowOfVariantId(row.code)) ids.push_back(row.code);
  ids.push_back(kVariant510Ids[0]);
  return ids;
}

int16_t ModelFromDeviceId(int16_t raw) {
  if (const ModelRow* row = RowOfVariantId(raw)) return row->code;
  return raw >= 0 && raw <= kHighestOwnCode ? raw : -1;
}

bool IsVariant510(const HeldModel& model, int16_t deviceId) {
  return model.Has(ModelQuirk::CutterFeatures) &&
         (deviceId == kVariant510Ids[0] || deviceId == kVariant510Ids[1]);
}

bool IsTangentialKnife(int16_t deviceId) { return deviceId == kTangentialKnifeId; }

const char* ModelName(const HeldModel& model, int16_t deviceId) {
  if (IsVariant510(model, deviceId)) return "Quorvane 510 ";
  return model.Row() ? model.Row()->name : "";
}

const char* ModelCaption(const HeldModel& model, int16_t deviceId) {
  if (IsVariant510(model, deviceId)) return "Quorvane 510 Taskhelm";
  return model.Row() ? model.Row()->caption : nullptr;
}

}  // namespace taskhelm
