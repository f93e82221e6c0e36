// A calibration over a real pty: the factors typed into the calibration window reach the
// simulated device, come back with the settings, and the cutter window redisplays at its paint.
#include <gtest/gtest.h>

#include "calibration/Calib.h"
#include "cutter/Dru71Set.h"
#include "startup/Main.h"
#include "tests/endtoend/ProgramOverPty.h"

namespace taskhelm {
namespace {

class CalibrationOverPty : public ProgramOverPty {
 protected:
  CalibrationOverPty() : ProgramOverPty(36) {}
};

TEST_F(CalibrationOverPty, SetFactorsReachTheDeviceAndComeBack) {
  ASSERT_TRUE(host.Run([&] { Main(*app); }));
  Dru71Set& window = app->Window<Dru71Set>();
  app->s.SettingsSent = true;
  std::string shownX, shownY;
  host.modalOperators["Calib"] = [&](forms::Form& form) {
    auto& w = static_cast<Calib&>(form);
    // Typed with Enter after each length: it leads from X to Y to the Set button.
    w.XMeas.SetFocus();
    w.XMeas.SetText("16.1");
    w.DispatchKeyPress(&w.XMeas, forms::Key::Return);
    w.YMeas.SetText("27.8");
    w.DispatchKeyPress(&w.YMeas, forms::Key::Return);
    w.SetCal[0].Press();
    shownX = w.XCalib.Caption();
    shownY = w.YCalib.Caption();
    w.Unload();
  };
  pty.WithDevice([](sim::Device& d) { d.ClearReceived(); });
  ASSERT_TRUE(host.Run([&] { window.CalPltrCom.Choose(); }));

  EXPECT_EQ(Received(), "!IC@!MC0.993789,1.007194@!DD@");
  pty.WithDevice([&](sim::Device& d) {
    EXPECT_FLOAT_EQ(static_cast<float>(d.Settings().XScaleCal), 0.993789f);
    EXPECT_FLOAT_EQ(static_cast<float>(d.Settings().YScaleCal), 1.007194f);
  });
  EXPECT_EQ(shownX, "0.9938");
  EXPECT_EQ(shownY, "1.0072");
  EXPECT_FLOAT_EQ(app->s.XScaleCal, 0.993789f);
  EXPECT_FLOAT_EQ(app->s.YScaleCal, 1.007194f);
  // The settings window takes the read-back as the device's settings at its next paint.
  EXPECT_TRUE(app->s.DeviceSettingsRead);
  host.Run([&] { window.Repaint(); });
  EXPECT_FALSE(app->s.DeviceSettingsRead);
  for (const auto& box : host.boxes) EXPECT_NE(box.icon, forms::MsgIcon::Exclamation) << box.text;
}

}  // namespace
}  // namespace taskhelm
