// The Spanish edition of the pen-plotter window.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "tests/penplotter/PenPlotterHarness.h"

namespace penplotter_tests {
namespace {

using forms::MsgAnswer;


TEST(PenPlotterSpanish, TheWordingThePlotterBoxesAreGiven) {
  PenPlotterHarness h(StartedOn(33, {}, texts::Edition::Spanish));
  auto& w = h.Window();
  EXPECT_EQ(w.Caption(), "Ploter 870 Kr Taskhelm");
  EXPECT_EQ(w.Frame3D10.Caption(), "Opciones del Sensor");
  h.f.host.answers = {MsgAnswer::Cancel, MsgAnswer::Cancel};
  w.SendSettingTemp.Press();
  EXPECT_EQ(h.f.host.LastBox()->text, "Desea cambiar los parámetros del ploter temporalmente?");
  w.SendDefault.Press();
  EXPECT_EQ(h.f.host.LastBox()->text, "Desea cambiar los parámetros del ploter permanentemente?");

  w.Accel.SetFocus();
  EXPECT_EQ(w.StatusBar.Text(),
            "El tiempo que le tomara al bolígrafo alcanzar velocidad máxima cuando comienza el "
            "inicio de trazo.");

  h.f.device.faults.shortDump = true;
  w.SendSettingTemp.Press();
  EXPECT_EQ(h.f.host.LastBox()->title, "Error en el Ploter");
  h.f.device.faults.shortDump = false;

  w.DsplyFactCom.Choose();
  EXPECT_EQ(h.f.host.LastBox()->title, "Parámetros Preestablecidos");
  EXPECT_EQ(h.f.host.LastBox()->text,
            "Parámetros preestablecidos mostrados. Para enviar estos parámetros seleccione la "
            "opcion Temporalmente o Permanentemente.  Para ver los parámetros actuales seleccione "
            "Mostrar y Parámetros del Ploter. ");

  h.f.s.SettingsSent = false;
  h.f.host.answers = {MsgAnswer::No};
  h.f.host.Run([&] { w.ExitCom.Choose(); });
  EXPECT_EQ(h.f.host.LastBox()->title, "Salir del Taskhelm");
  EXPECT_EQ(h.f.host.LastBox()->text,
            "Últimos cambiamos no han sido actualizados en el ploter.\r\n\r\nDesea salir del "
            "programa sin actualizar los parametros?");
}

TEST(PenPlotterSpanish, EveryTextTheWindowShowsHasItsSpanishWording) {
  for (int model : {33, 34, 40, 41}) {
    SCOPED_TRACE(model);
    PenPlotterHarness h(StartedOn(model, {}, texts::Edition::Spanish));
    auto& w = h.Window();
    if (model == 34) {
      EXPECT_EQ(w.Frame3D10.Caption(), "Alineamiento de Ventanas");
    }
    w.MetricButton.SetValue(true);
    w.EnglishButton.SetValue(true);
    h.Type(w.HiForce, "5");
    h.Type(w.LoForce, "300");
    const std::initializer_list<forms::Control*> hinted = {
        &w.EnglishButton, &w.MetricButton, &w.SendSettingTemp, &w.SendDefault, &w.PanelX,
        &w.PanelY,        &w.XScale,       &w.YScale,          &w.Accel,       &w.UpDelay,
        &w.DnDelay,       &w.LoForce,      &w.HiForce,         &w.Speed,       &w.Gap,
        &w.FrameGapLab};
    for (forms::Control* c : hinted) {
      if (c->MouseMove) c->MouseMove();
    }
    w.SensorEnable.SetValue(1);
    w.TstPortCom.Choose();
    w.DsplyFactCom.Choose();
    w.DsplyMemCom.Choose();
    w.DsplyRomCom.Choose();
    h.f.host.answers = {MsgAnswer::No};
    w.Close();
    EXPECT_EQ(h.f.app.T.Missing(), std::set<std::string>{});
  }
}

}  // namespace
}  // namespace penplotter_tests
