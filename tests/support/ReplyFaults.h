#pragma once
// The ways a device reply arrives with its CR but without the numbers it should carry: the one
// table that every reply reader's tests run. Each fault turns the reply the device would give
// (without its CR) into the bytes that arrive instead; the simulated device still ends them with
// the CR.
#include <string>
#include <vector>

#include "sim/Device.h"
#include "sim/Faults.h"

namespace testing_support {

struct ReplyFault {
  const char* name;
  std::string (*garble)(const std::string& reply);
};

inline const std::vector<ReplyFault>& ReplyFaults() {
  static const std::vector<ReplyFault> faults = {
      {"noise", [](const std::string&) { return std::string(sim::kGarbage); }},
      {"nothing", [](const std::string&) { return std::string(); }},
      {"noise in place of every value",
       [](const std::string& reply) {
         std::string noisy(sim::kGarbage);
         for (char c : reply)
           if (c == ',') noisy += "," + std::string(sim::kGarbage);
         return noisy;
       }},
      {"NULs", [](const std::string&) { return std::string(4, '\0'); }},
      {"a leading NUL", [](const std::string& reply) { return '\0' + reply; }},
      {"1 MB before the CR",
       [](const std::string&) {
         std::string flood;
         while (flood.size() < (size_t{1} << 20)) flood += sim::kGarbage;
         return flood;
       }},
      {"a lone comma", [](const std::string&) { return std::string(","); }},
      // The last value missing; a reply of one value leaves nothing.
      {"too few values",
       [](const std::string& reply) {
         const size_t last = reply.rfind(',');
         return last == std::string::npos ? std::string() : reply.substr(0, last);
       }},
  };
  return faults;
}

// What the device answers to a command now, without its CR and without its faults (asked of a
// copy, so the device itself records nothing).
inline std::string ReplyOf(sim::Device device, const std::string& command) {
  device.faults = {};
  device.TakeOutput();
  device.Receive(command);
  std::string reply = device.TakeOutput();
  if (!reply.empty() && reply.back() == '\r') reply.pop_back();
  return reply;
}

// Has the device answer `command` with the fault's garbling of its own reply.
inline void GarbleReply(sim::Device& device, const std::string& key, const std::string& command,
                        const ReplyFault& fault) {
  device.faults.replacedReplies[key] = fault.garble(ReplyOf(device, command));
}

}  // namespace testing_support
