// Where the windows appear: inside the screen's available area, centred when they fit, with the
// title bar and the menus on the screen when they do not (ctest runs this at larger scales too);
// the splash without a frame, centred.
#include <QScreen>
#include <QTest>

#include <cstdlib>

#include "cutter/Dru71Set.h"
#include "qtui/FormWindow.h"
#include "setup/About.h"
#include "setup/Splash.h"
#include "tests/qtui/QtTestApp.h"
#include "tests/qtui/WindowCheck.h"

namespace qtui_tests {
namespace {

class Placement : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { EnsureApplication(); }
};

constexpr int kSettling = 8;

void ExpectOnTheScreen(qtui::FormWindow& window) {
  ASSERT_TRUE(window.isVisible());
  const QRect available = window.screen()->availableGeometry();
  const QRect frame = window.frameGeometry();
  EXPECT_TRUE(available.contains(frame.topLeft())) << "the title bar is off the screen";
  if (frame.width() <= available.width() && frame.height() <= available.height()) {
    EXPECT_TRUE(available.contains(frame));
    // A window that settles its size as it shows stays near the middle.
    EXPECT_LE(std::abs(frame.center().x() - available.center().x()), kSettling);
    EXPECT_LE(std::abs(frame.center().y() - available.center().y()), kSettling);
  }
}

TEST_F(Placement, EachWindowAppearsInsideTheScreensAvailableArea) {
  ForEachDesktopFont([&] {
    QtProgram program(32, 50, texts::Edition::English);
    auto& cutter = ShowModelWindowAfterConnecting<taskhelm::Dru71Set>(program);
    ExpectOnTheScreen(*program.host.WindowOf(cutter));
    auto& about = program.app.Window<taskhelm::About>();
    program.host.Enter([&] { about.Show(forms::ShowMode::Modeless); });
    ExpectOnTheScreen(*program.host.WindowOf(about));
  });
}

TEST_F(Placement, TheSplashIsAFramelessSplashInTheMiddle) {
  QtProgram program(32, 32, texts::Edition::English);
  auto& splash = program.app.Window<taskhelm::Splash>();
  program.host.Enter([&] { splash.Show(forms::ShowMode::Modeless); });
  qtui::FormWindow& window = *program.host.WindowOf(splash);
  EXPECT_EQ(window.windowType(), Qt::SplashScreen);
  EXPECT_TRUE(window.windowFlags().testFlag(Qt::FramelessWindowHint));
  ExpectOnTheScreen(window);
}

}  // namespace
}  // namespace qtui_tests
