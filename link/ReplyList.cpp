#include "link/ReplyList.h"

#include <algorithm>

#include "platform/Numbers.h"

namespace taskhelm {

namespace {

// The list's text and whether a terminator ended it.
struct ListText {
  std::string_view text;
  bool ended;
};

ListText CutAtTerminator(std::string_view reply) {
  const size_t end = reply.find_first_of(std::string_view("\r\0", 2));
  if (end == std::string_view::npos) return {reply, false};
  return {reply.substr(0, end), true};
}

// Whether the first `count` slots are all marked.
bool FirstAll(const ReplySlots& slots, size_t count) {
  for (size_t i = 0; i < count; ++i)
    if (!slots[i]) return false;
  return true;
}

}  // namespace

ReplyRead ParseReplyList(std::string_view reply, std::span<float> slots) {
  const auto [text, ended] = CutAtTerminator(reply);
  const size_t capacity = std::min(slots.size(), kMaxReplySlots);
  ReplyRead read;
  size_t found = 0;
  auto take = [&](std::string_view value) {
    if (platform::IsDecimalNumber(value)) {
      slots[found] = platform::ToSingle(platform::LeadingNumber(value));
      read.numbers.set(found);
    }
    ++found;
  };
  size_t start = 0;
  while (found < capacity) {
    const size_t comma = text.find(',', start);
    if (comma == std::string_view::npos) {
      if (ended) take(text.substr(start));
      break;
    }
    take(text.substr(start, comma - start));
    start = comma + 1;
  }
  read.count = static_cast<int16_t>(found + 1);
  return read;
}

std::optional<float> ReplyNumber(std::string_view reply) {
  float value = 0;
  if (!ParseReplyList(reply, {&value, 1}).numbers[0]) return std::nullopt;
  return value;
}

bool ReplyRead::Carries(size_t slots) const { return FirstAll(numbers, slots); }

int16_t ReplyFill::Parse(std::string_view reply, std::span<float> slots) {
  const ReplyRead read = ParseReplyList(reply, slots);
  filled_ |= read.numbers;
  lastCarriedNumber_ = read.numbers.any();
  return read.count;
}

bool ReplyFill::Answered(size_t count) const {
  return lastCarriedNumber_ && FirstAll(filled_, count);
}

std::vector<std::string> ReplyParts(std::string_view reply) {
  const std::string_view text = CutAtTerminator(reply).text;
  std::vector<std::string> parts;
  if (text.empty()) return parts;
  size_t start = 0;
  for (;;) {
    const size_t comma = text.find(',', start);
    parts.emplace_back(text.substr(start, comma == std::string_view::npos ? comma : comma - start));
    if (comma == std::string_view::npos) return parts;
    start = comma + 1;
  }
}

}  // namespace taskhelm
