// The settings file: the line each family writes, reading it back, and the reader's rules.
#include <gtest/gtest.h>

#include "link/SettingLimits.h"
#include "startup/ModelTable.h"
#include "transfer/SendCutFiles.h"
#include "transfer/SettingsFile.h"
#include "transfer/SvFile.h"
#include "tests/transfer/TransferFixture.h"
#include "tests/support/CaseName.h"

namespace transfer_tests {
namespace {

using taskhelm::SharedState;

// Distinct values for every field a settings file can carry.
void FillSettings(SharedState& s) {
  s.HpglMode = 1;
  s.PanelSizeX = 30250;
  s.PanelSizeY = 72000;
  s.ScaleX = 101;
  s.ScaleY = 99;
  s.ForceMin = 15;
  s.ForceMax = 420;
  s.PenUpDelay = 5;
  s.PenDownDelay = 7;
  s.AccelSetting = 12;
  s.BladeOffset = 33;
  s.OvercutSetting = 11;
  s.MinAngle = 45;
  s.AutoLoopOn = 1;
  s.LoopSizeSetting = 250000;
  s.PounceOn = 1;
  s.TagboardOn = 1;
  s.CutLengthSetting = 2100;
  s.BlankLengthSetting = 65;
  s.PounceCutLength = 45;
  s.PounceBlankLength = 610;
  s.TangentialEnable = 1;
  s.TangentialForce = 130;
  s.TangentialLength = 42;
  s.RollFeedOn = 1;
  s.FrameGap = -250;
  s.KeypadSpeed = 20;
  s.SensorEnabled = 1;
  s.TuSetting = 17;
}

struct Field {
  const char* name;
  std::function<int64_t(const SharedState&)> get;
};
#define FIELD(member) Field{#member, [](const SharedState& s) -> int64_t { return s.member; }}
// A flag may come back as True (-1) for 1: every sender masks it with 1.
#define FLAG(member) Field{#member, [](const SharedState& s) -> int64_t { return s.member & 1; }}

const std::vector<Field> kCommon = {FIELD(HpglMode), FIELD(PanelSizeX), FIELD(PanelSizeY),
                                    FIELD(ScaleX), FIELD(ScaleY), FIELD(ForceMin),
                                    FIELD(ForceMax), FIELD(PenUpDelay), FIELD(PenDownDelay),
                                    FIELD(AccelSetting)};
const std::vector<Field> kBlade = {FIELD(BladeOffset), FIELD(OvercutSetting), FIELD(MinAngle)};

struct RoundTrip {
  int model, deviceId;
  std::vector<Field> fields;  // beyond the common ones
};

class SettingsRoundTrip : public ::testing::TestWithParam<RoundTrip> {};

TEST_P(SettingsRoundTrip, ReadingBackRestoresEveryFieldTheBlockHolds) {
  const RoundTrip& c = GetParam();
  TransferFixture f({.model = c.model, .deviceId = c.deviceId});
  FillSettings(f.s);
  // A running program's record lies within its model's limits (the read-out and the fields
  // keep it there).
  taskhelm::ForEachRule(f.s.ModelCode, [&f](const taskhelm::SettingRule& rule) {
    taskhelm::LimitSetting(f.s, rule.field);
  });
  std::string path = f.folder.File("round.tkh");
  int16_t n = f.app.files.OpenDataFile(path, 1);
  ASSERT_GT(n, 0);
  f.app.Window<taskhelm::SvFile>().WriteSet(n);
  ASSERT_TRUE(f.app.files.Close(n));

  SharedState written = f.s;
  std::vector<Field> fields = kCommon;
  fields.insert(fields.end(), c.fields.begin(), c.fields.end());
  // Only the file can bring the values back.
  f.s = SharedState{};
  f.s.ModelCode = written.ModelCode;
  f.s.DeviceId = written.DeviceId;
  taskhelm::ApplyModelProfile(f.app);  // the limits the reader keeps the values in
  f.s.FileMenuIndex = 1;
  auto& reader = f.app.Window<taskhelm::SendCutFiles>();
  reader.SetFileName(path);
  ASSERT_TRUE(reader.ReadSettingsFile());
  for (const Field& field : fields) EXPECT_EQ(field.get(f.s), field.get(written)) << field.name;
  EXPECT_TRUE(f.host.boxes.empty());
  EXPECT_FALSE(reader.Loaded());
}

INSTANTIATE_TEST_SUITE_P(
    Families, SettingsRoundTrip,
    ::testing::Values(
        RoundTrip{32, 50,
                  {kBlade[0], kBlade[1], kBlade[2], FLAG(AutoLoopOn), FIELD(LoopSizeSetting),
                   FLAG(PounceOn), FLAG(TagboardOn), FIELD(CutLengthSetting),
                   FIELD(BlankLengthSetting), FIELD(PounceCutLength), FIELD(PounceBlankLength),
                   FIELD(TangentialEnable), FIELD(TangentialForce), FIELD(TangentialLength)}},
        RoundTrip{39, 0,
                  {kBlade[0], kBlade[1], kBlade[2], FLAG(AutoLoopOn), FIELD(LoopSizeSetting),
                   FLAG(PounceOn), FLAG(TagboardOn), FIELD(CutLengthSetting),
                   FIELD(BlankLengthSetting), FIELD(PounceCutLength), FIELD(PounceBlankLength)}},
        RoundTrip{35, 0,
                  {kBlade[0], kBlade[1], kBlade[2], FIELD(RollFeedOn), FIELD(FrameGap),
                   FLAG(TagboardOn), FIELD(CutLengthSetting), FIELD(BlankLengthSetting),
                   FIELD(AutoLoopOn), FIELD(LoopSizeSetting)}},
        RoundTrip{33, 0,
                  {FIELD(KeypadSpeed), FLAG(SensorEnabled), FIELD(FrameGap), FIELD(TuSetting)}}),
    [](const auto& info) {
      return "Model" + std::to_string(info.param.model) + "Id" +
             std::to_string(info.param.deviceId);
    });

struct LineCase {
  const char* what;
  int model, deviceId;
  std::function<void(SharedState&)> adjust;
  std::string line;
};

class SettingsLine : public ::testing::TestWithParam<LineCase> {};

TEST_P(SettingsLine, FamilyBlockIsWrittenInItsOrder) {
  const LineCase& c = GetParam();
  SharedState s;
  FillSettings(s);
  s.ModelCode = static_cast<int16_t>(c.model);
  s.DeviceId = static_cast<int16_t>(c.deviceId);
  if (c.adjust) c.adjust(s);
  EXPECT_EQ(taskhelm::SettingsFileLine(s), c.line);
}

INSTANTIATE_TEST_SUITE_P(
    Blocks, SettingsLine,
    ::testing::Values(
        LineCase{"cutter, loop off, ordinary device", 32, 32,
                 [](SharedState& s) { s.AutoLoopOn = 0; },
                 "!HO1 PT3 LL0,0 UR30250,72000 SS101,99 SF15,420 SD5,7 SA12 KO33 KV11 KA45 AE0 PN1 "
                 "CO1 CL2100,65 PL45,610 \r\n"},
        LineCase{"cutter, loop on", 36, 36, {},
                 "!HO1 PT3 LL0,0 UR30250,72000 SS101,99 SF15,420 SD5,7 SA12 KO33 KV11 KA45 AE1 "
                 "AL250000 PN1 CO1 CL2100,65 PL45,610 \r\n"},
        LineCase{"tangential-knife cutter", 32, 50,
                 [](SharedState& s) { s.AutoLoopOn = 0; },
                 "!HO1 PT3 LL0,0 UR30250,72000 SS101,99 SF15,420 SD5,7 SA12 KO33 KV11 KA45 AE0 PN1 "
                 "CO1 CL2100,65 PL45,610 TE1 TF130 TL42 \r\n"},
        LineCase{"check-box flags: CO masked, PN as stored", 32, 32,
                 [](SharedState& s) {
                   s.AutoLoopOn = -1;
                   s.TagboardOn = -1;
                   s.PounceOn = -1;
                 },
                 "!HO1 PT3 LL0,0 UR30250,72000 SS101,99 SF15,420 SD5,7 SA12 KO33 KV11 KA45 AE1 "
                 "AL250000 PN-1 CO1 CL2100,65 PL45,610 \r\n"},
        LineCase{"roll-feed cutter, RF as stored", 35, 35,
                 [](SharedState& s) { s.RollFeedOn = -1; },
                 "!HO1 PT3 LL0,0 UR30250,72000 SS101,99 SF15,420 SD5,7 SA12 KO33 KV11 KA45 RF-1 "
                 "FG-250 CO1 CL2100,65 AE1 AL250000 \r\n"},
        LineCase{"pen plotter, 20 in/s filed as 51 cm/s", 40, 40,
                 [](SharedState& s) { s.SensorEnabled = -1; },
                 "!HO1 PT3 LL0,0 UR30250,72000 SS101,99 SF15,420 SD5,7 SA12 PV51 ES1 FG-250 TU17 "
                 "\r\n"},
        LineCase{"a model without a family", 37, 37, {}, "\r\n"}),
    [](const auto& info) { return testing_support::CaseName(info.param.what); });

// Reads a line as the file-sending window does, on a fresh record.
struct Reader {
  TransferFixture f;
  bool ReadFile(const std::string& path) {
    f.s.FileMenuIndex = 1;
    auto& w = f.app.Window<taskhelm::SendCutFiles>();
    w.SetFileName(path);
    return w.ReadSettingsFile();
  }
  bool Read(const std::string& content) { return ReadFile(f.folder.Write("in.tkh", content)); }
};

TEST(SettingsFileReader, EveryWholeKeypadSpeedSurvivesTheFile) {
  for (int16_t speed = 1; speed <= 30; ++speed) {
    SharedState s;
    s.ModelCode = 33;
    s.KeypadSpeed = speed;
    std::string line = taskhelm::SettingsFileLine(s);
    SharedState back;
    taskhelm::StoreSettingTokens(back, line.substr(0, line.size() - 2),
                                 taskhelm::TokenTable::SendCutFiles, [] { FAIL(); });
    EXPECT_EQ(back.KeypadSpeed, speed) << line;
  }
  SharedState s;
  s.ModelCode = 33;
  s.KeypadSpeed = 1;
  EXPECT_NE(taskhelm::SettingsFileLine(s).find(" PV3 "), std::string::npos);
  s.KeypadSpeed = 30;
  EXPECT_NE(taskhelm::SettingsFileLine(s).find(" PV77 "), std::string::npos);
}

TEST(SettingsFileReader, AnEmptyLineIsABadSettingsFile) {
  Reader r;
  r.f.s.ModelCode = 37;  // writes the empty line
  std::string path = r.f.folder.File("empty.tkh");
  int16_t n = r.f.app.files.OpenDataFile(path, 1);
  r.f.app.Window<taskhelm::SvFile>().WriteSet(n);
  r.f.app.files.Close(n);
  ASSERT_EQ(r.f.folder.Read("empty.tkh"), "\r\n");
  r.f.s.ScaleX = 77;

  EXPECT_FALSE(r.ReadFile(path));
  ASSERT_EQ(r.f.host.boxes.size(), 1u);
  EXPECT_EQ(r.f.host.boxes[0].text, "Bad Settings File");
  EXPECT_EQ(r.f.host.boxes[0].title, "Open Settings File");
  EXPECT_EQ(r.f.host.boxes[0].icon, forms::MsgIcon::Exclamation);
  EXPECT_EQ(r.f.s.ScaleX, 77);
  EXPECT_FALSE(r.f.app.Window<taskhelm::SendCutFiles>().ReadSettingsFile());  // closed: no file
  EXPECT_EQ(r.f.host.boxes.size(), 1u);
}

TEST(SettingsFileReader, NothingOpenGivesFalseWithoutAMessage) {
  Reader r;
  auto& w = r.f.app.Window<taskhelm::SendCutFiles>();
  w.SetFileName(r.f.folder.File("missing.tkh"));
  EXPECT_FALSE(w.ReadSettingsFile());
  EXPECT_TRUE(r.f.host.boxes.empty());
}

struct ReadCase {
  const char* what;
  std::string content;
  std::function<void(const SharedState&)> check;
  int unknownMessages;
};

class SettingsRead : public ::testing::TestWithParam<ReadCase> {};

TEST_P(SettingsRead, StoresTheTokensItKnows) {
  const ReadCase& c = GetParam();
  Reader r;
  r.f.s.ForceMin = r.f.s.ForceMax = r.f.s.AccelSetting = r.f.s.HpglMode = -7;
  EXPECT_TRUE(r.Read(c.content));
  c.check(r.f.s);
  ASSERT_EQ(static_cast<int>(r.f.host.boxes.size()), c.unknownMessages);
  EXPECT_EQ(r.f.host.beeps, c.unknownMessages);
  for (const auto& box : r.f.host.boxes) {
    EXPECT_EQ(box.text, "Ignored unknown parameter in file.");
    EXPECT_EQ(box.title, "Unknown Parameter");
    EXPECT_EQ(box.icon, forms::MsgIcon::Exclamation);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Rules, SettingsRead,
    ::testing::Values(
        ReadCase{"a pair key without a comma clears its second field", "!HO1 SD250 \r\n",
                 [](const SharedState& s) {
                   EXPECT_EQ(s.PenUpDelay, 250);
                   EXPECT_EQ(s.PenDownDelay, 0);
                 },
                 0},
        ReadCase{"the last token needs its final blank", "!HO0 SA15 SF20,300\r\n",
                 [](const SharedState& s) {
                   EXPECT_EQ(s.HpglMode, 0);
                   EXPECT_EQ(s.AccelSetting, 15);
                   EXPECT_EQ(s.ForceMin, -7);
                 },
                 0},
        ReadCase{"keys are case-sensitive", "ho1 SA3 \r\n",
                 [](const SharedState& s) {
                   EXPECT_EQ(s.HpglMode, -7);
                   EXPECT_EQ(s.AccelSetting, 3);
                 },
                 1},
        ReadCase{"a settings command reads too; its UD is unknown",
                 "!HO1 PT3 LL0,0 SA9 KA15 UD@\r\n",
                 [](const SharedState& s) {
                   EXPECT_EQ(s.AccelSetting, 9);
                   EXPECT_EQ(s.MinAngle, 15);
                 },
                 1},
        ReadCase{"an @ inside the line stays", "!HO1 SA9@ KA15 \r\n",
                 [](const SharedState& s) {
                   EXPECT_EQ(s.AccelSetting, 9);
                   EXPECT_EQ(s.MinAngle, 15);
                 },
                 0},
        ReadCase{"AS and FS are never read", "!HO1 AS4 FS3 SA2 \r\n",
                 [](const SharedState& s) {
                   EXPECT_EQ(s.CorneringMode, 0);
                   EXPECT_EQ(s.MarkSkip, 0);
                   EXPECT_EQ(s.AccelSetting, 2);
                 },
                 2},
        ReadCase{"two blanks in a row make an unknown token", "!HO1  SA4 \r\n",
                 [](const SharedState& s) { EXPECT_EQ(s.AccelSetting, 4); }, 1},
        ReadCase{"values too wide for their field stop at the model's limits",
                 "!HO1 SS99999999,-99999999 UR1e30,-5 AL3e9 \r\n",
                 [](const SharedState& s) {
                   EXPECT_EQ(s.ScaleX, 999);
                   EXPECT_EQ(s.ScaleY, 1);
                   EXPECT_EQ(s.PanelSizeX, s.PanelMaxX);
                   EXPECT_EQ(s.PanelSizeY, 0);
                   EXPECT_EQ(s.LoopSizeSetting, 838000);
                 },
                 0},
        ReadCase{"out-of-range values are clamped as a read-out clamps them",
                 "!HO1 PT3 LL0,0 UR99999999,-5 SS0,99999 SF-1,99999999 SD-9,999999 SA0 KO-1 "
                 "KV999999 KA-5 CL1,99999 PL0,99999 AE7 HO9 \r\n",
                 [](const SharedState& s) {
                   EXPECT_EQ(s.PanelSizeX, s.PanelMaxX);
                   EXPECT_EQ(s.PanelSizeY, 0);
                   EXPECT_EQ(s.ScaleX, 1);
                   EXPECT_EQ(s.ScaleY, 999);
                   EXPECT_EQ(s.ForceMin, s.ForceLimitLow);
                   EXPECT_EQ(s.ForceMax, s.ForceLimitHigh);
                   EXPECT_EQ(s.PenUpDelay, 0);
                   EXPECT_EQ(s.PenDownDelay, 250);
                   EXPECT_EQ(s.AccelSetting, 1);
                   EXPECT_EQ(s.BladeOffset, 0);
                   EXPECT_EQ(s.OvercutSetting, 100);
                   EXPECT_EQ(s.MinAngle, 0);
                   EXPECT_EQ(s.CutLengthSetting, 50);
                   EXPECT_EQ(s.BlankLengthSetting, 5000);
                   EXPECT_EQ(s.PounceCutLength, 40);
                   EXPECT_EQ(s.PounceBlankLength, 4000);
                   EXPECT_EQ(s.AutoLoopOn, -1);  // a flag, as the read-out stores it
                   EXPECT_EQ(s.HpglMode, 1);
                 },
                 0},
        ReadCase{"numbers: halves to even, exponents, what follows a number, none as 0",
                 "!HO1 KO12.5 KV13.5 KA1.8e1 SA+3x SD,7 \r\n",
                 [](const SharedState& s) {
                   EXPECT_EQ(s.BladeOffset, 12);
                   EXPECT_EQ(s.OvercutSetting, 14);
                   EXPECT_EQ(s.MinAngle, 18);
                   EXPECT_EQ(s.AccelSetting, 3);
                   EXPECT_EQ(s.PenUpDelay, 0);
                   EXPECT_EQ(s.PenDownDelay, 7);
                 },
                 0},
        ReadCase{"a line ending in LF alone", "!HO0 SA6 \nSA9 \n",
                 [](const SharedState& s) { EXPECT_EQ(s.AccelSetting, 6); }, 0},
        ReadCase{"a file of another family is stored all the same", "!HO1 PV51 ES1 TU17 \r\n",
                 [](const SharedState& s) {
                   EXPECT_EQ(s.KeypadSpeed, 20);
                   EXPECT_EQ(s.SensorEnabled, 1);
                   EXPECT_EQ(s.TuSetting, 17);
                 },
                 0}),
    [](const auto& info) { return testing_support::CaseName(info.param.what); });

TEST(SettingsFileReader, FieldsTheFileDoesNotHoldKeepTheirValues) {
  Reader r;
  r.f.s.LoopSizeSetting = 12345;
  r.f.s.TangentialForce = 99;
  r.f.s.CorneringMode = 4;
  EXPECT_TRUE(r.Read("!HO1 PT3 LL0,0 AE0 PN0 \r\n"));
  EXPECT_EQ(r.f.s.LoopSizeSetting, 12345);
  EXPECT_EQ(r.f.s.TangentialForce, 99);
  EXPECT_EQ(r.f.s.CorneringMode, 4);
}

TEST(SettingsFileReader, AHugeFirstLineIsNoSettingsFile) {
  Reader r;
  EXPECT_FALSE(r.Read(std::string(1 << 20, 'x') + " SA4 \r\n"));
  ASSERT_EQ(r.f.host.boxes.size(), 1u);
  EXPECT_EQ(r.f.host.boxes[0].text, "Bad Settings File");
}

}  // namespace
}  // namespace transfer_tests
