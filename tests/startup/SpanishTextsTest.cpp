// The Spanish edition shows Spanish wording for every text of start-up and the port layer.
#include <gtest/gtest.h>

#include <filesystem>

#include "link/Identify.h"
#include "setup/Config.h"
#include "startup/Main.h"
#include "tests/support/AppFixture.h"

namespace taskhelm {
namespace {

using testing_support::AppFixture;
using testing_support::AppOptions;

AppOptions Spanish(int model = 32, std::optional<int> id = {}) {
  AppOptions o;
  o.model = model;
  o.deviceId = id;
  o.edition = texts::Edition::Spanish;
  return o;
}

void ExpectAllSpanish(const AppFixture& f) {
  for (const std::string& missing : f.app.T.Missing()) ADD_FAILURE() << "no Spanish for: " << missing;
}

TEST(SpanishTexts, StartUpAndItsFailures) {
  AppFixture f(Spanish());
  f.s = SharedState{};
  f.WriteIniText("garbage");
  f.device.faults.silent = true;
  f.host.modalOperators["Config"] = [](forms::Form& form) {
    static_cast<Config&>(form).ConfigCancel.Press();
  };
  f.host.Run([&] { Main(f.app); });
  ASSERT_FALSE(f.host.boxes.empty());
  EXPECT_EQ(f.host.boxes[0].text.rfind("Error al leer el archivo INI", 0), 0u);
  ExpectAllSpanish(f);
}

TEST(SpanishTexts, AStartUpFileThatCannotBeReplaced) {
  AppFixture f(Spanish());
  f.s.ReportErrors = false;
  std::filesystem::remove(f.app.IniPath());
  std::filesystem::create_directory(f.app.IniPath());
  EXPECT_FALSE(ReadIniFile(f.app));
  ASSERT_EQ(f.host.boxes.size(), 1u);
  EXPECT_EQ(f.host.boxes[0].text,
            "Error al leer el archivo INI - Se usan los valores por omisión, el archivo queda "
            "como está\rError #  75  No es un archivo normal");
  ExpectAllSpanish(f);
}

TEST(SpanishTexts, DeviceMessages) {
  AppFixture f(Spanish(32, 20));
  f.s.NotConnectedText = "Green light Not ON or Cutter Not Connected to ";
  EXPECT_FALSE(VerifyModel(f.app, 32));
  ASSERT_EQ(f.host.boxes.size(), 1u);
  EXPECT_EQ(f.host.boxes[0].text, "Modelo Quorvane Incorrecto.\r\nPor favor intente ");
  f.device.faults.silent = true;
  std::string reply;
  f.app.port.Query("!IC@", reply, 13, 3000, 4);
  EXPECT_EQ(f.host.LastBox()->text,
            "La luz verde no se encuentra encendida o el ploter no esta conectado a COM1.");
  f.device.faults = {};
  f.device.faults.shortDump = true;
  ReadDeviceSettings(f.app);
  EXPECT_EQ(f.host.LastBox()->text, "Numero equivocado de parámetros retornado.");
  ASSERT_TRUE(f.app.port.OpenPort());
  f.line.RaiseEvent(platform::LineEvent::TransmitBufferFull);
  f.app.port.Comm1_OnComm();
  EXPECT_EQ(f.host.LastBox()->text, " Banco de Memoria Saturado");
  EXPECT_EQ(f.host.LastBox()->title, "Error de comunicación");
  ExpectAllSpanish(f);
}

TEST(SpanishTexts, ParallelPortMessages) {
  AppFixture f(Spanish());
  f.UseParallelPort(1);
  for (int code : {5, 21, 1121}) {
    f.parlink.openResult = -2;
    f.parlink.openError = code;
    f.app.port.OpenLptPort("LPT1");
  }
  f.parlink.openResult = 1;
  f.parlink.setTimeoutsOk = false;
  f.app.port.OpenLptPort("LPT1");
  EXPECT_EQ(f.host.boxes[0].text,
            "No se pudo abrir LPT1\r\nAcceso negado por Windows. \r\nVerifique no hay otro programa "
            "utilizando el puerto serial. ");
  // Without the library: both lines Spanish, the loader's own reason as the system gives it.
  f.app.port.CloseLptPort();
  f.host.boxes.clear();
  f.parlink.loadable = false;
  f.app.port.OpenLptPort("LPT1");
  f.parlink.error.kind = platform::ParlinkLoadError::Kind::LacksFunction;
  f.parlink.error.detail = "WriteLPT";
  f.app.port.OpenLptPort("LPT1");
  ASSERT_EQ(f.host.boxes.size(), 2u);
  EXPECT_EQ(f.host.boxes[0].text,
            "No se pudo abrir LPT1\r\nLa biblioteca del puerto paralelo libparlink.so no se pudo "
            "cargar (se buscó en /opt/taskhelm, la ruta de búsqueda de bibliotecas): libparlink.so: "
            "cannot open shared object file");
  EXPECT_EQ(f.host.boxes[1].text,
            "No se pudo abrir LPT1\r\nLa biblioteca del puerto paralelo libparlink.so no tiene la "
            "función WriteLPT.");
  ExpectAllSpanish(f);
}

}  // namespace
}  // namespace taskhelm
