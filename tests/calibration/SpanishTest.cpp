// The Spanish edition of the calibration and adjustment windows: the wording the device family
// uses, and no text left in English.
#include <gtest/gtest.h>

#include "calibration/Calib.h"
#include "calibration/CarrCalib.h"
#include "calibration/CornerForm.h"
#include "calibration/FilterForm.h"
#include "calibration/PenAdj.h"
#include "calibration/SensorCal.h"
#include "tests/calibration/CalibrationHarness.h"

namespace calibration_tests {
namespace {

using namespace taskhelm;

TEST(SpanishEdition, EveryWindowAndMessage) {
  CalibrationHarness h({.model = 32, .id = 50, .edition = texts::Edition::Spanish});
  h.f.s.NotConnectedText = "Green light Not ON or Cutter Not Connected to ";
  h.Show<Calib>([&](Calib& w) {
    EXPECT_EQ(w.Caption(), "Establecer Calibración");
    EXPECT_EQ(w.XIntLab.Caption(), "Valor esperado(in)");
    w.SetCal[0].Press();  // nothing measured
    w.CalPlot.Press();
    w.DispatchKeyDown(&w.CalDone, 'K', forms::AltKey);
    EXPECT_EQ(w.StatusBar.Text(),
              "R/V Series no contiene valores separados de calibración originales.");
    w.CalDone.GotFocus();
    w.SetCal[0].MouseMove();
    w.XMeas.GotFocus();
  });
  EXPECT_EQ(h.f.host.boxes[0].text, "Introduzca los valores medidos en el eje X & en el eje Y");
  EXPECT_EQ(h.f.host.boxes[1].text,
            "A 40.0 x 20.0 in. cuadro será trazado.\r\nDesea iniciar el trazo?");
  h.Show<CarrCalib>([&](CarrCalib& w) {
    EXPECT_EQ(w.DoneCarrCal.Caption(), "Finalizado");
    h.f.host.answers = {forms::MsgAnswer::Cancel};
    w.CarCalPlot.Press();
    h.f.s.PlotterPresent = false;
    w.CarCalPlot.Press();
    h.f.s.PlotterPresent = true;
    h.f.device.faults.replacedReplies["OC"] = "40000,29";
    w.CarCalPlot.Press();
    EXPECT_EQ(h.f.host.LastBox()->text,
              "El ploter reporta valores de corte que no se podrían restablecer después del "
              "trazo. No se realiza el trazo de calibración.");
    h.f.device.faults.replacedReplies.clear();
  });
  h.Show<SensorCal>([&](SensorCal& w) {
    EXPECT_EQ(w.Command2.Caption(), "E Finalizar");
    w.txtXSensorAdjust.SetText("x");
    w.btnSendSensorAdjust.Press();
  });
  h.Show<PenAdj>([](PenAdj&) {});
  h.Show<CornerForm>([&](CornerForm& w) {
    w.CornerOK.GotFocus();
    EXPECT_EQ(w.StatusBar.Text(), "Seleccione el parámetro.");
    w.Smooth.MouseMove();
    w.Speedy.SetValue(true);
    w.CornerOK.Press();
  });
  h.f.device.faults.silentCommands.insert("OS");
  h.Show<FilterForm>([&](FilterForm& w) {
    w.FilterOK.GotFocus();
    w.FilterEnable.MouseMove();
    w.UpdateFilter();
    w.FilterCancel.Press();
  });
  EXPECT_EQ(h.f.host.LastBox()->text, "Error de comunicación");
  for (const std::string& missing : h.f.app.T.Missing()) ADD_FAILURE() << "no Spanish for: " << missing;
}

}  // namespace
}  // namespace calibration_tests
