// The servo test window: each button and box sends its test byte-exact, the results land in
// their labels, and a disturbance choice has the tuner read the servo parameters again.
#include <gtest/gtest.h>

#include <functional>

#include "tests/servo/ServoHarness.h"
#include "tests/support/ReplyFaults.h"

namespace servo_tests {
namespace {

using taskhelm::DSPTestForm;

TEST(TestWindow, EachTestSendsItsCommandByteExact) {
  struct Case {
    const char* what;
    std::function<void(ServoHarness&, DSPTestForm&)> act;
    std::string sent;
  };
  const Case cases[] = {
      {"watch, initial boxes", [](auto& h, auto& w) { h.f.host.Run([&] { w.Command1.Press(); }); },
       "!ZR-1,-1,-1,-1@"},
      {"watch, hexadecimal typed",
       [](auto& h, auto& w) {
         w.RegB.SetText("&H10");
         w.RegC.SetText("300.5");
         w.RegD.SetText("&H12345");
         h.PressEnter(w.RegA);
       },
       "!ZR-1,16,300,32767@"},
      {"watch, beyond 16 bits",
       [](auto& h, auto& w) {
         w.RegA.SetText("99999");
         w.RegB.SetText("-40000");
         h.PressEnter(w.RegA);
       },
       "!ZR32767,-32768,-1,-1@"},
      {"min and max", [](auto& h, auto& w) { h.f.host.Run([&] { w.GetMinAndMax.Press(); }); }, "!ZD0@"},
      {"register read",
       [](auto& h, auto& w) {
         w.RegToRead1.SetText("&H10");
         h.PressEnter(w.RegToRead1);
       },
       "!ZD16,0@"},
      {"accel, neither axis",
       [](auto& h, auto& w) {
         w.PWAccTxt.SetText("4.5");
         w.PWPerTxt.SetText("20.4");
         h.f.host.Run([&] { w.Command2.Press(); });
       },
       "!TA0,0,20,5@"},
      // The boxes show no decimals: "." is their decimal point, a regional "," ends the number.
      {"accel, regional comma",
       [](auto& h, auto& w) {
         h.f.app.regional.sDecimal = ',';
         w.PWAccTxt.SetText("2,6");
         w.PWPerTxt.SetText("20.6");
         h.f.host.Run([&] { w.Command2.Press(); });
       },
       "!TA0,0,21,2@"},
      {"raw PWM, regional comma",
       [](auto& h, auto& w) {
         h.f.app.regional.sDecimal = ',';
         w.XPWMTxt.SetText("2,6");
         w.YPWMTxt.SetText("2.6");
         h.f.host.Run([&] { w.Command6.Press(); });
       },
       "!ZP2,3@"},
      {"line test, regional comma",
       [](auto& h, auto& w) {
         h.f.app.regional.sDecimal = ',';
         w.LTVel.SetText("2,6");
         w.LTAccel.SetText("2.6");
         w.LRegA.SetText("2,6");
         h.f.host.Run([&] { w.Command7.Press(); });
       },
       "!ZL3,2,0,0,2,,0@"},
      {"accel, Y only",
       [](auto& h, auto& w) {
         w.YAxisCheck.SetValue(1);
         h.f.host.Run([&] { w.Command2.Press(); });
       },
       "!TA1,0,0,0@"},
      {"accel, X only",
       [](auto& h, auto& w) {
         w.XAxisCheck.SetValue(1);
         h.f.host.Run([&] { w.Command2.Press(); });
       },
       "!TA0,0,0,0@"},
      {"accel, both",
       [](auto& h, auto& w) {
         w.XAxisCheck.SetValue(1);
         w.YAxisCheck.SetValue(1);
         h.f.host.Run([&] { w.Command2.Press(); });
       },
       "!TA2,0,0,0@"},
      {"raw PWM",
       [](auto& h, auto& w) {
         w.XPWMTxt.SetText("100");
         w.YPWMTxt.SetText("-2.5");
         h.f.host.Run([&] { w.Command6.Press(); });
       },
       "!ZP100,-2@"},
      {"raw PWM, five hexadecimal digits",
       [](auto& h, auto& w) {
         w.XPWMTxt.SetText("&H10000");
         w.YPWMTxt.SetText("&H1FFFF");
         h.f.host.Run([&] { w.Command6.Press(); });
       },
       "!ZP32767,32767@"},
      {"stop", [](auto& h, auto& w) { h.f.host.Run([&] { w.Command3.Press(); }); }, "!ZP0,0"},
      {"line test, Y and pen up",
       [](auto& h, auto& w) {
         w.LTVel.SetText("10");
         w.LTAccel.SetText("5");
         w.LRegA.SetText("&H10");
         w.LRegB.SetText("17");
         w.Option2.SetValue(true);
         w.Option3.SetValue(true);
         h.f.host.Run([&] { w.Command7.Press(); });
       },
       "!ZL5,10,1,1,16,,17@"},
      {"line test, as created",
       [](auto& h, auto& w) { h.f.host.Run([&] { w.Command7.Press(); }); }, "!ZL0,0,0,0,0,,0@"},
  };
  for (const Case& c : cases) {
    ServoHarness h;
    h.OpenTuner();
    h.OpenTests();
    c.act(h, h.Tests());
    EXPECT_EQ(h.Received(), c.sent) << c.what;
    EXPECT_EQ(h.f.device.RejectedTokens() + h.f.device.UnknownCommands(), 0) << c.what;
  }
}

TEST(TestWindow, EveryFocusLossOfAWatchedRegisterSendsTheFour) {
  ServoHarness h;
  h.OpenTuner();
  h.OpenTests();
  DSPTestForm& w = h.Tests();
  h.f.host.Run([&] { w.RegA.SetFocus(); });
  h.f.device.ClearReceived();
  h.f.host.Run([&] {
    w.RegB.SetFocus();
    w.RegC.SetFocus();
    w.RegD.SetFocus();
    w.RegToRead1.SetFocus();
  });
  EXPECT_EQ(h.Received(), "!ZR-1,-1,-1,-1@!ZR-1,-1,-1,-1@!ZR-1,-1,-1,-1@!ZR-1,-1,-1,-1@");
}

TEST(TestWindow, ResultsLandInTheirLabelsAndAFailedReadChangesNothing) {
  ServoHarness h;
  h.OpenTuner();
  h.OpenTests();
  DSPTestForm& w = h.Tests();
  EXPECT_EQ(w.Caption(), "Tuning Testing");

  // Registers 16 and 0 hold 2113 and 17; watched register -1 sits near -114.
  h.f.host.Run([&] { w.Command1.Press(); });
  h.f.host.Run([&] { w.GetMinAndMax.Press(); });
  for (forms::Label* label : {&w.RegAMin, &w.RegBMin, &w.RegCMin, &w.RegDMin}) EXPECT_EQ(label->Caption(), "-154");
  for (forms::Label* label : {&w.RegAMax, &w.RegBMax, &w.RegCMax, &w.RegDMax}) EXPECT_EQ(label->Caption(), "-74");
  w.RegToRead1.SetText("&H10");
  w.RegToRead2.SetText("-1");
  h.PressEnter(w.RegToRead1);
  EXPECT_EQ(w.Reg1Result.Caption(), "2113");
  EXPECT_EQ(w.HReg1Result.Caption(), "0x841");
  EXPECT_EQ(w.Reg2Result.Caption(), "-114");
  EXPECT_EQ(w.HReg2Result.Caption(), "0xFF8E");

  w.LTVel.SetText("10");
  w.LTAccel.SetText("5");
  h.f.host.Run([&] { w.Command7.Press(); });
  const char* expected[] = {"9.6", "10.4", "10", "-10.4", "-9.6", "-10", "4.5", "5.5", "5", "-5.5", "-4.5", "-5"};
  forms::Label* results[] = {&w.PosMinA, &w.PosMaxA, &w.PosAvgA, &w.NegMinA, &w.NegMaxA, &w.NegAvgA,
                             &w.PosMinB, &w.PosMaxB, &w.PosAvgB, &w.NegMinB, &w.NegMaxB, &w.NegAvgB};
  for (size_t i = 0; i < std::size(results); ++i) EXPECT_EQ(results[i]->Caption(), expected[i]) << i;

  h.f.device.faults.silent = true;
  const size_t boxes = h.f.host.boxes.size();
  h.f.host.Run([&] { w.GetMinAndMax.Press(); });
  h.PressEnter(w.RegToRead1);
  h.f.host.Run([&] { w.Command7.Press(); });
  EXPECT_EQ(h.f.host.boxes.size(), boxes + 3) << "each failure is reported";
  EXPECT_EQ(w.RegAMin.Caption(), "-154");
  EXPECT_EQ(w.Reg1Result.Caption(), "2113");
  EXPECT_EQ(w.NegAvgB.Caption(), "-5");

  // Closed and opened again, the window starts over.
  w.Option2.SetValue(true);
  h.f.host.Run([&] { w.Close(); });
  h.f.host.Run([&] { h.Tuner().ViewTestButton.Press(); });
  EXPECT_TRUE(h.f.host.IsShown("DSPTestForm"));
  DSPTestForm& again = h.Tests();
  EXPECT_EQ(again.RegToRead1.Text(), "&H0000");
  EXPECT_EQ(again.RegAMin.Caption(), "");
  EXPECT_EQ(again.NegAvgB.Caption(), "");
  EXPECT_EQ(again.LineTestAxis, 0);
  EXPECT_TRUE(again.Option1.Value());
}

// A number the drive cannot take is never written: the test is not started, and the message
// names the box. What fits goes as before, whole.
TEST(TestWindow, ANumberTheDriveCannotTakeStartsNoTest) {
  const std::string huge = "1" + std::string(40, '0');
  struct Case {
    forms::TextBox DSPTestForm::*box;
    std::string typed;
    forms::CommandButton DSPTestForm::*go;
    const char* named;  // "" when the test goes
    const char* sent;
  };
  const Case cases[] = {
      {&DSPTestForm::PWAccTxt, huge, &DSPTestForm::Command2, "Accel Test Accel(g/10)", ""},
      {&DSPTestForm::PWPerTxt, "-" + huge, &DSPTestForm::Command2, "Accel Test Max Vel", ""},
      {&DSPTestForm::PWPerTxt, "1234567", &DSPTestForm::Command2, "", "!TA0,0,1234567,0@"},
      {&DSPTestForm::LRegA, "70000", &DSPTestForm::Command7, "Line Test A", ""},
      {&DSPTestForm::LRegA, "&H10000", &DSPTestForm::Command7, "Line Test A", ""},
      {&DSPTestForm::LRegB, "&HFFFF", &DSPTestForm::Command7, "", "!ZL0,0,0,0,0,,-1@"},
      {&DSPTestForm::LRegB, "-32769", &DSPTestForm::Command7, "Line Test B", ""},
      {&DSPTestForm::LRegB, "-32768", &DSPTestForm::Command7, "", "!ZL0,0,0,0,0,,-32768@"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    ServoHarness h;
    h.OpenTuner();
    h.OpenTests();
    DSPTestForm& w = h.Tests();
    (w.*c.box).SetText(c.typed);
    h.f.host.Run([&] { (w.*c.go).Press(); });
    EXPECT_EQ(h.Received(), c.sent);
    if (*c.named) {
      ASSERT_EQ(h.f.host.boxes.size(), 1u);
      EXPECT_EQ(h.f.host.boxes[0].text,
                std::string("Not a number the device can take, not sent: ") + c.named);
    } else {
      EXPECT_TRUE(h.f.host.boxes.empty());
    }
  }
}

// A min/max or line-test reply without all its numbers is no reply: the operator is told what an
// unanswered query tells, the labels keep what they showed, and nothing of the reply stays in
// the slots that a later read of one register shows.
TEST(TestWindow, AGarbledResultReplyChangesNothing) {
  std::string unanswered;
  {
    ServoHarness h;
    h.OpenTuner();
    h.OpenTests();
    h.f.device.faults.silentCommands.insert("ZD0");
    h.f.host.Run([&] { h.Tests().GetMinAndMax.Press(); });
    ASSERT_EQ(h.f.host.boxes.size(), 1u);
    unanswered = h.f.host.boxes[0].title + ": " + h.f.host.boxes[0].text;
  }
  std::vector<testing_support::ReplyFault> faults = testing_support::ReplyFaults();
  faults.push_back({"three values", [](const std::string&) { return std::string("-12,15,-3"); }});
  for (const testing_support::ReplyFault& fault : faults) {
    SCOPED_TRACE(fault.name);
    ServoHarness h;
    h.OpenTuner();
    h.OpenTests();
    DSPTestForm& w = h.Tests();
    w.LTVel.SetText("10");
    h.f.host.Run([&] { w.GetMinAndMax.Press(); });
    h.f.host.Run([&] { w.Command7.Press(); });
    h.PressEnter(w.RegToRead1);
    const std::string minimum = w.RegAMin.Caption(), maximum = w.RegDMax.Caption(),
                      negative = w.NegAvgB.Caption(), second = w.Reg2Result.Caption();
    testing_support::GarbleReply(h.f.device, "ZD0", "!ZD0@", fault);
    testing_support::GarbleReply(h.f.device, "ZL", "!ZL0,10,0,0,0,,0@", fault);
    h.f.host.Run([&] { w.GetMinAndMax.Press(); });
    h.f.host.Run([&] { w.Command7.Press(); });
    EXPECT_EQ(w.RegAMin.Caption(), minimum);
    EXPECT_EQ(w.RegDMax.Caption(), maximum);
    EXPECT_EQ(w.NegAvgB.Caption(), negative);
    EXPECT_EQ(h.f.host.boxes.size(), 2u);
    for (const testing_support::ShownBox& box : h.f.host.boxes)
      EXPECT_EQ(box.title + ": " + box.text, unanswered);
    h.f.device.faults.replacedReplies["ZD0,0"] = "7";  // one register's value
    h.PressEnter(w.RegToRead1);
    EXPECT_EQ(w.Reg1Result.Caption(), "7");
    EXPECT_EQ(w.Reg2Result.Caption(), second);
  }
}

TEST(TestWindow, ADisturbanceChoiceHasTheTunerReadTheParametersAgain) {
  const std::pair<const char*, const char*> choices[] = {
      {"Option5", "!TD1@"}, {"Option6", "!TD2@"}, {"Option7", "!TD0@"}, {"Option8", "!TD129@"},
      {"Option9", "!TD130@"}};
  ServoHarness h;
  h.OpenTuner();
  h.OpenTests();
  for (const auto& [option, command] : choices) {
    h.f.device.ClearReceived();
    h.f.device.Service().servo[0][0] = 3.25;
    h.f.host.Run([&, option = option] { static_cast<forms::OptionButton*>(h.Tests().FindControl(option))->SetValue(true); });
    EXPECT_EQ(h.Received(), std::string(command) + "!ZO0@!ZO1@") << option;
    EXPECT_EQ(h.Tuner().X_kP.Text(), "3.250") << option;
    h.Tuner().X_kP.SetText("");
  }
  EXPECT_EQ(h.f.device.Service().disturbanceTest, 130);

  // With the tuner closed, the choice works on a new tuner that is not shown.
  h.f.host.Run([&] { h.Tuner().Close(); });
  h.f.device.ClearReceived();
  h.f.host.Run([&] { h.Tests().Option7.SetValue(true); });
  EXPECT_EQ(h.Received(), "!TD0@!ZO0@!ZO1@");
  ASSERT_NE(h.f.app.LoadedWindow<taskhelm::DSPForm>(), nullptr);
  EXPECT_FALSE(h.f.host.IsShown("DSPForm"));
  EXPECT_EQ(h.Tuner().X_kP.Text(), "3.250");
}

// Both windows keep their English texts in the Spanish edition, by entries of their own.
TEST(TestWindow, BothWindowsShowTheirEnglishTextsInTheSpanishEdition) {
  ServoHarness h(Cutter(32, {}, texts::Edition::Spanish));
  h.f.device.faults.silent = true;  // "no resp." too
  h.OpenTuner();
  h.OpenTests();
  EXPECT_EQ(h.Tuner().Caption(), "QUORVANE Servo Tuner");
  EXPECT_EQ(h.Tuner().x_vd.Text(), "no resp.");
  EXPECT_EQ(h.Tests().Command3.Caption(), "Stop!");
  EXPECT_EQ(h.Tests().Option4.Caption(), "Down");
  for (const std::string& missing : h.f.app.T.Missing()) ADD_FAILURE() << "no Spanish for: " << missing;
}

}  // namespace
}  // namespace servo_tests
