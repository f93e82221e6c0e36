#pragma once
// A whole program for a test: the test host (virtual clock, scripted operator and answers), a
// simulated device on the serial line, a scripted parallel-port library, a folder of its own for
// the INI file, and the application object over them. It starts configured as a program that
// has just connected: ModelCode is the device's model, the port COM1, the device present, the
// model table and the model's profile set, time-out boxes on.
#include <optional>
#include <string>

#include "sim/Device.h"
#include "sim/SimSerialLine.h"
#include "startup/App.h"
#include "tests/support/FakeParlink.h"
#include "tests/support/TestHost.h"

namespace testing_support {

struct AppOptions {
  int model = 32;
  std::optional<int> deviceId;  // what the device answers to "!IC@" (default: its model)
  texts::Edition edition = texts::Edition::English;
  sim::SimLineOptions line;     // COM1 at 9600 baud by default
};

class AppFixture {
 public:
  explicit AppFixture(AppOptions options = {});
  explicit AppFixture(int model, texts::Edition edition = texts::Edition::English);
  AppFixture(int model, std::optional<int> deviceId);
  ~AppFixture();
  AppFixture(const AppFixture&) = delete;
  AppFixture& operator=(const AppFixture&) = delete;

  // Configures the port as the INI file would: COM<com>, or the parallel port LPT<lpt>.
  void UseSerialPort(int com);
  void UseParallelPort(int lpt);

  // The INI file's content, "" when there is none; and writing it as it stands.
  std::string IniText() const;
  void WriteIniText(const std::string& text) const;

  TestHost host;
  sim::Device device;
  sim::SimSerialLine line;
  FakeParlink parlink;

 private:
  std::string folder_;  // before app: the app is built with it

 public:
  taskhelm::App app;
  taskhelm::SharedState& s;
};

}  // namespace testing_support
