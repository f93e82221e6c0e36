// About and Splash.
#include <gtest/gtest.h>

#include "setup/About.h"
#include "setup/Splash.h"
#include "tests/setup/SetupTestSupport.h"

namespace {

using taskhelm::About;
using taskhelm::Splash;
using testing_support::AppFixture;

TEST(AboutWindow, CaptionNamesTheModel) {
  const std::pair<int16_t, const char*> rows[] = {
      {0, "About Plotter 36 K Taskhelm"},
      {32, "About Kelvaro R/V - Quorvane Taskhelm"},
      {33, "About Plotter 870 Kr Taskhelm"},
      {34, "About Plotter 36 Kr Taskhelm"},
      {35, "About MarveskK Plotter/Cutter Taskhelm"},
      {36, "About Taskhelm"},
      {39, "About Quorvane 520 Taskhelm"},
      {40, "About Plotter 870 KrV Taskhelm"},
      {41, "About Plotter 36 KrV Taskhelm"},
      {42, "About Quorvane 555LJ Taskhelm"},
      {47, "About Taskhelm"},
  };
  AppFixture f;
  for (auto [model, caption] : rows) {
    SCOPED_TRACE(model);
    f.s.ModelCode = model;
    std::string shown;
    setup_tests::ShowModal<About>(f, [&](About& w) {
      shown = w.Caption();
      w.AboutOK.Press();
    });
    EXPECT_EQ(shown, caption);
    EXPECT_FALSE(f.app.LoadedWindow<About>());  // OK closed it; the next opening reloads
  }
}

TEST(AboutWindow, TextStartsWithTheSupportedSystemsAndThePartNumber) {
  AppFixture f;
  const std::string text = f.app.Window<About>().AboutText.Caption();
  EXPECT_EQ(text.rfind("For Windows XP, 2000, NT, 9x\r\nPN 352604 REV 10\r\n", 0), 0u);
  EXPECT_EQ(setup_tests::Occurrences(text, "\r\n"), 3);
  EXPECT_EQ(f.app.Window<About>().AboutOK.Caption(), "OK");
}

TEST(SplashWindow, LoadShowsPictureAndLabelsAndUnloadPumps) {
  AppFixture f;
  f.host.SetPointer(forms::Pointer::Hourglass);
  Splash& w = f.app.Window<Splash>();
  EXPECT_EQ(w.Name(), "Splash");
  EXPECT_EQ(w.Caption(), "Taskhelm");
  EXPECT_TRUE(w.Picture1.Visible());
  EXPECT_EQ(w.Picture1.Picture(), "logo");
  EXPECT_EQ(w.Check.Caption(), "Checking Plotter and ROM Version.");
  EXPECT_EQ(w.Stby.Caption(), "Please Stand By");
  EXPECT_EQ(f.host.pointer, forms::Pointer::Default);
  int pumps = f.host.pumps;
  w.Unload();
  EXPECT_EQ(f.host.pumps, pumps + 1);
}

}  // namespace
