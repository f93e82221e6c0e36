#pragma once
// A program with the simulated device behind its serial line, where the transfer tests can watch
// what the windows show (every change of a window's controls) and what the senders do to the line
// (opens, handshaking, DTR, writes).
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "sim/Device.h"
#include "sim/FirmwareReceiver.h"
#include "sim/PlotReceiver.h"
#include "sim/SimSerialLine.h"
#include "startup/App.h"
#include "tests/support/FakeParlink.h"
#include "tests/support/TestHost.h"
#include "tests/support/FileText.h"

namespace transfer_tests {

class RecordingHost : public testing_support::TestHost {
 public:
  void ModelChanged(forms::Form& form) override {
    if (onChange) onChange(form);
  }
  std::function<void(forms::Form&)> onChange;
};

// Forwards to the simulated line and keeps a record.
class LineProbe : public platform::SerialLine {
 public:
  explicit LineProbe(platform::SerialLine& line) : line_(line) {}

  bool Open(int portNumber) override {
    ++opens;
    handshaking = platform::Handshaking::RtsCts;
    dtr = true;
    return line_.Open(portNumber);
  }
  void Close() override { line_.Close(); }
  bool IsOpen() const override { return line_.IsOpen(); }
  const std::string& LastError() const override { return line_.LastError(); }
  int OutBufferSize() const override { return line_.OutBufferSize(); }
  int OutBufferCount() override {
    if (onPoll) onPoll();
    return line_.OutBufferCount();
  }
  bool Write(std::string_view bytes) override {
    writes.emplace_back(bytes);
    return line_.Write(bytes);
  }
  void ClearOutput() override { line_.ClearOutput(); }
  int InBufferCount() override { return line_.InBufferCount(); }
  std::string ReadAll() override { return line_.ReadAll(); }
  void ClearInput() override { line_.ClearInput(); }
  bool Cts() override {
    if (onPoll) onPoll();
    return line_.Cts();
  }
  void SetHandshaking(platform::Handshaking h) override { handshaking = h; }
  void SetDtr(bool on) override { dtr = on; }
  void Service() override {
    if (onPoll) onPoll();
    line_.Service();
  }
  int EventFd() const override { return line_.EventFd(); }

  int opens = 0;
  platform::Handshaking handshaking = platform::Handshaking::RtsCts;
  bool dtr = true;
  std::vector<std::string> writes;
  // Runs whenever a sender looks at the line's state: the moment an operator's press lands in
  // the middle of a wait.
  std::function<void()> onPoll;

 private:
  platform::SerialLine& line_;
};

class TempFolder {
 public:
  TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "taskhelm-transfer-XXXXXX").string();
    path = mkdtemp(pattern.data()) ? pattern : std::string();
  }
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
  }
  std::string File(const std::string& name) const { return path + "/" + name; }
  std::string Write(const std::string& name, const std::string& bytes) const {
    std::ofstream(File(name), std::ios::binary) << bytes;
    return File(name);
  }
  std::string Read(const std::string& name) const { return testing_support::FileText(File(name)); }
  std::string path;
};

struct FixtureOptions {
  int model = 32;
  int deviceId = 0;  // 0: the model's own
  texts::Edition edition = texts::Edition::English;
  int baud = 9600;
};

class TransferFixture {
 public:
  explicit TransferFixture(FixtureOptions options = {});

  void UseParallelPort(int lpt);
  // The values a window's control took while the program ran, each change recorded once.
  void Watch(const std::string& formName, const std::function<std::string()>& read,
             std::vector<std::string>& into);

  RecordingHost host;
  sim::Device device;
  sim::SimSerialLine simLine;
  LineProbe line;
  testing_support::FakeParlink parlink;
  sim::PlotReceiver plot;
  sim::FirmwareReceiver firmware;
  TempFolder folder;
  taskhelm::App app;
  taskhelm::SharedState& s;
};

}  // namespace transfer_tests
