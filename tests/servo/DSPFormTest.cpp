// The servo tuner: what it asks the device when it becomes active, what it shows, and the exact
// bytes each edit sends, with groups the device never reported kept off the wire.
#include <gtest/gtest.h>

#include "tests/servo/ServoHarness.h"
#include "tests/support/ReplyFaults.h"

namespace servo_tests {
namespace {

using taskhelm::DSPForm;

TEST(Tuner, OpensModelessFromAFieldOfTheCutterWindowAndReadsTheDevice) {
  ServoHarness h;
  h.f.s.FlashMode = false;
  h.f.s.SendingFile = true;
  forms::TextBox& field = h.Window().HiForce;
  field.SetFocus();
  h.f.device.ClearReceived();
  h.f.host.Run([&] { h.Window().DispatchKeyDown(&field, 'H', forms::CtrlKey | forms::AltKey); });

  DSPForm& tuner = h.Tuner();
  EXPECT_TRUE(h.f.host.IsShown("DSPForm"));
  EXPECT_TRUE(h.f.host.IsShown("Dru71Set")) << "the settings window stays beside it";
  EXPECT_EQ(h.Received(), kActivationQueries);
  EXPECT_TRUE(h.f.s.FlashMode);
  EXPECT_FALSE(h.f.s.SendingFile);
  EXPECT_EQ(h.f.host.pointer, forms::Pointer::Default);
  EXPECT_TRUE(h.f.host.boxes.empty());

  EXPECT_EQ(tuner.Caption(), "QUORVANE Servo Tuner");
  EXPECT_EQ(tuner.X_kP.Text(), "1.250");
  EXPECT_EQ(tuner.X_kI.Text(), "0.015");
  EXPECT_EQ(tuner.Y_kD.Text(), "5.200");
  EXPECT_EQ(tuner.Y_NFriction.Text(), "0.055");
  EXPECT_EQ(tuner.X_Friction.Text(), "unused");
  EXPECT_FALSE(tuner.X_Friction.Enabled());
  EXPECT_FALSE(tuner.Y_Friction.Enabled());
  EXPECT_EQ(tuner.x_k_ilim.Text(), "40");
  EXPECT_EQ(tuner.y_f_lim.Text(), "100");
  EXPECT_EQ(tuner.x_IJamLim.Text(), "200");
  EXPECT_EQ(tuner.y_IJamThr.Text(), "15");
  EXPECT_EQ(tuner.x_verr.Text(), "12");
  EXPECT_EQ(tuner.y_vjam.Text(), "38");

  // The settings window's own work goes on beside it.
  h.f.host.Run([&] { h.Window().UpdateDisplay.Press(); });
  EXPECT_NE(h.Received().find("!DD@"), std::string::npos);

  // Ctrl+Alt+H again brings the same tuner forward; coming back from the settings window reads.
  h.f.host.Run([&] { h.Window().ActivatedByOperator(); });
  h.f.device.ClearReceived();
  h.f.host.Run([&] { h.Window().DispatchKeyDown(&field, 'H', forms::CtrlKey | forms::AltKey); });
  EXPECT_EQ(h.Received(), kActivationQueries);
  EXPECT_EQ(&h.Tuner(), &tuner);
}

TEST(Tuner, TheHiddenMenuItemOpensItToo) {
  ServoHarness h;
  h.f.host.Run([&] { h.Window().Servotuner.Click(); });
  EXPECT_TRUE(h.f.host.IsShown("DSPForm"));
  EXPECT_EQ(h.Received(), kActivationQueries);
}

// A silent device: each query waits out its time-out, the velocity boxes say so, and nothing is
// sent from groups that were never read.
TEST(Tuner, ASilentDeviceLeavesEveryGroupUnreadAndUnsent) {
  ServoHarness h;
  h.f.device.faults.silent = true;
  const int64_t start = h.f.host.NowMs();
  h.OpenTuner();
  const int64_t waited = h.f.host.NowMs() - start;
  // ZO0, ZO1 5 s each, ZF0 30 s (ZF1 is skipped), ZJ 30 s, VT0 and VT1 2 s each.
  EXPECT_GE(waited, 74000);
  EXPECT_LT(waited, 80000) << "the Y protection query is skipped";
  EXPECT_EQ(h.f.host.boxes.size(), 6u);

  DSPForm& t = h.Tuner();
  EXPECT_EQ(t.X_kD.Text(), "") << "no value was read";
  EXPECT_EQ(t.x_k_ilim.Text(), "");
  EXPECT_EQ(t.y_IJamThr.Text(), "");
  for (forms::TextBox* box : {&t.x_verr, &t.x_vjam, &t.y_vi, &t.y_vap}) EXPECT_EQ(box->Text(), "no resp.");

  h.f.device.faults.silent = false;
  h.TypeLeave(t.X_kD, "2", t.X_kGVF);
  EXPECT_EQ(h.Received(), "") << "twelve zeros must not reach a live drive";
  h.TypeEnter(t.x_k_ilim, "50");
  EXPECT_EQ(h.Received(), "!ZF0@!ZF1@") << "only the read-back";
  h.f.device.ClearReceived();
  h.f.host.Run([&] { t.Command1.Press(); });
  // Protection was read back just now; jam and the parameters still were not.
  EXPECT_EQ(h.Received(), "!ZF0,40,25,120,95@ !ZF1,45,25,130,100@!ZF0@!ZF1@!ZJ@");
}

// One group's query left unanswered, what the activation asks then, and what "Send Servo
// Settings" sends: every group but that one (without the X protection the Y protection is not
// asked for).
struct UnreadGroup {
  const char* command;
  int timeoutMs;
  std::string asked;
  std::string sentByButton;
};

std::vector<UnreadGroup> UnreadGroups() {
  return {
      {"ZO0", 5000, kActivationQueries,
       kYParams + "!ZF0,40,25,120,95@ !ZF1,45,25,130,100@!ZF0@!ZF1@!ZJ200,15,220,15,0,0@!ZJ@"},
      {"ZO1", 5000, kActivationQueries,
       kXParams + "!ZF0,40,25,120,95@ !ZF1,45,25,130,100@!ZF0@!ZF1@!ZJ200,15,220,15,0,0@!ZJ@"},
      {"ZF1", 30000, kActivationQueries,
       kXParams + kYParams + "!ZF0,40,25,120,95@!ZF0@!ZF1@!ZJ200,15,220,15,0,0@!ZJ@"},
      {"ZF0", 30000, "!ZO0@!ZO1@!ZF0@!ZJ@!VT0@!VT1@",
       kXParams + kYParams + "!ZF0@!ZJ200,15,220,15,0,0@!ZJ@"},
      {"ZJ", 30000, kActivationQueries,
       kXParams + kYParams + "!ZF0,40,25,120,95@ !ZF1,45,25,130,100@!ZF0@!ZF1@!ZJ@"},
      {"VT1", 2000, kActivationQueries,
       kXParams + kYParams + "!ZF0,40,25,120,95@ !ZF1,45,25,130,100@!ZF0@!ZF1@"
                             "!ZJ200,15,220,15,0,0@!ZJ@"},
  };
}

// Each query that goes unanswered waits out its own time-out and leaves its group unsent; the
// others go.
TEST(Tuner, AGroupWhoseReadFailedIsNeverSent) {
  int64_t answeredMs = 0;  // an activation the device answers in full
  {
    ServoHarness h;
    const int64_t start = h.f.host.NowMs();
    h.OpenTuner();
    answeredMs = h.f.host.NowMs() - start;
  }
  for (const UnreadGroup& c : UnreadGroups()) {
    ServoHarness h;
    h.f.device.faults.silentCommands.insert(c.command);
    const int64_t start = h.f.host.NowMs();
    h.f.host.Run([&] { taskhelm::ShowServoTuner(h.f.app); });
    const int64_t waited = h.f.host.NowMs() - start - answeredMs;
    EXPECT_EQ(h.Received(), c.asked) << c.command;
    EXPECT_GE(waited, c.timeoutMs - 500) << c.command;
    EXPECT_LE(waited, c.timeoutMs + 500) << c.command;
    ASSERT_EQ(h.f.host.boxes.size(), 1u) << c.command;
    h.f.device.ClearReceived();
    h.f.host.Run([&] { h.Tuner().Command1.Press(); });
    EXPECT_EQ(h.Received(), c.sentByButton) << c.command;
    EXPECT_EQ(h.f.host.pointer, forms::Pointer::Default);
  }
}

// A reply that arrives with its CR but without the numbers of its group is no answer either: the
// operator is told what an unanswered query tells, nothing of it reaches the boxes or the table,
// and the group is never sent.
TEST(Tuner, AGarbledReplyIsNoAnswerAndItsGroupIsNeverSent) {
  for (const UnreadGroup& c : UnreadGroups()) {
    std::string unanswered;
    {
      ServoHarness h;
      h.f.device.faults.silentCommands.insert(c.command);
      h.f.host.Run([&] { taskhelm::ShowServoTuner(h.f.app); });
      ASSERT_EQ(h.f.host.boxes.size(), 1u);
      unanswered = h.f.host.boxes[0].title + ": " + h.f.host.boxes[0].text;
    }
    for (const testing_support::ReplyFault& fault : testing_support::ReplyFaults()) {
      SCOPED_TRACE(std::string(c.command) + ", " + fault.name);
      ServoHarness h;
      const std::string command = "!" + std::string(c.command) + "@";
      testing_support::GarbleReply(h.f.device, c.command, command, fault);
      h.f.host.Run([&] { taskhelm::ShowServoTuner(h.f.app); });
      EXPECT_EQ(h.Received(), c.asked);
      ASSERT_EQ(h.f.host.boxes.size(), 1u);
      EXPECT_EQ(h.f.host.boxes[0].title + ": " + h.f.host.boxes[0].text, unanswered);
      DSPForm& t = h.Tuner();
      if (c.command == std::string("ZO0")) {
        EXPECT_EQ(t.ServoParams[0], (std::array<float, 12>{}));
        EXPECT_EQ(t.X_kP.Text(), "") << "no value was read";
        EXPECT_EQ(t.Y_kP.Text(), "1.400");
        h.TypeLeave(t.X_kD, "2", t.X_kGVF);
        EXPECT_EQ(h.Received(), "") << "twelve zeros must not reach a live drive";
      }
      if (c.command == std::string("ZF1")) {
        EXPECT_EQ(t.y_f_lim.Text(), "");
      }
      if (c.command == std::string("VT1")) {
        EXPECT_EQ(t.y_vjam.Text(), "no resp.");
      }
      h.f.device.ClearReceived();
      h.f.host.Run([&] { t.Command1.Press(); });
      EXPECT_EQ(h.Received(), c.sentByButton);
    }
  }
}

// While the activation still reads, the X boxes do not show the X values the device reported
// (the table holds them, the boxes what was there before): a focus change from one of them sends
// nothing, not the empty box as kP 0.
TEST(Tuner, NothingIsSentFromBoxesThatDoNotYetShowTheDevicesValues) {
  ServoHarness h;
  DSPForm& t = h.Tuner();
  bool moved = false;
  h.f.host.onPump = [&] {
    if (moved || h.Received().find("!ZO1@") == std::string::npos) return;
    moved = true;
    t.X_kP.SetFocus();
    t.X_kI.SetFocus();
  };
  h.f.host.Run([&] { taskhelm::ShowServoTuner(h.f.app); });
  h.f.host.onPump = nullptr;
  EXPECT_TRUE(moved);
  EXPECT_EQ(h.Received(), kActivationQueries);
  EXPECT_EQ(t.X_kP.Text(), "1.250");
  // Once shown, a move from the box sends the axis the boxes show.
  h.f.device.ClearReceived();
  h.f.host.Run([&] { t.X_kP.SetFocus(); });
  EXPECT_EQ(h.Received(), kXParams);
}

// A parameter box sends its whole axis, each value in "0.000" with "." on the wire, then a CR.
TEST(Tuner, AParameterBoxSendsItsWholeAxisByteExact) {
  struct Case {
    const char* box;
    const char* typed;
    char separator;  // the regional decimal separator
    std::string sent;
    const char* shown;
  };
  const Case cases[] = {
      {"X_kD", "2", '.',
       "!ZS0,1.250,0.015,2.000,0.850,0.300,0.120,0.000,20.000,250.000,90.000,0.050,0.045@\r", "2.000"},
      {"X_kD", "1.5", '.',
       "!ZS0,1.250,0.015,1.500,0.850,0.300,0.120,0.000,20.000,250.000,90.000,0.050,0.045@\r", "1.500"},
      {"X_kD", "2,500", ',',
       "!ZS0,1.250,0.015,2.500,0.850,0.300,0.120,0.000,20.000,250.000,90.000,0.050,0.045@\r", "2,500"},
      {"Y_Fast", "&H10", '.',
       "!ZS1,1.400,0.018,5.200,0.800,0.280,0.110,0.000,16.000,250.000,90.000,0.060,0.055@\r", "16.000"},
      {"X_kI", "&H1FFFF", '.',
       "!ZS0,1.250,131071.000,4.500,0.850,0.300,0.120,0.000,20.000,250.000,90.000,0.050,0.045@\r",
       "131071.000"},
      {"Y_NFriction", "abc", '.',
       "!ZS1,1.400,0.018,5.200,0.800,0.280,0.110,0.000,20.000,250.000,90.000,0.060,0.000@\r", "0.000"},
      {"X_kP", "0.0005", '.',
       "!ZS0,0.001,0.015,4.500,0.850,0.300,0.120,0.000,20.000,250.000,90.000,0.050,0.045@\r", "0.001"},
  };
  for (const Case& c : cases) {
    ServoHarness h;
    h.f.app.regional.sDecimal = c.separator;
    h.OpenTuner();
    auto& box = static_cast<forms::TextBox&>(*h.Tuner().FindControl(c.box));
    h.TypeEnter(box, c.typed);
    EXPECT_EQ(h.Received(), c.sent) << c.box << " " << c.typed;
    EXPECT_EQ(box.Text(), c.shown) << c.box << " " << c.typed;
  }
}

TEST(Tuner, FocusLossCountsAsEnterAndTheDeviceKeepsTheChange) {
  ServoHarness h;
  h.OpenTuner();
  DSPForm& t = h.Tuner();
  // Tabbing through unchanged still sends the axis.
  h.TypeLeave(t.Y_kP, "1.400", t.Y_kI);
  EXPECT_EQ(h.Received(), kYParams);

  h.TypeLeave(t.X_kD, "2", t.X_kGVF);
  EXPECT_EQ(h.f.device.Service().servo[0][2], 2.0);
  h.f.device.ClearReceived();
  h.f.host.Run([&] { t.Hide(); t.Show(); });
  EXPECT_EQ(h.Received(), kActivationQueries);
  EXPECT_EQ(t.X_kD.Text(), "2.000");
}

TEST(Tuner, ProtectionGoesOnEnterOnlyAndIsReadBack) {
  ServoHarness h;
  h.OpenTuner();
  DSPForm& t = h.Tuner();
  h.TypeLeave(t.x_f_trip, "150", t.x_f_lim);
  EXPECT_EQ(h.Received(), "") << "leaving a protection box sends nothing";
  h.TypeEnter(t.y_k_ilim, "47.5");
  EXPECT_EQ(h.Received(), "!ZF0,40,25,150,95@ !ZF1,47.5,25,130,100@!ZF0@!ZF1@");
  EXPECT_EQ(t.y_k_ilim.Text(), "47.5");
  EXPECT_EQ(t.x_f_trip.Text(), "150");
  EXPECT_EQ(h.f.host.pointer, forms::Pointer::Default);

  // With a regional "," the device's 47.5 shows as "47,5"; the wire still carries ".".
  h.f.app.regional.sDecimal = ',';
  h.f.host.Run([&] { t.Hide(); t.Show(); });
  EXPECT_EQ(t.y_k_ilim.Text(), "47,5");
  h.TypeEnter(t.x_k_ilim, "41,5");
  EXPECT_EQ(h.Received(), "!ZF0,41.5,25,150,95@ !ZF1,47.5,25,130,100@!ZF0@!ZF1@");
}

TEST(Tuner, JamGoesOnEnterAndOnceOnFocusLossAndIsReadBack) {
  ServoHarness h;
  h.OpenTuner();
  DSPForm& t = h.Tuner();
  h.TypeLeave(t.x_IJamLim, "180", t.X_kP);
  EXPECT_EQ(h.Received(), "!ZJ180,15,220,15,0,0@!ZJ@");
  h.TypeEnter(t.y_IJamThr, "12");
  EXPECT_EQ(h.Received(), "!ZJ180,15,220,12,0,0@!ZJ@");
  EXPECT_EQ(h.f.device.Service().jam, (std::array<double, 4>{180, 15, 220, 12}));
}

TEST(Tuner, SendServoSettingsSendsTheFourGroupsInOrder) {
  ServoHarness h;
  h.OpenTuner();
  h.f.host.Run([&] { h.Tuner().Command1.Press(); });
  EXPECT_EQ(h.Received(), kXParams + kYParams +
                              "!ZF0,40,25,120,95@ !ZF1,45,25,130,100@!ZF0@!ZF1@"
                              "!ZJ200,15,220,15,0,0@!ZJ@");
  EXPECT_EQ(h.f.device.RejectedTokens() + h.f.device.UnknownCommands(), 0);
}

// A reply shorter than its group keeps the later slots of the reply table, whatever reply left
// them there, but it is no answer for the group: those slots hold no value of this axis. A
// longer reply stops at the table's end.
TEST(Tuner, ShortAndLongRepliesStayInsideTheReplyTable) {
  ServoHarness h;
  h.OpenTuner();  // the table now ends with Y's parameters 5..11 behind the velocity reply
  h.f.device.Receive("!ZS0,1.3,0.015,4.5,0.85,0.3,0.12,0,20,250,90,0.05,0.045@\r");
  h.f.device.faults.shortReplies["ZO0"] = 5;
  h.f.host.Run([&] { h.Tuner().Hide(); h.Tuner().Show(); });
  DSPForm& t = h.Tuner();
  EXPECT_EQ(t.ReplyValues[5], 0.11f) << "Y's kGA, left in the table";
  EXPECT_EQ(t.X_kP.Text(), "1.250") << "the X parameters as last read in full";
  EXPECT_EQ(t.X_kGA.Text(), "0.120");
  h.f.device.ClearReceived();
  h.TypeLeave(t.X_kGA, "0.120", t.X_kGVF);
  EXPECT_EQ(h.Received(), kXParams) << "the axis as the device last reported it in full";

  struct Case {
    std::string reply;
    int16_t count;
    float first, last;  // slots 0 and 20
  };
  const Case cases[] = {
      {std::string(30, '7').insert(0, "1,") + "\r", 3, 1, 0},
      {"1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23,24,25\r", 22, 1, 21},
      {std::string("4,5\0\0\0\0", 7) + "\r", 3, 4, 0},
      {"9", 1, 0, 0},
  };
  for (const Case& c : cases) {
    t.ReplyValues = {};
    EXPECT_EQ(t.ParseParams(c.reply), c.count) << c.reply;
    EXPECT_EQ(t.ReplyValues[0], c.first) << c.reply;
    EXPECT_EQ(t.ReplyValues[20], c.last) << c.reply;
  }
}

// On the parallel port the replies arrive NUL-padded to their read length, with or without the
// device's CR before the padding.
TEST(Tuner, ReadsTheParallelPortsPaddedReplies) {
  ServoHarness h;
  h.f.UseParallelPort(1);
  h.f.parlink.replies = {"1.5,2.5,3.5,4.5,5.5,6.5,7.5,8.5,9.5,10.5,11.5,12.5\r",
                         "2,4,6,8,10,12,14,16,18,20,22,24",
                         "11,12,13,14", "21,22,23,24\r",
                         std::string("31,32,33,34\r"), std::string("1,2,3,4,5\r"),
                         std::string("6,7,8,9,10\r")};
  h.f.host.Run([&] { taskhelm::ShowServoTuner(h.f.app); });
  EXPECT_EQ(h.f.parlink.written, kActivationQueries);
  DSPForm& t = h.Tuner();
  EXPECT_EQ(t.X_kP.Text(), "1.500");
  EXPECT_EQ(t.x_f_lim.Text(), "14");
  EXPECT_EQ(t.Y_NFriction.Text(), "24.000");
  EXPECT_EQ(t.y_f_lim.Text(), "24");
  EXPECT_EQ(t.y_IJamThr.Text(), "34");
  EXPECT_EQ(t.y_vjam.Text(), "10");
  EXPECT_TRUE(h.f.s.FlashMode);
}

TEST(Tuner, ClosingAndOpeningAgainStartsAfreshAndReadsTheDevice) {
  ServoHarness h;
  h.OpenTuner();
  DSPForm& t = h.Tuner();
  h.f.host.Run([&] { t.Close(); });
  EXPECT_FALSE(h.f.host.IsShown("DSPForm"));
  EXPECT_TRUE(h.f.s.FlashMode) << "only the firmware window clears it";

  h.f.device.faults.silentCommands.insert("ZO0");
  h.f.host.Run([&] { taskhelm::ShowServoTuner(h.f.app); });
  EXPECT_EQ(h.Received(), kActivationQueries);
  DSPForm& again = h.Tuner();
  EXPECT_EQ(again.X_kP.Text(), "") << "a new tuner knows nothing of the old one's reads";
  h.f.device.ClearReceived();
  h.TypeLeave(again.X_kP, "1", again.X_kI);
  EXPECT_EQ(h.Received(), "");
}

// A value beyond single precision comes back as the largest single, as the box shows it: the
// drive never reads "inf" from what it reported itself.
TEST(Tuner, AReportedValueBeyondSinglePrecisionGoesBackAsTheLargestSingle) {
  ServoHarness h;
  h.f.device.faults.replacedReplies["ZO1"] =
      "1" + std::string(40, '0') + ",0.018,5.2,0.8,0.28,0.11,0,20,250,90,0.06,0.055";
  h.OpenTuner();
  DSPForm& t = h.Tuner();
  const std::string largest = "340282346638529000000000000000000000000.000";
  EXPECT_EQ(t.Y_kP.Text(), largest);
  h.TypeLeave(t.Y_kI, "0.018", t.Y_kD);
  EXPECT_EQ(h.Received(), "!ZS1," + largest + ",0.018,5.200,0.800,0.280,0.110,0.000,20.000,"
                          "250.000,90.000,0.060,0.055@\r");
  h.TypeLeave(t.Y_kP, largest, t.Y_kI);
  EXPECT_EQ(h.Received().substr(0, 5 + largest.size()), "!ZS1," + largest);
  EXPECT_TRUE(h.f.host.boxes.empty());
}

// A box whose text the drive cannot take as a number is refused with a message naming it; its
// group is not sent, the other groups are. A number typed as the tuner reads numbers goes out as
// typed (see ProtectionGoesOnEnterOnlyAndIsReadBack).
TEST(Tuner, ATextTheDriveCannotTakeIsRefusedNamingItsBox) {
  const std::string huge = "1" + std::string(40, '0');
  struct Case {
    const char* box;
    std::string typed;
    const char* named;
    std::string sent;
    const char* shownAfter;
  };
  const Case cases[] = {
      {"Y_kGVF", huge, "Y Coefficients kGVF", "", "0.800"},
      {"X_kP", "-" + huge, "X Coefficients kP", "", "1.250"},
      {"x_f_trip", "abc", "Protection x f_trip", " !ZF1,45,25,130,100@!ZF0@!ZF1@", "120"},
      {"x_k_ilim", "", "Protection x k_ilim", " !ZF1,45,25,130,100@!ZF0@!ZF1@", "40"},
      {"y_f_lim", "1e999", "Protection y f_lim", "!ZF0,40,25,120,95@!ZF0@!ZF1@", "100"},
      {"y_g_ilim", std::string(1000, '9'), "Protection y g_ilim", "!ZF0,40,25,120,95@!ZF0@!ZF1@",
       "25"},
      {"y_k_ilim", "45 ", "Protection y k_ilim", "!ZF0,40,25,120,95@!ZF0@!ZF1@", "45"},
      {"y_IJamThr", "", "PWM Jam Settings y IJamThr", "!ZJ@", "15"},
      {"x_IJamLim", "&H10", "PWM Jam Settings x IJamLim", "!ZJ@", "200"},
      {"x_IJamThr", huge, "PWM Jam Settings x IJamThr", "!ZJ@", "15"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.box);
    ServoHarness h;
    h.OpenTuner();
    auto& box = static_cast<forms::TextBox&>(*h.Tuner().FindControl(c.box));
    h.TypeEnter(box, c.typed);
    EXPECT_EQ(h.Received(), c.sent);
    ASSERT_EQ(h.f.host.boxes.size(), 1u);
    EXPECT_EQ(h.f.host.boxes[0].text,
              std::string("Not a number the device can take, not sent: ") + c.named);
    EXPECT_EQ(h.f.host.boxes[0].icon, forms::MsgIcon::Exclamation);
    EXPECT_EQ(h.f.host.beeps, 1);
    EXPECT_EQ(box.Text(), c.shownAfter) << "the value in force again";
  }
}

}  // namespace
}  // namespace servo_tests
