#pragma once
// Every exchange with the device goes through here. The path is chosen on each call from
// PortName: "COM0" is the parallel port named by LptPortName, anything else the serial line.
#include <cstdint>
#include <string>

#include "forms/ExchangeGate.h"
#include "platform/SerialLine.h"

namespace taskhelm {

class LinkContext;

// How long a command may take to go out, and most replies to come back.
inline constexpr int32_t kCommandTimeoutMs = 5000;

class PortLayer {
 public:
  explicit PortLayer(LinkContext& app);

  // Public operations.
  bool OpenPort();
  bool SendString(const std::string& cmd, int32_t timeoutMs);
  bool Query(const std::string& cmd, std::string& reply, int termChar, int32_t serialTimeoutMs,
             int32_t lptReplyLen);
  void ClosePort();
  // What a query left unanswered tells the operator. A reply that carried nothing readable is
  // no answer either, and its reader tells the same.
  void ReportNoReply();
  // ms = 0 yields to the event pump at most every 0.6 s; otherwise waits ms without pumping.
  void Delay(double ms);

  // Serial procedures.
  bool OpenSerialPort(const std::string& portName);
  bool SerialQuery(const std::string& cmd, std::string& reply, int termChar, int32_t timeoutMs);
  bool ReadSerialReply(std::string& reply, int32_t timeoutMs);
  bool SendSerial(const std::string& cmd, int32_t timeoutMs);
  void CloseSerialPort();
  bool GetCtsState();
  bool SerialOpen() const;
  // The receive event of the line: runs whenever events are pumped.
  void Comm1_OnComm();
  // What the line has delivered since the last query, read or take; taking empties it.
  std::string TakeReceived();
  void DiscardReceived();

  // Parallel procedures.
  bool OpenLptPort(const std::string& lptName);
  void CloseLptPort();
  bool WriteLpt(const std::string& data);
  int32_t ReadLpt(std::string& reply, int32_t count);
  bool LptQuery(const std::string& cmd, std::string& reply, int32_t count);
  bool SetLptTimeouts(int preset);

  bool ParallelSelected() const;
  // The port the exchanges go to: the LPT port on the parallel path, else the COM port.
  const std::string& PortInUse() const;

 private:
  LinkContext& app_;
  // Every call holds the device for the entry it runs in (see forms/ExchangeGate.h).
  forms::ExchangeGate::DeviceUse UseDevice();
  int serialPortNumber_ = 1;
  int64_t lastYieldMs_ = -1;
  int watchedFd_ = -2;  // the line descriptor the host watches for us
  // The one reader of the line into the reply buffer, and the one test of its terminator.
  void ReceiveWaiting();
  std::string replyBuffer_;
  char replyTerminator_ = '\r';
  bool replyComplete_ = false;
  void WatchLine();
  void OnLineEvent(platform::LineEvent event);
  long ReadLptReply(int32_t count);
  bool AwaitLptReply();
  int lptPreset_ = 1;  // the time-outs the library was last given
  // "Could not open" the port, and why the parallel-port library could not be used.
  void ReportMissingLibrary(const std::string& lptName);
};

}  // namespace taskhelm
