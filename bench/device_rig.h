#pragma once
// What the benchmarks share: the program on the real clock with a host that only pumps the line
// and the timers, and the simulated device serving a pty on a thread of its own, with its plot and
// firmware receivers. The device's records of what it received and sent give the line time of an
// exchange; Verdict sets a measured time against its bound.
#include <poll.h>
#include <stdlib.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "forms/Form.h"
#include "platform/Clock.h"
#include "platform/Parlink.h"
#include "platform/PosixSerialLine.h"
#include "sim/Device.h"
#include "sim/FirmwareReceiver.h"
#include "sim/PlotReceiver.h"
#include "sim/PtyDevice.h"
#include "startup/App.h"
#include "startup/Main.h"

namespace bench_rig {

class BenchHost : public forms::Host {
 public:
  explicit BenchHost(platform::Clock& clock) : clock_(clock) {}

  forms::MsgAnswer MsgBox(const std::string& text, forms::MsgButtons, forms::MsgIcon,
                          const std::string& title) override {
    std::fprintf(stderr, "[%s] %s\n", title.c_str(), text.c_str());
    ++boxes;
    return forms::MsgAnswer::OK;
  }
  void Beep() override {}
  void SetPointer(forms::Pointer) override {}
  void DoEvents() override {
    if (lineEvent_) lineEvent_();
    if (onPump) onPump();
    auto due = timers_;
    for (auto& [timer, at] : due) {
      auto it = timers_.find(timer);
      if (it == timers_.end() || clock_.NowMs() < at) continue;
      it->second = clock_.NowMs() + timer->Interval();
      if (timer->Tick) timer->Tick();
    }
  }
  void WaitEvents(int maxMs) override {
    pollfd p{fd_, POLLIN, 0};
    if (fd_ >= 0)
      poll(&p, 1, maxMs);
    else
      clock_.SleepMs(maxMs);
    DoEvents();
  }
  void ShowForm(forms::Form& form, forms::ShowMode mode) override {
    if (mode != forms::ShowMode::Modal) return;
    while (form.Visible() && form.Loaded()) WaitEvents(5);
  }
  void HideForm(forms::Form&) override {}
  void FormUnloaded(forms::Form& form) override {
    for (auto it = timers_.begin(); it != timers_.end();)
      it = &it->first->Parent() == &form ? timers_.erase(it) : std::next(it);
  }
  void ModelChanged(forms::Form&) override {}
  void TimerChanged(forms::Timer& timer) override {
    if (timer.TimerEnabled())
      timers_[&timer] = clock_.NowMs() + timer.Interval();
    else
      timers_.erase(&timer);
  }
  // The operator picks openFile in every file dialog; none is picked while it is empty.
  bool ShowOpen(forms::FileDialogRequest& request) override {
    request.FileName = openFile;
    return !openFile.empty();
  }
  bool ShowSave(forms::FileDialogRequest&) override { return false; }
  bool ShowHelp(const std::string&, int) override { return false; }
  void WatchLine(int fd, std::function<void()> onEvent) override {
    fd_ = fd;
    lineEvent_ = std::move(onEvent);
  }
  [[noreturn]] void EndProgram() override { throw forms::ProgramEnd{}; }
  bool Ending() const override { return false; }

  int boxes = 0;
  std::function<void()> onPump;  // runs at every pump: the benchmark's own operator
  std::string openFile;

 private:
  platform::Clock& clock_;
  int fd_ = -1;
  std::function<void()> lineEvent_;
  std::map<forms::Timer*, int64_t> timers_;
};

// A device of model 32 on a pty at `baud` (0: no transmission time), a program folder of its own,
// and the program's side of the line. The pty is declared last, so its thread stops before the
// receivers it feeds go away.
struct DeviceRig {
  DeviceRig(int baud, const std::string& tag)
      : folder(std::filesystem::temp_directory_path() /
               ("taskhelm-" + tag + "-" + std::to_string(getpid()))),
        device(32),
        plot(device, sim::PlotReceiverOptions{0}),
        firmware(device),
        host(clock),
        pty(device, sim::PtyOptions{baud, {}}) {
    std::filesystem::create_directories(folder);
  }
  ~DeviceRig() {
    pty.Stop();
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
  }

  // Serves the device and names its pty as COM1.
  bool Start() {
    if (!pty.Start()) {
      std::fprintf(stderr, "pty: %s\n", pty.Error().c_str());
      return false;
    }
    setenv("RENDIX_COM1", pty.SlavePath().c_str(), 1);
    return true;
  }

  std::unique_ptr<taskhelm::App> NewApp() {
    return std::make_unique<taskhelm::App>(taskhelm::Platform{
        host, clock, line, parlink, platform::Regional{}, folder.string(), texts::Edition::English});
  }

  // The program as the operator launches it for this device on COM1: returns once the start-up
  // has shown its settings window.
  std::unique_ptr<taskhelm::App> Launch() {
    std::FILE* ini = std::fopen((folder / taskhelm::kIniFileName).c_str(), "wb");
    std::fputs("32 1 0\r\n", ini);
    std::fclose(ini);
    std::unique_ptr<taskhelm::App> app = NewApp();
    taskhelm::Main(*app);
    return app;
  }

  // What the device has received and sent so far.
  std::string Received() {
    std::string bytes;
    pty.WithDevice([&](sim::Device& d) { bytes = d.Received(); });
    return bytes;
  }
  std::string Sent() {
    std::string bytes;
    pty.WithDevice([&](sim::Device& d) { bytes = d.Sent(); });
    return bytes;
  }
  void ClearRecords() {
    pty.WithDevice([](sim::Device& d) {
      d.ClearReceived();
      d.ClearSent();
    });
  }

  std::filesystem::path folder;
  sim::Device device;
  sim::PlotReceiver plot;
  sim::FirmwareReceiver firmware;
  platform::SystemClock clock;
  BenchHost host;
  platform::PosixSerialLine line;
  platform::ParlinkLibrary parlink;
  sim::PtyDevice pty;
};

// Ten bits a byte at 9600 baud: 960 bytes a second.
inline double LineMs(size_t bytes) { return static_cast<double>(bytes) * 1000.0 / 960.0; }

inline double MsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

// Prints the figures and gives the exit status: the program may add 5 % to the bound.
inline int Verdict(const char* road, double measuredMs, double boundMs) {
  double ratio = measuredMs / boundMs;
  std::printf("%s: %.0f ms, bound %.0f ms, ratio %.3f (target <= 1.05)\n", road, measuredMs,
              boundMs, ratio);
  return ratio <= 1.05 ? 0 : 1;
}

}  // namespace bench_rig
