// The Spanish edition of the cutter window.
#include <gtest/gtest.h>

#include "tests/cutter/CutterHarness.h"

namespace cutter_tests {
namespace {

using forms::MsgAnswer;

struct Spanish : CutterHarness {
  Spanish() : CutterHarness(Cutter(32, 50, texts::Edition::Spanish)) {}
  const testing_support::ShownBox& Last() { return *f.host.LastBox(); }
};

TEST(CutterSpanish, BoxesShowTheSpanishWording) {
  Spanish h;
  auto& w = h.Window();
  EXPECT_EQ(w.SendSettingTemp.Caption(), "Temporalmente");
  h.f.host.answers = {MsgAnswer::Cancel};
  w.SendSettingTemp.Press();
  EXPECT_EQ(h.Last().title, "Temporalmente");
  EXPECT_EQ(h.Last().text, "Cambiar los parámetros del ploter temporalmente.");

  h.Type(w.HiForce, "100");
  h.Type(w.LoForce, "300");
  EXPECT_EQ(h.Last().title, "ADVERTENCIA");
  EXPECT_EQ(h.Last().text,
            "Fuerza mínima ha sido establecida arriba de la fuerza Maxima, fuerza Minima reducida "
            "al equivalente de la fuerza Máxima.");

  w.PounceEnable.SetValue(1);
  EXPECT_EQ(h.Last().title, "Activar Perforación");
  EXPECT_EQ(h.Last().text,
            "Si se ha establecido la opción de perforación de papel en su software de diseño, no "
            "es recomendable establecerlo en este programa.  Para perforación de papel, se "
            "recomienda establecer la aceleración a 0.5g");

  w.Offset.SetFocus();
  EXPECT_EQ(w.StatusBar.Text(),
            "Distancia del centro a la punta de la cuchilla (Obtenga esta información del "
            "fabricante).");

  h.f.device.faults.shortDump = true;
  w.SendSettingTemp.Press();
  EXPECT_EQ(h.Last().title, "Error en el Ploter");
  EXPECT_EQ(h.Last().text, "La luz verde no se encuentra encendida o el ploter no esta conectado a COM1");
  h.f.device.faults.shortDump = false;

  w.DsplyRomCom.Choose();
  EXPECT_EQ(h.Last().title, "Versión del ROM");
  w.DsplyMemCom.Choose();
  EXPECT_EQ(h.Last().text, "Banco de Memoria = 1024K");
  w.DsplyKnifeCom.Choose();
  EXPECT_EQ(h.Last().text, "Porta cuchillas instalado");
}

TEST(CutterSpanish, EveryTextTheWindowShowsHasItsSpanishWording) {
  for (int model : {32, 36, 39}) {
    CutterHarness h(Cutter(model, model == 32 ? std::optional<int>(50) : std::nullopt,
                           texts::Edition::Spanish));
    auto& w = h.Window();
    h.UseEveryFrameCommand(w);
    h.Type(w.HiForce, "5");
    h.f.s.ForceMin = 50;
    h.Type(w.HiForce, "5");
    w.LoopEnable.SetValue(1);
    w.CutEnable.SetValue(1);
    w.PounceEnable.SetValue(1);
    for (forms::MenuItem* item : {&w.DsplyKnifeCom, &w.DsplyMotorVoltsCom}) item->Choose();
    h.f.device.faults.shortDump = true;
    w.UpdateDisplay.Press();
    EXPECT_TRUE(h.f.app.T.Missing().empty())
        << model << ": " << *h.f.app.T.Missing().begin();
  }
}

}  // namespace
}  // namespace cutter_tests
