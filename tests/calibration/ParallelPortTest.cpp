// The windows read and send over the parallel port as over the serial line.
#include <gtest/gtest.h>

#include "calibration/CarrCalib.h"
#include "calibration/FilterForm.h"
#include "calibration/Openers.h"
#include "calibration/PenAdj.h"
#include "calibration/SensorCal.h"
#include "tests/calibration/CalibrationHarness.h"

namespace calibration_tests {
namespace {

using namespace taskhelm;

struct ParallelRow {
  const char* name;
  std::deque<std::string> replies;  // what the port reads, in order
  std::function<void(CalibrationHarness&)> run;
  const char* written;
};

TEST(ParallelPort, WindowsReadAndSendOverIt) {
  const ParallelRow rows[] = {
      {"carriage values", {"39\r", "85,29\r"},
       [](CalibrationHarness& h) {
         h.Show<CarrCalib>([](CarrCalib& w) {
           EXPECT_EQ(w.ForceCalib.Text(), "85");
           EXPECT_EQ(w.DurationCalib.Text(), "29");
         });
       },
       "!IC@!OC@"},
      {"sensor offsets, padded reply", {std::string("1,2,3,4\r\0\0", 10), "5,-3\r"},
       [](CalibrationHarness& h) {
         h.Show<SensorCal>([](SensorCal& w) {
           EXPECT_EQ(w.Label8.Caption(), "4");
           EXPECT_EQ(w.txtYSensorAdjust.Text(), "-3");
         });
       },
       "!SO@!RA@"},
      {"pen profile", {"1,2,3,4,5,6,7,8\r", "90,29\r"},
       [](CalibrationHarness& h) {
         h.Show<PenAdj>([](PenAdj& w) {
           EXPECT_EQ(w.ID.Text(), "8");
           EXPECT_EQ(w.PFgrams.Text(), "90");
           w.PenD.SetText("300");
           w.Command3.Press();
         });
       },
       "!OP@!OC@!PF255@"},
      {"filtering", {"0\r"},
       [](CalibrationHarness& h) {
         h.f.host.modalOperators["FilterForm"] = [](forms::Form& form) {
           EXPECT_EQ(static_cast<FilterForm&>(form).FilterEnable.Value(), 0);
         };
         h.f.host.Run([&] { ShowFiltering(h.f.app, FilterOpening::ReadStateFirst); });
       },
       "!OS@"},
  };
  for (const ParallelRow& row : rows) {
    SCOPED_TRACE(row.name);
    CalibrationHarness h({.model = 39});
    h.f.UseParallelPort(1);
    h.f.parlink.replies = row.replies;
    row.run(h);
    EXPECT_EQ(h.f.parlink.written, row.written);
    EXPECT_TRUE(h.f.host.boxes.empty());
  }
}

}  // namespace
}  // namespace calibration_tests
