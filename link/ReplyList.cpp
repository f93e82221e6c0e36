#include "link/ReplyList.h"

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

}  // namespace

int16_t ParseReplyList(std::string_view reply, std::span<float> slots) {
  const auto [text, ended] = CutAtTerminator(reply);
  size_t stored = 0;
  size_t start = 0;
  while (stored < slots.size()) {
    const size_t comma = text.find(',', start);
    if (comma == std::string_view::npos) {
      if (ended) slots[stored++] = static_cast<float>(platform::LeadingNumber(text.substr(start)));
      break;
    }
    slots[stored++] = static_cast<float>(platform::LeadingNumber(text.substr(start, comma - start)));
    start = comma + 1;
  }
  return static_cast<int16_t>(stored + 1);
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
