#pragma once
// Reading a device's reply list: values separated by "," and ended by the carriage return of the
// reply. A parallel reply arrives padded with NULs before that carriage return, so the list ends
// at the first CR or NUL; whatever follows is padding.
#include <bitset>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace taskhelm {

inline constexpr size_t kMaxReplySlots = 32;
// Which slots of a reply table hold a number that a device reply carried.
using ReplySlots = std::bitset<kMaxReplySlots>;

// What one reply list gave.
struct ReplyRead {
  int16_t count = 1;   // the values found plus one (1: none)
  ReplySlots numbers;  // the slots that took a number from this reply

  // The reply gave each of the first `slots` slots a number: an answer for a reader of that many.
  bool Carries(size_t slots) const;
};

// Reads the reply's values into `slots` in order. A value is read only when it is a decimal
// number as the device writes it (blanks around it allowed): noise, NULs or nothing between the
// commas answer nothing, and such a slot keeps what it held, as does a slot the reply does not
// reach. A number beyond single precision is stored as the largest single. Values beyond the last
// slot are ignored. Text after the last "," counts as a value only when the list is ended (CR or
// NUL), so a reply cut off mid-value stores nothing for it.
ReplyRead ParseReplyList(std::string_view reply, std::span<float> slots);

// The reply's first value (the whole reply, or the text before its first ","), when it was read
// as a number.
std::optional<float> ReplyNumber(std::string_view reply);

// What the replies of one command read into its own table have filled, for readers whose short
// reply keeps the values an earlier reply gave: a slot that no reply gave a number holds only
// the table's starting zero, and must not pass for an answer.
class ReplyFill {
 public:
  // ParseReplyList, remembering which slots took a number. Returns its count.
  int16_t Parse(std::string_view reply, std::span<float> slots);
  // The last reply carried a number, and the first `count` slots all hold one.
  bool Answered(size_t count) const;

 private:
  ReplySlots filled_;
  bool lastCarriedNumber_ = false;
};

// The reply's text before its first CR or NUL, split at ",": {"Err"} style readers look at the
// parts as text. An empty reply gives no parts.
std::vector<std::string> ReplyParts(std::string_view reply);

}  // namespace taskhelm
