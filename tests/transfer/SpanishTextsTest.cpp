// The Spanish edition has a wording for every text the transfer windows show.
#include <gtest/gtest.h>

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

}  // namespace
}  // namespace transfer_tests
