// The pen-down adjustment: the profile read at activation, Test!, the pulse force in grams, the
// pen DAC with its Set and Cycle.
#include <gtest/gtest.h>

#include "calibration/PenAdj.h"
#include "tests/calibration/CalibrationHarness.h"
#include "tests/support/ReplyFaults.h"

namespace calibration_tests {
namespace {

using taskhelm::PenAdj;

std::string Boxes(const PenAdj& w) {
  std::string shown;
  for (const forms::TextBox* box : {&w.PF, &w.PD, &w.CF, &w.CD, &w.LF, &w.LD, &w.INF, &w.ID,
                                    &w.PFgrams, &w.PenD})
    shown += (shown.empty() ? "" : " ") + box->Text();
  return shown;
}

TEST(PenAdjRead, ProfileAndPulseGramsAtEveryActivation) {
  CalibrationHarness h({.model = 33});
  h.f.device.Receive("!PC120,8,60,12,40,6,20,4@");
  h.Show<PenAdj>([&](PenAdj& w) {
    EXPECT_EQ(w.Caption(), "Pen Down Adjustments");
    EXPECT_EQ(Boxes(w), "120 8 60 12 40 6 20 4 55 0");
  });
  EXPECT_EQ(h.Received(), "!PC120,8,60,12,40,6,20,4@!OP@!OC@");
}

// Values a short reply lacks keep the last reply's; before any full reply there is no profile, and
// a short reply answers nothing. A silent device leaves the boxes as they were.
TEST(PenAdjRead, ShortAndMissingReplies) {
  CalibrationHarness h({.model = 33});
  h.f.device.faults.shortReplies["OP"] = 7;
  h.Show<PenAdj>([&](PenAdj& w) {
    for (const forms::TextBox* box : {&w.PF, &w.ID, &w.PFgrams}) EXPECT_EQ(box->Text(), "");
    h.f.device.faults.shortReplies.clear();
    w.Activate();
    EXPECT_EQ(Boxes(w), "180 8 60 10 40 12 20 6 55 0");
    h.f.device.Receive("!PC1,2,3,4,5,6,7,9@");
    h.f.device.faults.shortReplies["OP"] = 7;
    w.Activate();
    EXPECT_EQ(Boxes(w), "1 2 3 4 5 6 7 6 55 0");
    h.f.device.faults.silent = true;
    w.PF.SetText("77");
    w.Activate();
    EXPECT_EQ(w.PF.Text(), "77");
  });
}

// What the operator is told of one read that went unanswered.
std::string UnansweredBox(const char* command) {
  CalibrationHarness h({.model = 33});
  h.f.device.faults.silentCommands.insert(command);
  h.Show<PenAdj>([](PenAdj&) {});
  EXPECT_EQ(h.f.host.boxes.size(), 1u);
  return h.f.host.boxes.empty() ? "" : h.f.host.boxes[0].title + ": " + h.f.host.boxes[0].text;
}

// A profile or pulse-force reply without its numbers is no reply: each read tells the operator
// what an unanswered one does, and nothing that depends on the values goes out: Test! neither
// sends the profile nor lowers the pen, the pulse force in grams sends no carriage command.
TEST(PenAdjRead, AGarbledReplyIsToldAndSendsNothingThatDependsOnIt) {
  for (const char* command : {"OP", "OC"}) {
    const std::string unanswered = UnansweredBox(command);
    for (const testing_support::ReplyFault& fault : testing_support::ReplyFaults()) {
      SCOPED_TRACE(std::string(command) + ", " + fault.name);
      // The pulse force is the reply's first value alone: a reply short of the rest still has it.
      if (command == std::string("OC") && fault.name == std::string("too few values")) continue;
      CalibrationHarness h({.model = 33});
      testing_support::GarbleReply(h.f.device, command, "!" + std::string(command) + "@", fault);
      const bool profileRead = command == std::string("OC");
      h.Show<PenAdj>([&](PenAdj& w) {
        EXPECT_EQ(w.PF.Text(), profileRead ? "180" : "");
        EXPECT_EQ(w.PFgrams.Text(), "") << "the box shows no pulse force the device never gave";
        h.f.device.ClearReceived();
        CalibrationHarness::Type(w.PFgrams, w.PFgrams.Text(), w.PenD);
        EXPECT_EQ(h.Received(), "!OP@!OC@") << "only the read that follows";
        h.f.device.ClearReceived();
        h.f.host.beeps = 0;
        w.Command1.Press();
        if (profileRead) {
          EXPECT_EQ(h.Received(), "!PC180,8,60,10,40,12,20,6@!DP@!UP@!OP@!OC@");
        } else {
          EXPECT_EQ(h.Received(), "!OP@!OC@");
          EXPECT_EQ(h.f.host.beeps, 2) << "the refusal, then the read's box";
        }
      });
      // The opening's read, the one after the grams, the one that ends Test!.
      ASSERT_EQ(h.f.host.boxes.size(), 3u);
      for (const testing_support::ShownBox& box : h.f.host.boxes)
        EXPECT_EQ(box.title + ": " + box.text, unanswered);
    }
  }
}

// A pulse force the device gave while its profile did not answer is not in the box yet: leaving
// the still empty box sends no carriage command.
TEST(PenAdjGrams, NothingGoesFromTheBoxBeforeItShowsTheDevicesGrams) {
  const testing_support::ReplyFault& noise = testing_support::ReplyFaults().front();
  CalibrationHarness h({.model = 33});
  testing_support::GarbleReply(h.f.device, "OC", "!OC@", noise);
  h.Show<PenAdj>([&](PenAdj& w) {
    h.f.device.faults.replacedReplies.erase("OC");
    testing_support::GarbleReply(h.f.device, "OP", "!OP@", noise);
    w.Command1.Press();  // the read that ends the test gets the grams alone
    EXPECT_EQ(w.PFgrams.Text(), "");
    h.f.device.ClearReceived();
    CalibrationHarness::Type(w.PFgrams, w.PFgrams.Text(), w.PenD);
    EXPECT_EQ(h.Received(), "!OP@!OC@");
  });
}

// A typed number beyond single precision is no number the device can take: the message names the
// box, the value is not kept, and nothing that carries it goes out.
TEST(PenAdjFields, ANumberBeyondSinglePrecisionIsRefused) {
  const std::string huge = "1" + std::string(40, '0');
  struct Case {
    forms::TextBox PenAdj::*box;
    std::string typed;
    const char* named;
    const char* sent;  // leaving the box, then Test!
  };
  const Case cases[] = {
      {&PenAdj::PF, huge, "Pulse Force", "!PC180,8,60,10,40,12,20,6@!DP@!UP@!OP@!OC@"},
      {&PenAdj::ID, "-" + huge, "Initial Delay (ms)", "!PC180,8,60,10,40,12,20,6@!DP@!UP@!OP@!OC@"},
      {&PenAdj::PFgrams, huge, "Pulse Force (grams)",
       "!OP@!OC@!PC180,8,60,10,40,12,20,6@!DP@!UP@!OP@!OC@"},
      {&PenAdj::PenD, std::string(400, '9'), "Pen DAC", "!PC180,8,60,10,40,12,20,6@!DP@!UP@!OP@!OC@"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.named);
    CalibrationHarness h({.model = 33});
    h.Show<PenAdj>([&](PenAdj& w) {
      h.f.device.ClearReceived();
      CalibrationHarness::Type(w.*c.box, c.typed, w.Command1);
      w.Command1.Press();
      EXPECT_EQ(w.PenDac, 0);
    });
    EXPECT_EQ(h.Received(), c.sent);
    ASSERT_EQ(h.f.host.boxes.size(), 1u);
    EXPECT_EQ(h.f.host.boxes[0].text,
              std::string("Not a number the device can take, not sent: ") + c.named);
  }
}

TEST(PenAdjTest, SendsTheProfileLowersWaitsAndRaises) {
  CalibrationHarness h({.model = 33});
  h.f.device.Receive("!PC120,8,60,10,40,6,20,4@");
  int64_t took = 0;
  h.Show<PenAdj>([&](PenAdj& w) {
    CalibrationHarness::Type(w.CD, "12.4", w.Command1);  // sent whole
    h.f.device.ClearReceived();
    took = h.Timed([&] { w.Command1.Press(); });
    EXPECT_EQ(w.CD.Text(), "12");
  });
  EXPECT_EQ(h.Received(), "!PC120,8,60,12,40,6,20,4@!DP@!UP@!OP@!OC@");
  EXPECT_GE(took, 2000);
  EXPECT_LT(took, 4000);
  EXPECT_FALSE(h.f.device.Service().penDown);
}

TEST(PenAdjFields, SpinsStopAtZeroAndSendNothing) {
  CalibrationHarness h({.model = 33});
  h.Show<PenAdj>([&](PenAdj& w) {
    CalibrationHarness::Type(w.PF, "0", w.PD);
    h.f.device.ClearReceived();
    w.SpinButton1.Down();
    EXPECT_EQ(w.PF.Text(), "0");
    for (int i = 0; i < 3; ++i) w.SpinButton1.Up();
    EXPECT_EQ(w.PF.Text(), "3");
    EXPECT_EQ(w.Profile[PenAdj::kPF], 3);
  });
  EXPECT_EQ(h.Received(), "");
}

// Half the coast delay may have a fraction: it goes with "." whatever the locale.
TEST(PenAdjGrams, CarriageCommandWithHalfTheCoastDelay) {
  for (char decimal : {'.', ','}) {
    CalibrationHarness h({.model = 33, .decimal = decimal});
    h.f.device.Receive("!PC120,8,60,5,40,6,20,4@");
    h.Show<PenAdj>([&](PenAdj& w) {
      h.f.device.ClearReceived();
      CalibrationHarness::Type(w.PFgrams, "70", w.PenD);
    });
    EXPECT_EQ(h.Received().substr(0, 15), "!CC70,8,60,2.5@") << decimal;
  }
}

TEST(PenAdjDac, LeavingSetAndSpinning) {
  CalibrationHarness h({.model = 33});
  h.Show<PenAdj>([&](PenAdj& w) {
    h.f.device.ClearReceived();
    // Leaving the box sends what was typed; Set holds it to the DAC's range and shows it.
    CalibrationHarness::Type(w.PenD, "300", w.Command3);
    w.Command3.Press();
    EXPECT_EQ(w.PenD.Text(), "255");
    EXPECT_EQ(w.PenDac, 300);
    w.PenD.SetText("-4");
    w.Command3.Press();
    EXPECT_EQ(w.PenD.Text(), "0");
    // Every spin click sends.
    w.PenDac = 254;
    w.SpinButton7.Up();
    w.SpinButton7.Up();
    EXPECT_EQ(w.PenD.Text(), "255");
    w.PenDac = 0;
    w.SpinButton7.Down();
    // Enter released in the box sends too.
    w.PenD.SetText("17");
    w.DispatchKeyUp(&w.PenD, forms::Key::Return, 0);
  });
  EXPECT_EQ(h.Received(), "!PF300@!PF255@!PF0@!PF255@!PF255@!PF0@!PF17@");
}

TEST(PenAdjDac, SpinStepsByOneFromATypedValueOutsideTheRange) {
  struct Case {
    const char* typed;
    bool up;
    const char* sent;  // by the spin click, after the box's own send on leaving it
  };
  const Case cases[] = {
      {"300", false, "!PF299@"}, {"300", true, "!PF255@"},
      {"-5", true, "!PF-4@"},    {"-5", false, "!PF0@"},
  };
  for (const Case& c : cases) {
    CalibrationHarness h({.model = 33});
    h.Show<PenAdj>([&](PenAdj& w) {
      CalibrationHarness::Type(w.PenD, c.typed, w.Command3);
      h.f.device.ClearReceived();
      if (c.up) w.SpinButton7.Up();
      else w.SpinButton7.Down();
      EXPECT_EQ("!PF" + w.PenD.Text() + "@", c.sent) << c.typed;
    });
    EXPECT_EQ(h.Received(), c.sent) << c.typed << (c.up ? " up" : " down");
  }
}

TEST(PenAdjDac, CycleSweepsToTheTopThenReturns) {
  CalibrationHarness h({.model = 33});
  int64_t took = 0;
  h.Show<PenAdj>([&](PenAdj& w) {
    w.PenD.SetText("250");
    h.f.device.ClearReceived();
    took = h.Timed([&] { w.Command2.Press(); });
    EXPECT_EQ(w.PenD.Text(), "250");
    EXPECT_EQ(w.PenDac, 250);
  });
  EXPECT_EQ(h.Received(), "!PF250@!PF251@!PF252@!PF253@!PF254@!PF255@!PF0@");
  EXPECT_GE(took, 6 * 110);
  EXPECT_LT(took, 7 * 110 + 200);  // the sends take a moment of their own
  EXPECT_EQ(h.f.device.Service().penDac, 0);
}

// The sweep shows every step in the box, and a click during it is refused then, not run after it.
TEST(PenAdjDac, TheCycleShowsEachStepAndRefusesClicksWhileItSweeps) {
  CalibrationHarness h({.model = 33});
  h.Show<PenAdj>([&](PenAdj& w) {
    w.PenD.SetText("253");
    h.f.device.ClearReceived();
    std::vector<std::string> shown;
    bool clicked = true;
    h.f.host.onPump = [&] {
      if (shown.empty() || shown.back() != w.PenD.Text()) shown.push_back(w.PenD.Text());
      if (w.PenD.Text() == "254" && clicked) clicked = h.f.host.Press(w.Command1);
    };
    EXPECT_TRUE(h.f.host.Press(w.Command2));
    h.f.host.onPump = nullptr;
    EXPECT_FALSE(clicked);
    EXPECT_EQ(shown, (std::vector<std::string>{"253", "254", "255"}));
  });
  EXPECT_EQ(h.Received(), "!PF253@!PF254@!PF255@!PF0@");
  EXPECT_EQ(h.f.host.beeps, 1);
}

}  // namespace
}  // namespace calibration_tests
