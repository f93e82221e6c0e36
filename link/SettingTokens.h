#pragma once
// The settings token language: two capital letters naming a setting, then its value ("SA10") or
// its pair ("SS100,100"). The settings command sent to the device and the settings-file line are
// both a run of such tokens after "!HO", joined by single blanks; only their endings differ:
//   command   "!HO1 PT3 ... KA15@"      (temporary)
//             "!HO1 PT3 ... KA15 UD@"   (permanent: the device also keeps them as its defaults)
//             "!HO1 PT3 ... KA15UD@"    (the permanent form the 36/39/42/47 cutters take)
//   file line "!HO1 PT3 ... KA15 \r\n"  (a blank after the last token, no "@")
#include <cstdint>
#include <string>
#include <string_view>

namespace taskhelm {

struct SharedState;

enum class SendMode { Temporary, Permanent };

// How a settings command ends.
enum class CommandEnd {
  Temporary,        // "@" directly after the last value
  Permanent,        // " UD@"
  PermanentJoined,  // "UD@" directly after the last value
};

// Where a token run goes: a few keys are written differently in the command and in the file
// (the command sends PN as its lowest bit, the file keeps it as stored).
enum class TokenTarget { Command, File };

// Stores the settings the device is using as its power-on defaults.
inline constexpr std::string_view kStoreDefaultsCommand = "!UD@";

// A flag a check box wrote may hold -1; tokens marked "lowest bit" carry 0 or 1.
inline int64_t LowestBit(int64_t value) { return value & 1; }

// One token: the key, then the value as a plain decimal integer ("-" for negatives).
std::string SettingToken(std::string_view key, int64_t value);
// A pair token: both values joined by ",", the second always written ("SD0,0").
std::string SettingToken(std::string_view key, int64_t first, int64_t second);
// A token whose value text the caller formats itself (the keypad speed "PV50.8").
std::string SettingTokenText(std::string_view key, std::string_view valueText);

// A run of tokens that starts with "!HO" and the HP-GL origin value.
class TokenLine {
 public:
  explicit TokenLine(int64_t hpglMode);

  TokenLine& Add(std::string_view key, int64_t value);
  TokenLine& Add(std::string_view key, int64_t first, int64_t second);
  TokenLine& AddBit(std::string_view key, int64_t value);  // the value's lowest bit
  TokenLine& AddText(std::string_view key, std::string_view valueText);

  // "!HO1 PT3 ... KA15", without an ending.
  const std::string& Tokens() const { return text_; }
  std::string Command(CommandEnd end) const;
  // The settings-file line: the tokens, one blank, CR LF.
  std::string FileLine() const;

 private:
  std::string text_;
};

// Pieces of the token sequences that several senders share, appended in this order by each.
// "!HO" HpglMode, "PT3", "LL0,0".
TokenLine BeginSettings(const SharedState& s);
// "UR" PanelSizeX,PanelSizeY.
void AddPanelSize(TokenLine& line, const SharedState& s);
// "SS" scale, "SF" ForceMin,ForceMax, "SD" delays, "SA" acceleration (every family).
void AddMotion(TokenLine& line, const SharedState& s);
// "KO" offset, "KV" overcut, "KA" minimum angle (cutters and the roll-feed cutter).
void AddBlade(TokenLine& line, const SharedState& s);
// The cutter features: "AE", "AL" (only with the loop on), "PN", "CO", "CL", "PL", and
// "TE" "TF" "TL" for the tangential-knife cutter (identification number 50).
void AddCutterFeatures(TokenLine& line, const SharedState& s, TokenTarget target);

// The cutter window's settings command for ModelCode (32, 36, 39, 42, 47); empty for any other
// code.
//   32 temporary:        HO PT LL SS SF SD SA KO KV KA <features> "@"     (no UR)
//   32 permanent:        HO PT LL UR SS SF SD SA KO KV KA <features> AS " UD@"
//   36/39/42/47:         HO PT LL UR SS SF SD SA KO KV KA, "@" or "UD@"
std::string CutterSettingsCommand(const SharedState& s, SendMode mode);

// The keypad speed (held in in/s) as the pen plotters take it: cm/s in the shortest decimal
// form, always with "." ("50.8" for 20 in/s), whatever the regional separator.
std::string KeypadSpeedCentimetres(int16_t inchesPerSecond);

// The pen-plotter window's settings command (33, 34, 40, 41):
//   HO PT LL UR SS SF SD SA PV [ES FS on 33 and 40] FG, then "@" or " UD@".
std::string PenPlotterSettingsCommand(const SharedState& s, SendMode mode);

// The roll-feed window's settings command:
//   HO RF PT LL UR SS SF SD SA KO KV KA [FG] [CO CL AE AL], then "@" or " UD@"
// RF carries the paneled roll feed's lowest bit; FG only with paneled roll feed; the tag-board
// and loop tokens only for model 35.
std::string RollFeedSettingsCommand(const SharedState& s, SendMode mode);

}  // namespace taskhelm
