#pragma once
// Reading a device's reply list: values separated by "," and ended by the carriage return of the
// reply. A parallel reply arrives padded with NULs before that carriage return, so the list ends
// at the first CR or NUL; whatever follows is padding.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace taskhelm {

// Reads the reply's values with the leading-number rule into `slots` in order. A slot the reply
// does not reach keeps what it held; values beyond the last slot are ignored. Text after the last
// "," counts as a value only when the list is ended (CR or NUL), so a reply cut off mid-value
// stores nothing for it. Returns the number of values stored plus one (1: nothing stored).
int16_t ParseReplyList(std::string_view reply, std::span<float> slots);

// The reply's text before its first CR or NUL, split at ",": {"Err"} style readers look at the
// parts as text. An empty reply gives no parts.
std::vector<std::string> ReplyParts(std::string_view reply);

}  // namespace taskhelm
