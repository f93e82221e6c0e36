#include "transfer/Flash.h"

#include <algorithm>
#include <cctype>

#include "setup/FormLayout.h"
#include "startup/App.h"
#include "startup/Main.h"
#include "transfer/FileSending.h"

namespace taskhelm {

namespace {

// Images smaller than this cannot be device firmware.
constexpr int64_t kSmallestImage = 64000;
// The build stamp lies in the bytes before the image's last byte.
constexpr int64_t kStampWindow = 4500;
constexpr std::string_view kBuildStamp = "Compiled:";

// A number as the status line writes it: a blank where a minus sign would go.
std::string Signed(int64_t n) { return n < 0 ? std::to_string(n) : " " + std::to_string(n); }

bool HasBinExtension(const std::string& path) {
  if (path.size() < 4) return false;
  std::string tail = path.substr(path.size() - 4);
  std::transform(tail.begin(), tail.end(), tail.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return tail == ".bin";
}

constexpr Placement kFlashLayout[] = {
    {"Frame1", 10, 10, 440, 80},
    {"Gauge1", 10, 24, 340, 24},  // in the frame, from its corner
    {"labPercent", 360, 26, 70, 20},
    {"labGauge", 10, 52, 340, 16},
    {"Command1", 20, 100, 220, 30},
    {"Command2", 300, 100, 130, 30},
    {"StatusBar", 10, 145, 440, 24},
};

}  // namespace

Flash::Flash(App& app) : forms::Form(app.host, "Flash"), app_(app) {
  Load = [this] { Form_Load(); };
  Activate = [this] { Form_Activate(); };
  UnloadEvent = [this](int&) { Form_Unload(); };
  Command1.Click = [this] { Command1_Click(); };
  Command2.Click = [this] { Command2_Click(); };
  Command1.MouseMove = [this] { Command1_MouseMove(); };
  Command2.MouseMove = [this] { Command2_MouseMove(); };
  Command2.duringExchange = forms::DuringExchange::Allowed;  // cancels the installation under way

  ApplyLayout(*this, 460, 179, kFlashLayout);
  Command2.SetCancel(true);
  forms::MakeHintLine(StatusBar);
}

Flash::~Flash() {
  cancelled_ = true;
  CloseImage();
}

void Flash::SetCaptions() {
  SetCaption(app_.T("Quorvane Firmware Version Installation"));
  Command1.SetCaption(app_.T("Begin Version Install"));
  Command2.SetCaption(app_.T("Cancel"));
  Frame1.SetCaption(app_.T("Percent Done"));
}

void Flash::Form_Load() {
  SetCaptions();
  Command1.SetEnabled(true);
  Gauge1.SetValue(0);
  labPercent.SetCaption("0 %");
  labGauge.SetCaption("");
  labGauge.SetEnabled(false);
  installed_ = false;
  OpenFileDialog.DialogTitle = app_.T("Select Binary Source File");
  OpenFileDialog.Filter = app_.T("Firmware Files (*.bin)") + "|*.bin";
  SetStatus(app_.T("Click button to install new firmware"));
}

void Flash::Form_Activate() {
  cancelled_ = false;
  SetCaptions();
  if (installed_) Command2.SetCaption(app_.T("OK"));
}

void Flash::Form_Unload() {
  cancelled_ = true;
  app_.s.FlashMode = false;
  CloseLptWhenParallel();
}

void Flash::Command1_MouseMove() { SetStatus(app_.T("Click button to install new firmware")); }

void Flash::Command2_MouseMove() {
  SetStatus(installed_ ? app_.T("Done", "Flash") : app_.T("Cancel"));
}

void Flash::Command1_Click() {
  SharedState& s = app_.s;
  app_.port.ClosePort();
  cancelled_ = false;
  s.FlashMode = true;
  app_.SetPointer(forms::Pointer::Hourglass);
  struct DefaultPointer {
    App& app;
    ~DefaultPointer() { app.SetPointer(forms::Pointer::Default); }
  } restore{app_};

  bool opened = app_.port.OpenPort();
  s.SendingFile = false;
  if (!opened) {
    app_.Beep();
    SetStatus(app_.T("Could not open ") + s.OpenPortName);
    return;
  }
  SetStatus(app_.T("Opened ") + s.OpenPortName);
  app_.port.Delay(600);

  OpenFileDialog.FileName.clear();
  s.BinFileName = app_.host.ShowOpen(OpenFileDialog) ? OpenFileDialog.FileName : "";
  if (s.BinFileName.empty()) return;
  if (!HasBinExtension(s.BinFileName)) {
    SetStatus(app_.T("File isn't a binary (.bin) flash file. "));
    return;
  }
  Command1.SetEnabled(false);
  const Installation result = InstallFlashFile(s.BinFileName);
  if (result == Installation::FileRejected) {
    // The device was not touched: the check's reason stands, and another file may be chosen.
    Command1.SetEnabled(true);
    return;
  }
  installed_ = result == Installation::Complete;
  SetStatus(installed_ ? app_.T("Installation Complete ")
                       : app_.T("Installation NOT finished, restart machine. "));
  if (installed_) {
    app_.port.Delay(500);
    app_.host.DoEvents();
    CloseLptWhenParallel();
  }
}

void Flash::Command2_Click() {
  cancelled_ = true;
  app_.s.FlashMode = false;
  if (!app_.port.ParallelSelected()) {
    if (app_.port.SerialOpen()) app_.port.Delay(500);
  } else {
    app_.port.CloseLptPort();
  }
  Unload();
}

Flash::Installation Flash::InstallFlashFile(const std::string& path) {
  app_.port.DiscardReceived();
  bytesSent_ = 0;
  if (!FileExists(path)) {
    SetStatus(app_.T("Couldn't confirm flash file. "));
    return Installation::FileRejected;
  }
  CloseImage();
  imageFile_ = app_.files.OpenDataFile(path, 2);
  if (imageFile_ == 0) {
    SetStatus(app_.T("Couldn't open the flash file."));
    return Installation::FileRejected;
  }
  length_ = FileLength(path);
  if (!CheckFlashFile()) {
    CloseImage();
    return Installation::FileRejected;
  }
  std::FILE* image = app_.files.Stream(imageFile_);

  app_.port.SendString("!RF@", 1000);  // the device answers nothing to it
  SetStatus(app_.T("Opened flash file"));
  app_.port.Delay(1200);

  int64_t address = kFlashLoadAddress;
  std::fseek(image, kFlashLoadAddress, SEEK_SET);
  bytesToSend_ = length_ - kFlashLoadAddress;
  if (!SendBlock(PacketType::Start, address, 0, {})) {
    SetStatus(app_.T("First Data Transfer Failed - Check Signcutter"));
    Gauge1.SetValue(0);
    labPercent.SetCaption("0 %");
    CloseLptWhenParallel();
    CloseImage();
    return Installation::NotFinished;
  }

  std::string block;
  auto readBlock = [&] {
    block.resize(static_cast<size_t>(NextBlockLength(bytesToSend_ - bytesSent_)));
    block.resize(std::fread(block.data(), 1, block.size(), image));
    return !block.empty();
  };
  bool pending = readBlock();
  while (!cancelled_ && pending) {
    if (!SendBlock(PacketType::Data, address, static_cast<int64_t>(block.size()), block)) {
      SetStatus(app_.T("Data Transfer Failed"));
      Gauge1.SetValue(0);
      app_.port.Delay(0);
      app_.port.ClosePort();
      CloseImage();
      return Installation::NotFinished;
    }
    address += static_cast<int64_t>(block.size());
    bytesSent_ += static_cast<int64_t>(block.size());
    pending = readBlock();
    app_.port.Delay(0);
  }
  CloseImage();

  if (!cancelled_) {
    bool ended = SendBlock(PacketType::End, bytesSent_, 0, {});
    SetStatus(app_.T("Data Transfer Completed"));
    Gauge1.SetValue(100);
    labPercent.SetCaption("100%");
    if (!ended) {
      SetStatus("send_block(END) failed");
      app_.host.DoEvents();
      app_.port.Delay(500);
    }
  }
  // Cancel after the last block still leaves the device without its END: not finished.
  if (pending || cancelled_) return Installation::NotFinished;
  Command2.SetCaption(app_.T("OK"));
  return Installation::Complete;
}

bool Flash::CheckFlashFile() {
  if (length_ < kSmallestImage) {
    SetStatus(app_.T("File too small to be an Quorvane flash file. "));
    return false;
  }
  std::FILE* image = app_.files.Stream(imageFile_);
  std::string window(static_cast<size_t>(kStampWindow), '\0');
  bool read = std::fseek(image, static_cast<long>(length_ - kStampWindow - 1), SEEK_SET) == 0;
  window.resize(read ? std::fread(window.data(), 1, window.size(), image) : 0);
  if (window.find(kBuildStamp) != std::string::npos) return true;
  SetStatus(app_.T("File doesn't appear to be an Quorvane flash file. "));
  return false;
}

bool Flash::SendBlock(PacketType type, int64_t address, int64_t length, std::string_view data) {
  switch (type) {
    case PacketType::Start:
      SetStatus(app_.T("Starting Data transfer to address") + Signed(address));
      Gauge1.SetValue(0);
      labPercent.SetCaption("0 %");
      break;
    case PacketType::Data: {
      SetStatus(app_.T("Sending") + Signed(length) + app_.T(" bytes to address") + Signed(address));
      int percent = static_cast<int>(static_cast<double>(bytesSent_) /
                                         static_cast<double>(bytesToSend_ + 1) * 100 + 0.5);
      if (percent == 0) {
        labPercent.SetCaption("< 1%");
      } else {
        labPercent.SetCaption(std::to_string(percent) + "%");
        Gauge1.SetValue(percent);
      }
      break;
    }
    case PacketType::End:
      SetStatus(app_.T("Code being updated, place signcutter back on line when red light on."));
      break;
  }
  packet_ = BuildPacket(type, static_cast<uint32_t>(address), static_cast<uint16_t>(length), data);
  int reply = app_.port.ParallelSelected() ? SendPacketLpt(type == PacketType::End)
                                           : SendPacketSerial();
  if (reply == kPacketAck) {
    SetStatus(app_.T("Data Received             "));
    app_.port.Delay(10);
    return true;
  }
  SetStatus(app_.T("FLASH UPDATE ERROR"));
  app_.port.Delay(500);
  app_.host.DoEvents();
  return false;
}

void Flash::SetStatus(const std::string& text) { StatusBar.SetText(text); }

void Flash::CloseLptWhenParallel() {
  if (app_.port.ParallelSelected()) app_.port.CloseLptPort();
}

void Flash::CloseImage() {
  if (imageFile_ > 0) app_.files.Close(imageFile_);
  imageFile_ = 0;
}

}  // namespace taskhelm
