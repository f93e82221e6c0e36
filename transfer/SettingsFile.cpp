#include "transfer/SettingsFile.h"

#include <array>
#include <cctype>
#include <charconv>
#include <cmath>

#include "link/SettingTokens.h"
#include "link/SettingLimits.h"
#include "platform/Numbers.h"
#include "startup/App.h"
#include "startup/ModelTable.h"

namespace taskhelm {

namespace {

// A settings line holds a few hundred characters; anything this long is not one.
constexpr size_t kMaxLineLength = 65536;

// The keypad speed is kept in in/s and filed in cm/s.
constexpr double kCmPerInch = 2.54;

bool IsDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

// The file's number rule: leading blanks skipped, then the longest number (sign, digits, decimal
// point, exponent); 0 when there is none.
double FileValue(std::string_view text) {
  size_t i = 0, n = text.size();
  while (i < n && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < n && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  std::string number;
  bool digits = false, wholeIsZero = true;
  for (; i < n && IsDigit(text[i]); ++i) {
    number += text[i];
    digits = true;
    wholeIsZero = wholeIsZero && text[i] == '0';
  }
  if (i < n && text[i] == '.') {
    number += text[i++];
    for (; i < n && IsDigit(text[i]); ++i) {
      number += text[i];
      digits = true;
    }
  }
  if (!digits) return 0;
  bool negativeExponent = false;
  if (i < n && std::string_view("eEdD").find(text[i]) != std::string_view::npos) {
    size_t j = i + 1;
    std::string exponent = "e";
    if (j < n && (text[j] == '+' || text[j] == '-')) {
      negativeExponent = text[j] == '-';
      exponent += text[j++];
    }
    if (j < n && IsDigit(text[j])) {
      for (; j < n && IsDigit(text[j]); ++j) exponent += text[j];
      number += exponent;
    } else {
      negativeExponent = false;
    }
  }
  double value = 0;
  auto result = std::from_chars(number.data(), number.data() + number.size(), value);
  if (result.ec == std::errc::result_out_of_range)
    value = negativeExponent || wholeIsZero ? 0.0 : HUGE_VAL;
  return negative ? -value : value;
}

struct KeyRow {
  std::string_view key;
  Field first, second;  // none for PT and LL
};

// key, first field, second field (pairs)
constexpr std::array<KeyRow, 21> kCommonKeys{{
    {"HO", I(&SharedState::HpglMode), {}},
    {"PT", {}, {}},
    {"LL", {}, {}},
    {"UR", L(&SharedState::PanelSizeX), L(&SharedState::PanelSizeY)},
    {"SS", I(&SharedState::ScaleX), I(&SharedState::ScaleY)},
    {"SF", I(&SharedState::ForceMin), I(&SharedState::ForceMax)},
    {"SD", I(&SharedState::PenUpDelay), I(&SharedState::PenDownDelay)},
    {"SA", I(&SharedState::AccelSetting), {}},
    {"KO", I(&SharedState::BladeOffset), {}},
    {"KV", I(&SharedState::OvercutSetting), {}},
    {"KA", I(&SharedState::MinAngle), {}},
    {"AE", I(&SharedState::AutoLoopOn), {}},
    {"AL", L(&SharedState::LoopSizeSetting), {}},
    {"RF", I(&SharedState::RollFeedOn), {}},
    {"FG", I(&SharedState::FrameGap), {}},
    {"CO", I(&SharedState::TagboardOn), {}},
    {"ES", I(&SharedState::SensorEnabled), {}},
    {"PN", I(&SharedState::PounceOn), {}},
    {"CL", I(&SharedState::CutLengthSetting), I(&SharedState::BlankLengthSetting)},
    {"PL", I(&SharedState::PounceCutLength), I(&SharedState::PounceBlankLength)},
    {"TU", I(&SharedState::TuSetting), {}},
}};

constexpr std::array<KeyRow, 3> kTangentialKeys{{
    {"TE", I(&SharedState::TangentialEnable), {}},
    {"TF", I(&SharedState::TangentialForce), {}},
    {"TL", I(&SharedState::TangentialLength), {}},
}};

constexpr std::array<KeyRow, 1> kPlotKeys{{
    {"TE", I(&SharedState::TractorFeed), {}},
}};

template <size_t N>
const KeyRow* FindKey(const std::array<KeyRow, N>& rows, std::string_view key) {
  for (const KeyRow& row : rows)
    if (row.key == key) return &row;
  return nullptr;
}

}  // namespace

std::string SettingsFileLine(const SharedState& s) {
  ModelFamily family = s.ModelCode.Family();
  if (family == ModelFamily::None) return "\r\n";
  TokenLine line = BeginSettings(s);
  AddPanelSize(line, s);
  AddMotion(line, s);
  switch (family) {
    case ModelFamily::Cutter:
      AddBlade(line, s);
      AddCutterFeatures(line, s, TokenTarget::File);
      break;
    case ModelFamily::RollFeed:
      AddBlade(line, s);
      line.Add("RF", s.RollFeedOn)
          .Add("FG", s.FrameGap)
          .AddBit("CO", s.TagboardOn)
          .Add("CL", s.CutLengthSetting, s.BlankLengthSetting)
          .AddBit("AE", s.AutoLoopOn)
          .Add("AL", s.LoopSizeSetting);
      break;
    case ModelFamily::PenPlotter:
      // Filed as whole cm/s; the reader's division by 2.54 gives every whole in/s back.
      line.AddText("PV", platform::FormatNumber(s.KeypadSpeed * kCmPerInch + 0.5, "0"))
          .AddBit("ES", s.SensorEnabled)
          .Add("FG", s.FrameGap)
          .Add("TU", s.TuSetting);
      break;
    case ModelFamily::None: break;
  }
  return line.FileLine();
}

bool ParseSettingToken(SharedState& s, std::string_view token, TokenTable table) {
  std::string_view key = token.substr(0, 2);
  std::string_view rest = token.substr(key.size());
  size_t comma = rest.find(',');
  double first = FileValue(rest.substr(0, comma));
  double second = comma == std::string_view::npos ? 0.0 : FileValue(rest.substr(comma + 1));

  if (key == "PV") {
    s.KeypadSpeed = KeypadSpeedFromCm(first);
    return true;
  }
  const KeyRow* row = FindKey(kCommonKeys, key);
  if (!row) row = table == TokenTable::Plot ? FindKey(kPlotKeys, key) : FindKey(kTangentialKeys, key);
  if (!row) return false;
  // A file may hold anything: what it sets is kept within the model's limits before it is shown
  // or sent (the second of a pair after the first, which may bound it).
  Store(s, row->first, first);
  LimitSetting(s, row->first);
  Store(s, row->second, second);
  LimitSetting(s, row->second);
  return true;
}

std::string ReadFirstLine(std::FILE* file) {
  std::string line;
  for (int c = std::fgetc(file); c != EOF && c != '\r' && c != '\n'; c = std::fgetc(file)) {
    if (line.size() == kMaxLineLength) return {};
    line += static_cast<char>(c);
  }
  return line;
}

void StoreSettingTokens(SharedState& s, std::string_view text, TokenTable table,
                        const std::function<void()>& unknownToken) {
  if (!text.empty() && text.front() == '!') text.remove_prefix(1);
  std::string line(text);
  // A settings command's "@" takes the place of the file's final blank.
  if (!line.empty() && line.find('@') == line.size() - 1) line.back() = ' ';
  for (size_t start = 0, blank; (blank = line.find(' ', start)) != std::string::npos;
       start = blank + 1) {
    std::string_view token(line.data() + start, blank + 1 - start);
    if (!ParseSettingToken(s, token, table)) unknownToken();
  }
}

bool ReadSettingsLine(App& app, std::FILE* file, TokenTable table) {
  std::string line = ReadFirstLine(file);
  if (line.empty()) {
    app.MsgBox(app.T("Bad Settings File"), forms::MsgButtons::OK, forms::MsgIcon::Exclamation,
               app.T("Open Settings File"));
    return false;
  }
  StoreSettingTokens(app.s, line, table, [&app] {
    app.Beep();
    app.MsgBox(app.T("Ignored unknown parameter in file."), forms::MsgButtons::OK,
               forms::MsgIcon::Exclamation, app.T("Unknown Parameter"));
  });
  return true;
}

}  // namespace taskhelm
