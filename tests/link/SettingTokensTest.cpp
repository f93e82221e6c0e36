// The token language and the settings commands of the cutter and the roll-feed windows, byte for
// byte.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "link/SettingTokens.h"
#include "link/SharedState.h"

namespace {

using taskhelm::CommandEnd;
using taskhelm::CutterSettingsCommand;
using taskhelm::RollFeedSettingsCommand;
using taskhelm::SendMode;
using taskhelm::SharedState;

// The factory settings of the cutters, as the model defaults give them.
SharedState Code36Defaults() {
  SharedState s;
  s.ModelCode = 36;
  s.DeviceId = 36;
  s.HpglMode = 1;
  s.PanelSizeX = 18250;
  s.PanelSizeY = 30250;
  s.ScaleX = s.ScaleY = 100;
  s.ForceMin = 10;
  s.ForceMax = 700;
  s.AccelSetting = 10;
  s.BladeOffset = 94;
  s.OvercutSetting = 20;
  s.MinAngle = 15;
  s.LoopSizeSetting = 15000;
  s.CutLengthSetting = 2000;
  s.BlankLengthSetting = 60;
  s.PounceCutLength = 40;
  s.PounceBlankLength = 600;
  s.CorneringMode = 13;
  return s;
}

SharedState Code32Defaults(int16_t deviceId) {
  SharedState s = Code36Defaults();
  s.ModelCode = 32;
  s.DeviceId = deviceId;
  s.PanelSizeX = 838000;
  s.PanelSizeY = 30000;
  s.ForceMax = 200;
  s.BladeOffset = 15;
  s.OvercutSetting = 10;
  s.MinAngle = 30;
  s.LoopSizeSetting = 30000;
  return s;
}

// The roll-feed cutter's factory settings with paneled roll feed chosen.
SharedState Code35Paneled() {
  SharedState s = Code32Defaults(35);
  s.ModelCode = 35;
  s.PanelSizeX = 46000;
  s.PanelSizeY = 39300;
  s.ForceMax = 700;
  s.LoopSizeSetting = 15000;
  s.RollFeedOn = 1;
  return s;
}

struct CommandCase {
  const char* name;
  std::function<SharedState()> state;
  SendMode mode;
  std::string expected;
  std::string (*build)(const SharedState&, SendMode) = CutterSettingsCommand;
};

class SettingsCommand : public ::testing::TestWithParam<CommandCase> {};

TEST_P(SettingsCommand, IsBuiltByteForByte) {
  const CommandCase& c = GetParam();
  EXPECT_EQ(c.build(c.state(), c.mode), c.expected);
}

const std::string k36 = "!HO1 PT3 LL0,0 UR18250,30250 SS100,100 SF10,700 SD0,0 SA10 KO94 KV20 KA15";
const std::string k32Head = "!HO1 PT3 LL0,0 SS100,100 SF10,200 SD0,0 SA10 KO15 KV10 KA30 ";

INSTANTIATE_TEST_SUITE_P(
    Cutters, SettingsCommand,
    ::testing::Values(
        CommandCase{"Code36Temporary", Code36Defaults, SendMode::Temporary, k36 + "@"},
        CommandCase{"Code36PermanentJoinsUD", Code36Defaults, SendMode::Permanent, k36 + "UD@"},
        CommandCase{"Code39LikeCode36",
                    [] {
                      SharedState s = Code36Defaults();
                      s.ModelCode = 39;
                      s.AutoLoopOn = 1;  // no loop tokens on these cutters
                      return s;
                    },
                    SendMode::Temporary, k36 + "@"},
        CommandCase{"Code32TemporaryHasNoPanelSize", [] { return Code32Defaults(46); },
                    SendMode::Temporary, k32Head + "AE0 PN0 CO0 CL2000,60 PL40,600@"},
        CommandCase{"Code32PermanentAddsPanelSizeAndCornering", [] { return Code32Defaults(32); },
                    SendMode::Permanent,
                    "!HO1 PT3 LL0,0 UR838000,30000 SS100,100 SF10,200 SD0,0 SA10 KO15 KV10 KA30 "
                    "AE0 PN0 CO0 CL2000,60 PL40,600 AS13 UD@"},
        CommandCase{"LoopOnAddsLoopSizeAfterAE",
                    [] {
                      SharedState s = Code32Defaults(32);
                      s.AutoLoopOn = -1;  // as a check box writes it
                      return s;
                    },
                    SendMode::Temporary, k32Head + "AE1 AL30000 PN0 CO0 CL2000,60 PL40,600@"},
        CommandCase{"FlagsCarryTheirLowestBit",
                    [] {
                      SharedState s = Code32Defaults(32);
                      s.PounceOn = -1;
                      s.TagboardOn = -1;
                      s.HpglMode = 0;
                      return s;
                    },
                    SendMode::Temporary,
                    "!HO0 PT3 LL0,0 SS100,100 SF10,200 SD0,0 SA10 KO15 KV10 KA30 AE0 PN1 CO1 "
                    "CL2000,60 PL40,600@"},
        CommandCase{"TangentialKnifeOnlyForId50",
                    [] {
                      SharedState s = Code32Defaults(50);
                      s.TangentialEnable = -1;
                      s.TangentialForce = 120;
                      s.TangentialLength = 40;
                      return s;
                    },
                    SendMode::Temporary,
                    k32Head + "AE0 PN0 CO0 CL2000,60 PL40,600 TE1 TF120 TL40@"},
        CommandCase{"TangentialBeforeCorneringInPermanent",
                    [] {
                      SharedState s = Code32Defaults(50);
                      s.TangentialForce = 90;
                      s.TangentialLength = 35;
                      s.CorneringMode = 4;
                      return s;
                    },
                    SendMode::Permanent,
                    "!HO1 PT3 LL0,0 UR838000,30000 SS100,100 SF10,200 SD0,0 SA10 KO15 KV10 KA30 "
                    "AE0 PN0 CO0 CL2000,60 PL40,600 TE0 TF90 TL35 AS4 UD@"},
        CommandCase{"OtherModelsBuildNothing",
                    [] {
                      SharedState s = Code36Defaults();
                      s.ModelCode = 35;
                      return s;
                    },
                    SendMode::Temporary, ""}),
    [](const auto& info) { return std::string(info.param.name); });

// The factory settings of the pen plotters with the mark option the model defaults select.
SharedState PenPlotterDefaults(int16_t model) {
  SharedState s;
  s.ModelCode = model;
  s.HpglMode = 1;
  s.PanelSizeX = 46000;
  s.PanelSizeY = model == 40 || model == 41 ? 86000 : 72000;
  s.ScaleX = s.ScaleY = 100;
  s.ForceMin = 10;
  s.ForceMax = 175;
  s.AccelSetting = 20;
  s.KeypadSpeed = 30;
  const bool sensor = model == 33 || model == 40;
  s.SensorEnabled = sensor ? -1 : 0;  // as the mark buttons write it
  s.MarkSkip = sensor ? 0 : 255;
  return s;
}

const std::string k33 = "!HO1 PT3 LL0,0 UR46000,72000 SS100,100 SF10,175 SD0,0 SA20 PV76.2";
constexpr auto kPen = taskhelm::PenPlotterSettingsCommand;

INSTANTIATE_TEST_SUITE_P(
    PenPlotters, SettingsCommand,
    ::testing::Values(
        CommandCase{"Code33Defaults", [] { return PenPlotterDefaults(33); }, SendMode::Temporary,
                    k33 + " ES1 FS0 FG0@", kPen},
        CommandCase{"EveryFourthFrame",
                    [] {
                      SharedState s = PenPlotterDefaults(33);
                      s.MarkSkip = 3;
                      return s;
                    },
                    SendMode::Temporary, k33 + " ES1 FS3 FG0@", kPen},
        CommandCase{"SensorDisabled",
                    [] {
                      SharedState s = PenPlotterDefaults(33);
                      s.SensorEnabled = 0;
                      s.MarkSkip = 255;
                      return s;
                    },
                    SendMode::Temporary, k33 + " ES0 FS255 FG0@", kPen},
        CommandCase{"Code33Permanent", [] { return PenPlotterDefaults(33); }, SendMode::Permanent,
                    k33 + " ES1 FS0 FG0 UD@", kPen},
        CommandCase{"Code41HasNoSensorTokens", [] { return PenPlotterDefaults(41); },
                    SendMode::Temporary,
                    "!HO1 PT3 LL0,0 UR46000,86000 SS100,100 SF10,175 SD0,0 SA20 PV76.2 FG0@", kPen},
        CommandCase{"Code34Permanent", [] { return PenPlotterDefaults(34); }, SendMode::Permanent,
                    k33 + " FG0 UD@", kPen},
        CommandCase{"Code40SpeedAndNegativeGap",
                    [] {
                      SharedState s = PenPlotterDefaults(40);
                      s.KeypadSpeed = 20;
                      s.FrameGap = -250;
                      s.SensorEnabled = 0;
                      s.MarkSkip = 255;
                      return s;
                    },
                    SendMode::Temporary,
                    "!HO1 PT3 LL0,0 UR46000,86000 SS100,100 SF10,175 SD0,0 SA20 PV50.8 ES0 FS255 "
                    "FG-250@", kPen}),
    [](const auto& info) { return std::string(info.param.name); });

// Every speed the field can store, and a few it cannot, is the exact product with "." and no
// binary residue ("PV50.8", never "PV50.800000000000004").
TEST(KeypadSpeedCentimetres, IsTheExactDecimalProduct) {
  for (int16_t ips = -3; ips <= 40; ++ips) {
    const int hundredths = ips * 254;
    std::string expected = (hundredths < 0 ? "-" : "") + std::to_string(std::abs(hundredths) / 100);
    std::string fraction = std::to_string(std::abs(hundredths) % 100);
    if (fraction.size() == 1) fraction = "0" + fraction;
    while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
    if (!fraction.empty()) expected += "." + fraction;
    EXPECT_EQ(taskhelm::KeypadSpeedCentimetres(ips), expected) << ips << " in/s";
  }
}


const std::string k35Head = "!HO1 RF1 PT3 LL0,0 UR46000,39300 SS100,100 SF10,700 SD0,0 SA10 KO15 "
                            "KV10 KA30";

INSTANTIATE_TEST_SUITE_P(
    RollFeed, SettingsCommand,
    ::testing::Values(
        CommandCase{"PaneledTemporary", Code35Paneled, SendMode::Temporary,
                    k35Head + " FG0 CO0 CL2000,60 AE0 AL15000@", RollFeedSettingsCommand},
        CommandCase{"SheetHasNoFrameGap",
                    [] {
                      SharedState s = Code35Paneled();
                      s.RollFeedOn = 0;
                      s.PanelSizeX = 838000;
                      s.FrameGap = 250;
                      return s;
                    },
                    SendMode::Temporary,
                    "!HO1 RF0 PT3 LL0,0 UR838000,39300 SS100,100 SF10,700 SD0,0 SA10 KO15 KV10 KA30 "
                    "CO0 CL2000,60 AE0 AL15000@",
                    RollFeedSettingsCommand},
        CommandCase{"UnpaneledLoopsWithFlagsAsLowestBits",
                    [] {
                      SharedState s = Code35Paneled();
                      s.RollFeedOn = 0;
                      s.AutoLoopOn = -1;
                      s.TagboardOn = -1;
                      s.PanelSizeX = 838000;
                      s.LoopSizeSetting = 30000;
                      return s;
                    },
                    SendMode::Temporary,
                    "!HO1 RF0 PT3 LL0,0 UR838000,39300 SS100,100 SF10,700 SD0,0 SA10 KO15 KV10 KA30 "
                    "CO1 CL2000,60 AE1 AL30000@",
                    RollFeedSettingsCommand},
        CommandCase{"PermanentEndsWithBlankUDAndSendsRollFeedsLowestBit",
                    [] {
                      SharedState s = Code35Paneled();
                      s.RollFeedOn = -1;  // as a check box may leave a flag
                      s.FrameGap = -40;
                      return s;
                    },
                    SendMode::Permanent, k35Head + " FG-40 CO0 CL2000,60 AE0 AL15000 UD@",
                    RollFeedSettingsCommand},
        CommandCase{"OtherCodeEndsAfterTheBladeAndGap",
                    [] {
                      SharedState s = Code35Paneled();
                      s.ModelCode = 37;
                      return s;
                    },
                    SendMode::Temporary, k35Head + " FG0@", RollFeedSettingsCommand}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TokenLine, EndsAsCommandOrAsFileLine) {
  taskhelm::TokenLine line(1);
  line.Add("FG", -250).Add("SD", 0, 0).AddBit("ES", -1).AddText("PV", "50.8");
  EXPECT_EQ(line.Tokens(), "!HO1 FG-250 SD0,0 ES1 PV50.8");
  EXPECT_EQ(line.Command(CommandEnd::Temporary), "!HO1 FG-250 SD0,0 ES1 PV50.8@");
  EXPECT_EQ(line.Command(CommandEnd::Permanent), "!HO1 FG-250 SD0,0 ES1 PV50.8 UD@");
  EXPECT_EQ(line.Command(CommandEnd::PermanentJoined), "!HO1 FG-250 SD0,0 ES1 PV50.8UD@");
  EXPECT_EQ(line.FileLine(), "!HO1 FG-250 SD0,0 ES1 PV50.8 \r\n");
}

TEST(TokenLine, CutterFeaturesKeepThePounceFlagAsStoredInTheFile) {
  SharedState s = Code32Defaults(32);
  s.PounceOn = -1;
  taskhelm::TokenLine file = taskhelm::BeginSettings(s);
  taskhelm::AddCutterFeatures(file, s, taskhelm::TokenTarget::File);
  EXPECT_EQ(file.Tokens(), "!HO1 PT3 LL0,0 AE0 PN-1 CO0 CL2000,60 PL40,600");
}

}  // namespace
