#pragma once
// One row per model code: everything the program decides by the model stands here, so a rule
// that depends on the model is a column read rather than a comparison with a number.
#include <array>
#include <cstdint>
#include <vector>

namespace taskhelm {

// The family decides the settings window: the cutter, the pen-plotter or the roll-feed window.
enum class ModelFamily { None, Cutter, PenPlotter, RollFeed };

// What a model does beyond its family.
enum class ModelQuirk : uint32_t {
  None = 0,
  // Pounce, tag-board cutout and service loop in the window; the width it reports sets the panel.
  CutterFeatures = 1u << 0,
  // The narrow cutters: fixed 24 V supply, short test box, "UD" joined to the permanent command.
  NarrowCutter = 1u << 1,
  // The dump's width index holds the cornering mode.
  CorneringInWidth = 1u << 2,
  // The dump carries no cutter part.
  NoCutterDump = 1u << 3,
  // Registration-mark sensor and its mark-skip count; the others align by a gap only.
  MarkSensor = 1u << 4,
  // The carriage calibration has four values rather than two.
  FourCarriageValues = 1u << 5,
  // The factory calibration factors are the user's (a reset of either resets the user's pair).
  FactoryIsUserCalibration = 1u << 6,
  // The roll-feed line with tag-board cutout, service loop and both roll feeds, and its own
  // wording; the window serves the base line without it.
  RollFeedCutout = 1u << 7,
  // The file browser offers plot files rather than cut files.
  SendsPlotFiles = 1u << 8,
  // The cutter filters always: its filter switch stays off.
  AlwaysFilters = 1u << 9,
};
constexpr ModelQuirk operator|(ModelQuirk a, ModelQuirk b) {
  return static_cast<ModelQuirk>(static_cast<uint32_t>(a) | static_cast<uint32_t>(b));
}

// A default left at the common value (or, for the flags, as it was).
constexpr int16_t kKeep = INT16_MIN;
// The panel's Y size comes from the cutter's width.
constexpr int32_t kFromWidth = -1;

// A row names only the defaults it sets; the others are kept.
struct ModelDefaults {
  int16_t forceMin = kKeep, forceMax = kKeep;
  int32_t panelX = kKeep, panelY = kKeep;
  int16_t accel = kKeep, bladeOffset = kKeep, overcut = kKeep, minAngle = kKeep, cornering = kKeep,
          keypadSpeed = kKeep;
  int32_t loopSize = kKeep;
  int16_t autoLoopOn = kKeep, rollFeedOn = kKeep;
};

struct ModelRow {
  int16_t code;
  const char* name;  // in lists and messages, with its trailing blank
  ModelFamily family;
  ModelQuirk quirks;
  std::array<int16_t, 5> variantIds{};  // further identifications that name this model
  // Limits: panel maxima, calibration box Y length, the identifications that lift the force
  // limit to 500 g, the ceiling of the maximum force (0: the force limit), the blade offset's.
  int32_t panelMaxX, panelMaxY;
  int16_t ySizeInches;
  std::array<int16_t, 3> heavyForceIds{};
  int16_t forceMaxHigh = 0;
  int16_t bladeOffsetHigh;
  ModelDefaults defaults;
  // Wording: the connection failure, the settings window's caption and send label, its help
  // file, and what "Please try " names when a device of this code answers (empty: nothing).
  const char* notConnected;
  const char* caption;
  const char* sendLabel = nullptr;
  const char* helpFile = nullptr;
  const char* suggestion = nullptr;
};

// The row of a model code, or nullptr for codes the program has no row for.
const ModelRow* FindModel(int16_t code);

// A model code held with its row. Assigning a code sets both, so the two never disagree; it
// reads as the code. A code the program has no row for (37 or 38 from an identification) holds
// none: no family, no quirk, no wording.
class HeldModel {
 public:
  HeldModel(int16_t code = 0);  // a code converts, as where a plain number was held
  operator int16_t() const { return code_; }
  const ModelRow* Row() const { return row_; }
  ModelFamily Family() const { return row_ ? row_->family : ModelFamily::None; }
  bool Has(ModelQuirk quirk) const;

 private:
  int16_t code_;
  const ModelRow* row_;
};

ModelFamily FamilyOf(int16_t code);
// Maps a raw identification number to a model code (-1 when it names none).
int16_t ModelFromDeviceId(int16_t raw);
// The identifications a model check accepts as themselves.
std::vector<int16_t> AcceptedIdentifications();

// The variants told apart by the identification rather than the model code.
bool IsVariant510(const HeldModel& model, int16_t deviceId);
bool IsTangentialKnife(int16_t deviceId);
// The name in lists and messages, the 510 variant's for its identifications.
const char* ModelName(const HeldModel& model, int16_t deviceId = 0);
// The settings window's caption, the 510 variant's for its identifications.
const char* ModelCaption(const HeldModel& model, int16_t deviceId);

}  // namespace taskhelm
