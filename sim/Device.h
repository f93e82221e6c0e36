#pragma once
// A simulated Quorvane device: a pure state machine. Bytes go in with Receive, replies come out
// with TakeReplies (pieces with the pause before each) or TakeOutput (just the bytes). It knows no
// time of its own; the line that carries it (SimSerialLine, PtyDevice) does the timing.
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "sim/DeviceSettings.h"
#include "sim/Faults.h"
#include "sim/Models.h"
#include "sim/ServiceData.h"
#include "sim/Tokens.h"

namespace sim {

enum class ReceiveMode {
  Commands,  // escape commands "!..@"; other bytes are plot data
  Echo,      // the operator's panel keys put the device here: every byte comes straight back
  Firmware,  // after "!RF@": every byte goes to the firmware handler
};

struct ReplyPiece {
  std::string bytes;
  int delayMs = 0;  // pause before this piece: after the command for the first, else after the last
};

class Device {
 public:
  // Takes bytes that are not escape commands (plot data, firmware packets) and returns how many
  // it took; the device goes on with the rest in the mode it is in then.
  using RawDataHandler = std::function<size_t(Device&, std::string_view)>;

  // A device of one of the ten model codes, answering "!IC@" with `id` (default: the code).
  // Throws std::invalid_argument for a code without a model.
  explicit Device(int model, std::optional<int> id = {});

  int Model() const { return model_->code; }
  int Id() const { return id_; }
  Family ModelFamily() const { return model_->family; }

  Faults faults;

  void Receive(std::string_view bytes);
  // A command that lacks its "@" ("!ZP0,0") is carried out when the line falls quiet; the line
  // calls this after a pause with CommandPending().
  bool CommandPending() const { return inCommand_; }
  void LineIdle();

  std::vector<ReplyPiece> TakeReplies();
  std::string TakeOutput();
  bool HasOutput() const { return !replies_.empty(); }
  // Bytes the device sends as they are (a firmware acknowledgement); only silence stops them.
  void SendRaw(std::string bytes);

  // CTS as the device drives it: low while it is busy or while the fault holds it low.
  bool Cts() const { return !busy_ && !faults.ctsLow; }
  void SetBusy(bool busy) { busy_ = busy; }

  ReceiveMode Mode() const { return mode_; }
  void SetMode(ReceiveMode mode);
  void SetPlotDataHandler(RawDataHandler handler) { plotData_ = std::move(handler); }
  // "!RF@" enters firmware mode only on a device that has a handler for it.
  void SetFirmwareHandler(RawDataHandler handler) { firmware_ = std::move(handler); }

  // What the device is using now, and what it starts with after power-on ("UD" stores it).
  DeviceSettings& Settings() { return settings_; }
  const DeviceSettings& PowerOnSettings() const { return powerOn_; }
  ServiceData& Service() { return service_; }
  // Switching off and on: the stored settings come back, echo and firmware modes end.
  void PowerCycle();

  // Every byte received, for tests of what went over the wire.
  const std::string& Received() const { return received_; }
  void ClearReceived() { received_.clear(); }
  // Commands the device did not know (no reply), and tokens it refused inside known commands.
  int UnknownCommands() const { return unknownCommands_; }
  int RejectedTokens() const { return rejectedTokens_; }

 private:
  enum class Outcome { Done, Rejected, Unknown };

  size_t ReceiveCommands(std::string_view bytes);
  void Execute(std::string_view body);
  Outcome ExecuteToken(const Token& token);
  // The command groups; each says Unknown for a key that is not its own.
  Outcome InfoCommand(const Token& token);
  Outcome CalibrationCommand(const Token& token);
  Outcome ServoCommand(const Token& token);
  void Reply(std::string text);
  // Values joined by ","; with `fixedDecimals` every value carries exactly that many decimals.
  void ReplyList(const double* values, size_t count, int fixedDecimals = -1);

  const ModelRow* model_;
  int id_;
  DeviceSettings settings_;
  DeviceSettings powerOn_;
  DeviceSettings factory_;
  ServiceData service_;

  ReceiveMode mode_ = ReceiveMode::Commands;
  bool inCommand_ = false;
  std::string command_;
  bool busy_ = false;
  RawDataHandler plotData_;
  RawDataHandler firmware_;

  // The command being carried out, for the per-command faults: its whole text and its key.
  std::string executing_;
  std::string commandKey_;
  std::vector<ReplyPiece> replies_;
  std::string received_;
  int unknownCommands_ = 0;
  int rejectedTokens_ = 0;
};

}  // namespace sim
