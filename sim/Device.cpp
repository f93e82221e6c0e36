#include "sim/Device.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "sim/SettingTokens.h"

namespace sim {

namespace {

// The device's command buffer; a longer command is thrown away as a whole.
constexpr size_t kMaxCommand = 4096;

// A per-command fault names the command by its two letters or by its whole text.
template <class Container>
auto ForThisCommand(const Container& faults, const std::string& key, const std::string& text) {
  auto it = faults.find(text);
  return it != faults.end() ? it : faults.find(key);
}

// A reply list cut to its first values (none: nothing before the CR).
void KeepFirstValues(std::string& text, size_t count) {
  size_t end = 0;
  for (size_t kept = 0; kept < count; ++kept) {
    end = text.find(',', kept == 0 ? 0 : end + 1);
    if (end == std::string::npos) return;
  }
  text.erase(end);
}

// The records of received and sent bytes keep their newest part once they grow past this.
constexpr size_t kRecordLimit = size_t{1} << 22;

void Record(std::string& record, std::string_view bytes) {
  if (record.size() + bytes.size() > kRecordLimit) record.erase(0, record.size() / 2);
  record.append(bytes);
}

}  // namespace

Device::Device(int model, std::optional<int> id) : model_(FindModel(model)), id_(id.value_or(model)) {
  if (!model_) throw std::invalid_argument("no Quorvane model has the code " + std::to_string(model));
  factory_ = FactorySettings(*model_);
  settings_ = powerOn_ = factory_;
  if (model_->carriageValues == 4)
    service_.carriageDefaults = {100, 12, 80, 5};
  else
    service_.carriageDefaults = {55, 29};
  service_.carriage = service_.carriageDefaults;
  if (model_->family == Family::PenPlotter) service_.bladeHolder = 0;
}

void Device::SetMode(ReceiveMode mode) {
  mode_ = mode;
  inCommand_ = false;
  command_.clear();
}

void Device::PowerCycle() {
  SetMode(ReceiveMode::Commands);
  settings_ = powerOn_;
  busy_ = false;
  replies_.clear();
}

void Device::Receive(std::string_view bytes) {
  Record(received_, bytes);
  while (!bytes.empty()) {
    ReceiveMode before = mode_;
    size_t used = bytes.size();
    switch (mode_) {
      case ReceiveMode::Echo:
        if (!faults.silent) {
          for (char c : bytes) replies_.push_back({faults.garbageReply ? std::string("?") : std::string(1, c), 0});
        }
        break;
      case ReceiveMode::Firmware:
        if (firmware_) used = firmware_(*this, bytes);
        break;
      case ReceiveMode::Commands: used = ReceiveCommands(bytes); break;
    }
    // A handler that takes nothing and stays in its mode drops the rest: it cannot take it later.
    if (used > bytes.size() || (used == 0 && mode_ == before)) used = bytes.size();
    bytes.remove_prefix(used);
  }
}

size_t Device::ReceiveCommands(std::string_view bytes) {
  for (size_t i = 0; i < bytes.size(); ++i) {
    char c = bytes[i];
    if (inCommand_) {
      if (c == '@' || c == '!' || c == '\r' || c == '\n') {
        // "@" ends a command; a new "!" or a line end also ends one that was sent without it.
        inCommand_ = false;
        Execute(command_);
        command_.clear();
        if (mode_ != ReceiveMode::Commands) return c == '!' ? i : i + 1;
        inCommand_ = c == '!';
      } else {
        command_ += c;
      }
      continue;
    }
    if (c == '!') {
      inCommand_ = true;
      continue;
    }
    // Plot data (HP-GL and what goes between commands) up to the next command.
    size_t end = bytes.find('!', i);
    if (end == std::string_view::npos) end = bytes.size();
    if (plotData_) {
      size_t took = plotData_(*this, bytes.substr(i, end - i));
      if (mode_ != ReceiveMode::Commands) return i + took;
    }
    i = end - 1;
  }
  return bytes.size();
}

void Device::LineIdle() {
  if (!inCommand_) return;
  inCommand_ = false;
  Execute(command_);
  command_.clear();
}

void Device::Execute(std::string_view body) {
  if (body.size() > kMaxCommand) {
    ++unknownCommands_;
    return;
  }
  executing_ = body;
  std::vector<Token> tokens = Tokenize(body);
  if (tokens.empty()) {
    ++unknownCommands_;
    return;
  }
  for (size_t k = 0; k < tokens.size(); ++k) {
    Outcome outcome = ExecuteToken(tokens[k]);
    if (outcome == Outcome::Unknown && k == 0) {
      ++unknownCommands_;
      return;
    }
    if (outcome != Outcome::Done) ++rejectedTokens_;
  }
}

Device::Outcome Device::ExecuteToken(const Token& token) {
  if (token.key.empty()) return Outcome::Unknown;
  commandKey_ = token.key;
  switch (ApplySettingToken(*model_, id_, settings_, token)) {
    case TokenResult::Applied: return Outcome::Done;
    case TokenResult::Rejected: return Outcome::Rejected;
    case TokenResult::NotASetting: break;
  }
  if (token.malformed) return Outcome::Rejected;
  for (auto group : {&Device::InfoCommand, &Device::CalibrationCommand, &Device::ServoCommand}) {
    Outcome outcome = (this->*group)(token);
    if (outcome != Outcome::Unknown) return outcome;
  }
  return Outcome::Unknown;
}

void Device::Reply(std::string text) {
  if (faults.silent || ForThisCommand(faults.silentCommands, commandKey_, executing_) !=
                            faults.silentCommands.end())
    return;
  if (auto cut = ForThisCommand(faults.shortReplies, commandKey_, executing_);
      cut != faults.shortReplies.end())
    KeepFirstValues(text, cut->second);
  if (auto replaced = ForThisCommand(faults.replacedReplies, commandKey_, executing_);
      replaced != faults.replacedReplies.end())
    text = replaced->second;
  if (faults.garbageReply) text = kGarbage;
  if (faults.overlongReply) {
    size_t at = text.rfind('_');
    text.insert(at == std::string::npos ? text.size() : at, kOverlongFiller, ' ');
  }
  if (faults.nulInReply) text.insert(text.size() / 2, 2, '\0');
  if (!faults.replyWithoutCr) text += '\r';
  if (faults.splitReply && text.size() >= 2) {
    size_t half = text.size() / 2;
    replies_.push_back({text.substr(0, half), faults.slowReplyMs});
    replies_.push_back({text.substr(half), kSplitPauseMs});
  } else {
    replies_.push_back({std::move(text), faults.slowReplyMs});
  }
}

void Device::ReplyList(const double* values, size_t count, int fixedDecimals) {
  std::string text;
  for (size_t i = 0; i < count; ++i) {
    if (i > 0) text += ',';
    text += fixedDecimals < 0 ? FormatNumber(values[i]) : FormatFixed(values[i], fixedDecimals);
  }
  Reply(std::move(text));
}

void Device::SendRaw(std::string bytes) {
  if (!faults.silent) replies_.push_back({std::move(bytes), 0});
}

std::vector<ReplyPiece> Device::TakeReplies() {
  for (const ReplyPiece& piece : replies_) Record(sent_, piece.bytes);
  return std::exchange(replies_, {});
}

std::string Device::TakeOutput() {
  std::string out;
  for (ReplyPiece& piece : replies_) out += piece.bytes;
  replies_.clear();
  Record(sent_, out);
  return out;
}

}  // namespace sim
