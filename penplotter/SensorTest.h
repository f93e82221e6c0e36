#pragma once
// The sensor test command: "!TS" and the number of repetitions, one byte, then "@".
#include <string>
#include <string_view>

namespace taskhelm {

// The repetitions are the leading number of the typed text taken to a whole number and held to
// 0..255, so the device never gets text it cannot read ("!TS300@" becomes "!TS255@").
std::string SensorTestCommand(std::string_view repetitionsText);

}  // namespace taskhelm
