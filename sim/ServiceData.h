#pragma once
// The device's service values: carriage calibration, pen-down profile, filtering, registration
// sensor, servo drives and cutter mode. They live in the device's permanent memory, so a power
// cycle keeps them.
#include <array>
#include <vector>

namespace sim {

struct ServiceData {
  // Carriage calibration: force, duration, and on four-value machines coast force and coast time.
  std::vector<double> carriage;
  std::vector<double> carriageDefaults;

  // Pen-down profile: pulse force, pulse delay, coast force, coast delay, landing force, landing
  // delay, initial force, initial delay.
  std::array<double, 8> penProfile{180, 8, 60, 10, 40, 12, 20, 6};
  int penDac = 0;
  bool penDown = false;

  // What "!OK@" reports: 1 a blade holder is installed, 0 none (the pen plotters hold a pen).
  double bladeHolder = 1;

  int filtering = 1;
  int cutterMode = 0;  // 0 standard sign cutting, 1 the special mode

  // Registration sensor: offsets X forward, X reverse, Y forward, Y reverse; fine adjustment X, Y.
  std::array<int, 4> sensorOffsets{112, -97, 104, -88};
  std::array<double, 2> sensorAdjust{0, 0};
  // The repetitions of the last sensor test run (one byte), 0 before any.
  int sensorTestRuns = 0;

  // Servo drives, X then Y: the twelve parameters, protection (k_ilim, g_ilim, f_trip, f_lim) and
  // velocity-loop coefficients (VERR, VI, VD, VAP, VJAM).
  std::array<std::array<double, 12>, 2> servo{{
      {1.25, 0.015, 4.5, 0.85, 0.3, 0.12, 0, 20, 250, 90, 0.05, 0.045},
      {1.4, 0.018, 5.2, 0.8, 0.28, 0.11, 0, 20, 250, 90, 0.06, 0.055},
  }};
  std::array<std::array<double, 4>, 2> protection{{{40, 25, 120, 95}, {45, 25, 130, 100}}};
  std::array<double, 4> jam{200, 15, 220, 15};  // xLim, xThr, yLim, yThr
  std::array<std::array<double, 5>, 2> velocity{{{12, 3, 7, 410, 35}, {14, 3, 8, 395, 38}}};
  std::array<int, 4> watchedRegisters{0, 0, 0, 0};
  std::array<int, 2> rawPwm{0, 0};
  std::array<int, 3> accelTest{0, 0, 0};  // the last acceleration test: axis code, velocity, acceleration
  int disturbanceTest = 130;  // off
};

}  // namespace sim
