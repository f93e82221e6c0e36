#pragma once
// "Quorvane Firmware Version Installation": checks a firmware image, switches the device into its
// firmware-receive mode and sends the image in acknowledged packets, over either port.
#include <cstdint>
#include <string>

#include "forms/Form.h"
#include "transfer/FlashPacket.h"

namespace taskhelm {

class App;

class Flash : public forms::Form {
 public:
  explicit Flash(App& app);
  ~Flash() override;

  forms::CommandButton Command1{this, "Command1"};
  forms::CommandButton Command2{this, "Command2"};
  forms::Frame Frame1{this, "Frame1"};
  forms::Gauge Gauge1{this, "Gauge1", &Frame1};
  forms::Label labPercent{this, "labPercent", &Frame1};
  forms::Label labGauge{this, "labGauge", &Frame1};
  forms::TextBox StatusBar{this, "StatusBar"};

 private:
  void Form_Load();
  void Form_Activate();
  void Form_Unload();
  void Command1_Click();
  void Command2_Click();
  void Command1_MouseMove();
  void Command2_MouseMove();

  void SetCaptions();
  // FileRejected: the file failed its checks and nothing reached the device.
  enum class Installation { Complete, NotFinished, FileRejected };
  Installation InstallFlashFile(const std::string& path);
  bool CheckFlashFile();
  bool SendBlock(PacketType type, int64_t address, int64_t length, std::string_view data);
  // The reply byte to the packet, 0 for none.
  int SendPacketSerial();
  int SendPacketLpt(bool isEnd);
  int WaitSerialReply(int timeoutMs);
  void SetStatus(const std::string& text);
  void CloseLptWhenParallel();
  void CloseImage();

  App& app_;
  forms::FileDialogRequest OpenFileDialog;
  int16_t imageFile_ = 0;    // file number of the open image, 0 = none
  int64_t length_ = 0;       // the image's size in bytes
  int64_t bytesSent_ = 0;    // data bytes acknowledged so far
  int64_t bytesToSend_ = 0;  // data bytes from the load address to the end
  bool cancelled_ = false;
  bool installed_ = false;   // the last installation finished
  std::string packet_;
};

}  // namespace taskhelm
