// What every setup window shares: a layout that places each control, and Spanish wordings for
// every text the windows show.
#include <gtest/gtest.h>

#include "setup/About.h"
#include "setup/Config.h"
#include "setup/DefLangForm.h"
#include "setup/PortTest.h"
#include "setup/Serial.h"
#include "setup/Splash.h"
#include "setup/modeForm.h"
#include "tests/setup/SetupTestSupport.h"

namespace {

using namespace taskhelm;
using testing_support::AppFixture;
using testing_support::AppOptions;

void ExpectPlaced(const forms::Form& form) {
  SCOPED_TRACE(form.Name());
  EXPECT_GT(form.Width(), 0);
  for (const forms::Control* c : form.Controls()) {
    if (c->Kind() == forms::ControlKind::Timer) continue;
    SCOPED_TRACE(c->Name());
    const forms::Rect& r = c->Geometry();
    EXPECT_GT(r.Width, 0);
    EXPECT_GT(r.Height, 0);
    if (!c->Container()) {
      EXPECT_LE(r.Left + r.Width, form.Width());
      EXPECT_LE(r.Top + r.Height, form.Height());
    }
  }
}

TEST(SetupLayout, EveryControlIsPlacedInsideItsWindow) {
  AppFixture f;
  ExpectPlaced(f.app.Window<Config>());
  ExpectPlaced(f.app.Window<Serial>());
  ExpectPlaced(f.app.Window<DefLangForm>());
  ExpectPlaced(f.app.Window<modeForm>());
  ExpectPlaced(f.app.Window<About>());
  ExpectPlaced(f.app.Window<Splash>());
}

void FocusEach(forms::Form& form) {
  for (forms::Control* control : form.Controls())
    if (control->GotFocus) control->GotFocus();
}

// Walks the windows through their texts in the Spanish edition; any English text without a
// Spanish wording is remembered by the catalogue. Setup connects with model 42 only, whose
// settings window the connection leaves alone, so that only this subsystem's texts count.
TEST(SetupTexts, EveryShownTextHasASpanishWording) {
  for (int model : {42, 33, 35}) {
    SCOPED_TRACE(model);
    AppFixture f(model, texts::Edition::Spanish);
    f.app.Window<Splash>();
    if (model == 42) {
      f.s.LastPresentState = 1;
      f.s.LastModel = 99;
      setup_tests::ShowModal<Config>(f, [](Config& c) {
        FocusEach(c);
        c.PresentChk.SetValue(0);
        c.ConfigOK.Press();  // brings the WARNING box
      });
    }
    f.device.faults.silent = true;  // brings the echo error texts
    for (int16_t mode : {0, 1})
      for (auto wording : {taskhelm::DeviceWording::Cutter, taskhelm::DeviceWording::Plotter}) {
        f.host.modalOperators["Serial"] = [](forms::Form& form) {
          auto& w = static_cast<Serial&>(form);
          w.DispatchKeyPress(nullptr, 'A');
          w.SerialExit.Press();
        };
        f.host.Run([&] { StartPortTest(f.app, mode, wording); });
      }
    f.s.HpglMode = 1;
    f.host.answers = {forms::MsgAnswer::No};
    setup_tests::ShowModal<DefLangForm>(f, [](DefLangForm& w) {
      FocusEach(w);
      w.HPGL7596.SetValue(true);
      w.LangOK.Press();
    });
    setup_tests::ShowModal<modeForm>(f, [](modeForm&) {});  // no reply
    f.device.faults.silent = false;
    f.device.Service().cutterMode = 2;
    setup_tests::ShowModal<modeForm>(f, [&](modeForm& w) {
      FocusEach(w);
      f.device.faults.ctsLow = true;  // the command cannot go out
      w.msOK.Press();
    });
    f.device.faults.ctsLow = false;
    setup_tests::ShowModal<About>(f, [](About& w) { w.AboutOK.Press(); });
    setup_tests::ShowModal<modeForm>(f, [](modeForm& w) {
      w.Signcutter.SetValue(true);
      w.msOK.Press();  // sent: the program ends
    });
    EXPECT_TRUE(f.host.ending);
    EXPECT_TRUE(f.app.T.Missing().empty()) << *f.app.T.Missing().begin();
  }
}

}  // namespace
