#pragma once
// What the file-streaming benchmarks share: the program on the real clock with a host that only
// pumps the line and the timers, the simulated device serving a pty on a thread of its own, and
// the file-sending window streaming a file to it, as an operator would send one.
#include <poll.h>
#include <stdlib.h>
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <map>
#include <string>

#include "forms/Form.h"
#include "platform/Clock.h"
#include "platform/Parlink.h"
#include "platform/PosixSerialLine.h"
#include "sim/Device.h"
#include "sim/PlotReceiver.h"
#include "sim/PtyDevice.h"
#include "startup/App.h"
#include "transfer/SendCutFiles.h"

namespace stream_bench {

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
  bool ShowOpen(forms::FileDialogRequest&) override { return false; }
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

 private:
  platform::Clock& clock_;
  int fd_ = -1;
  std::function<void()> lineEvent_;
  std::map<forms::Timer*, int64_t> timers_;
};

// A file of plot strokes (no "!", which the device would take for a command), written piece by
// piece so the benchmark itself never holds it.
inline void WritePlotFile(const std::string& path, uint64_t size) {
  std::FILE* f = std::fopen(path.c_str(), "wb");
  std::string stroke = "PU1200,3400;PD5600,7800;PD9100,1200;\r\n";
  std::string block;
  while (block.size() < 65536) block += stroke;
  for (uint64_t left = size; left > 0;) {
    size_t n = static_cast<size_t>(std::min<uint64_t>(left, block.size()));
    std::fwrite(block.data(), 1, n, f);
    left -= n;
  }
  std::fclose(f);
}

inline double ThreadCpuMs() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

inline double PeakRssMiB() {
  rusage u{};
  getrusage(RUSAGE_SELF, &u);
  return u.ru_maxrss / 1024.0;
}

struct Result {
  uint64_t sent = 0, received = 0;
  double wallMs = 0, cpuMs = 0;
  bool complete = false;
};

// Streams `size` bytes through the file-sending window to a device on a pty at `baud` (0: no
// transmission time). The operator presses Abort after `limitMs`.
class StreamRun {
 public:
  StreamRun(int baud, std::string tag)
      : folder_(std::filesystem::temp_directory_path() / ("taskhelm-" + tag + "-" + std::to_string(getpid()))),
        device_(32),
        plot_(device_, sim::PlotReceiverOptions{0}),
        pty_(device_, sim::PtyOptions{baud, {}}),
        host_(clock_) {
    std::filesystem::create_directories(folder_);
  }
  ~StreamRun() {
    pty_.Stop();
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }

  bool Start() {
    if (!pty_.Start()) {
      std::fprintf(stderr, "pty: %s\n", pty_.Error().c_str());
      return false;
    }
    setenv("RENDIX_COM1", pty_.SlavePath().c_str(), 1);
    return true;
  }

  Result Stream(uint64_t size, int64_t limitMs) {
    std::string path = (folder_ / "job.plt").string();
    WritePlotFile(path, size);
    taskhelm::App app(taskhelm::Platform{host_, clock_, line_, parlink_, platform::Regional{},
                                         folder_.string(), texts::Edition::English});
    app.s.PortName = "COM1";
    app.s.LptPortName = "LPT0";
    app.s.NotConnectedText = "Green light Not ON or Cutter Not Connected to ";
    app.s.FileMenuIndex = 0;
    Result r;
    if (!app.port.OpenSerialPort("COM1")) return r;
    auto& window = app.Window<taskhelm::SendCutFiles>();
    window.SetFileName(path);

    auto received = [this] {
      uint64_t n = 0;
      pty_.WithDevice([&](sim::Device&) { n = plot_.Count(); });
      return n;
    };
    auto start = std::chrono::steady_clock::now();
    auto elapsedMs = [&] {
      return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
          .count();
    };
    host_.onPump = [&] {
      if (elapsedMs() > static_cast<double>(limitMs)) window.btnAbort.Press();
    };
    double cpu0 = ThreadCpuMs();
    window.Show(forms::ShowMode::Modal);
    // What the window handed over is still travelling to the device.
    while (received() < size && elapsedMs() < static_cast<double>(limitMs) + 2000) clock_.SleepMs(2);
    r.cpuMs = ThreadCpuMs() - cpu0;
    r.wallMs = elapsedMs();
    r.received = received();
    r.complete = r.received == size && host_.boxes == 0;
    host_.onPump = nullptr;
    app.port.CloseSerialPort();
    return r;
  }

 private:
  std::filesystem::path folder_;
  sim::Device device_;
  sim::PlotReceiver plot_;
  sim::PtyDevice pty_;
  platform::SystemClock clock_;
  BenchHost host_;
  platform::PosixSerialLine line_;
  platform::ParlinkLibrary parlink_;
};

}  // namespace stream_bench
