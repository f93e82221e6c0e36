#include "sim/Faults.h"

#include <charconv>

namespace sim {

namespace {

constexpr int kDefaultSlowMs = 1500;

bool ParseInt(std::string_view text, int& value) {
  if (text.empty()) return false;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  return ec == std::errc() && end == text.data() + text.size();
}

}  // namespace

const char* FaultNames() {
  return "silent, wrong-model[=ID], short-dump, no-underscore, garbage, nul, overlong, no-cr, "
         "slow[=MS], split, cts-low, silent-command=CMD, short-reply=CMD:N, garbled-reply=CMD";
}

bool SetFault(Faults& faults, std::string_view switchText, int deviceId, std::string& error) {
  std::string_view name = switchText;
  std::string_view value;
  bool hasValue = false;
  if (auto eq = switchText.find('='); eq != std::string_view::npos) {
    name = switchText.substr(0, eq);
    value = switchText.substr(eq + 1);
    hasValue = true;
  }
  auto noValue = [&](bool& flag) {
    if (hasValue) {
      error = "fault " + std::string(name) + " takes no value";
      return false;
    }
    flag = true;
    return true;
  };

  if (name == "silent") return noValue(faults.silent);
  if (name == "short-dump") return noValue(faults.shortDump);
  if (name == "no-underscore") return noValue(faults.dumpWithoutUnderscore);
  if (name == "garbage") return noValue(faults.garbageReply);
  if (name == "nul") return noValue(faults.nulInReply);
  if (name == "overlong") return noValue(faults.overlongReply);
  if (name == "no-cr") return noValue(faults.replyWithoutCr);
  if (name == "split") return noValue(faults.splitReply);
  if (name == "cts-low") return noValue(faults.ctsLow);
  if (name == "wrong-model") {
    int id = deviceId == 39 ? 32 : 39;  // another cutter that the program knows
    if (hasValue && !ParseInt(value, id)) {
      error = "wrong-model needs a number, not \"" + std::string(value) + "\"";
      return false;
    }
    faults.wrongModelId = id;
    return true;
  }
  if (name == "slow") {
    int ms = kDefaultSlowMs;
    if (hasValue && (!ParseInt(value, ms) || ms < 0)) {
      error = "slow needs a number of milliseconds, not \"" + std::string(value) + "\"";
      return false;
    }
    faults.slowReplyMs = ms;
    return true;
  }
  if (name == "silent-command") {
    if (value.empty()) {
      error = "silent-command needs a command, as in silent-command=OC or silent-command=ZO0";
      return false;
    }
    faults.silentCommands.emplace(value);
    return true;
  }
  if (name == "short-reply") {
    const size_t colon = value.find(':');
    int count = 0;
    if (colon == std::string_view::npos || colon == 0 || !ParseInt(value.substr(colon + 1), count) ||
        count < 0) {
      error = "short-reply needs a command and a number of values, as in short-reply=ZO0:5";
      return false;
    }
    faults.shortReplies[std::string(value.substr(0, colon))] = static_cast<size_t>(count);
    return true;
  }
  if (name == "garbled-reply") {
    if (value.empty()) {
      error = "garbled-reply needs a command, as in garbled-reply=OS or garbled-reply=ZO0";
      return false;
    }
    faults.replacedReplies[std::string(value)] = std::string(kGarbage);
    return true;
  }
  error = "unknown fault \"" + std::string(name) + "\" (known: " + FaultNames() + ")";
  return false;
}

}  // namespace sim
