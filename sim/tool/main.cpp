// devicesim: a simulated Quorvane device on a pseudo-terminal, for the demo and the end-to-end
// tests. Prints the slave's path on one line, then serves until SIGTERM or SIGINT; SIGUSR1 is the
// operator's echo-mode key sequence (press again to leave).
#include <signal.h>

#include <charconv>
#include <cstdio>
#include <cstring>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "sim/Device.h"
#include "sim/FirmwareReceiver.h"
#include "sim/PlotReceiver.h"
#include "sim/PtyDevice.h"

namespace {

sim::PtyDevice* g_runner = nullptr;  // for the signal handlers only

void OnStop(int) {
  if (g_runner) g_runner->RequestStop();
}
void OnEchoKeys(int) {
  if (g_runner) g_runner->RequestEchoToggle();
}

int Usage(const std::string& problem) {
  if (!problem.empty()) std::fprintf(stderr, "devicesim: %s\n", problem.c_str());
  std::fprintf(stderr,
               "usage: devicesim --model N [--id N] [--link PATH] [--fault NAME]... [--rate BAUD] [--echo]\n"
               "  models: 32 33 34 35 36 39 40 41 42 47\n"
               "  faults: %s\n",
               sim::FaultNames());
  return 2;
}

bool ParseInt(std::string_view text, int& value) {
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  return !text.empty() && ec == std::errc() && end == text.data() + text.size();
}

void Handle(int signal, void (*handler)(int)) {
  struct sigaction action {};
  action.sa_handler = handler;
  sigemptyset(&action.sa_mask);
  sigaction(signal, &action, nullptr);
}

}  // namespace

int main(int argc, char** argv) {
  std::optional<int> model, id;
  int baud = 9600;
  bool echo = false;
  std::string linkPath;
  std::vector<std::string> faultSpecs;

  for (int i = 1; i < argc; ++i) {
    std::string_view arg = argv[i];
    if (arg == "--echo") {
      echo = true;
      continue;
    }
    if (arg == "--help" || arg == "-h") return Usage("");
    if (i + 1 >= argc) return Usage("missing value after " + std::string(arg));
    std::string_view value = argv[++i];
    int number = 0;
    if (arg == "--model" || arg == "--id" || arg == "--rate") {
      if (!ParseInt(value, number) || number < 0)
        return Usage(std::string(arg) + " needs a number, not \"" + std::string(value) + "\"");
      if (arg == "--model") model = number;
      if (arg == "--id") id = number;
      if (arg == "--rate") baud = number;
    } else if (arg == "--link") {
      linkPath = value;
    } else if (arg == "--fault") {
      faultSpecs.emplace_back(value);
    } else {
      return Usage("unknown option " + std::string(arg));
    }
  }
  if (!model) return Usage("--model is required");

  std::optional<sim::Device> device;
  try {
    device.emplace(*model, id);
  } catch (const std::invalid_argument& e) {
    return Usage(e.what());
  }
  for (const std::string& switchText : faultSpecs) {
    std::string error;
    if (!sim::SetFault(device->faults, switchText, device->Id(), error)) return Usage(error);
  }
  if (echo) device->SetMode(sim::ReceiveMode::Echo);

  // The device takes plot files and firmware as a real one does.
  sim::PlotReceiver plot(*device);
  sim::FirmwareReceiver firmware(*device);
  sim::PtyDevice runner(*device, {baud, linkPath});
  if (!runner.Open()) {
    std::fprintf(stderr, "devicesim: %s\n", runner.Error().c_str());
    return 1;
  }
  g_runner = &runner;
  Handle(SIGTERM, OnStop);
  Handle(SIGINT, OnStop);
  Handle(SIGUSR1, OnEchoKeys);
  std::printf("%s\n", runner.SlavePath().c_str());
  std::fflush(stdout);

  runner.Serve();
  g_runner = nullptr;
  if (!runner.Error().empty()) {
    std::fprintf(stderr, "devicesim: %s\n", runner.Error().c_str());
    return 1;
  }
  return 0;
}
