// A calibration or adjustment window closed and opened again is a new one: what the operator typed
// and what the last model enabled or disabled are gone, and the opening reads the model and the
// device of now.
#include <gtest/gtest.h>

#include "calibration/Calib.h"
#include "calibration/CarrCalib.h"
#include "calibration/CornerForm.h"
#include "calibration/FilterForm.h"
#include "calibration/Openers.h"
#include "calibration/PenAdj.h"
#include "calibration/SensorCal.h"
#include "tests/calibration/CalibrationHarness.h"

namespace calibration_tests {
namespace {

using taskhelm::App;

// The operator plugs in another device and chooses its model in Setup.
void ChangeModel(CalibrationHarness& h, int model) {
  h.f.device = sim::Device(model);
  h.f.s.ModelCode = static_cast<int16_t>(model);
  h.f.s.DeviceId = static_cast<int16_t>(model);
  EXPECT_TRUE(taskhelm::ConnectDevice(h.f.app, true));
  h.f.host.boxes.clear();
  h.f.device.ClearReceived();
}

template <class W>
void ShowModal(App& app) {
  app.Window<W>().Show(forms::ShowMode::Modal);
}

struct Reopening {
  const char* window;
  int firstModel, secondModel;
  void (*open)(App&);
  // The first visit, ending as the operator closes the window.
  std::function<void(forms::Form&, CalibrationHarness&)> first;
  // What is different about the new device (may be empty).
  std::function<void(CalibrationHarness&)> device;
  // The second visit's checks.
  std::function<void(forms::Form&, CalibrationHarness&)> second;
};

TEST(OpenAfresh, EveryWindowOpensAsANewOneAfterAModelChange) {
  const Reopening rows[] = {
      {"Calib", 32, 36, ShowModal<taskhelm::Calib>,
       [](forms::Form& form, CalibrationHarness& h) {
         auto& w = static_cast<taskhelm::Calib&>(form);
         EXPECT_EQ(w.XIntend.Caption(), "40.000");
         CalibrationHarness::Type(w.XMeas, "40.25", w.YMeas);
         CalibrationHarness::Type(w.YMeas, "19.86", w.CalDone);
         h.f.host.Press(w.CalDone);
       },
       {},
       [](forms::Form& form, CalibrationHarness& h) {
         auto& w = static_cast<taskhelm::Calib&>(form);
         EXPECT_EQ(w.XIntend.Caption(), "16.000");
         EXPECT_EQ(w.XMeas.Text(), "");
         EXPECT_EQ(w.YMeas.Text(), "");
         h.f.host.Press(w.SetCal[0]);
         EXPECT_EQ(BoxTitles(h.f.host), "ERROR");
         if (const testing_support::ShownBox* box = h.f.host.LastBox()) {
           EXPECT_EQ(box->text, "Enter X-Axis and Y-Axis Measured Values");
         }
         EXPECT_EQ(h.Received().find("!MC"), std::string::npos) << h.Received();
         h.f.host.Press(w.CalDone);
       }},
      {"CarrCalib", 36, 39, ShowModal<taskhelm::CarrCalib>,
       [](forms::Form& form, CalibrationHarness& h) {
         auto& w = static_cast<taskhelm::CarrCalib&>(form);
         EXPECT_FALSE(w.DurationCalib.Enabled());
         EXPECT_TRUE(w.ForceCoast.Enabled());
         CalibrationHarness::Type(w.ForceCalib, "300", w.DoneCarrCal);
         h.f.host.Press(w.DoneCarrCal);
       },
       {},
       [](forms::Form& form, CalibrationHarness& h) {
         auto& w = static_cast<taskhelm::CarrCalib&>(form);
         EXPECT_EQ(w.ParamCount, 2);
         EXPECT_TRUE(w.DurationCalib.Enabled());
         EXPECT_TRUE(w.DurationCalibSpin.Enabled());
         EXPECT_FALSE(w.ForceCoast.Enabled());
         EXPECT_EQ(w.ForceCalib.Text(), "55");  // the new device's, not the one typed before
         EXPECT_EQ(w.ForceCoast.Text(), "");
         h.f.host.Press(w.DoneCarrCal);
       }},
      {"SensorCal", 32, 36, ShowModal<taskhelm::SensorCal>,
       [](forms::Form& form, CalibrationHarness& h) {
         auto& w = static_cast<taskhelm::SensorCal&>(form);
         EXPECT_NE(w.Label5.Caption(), "");
         CalibrationHarness::Type(w.txtXSensorAdjust, "7", w.Command2);
         h.f.host.Press(w.Command2);
       },
       // This device does not answer the reads: the window shows nothing of the last one.
       [](CalibrationHarness& h) { h.f.device.faults.silentCommands = {"SO", "RA"}; },
       [](forms::Form& form, CalibrationHarness& h) {
         auto& w = static_cast<taskhelm::SensorCal&>(form);
         for (forms::Label* value : {&w.Label5, &w.Label6, &w.Label7, &w.Label8})
           EXPECT_EQ(value->Caption(), "") << value->Name();
         EXPECT_EQ(w.txtXSensorAdjust.Text(), "");
         EXPECT_EQ(w.txtYSensorAdjust.Text(), "");
         h.f.host.Press(w.Command2);
       }},
      {"PenAdj", 32, 36, taskhelm::ShowPenAdjustment,
       [](forms::Form& form, CalibrationHarness&) {
         auto& w = static_cast<taskhelm::PenAdj&>(form);
         EXPECT_EQ(w.LF.Text(), "40");
         CalibrationHarness::Type(w.PenD, "77", w.PF);
         w.Close();
       },
       // Three values only, so no answer: the boxes stay empty rather than show the last
       // window's values.
       [](CalibrationHarness& h) { h.f.device.faults.shortReplies["OP"] = 3; },
       [](forms::Form& form, CalibrationHarness&) {
         auto& w = static_cast<taskhelm::PenAdj&>(form);
         for (forms::TextBox* box : {&w.PF, &w.CF, &w.LF, &w.ID})
           EXPECT_EQ(box->Text(), "") << box->Name();
         EXPECT_EQ(w.PenD.Text(), "0");  // as every opening sets it, not the 77 typed before
         w.Close();
       }},
      {"FilterForm", 39, 36,
       [](App& app) { taskhelm::ShowFiltering(app, taskhelm::FilterOpening::ReadStateFirst); },
       [](forms::Form& form, CalibrationHarness& h) {
         auto& w = static_cast<taskhelm::FilterForm&>(form);
         EXPECT_FALSE(w.FilterEnable.Enabled());
         EXPECT_EQ(w.StatusBar.Text(), "Default.  Especially useful with fonts.");
         h.f.host.Press(w.FilterCancel);
       },
       // Its filtering is off: the read leaves the box as the load made it.
       [](CalibrationHarness& h) { h.f.device.Receive("!SM0@"); },
       [](forms::Form& form, CalibrationHarness& h) {
         auto& w = static_cast<taskhelm::FilterForm&>(form);
         EXPECT_TRUE(w.FilterEnable.Enabled());
         EXPECT_EQ(w.StatusBar.Text(), "Removes tiny imperfections.");
         h.f.host.Press(w.FilterCancel);
       }},
      {"CornerForm", 32, 36, taskhelm::ShowCornering,
       [](forms::Form& form, CalibrationHarness& h) {
         auto& w = static_cast<taskhelm::CornerForm&>(form);
         EXPECT_TRUE(w.Smooth.Value());
         w.Speedy.SetValue(true);
         w.CornerOK.SetFocus();
         EXPECT_EQ(w.StatusBar.Text(), "Select the setting.");
         h.f.host.Press(w.CornerOK);
         EXPECT_EQ(BoxTitles(h.f.host), "Cornering");
       },
       // The settings read from the new device say banner fill.
       [](CalibrationHarness& h) { h.f.s.CorneringMode = 4; },
       [](forms::Form& form, CalibrationHarness& h) {
         auto& w = static_cast<taskhelm::CornerForm&>(form);
         EXPECT_TRUE(w.Speedy.Value());
         EXPECT_EQ(w.StatusBar.Text(), "");
         EXPECT_NE(w.ActiveControl(), &w.CornerOK);
         // Nothing chosen since this opening: OK has nothing to announce.
         h.f.host.Press(w.CornerOK);
         EXPECT_EQ(BoxTitles(h.f.host), "");
       }},
  };
  for (const Reopening& row : rows) {
    SCOPED_TRACE(row.window);
    CalibrationHarness h({.model = row.firstModel});
    auto& host = h.f.host;
    forms::Form* first = nullptr;
    host.modalOperators[row.window] = [&](forms::Form& form) {
      first = &form;
      row.first(form, h);
    };
    host.Run([&] { row.open(h.f.app); });
    ASSERT_NE(first, nullptr);
    EXPECT_FALSE(first->Loaded());

    ChangeModel(h, row.secondModel);
    if (row.device) row.device(h);
    bool shown = false;
    host.modalOperators[row.window] = [&](forms::Form& form) {
      shown = true;
      row.second(form, h);
    };
    host.Run([&] { row.open(h.f.app); });
    EXPECT_TRUE(shown);
  }
}

// The cutter's Filtering reads the device first and shows nothing when that fails: the window
// loaded for the read does not stay behind for the next model.
TEST(OpenAfresh, FilteringAfterAFailedReadOpensForTheModelOfThen) {
  CalibrationHarness h({.model = 39});
  h.f.device.faults.silentCommands.insert("OS");
  h.f.host.Run([&] { ShowFiltering(h.f.app, taskhelm::FilterOpening::ReadStateFirst); });
  EXPECT_FALSE(h.f.host.IsShown("FilterForm"));
  EXPECT_EQ(h.f.app.LoadedWindow<taskhelm::FilterForm>(), nullptr);

  ChangeModel(h, 36);
  bool enabled = false;
  h.f.host.modalOperators["FilterForm"] = [&](forms::Form& form) {
    auto& w = static_cast<taskhelm::FilterForm&>(form);
    enabled = w.FilterEnable.Enabled();
    h.f.host.Press(w.FilterCancel);
  };
  h.f.host.Run([&] { ShowFiltering(h.f.app, taskhelm::FilterOpening::ReadStateFirst); });
  EXPECT_TRUE(enabled);
}

}  // namespace
}  // namespace calibration_tests
