// The Spanish edition has a wording for every text the transfer windows show.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

#include "transfer/Flash.h"
#include "transfer/OpenBin.h"
#include "transfer/Plot.h"
#include "transfer/SendCutFiles.h"
#include "transfer/SvFile.h"
#include "tests/transfer/TransferFixture.h"

namespace transfer_tests {
namespace {

TEST(SpanishTransferTexts, EveryShownTextHasItsWording) {
  TransferFixture f({.edition = texts::Edition::Spanish});
  taskhelm::App& app = f.app;

  auto& save = app.Window<taskhelm::SvFile>();
  EXPECT_EQ(save.Caption(), "Guardar los parámetros como");
  save.SaveFile.SetText("abcdefghi.tkh");
  save.SaveOK.Press();
  app.Window<taskhelm::SvFile>().SaveFile.SetText("");
  app.Window<taskhelm::SvFile>().SaveOK.Press();

  auto& send = app.Window<taskhelm::SendCutFiles>();
  EXPECT_EQ(send.btnDone.Caption(), "Finalizar");
  f.s.FileMenuIndex = 1;
  send.SetFileName(f.folder.Write("s.tkh", "!HO1 XX1 \r\n"));
  send.ReadSettingsFile();
  app.Window<taskhelm::SendCutFiles>().SetFileName(f.folder.Write("e.tkh", "\r\n"));
  app.Window<taskhelm::SendCutFiles>().ReadSettingsFile();

  auto& flash = app.Window<taskhelm::Flash>();
  EXPECT_EQ(flash.Caption(), "Instalación de Archivo de Actualización Quorvane");
  f.firmware.faults.silentFrom = 0;
  f.host.openFiles.push_back(f.folder.Write("x.bin", std::string(64000, 'x') + "Compiled:x"));
  flash.Command1.Press();
  flash.Command2.MouseMove();

  f.s.FileMenuIndex = 0;
  auto& plot = app.Window<taskhelm::Plot>();
  plot.Dir1.SetPath(f.folder.path);
  plot.PltFile.SetText("missing.plt");
  plot.PlotOK.Press();
  app.Window<taskhelm::OpenBin>();

  EXPECT_EQ(app.T.Missing(), std::set<std::string>{});
  EXPECT_FALSE(f.host.boxes.empty());
}

// Every status line of the firmware window, each path taken once in the Spanish edition.
TEST(SpanishTransferTexts, EveryFirmwareStatusHasItsWording) {
  TransferFixture f({.edition = texts::Edition::Spanish});
  std::string image = std::string(64000, 'x') + "Compiled:x";
  struct Run {
    std::string name, bytes;
    std::optional<int> nakAfter;  // packets this run has acknowledged before the device refuses
  };
  std::vector<std::string> statuses;
  f.Watch("Flash", [&] { return f.app.Window<taskhelm::Flash>().StatusBar.Text(); }, statuses);
  for (const Run& run : {Run{"ok.bin", image, {}}, Run{"nak.bin", image, 2},
                         Run{"small.bin", "Compiled:", {}},
                         Run{"plain.bin", std::string(64000, 'x'), {}},
                         Run{"image.txt", image, {}}}) {
    f.firmware.faults.nakFrom.reset();
    if (run.nakAfter)
      f.firmware.faults.nakFrom = static_cast<int>(f.firmware.Packets().size()) + *run.nakAfter;
    f.host.openFiles.push_back(f.folder.Write(run.name, run.bytes));
    auto& flash = f.app.Window<taskhelm::Flash>();
    flash.Command1.Press();
    flash.Command2.MouseMove();
    flash.Command2.Press();  // closes it: the next run has a fresh window
  }
  f.host.openFiles.push_back(f.folder.File("missing.bin"));
  f.app.Window<taskhelm::Flash>().Command1.Press();

  EXPECT_EQ(f.app.T.Missing(), std::set<std::string>{});
  for (const char* text : {"Información recibida             ", "La Instalación ha Finalizado",
                           "Transmisión de datos ha fallado", "Finalizado"})
    EXPECT_NE(std::find(statuses.begin(), statuses.end(), text), statuses.end()) << text;
}

}  // namespace
}  // namespace transfer_tests
