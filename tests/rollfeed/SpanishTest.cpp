// The roll-feed window in the Spanish edition: the boxes the model's wording names speak
// Spanish, every other text of the window stays English, and no text lacks its entry.
#include <gtest/gtest.h>

#include "tests/rollfeed/RollFeedHarness.h"

namespace rollfeed_tests {
namespace {

using forms::MsgAnswer;

struct SpanishHarness : RollFeedHarness {
  SpanishHarness() : RollFeedHarness(RollFeed(texts::Edition::Spanish)) {}
  const testing_support::ShownBox& Last() { return *f.host.LastBox(); }
};

TEST(RollFeedSpanish, TheModelsBoxesSpeakSpanish) {
  SpanishHarness h;
  auto& w = h.Window();
  h.f.host.answers = {MsgAnswer::Cancel, MsgAnswer::Cancel};
  w.SendSettingTemp.Press();
  EXPECT_EQ(h.Last().title, "Temporary");
  EXPECT_EQ(h.Last().text, "Temporalmente cambiar los parámetros del ploter.");
  w.SendDefault.Press();
  EXPECT_EQ(h.Last().text, "Permanentemente cambiar los parámetros del MarveskK.");

  h.f.device.faults.shortDump = true;
  w.SendSettingTemp.Press();
  EXPECT_EQ(h.Last().title, "Error en el Ploter");
  h.f.device.faults.shortDump = false;

  w.DsplyFactCom.Choose();
  EXPECT_EQ(h.Last().title, "Parámetros Preestablecidos");
  w.TstPortCom.Choose();
  EXPECT_EQ(h.Last().title, "Verificación Comunicación del Ploter");

  h.Type(w.LoForce, "50");
  h.Type(w.HiForce, "20");
  EXPECT_EQ(h.Last().title, "ADVERTENCIA");
  w.Gap.GotFocus();
  EXPECT_EQ(w.StatusBar.Text(), "Separación entre ventanas.");
  w.PanelX.GotFocus();
  EXPECT_EQ(w.StatusBar.Text(), "Ancho máximo de corte en el eje X.");
}

TEST(RollFeedSpanish, TheWindowsOwnTextsStayEnglish) {
  SpanishHarness h;
  auto& w = h.Window();
  EXPECT_EQ(w.Caption(), "MarveskK Plotter/Cutter Taskhelm");
  EXPECT_EQ(w.RollButton.Caption(), "Paneled Roll Feed");
  EXPECT_EQ(w.SendSettingTemp.Caption(), "Temporary");
  EXPECT_EQ(w.EnglishButton.Caption(), "English");
  EXPECT_EQ(w.Frame3D10.Caption(), "Measurement Units");
  EXPECT_EQ(w.FileMenu.Caption(), "&File");
  EXPECT_EQ(w.PanelXLab.Caption(), "X-Axis (in)");
  EXPECT_EQ(w.AccelLabel.Caption(), "(g's)");
  w.EnglishButton.GotFocus();
  EXPECT_EQ(w.StatusBar.Text(), "Set cutter options in inches and mils.");
}

TEST(RollFeedSpanish, EveryTextTheWindowShowsHasItsEntry) {
  SpanishHarness h;
  auto& w = h.Window();
  for (forms::OptionButton* option : {&w.RollButton, &w.RollUnButton, &w.CutButton})
    option->SetValue(true);
  w.CutEnable.SetValue(1);
  h.UseEveryFrameCommand(w);
  h.Type(w.HiForce, "5");
  h.Type(w.LoForce, "900");
  w.DsplyKnifeCom.Choose();
  EXPECT_TRUE(h.f.app.T.Missing().empty()) << *h.f.app.T.Missing().begin();
}

}  // namespace
}  // namespace rollfeed_tests
