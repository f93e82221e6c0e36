// The reply-list reader the calibration and servo windows share, on serial, padded parallel,
// short, long and cut-off replies.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "link/ReplyList.h"

namespace taskhelm {
namespace {

struct ListCase {
  const char* name;
  std::string reply;
  int16_t count;
  std::array<float, 4> slots;  // after parsing into slots that held 9, 9, 9, 9
};

TEST(ParseReplyList, ReadsValuesIntoSlotsAndKeepsTheRest) {
  const ListCase cases[] = {
      {"serial", "1.5,-2,3\r", 4, {1.5f, -2, 3, 9}},
      {"parallel padding", std::string("1,2,3\0\0\0\r", 9), 4, {1, 2, 3, 9}},
      {"blanks after the CR", "7,8\r      ", 3, {7, 8, 9, 9}},
      {"more values than slots", "1,2,3,4,5,6\r", 5, {1, 2, 3, 4}},
      {"no terminator: the open value is not stored", "1,2,3", 3, {1, 2, 9, 9}},
      {"nothing", "", 1, {9, 9, 9, 9}},
      {"a lone CR is one value of 0", "\r", 2, {0, 9, 9, 9}},
      {"text after the CR is not read", "5\r6,7\r", 2, {5, 9, 9, 9}},
      {"not numbers read as 0", "x,&H10\r", 3, {0, 16, 9, 9}},
  };
  for (const ListCase& c : cases) {
    std::array<float, 4> slots{9, 9, 9, 9};
    EXPECT_EQ(ParseReplyList(c.reply, slots), c.count) << c.name;
    EXPECT_EQ(slots, c.slots) << c.name;
  }
}

TEST(ParseReplyList, NeverWritesPastItsSlots) {
  std::vector<float> slots(2, 9);
  std::string flood;
  for (int i = 0; i < 5000; ++i) flood += "1,";
  flood += "1\r";
  EXPECT_EQ(ParseReplyList(flood, std::span<float>(slots.data(), 1)), 2);
  EXPECT_EQ(slots[1], 9);
}

TEST(ReplyParts, SplitsTheTextBeforeTheTerminator) {
  EXPECT_EQ(ReplyParts("5,-3\r"), (std::vector<std::string>{"5", "-3"}));
  EXPECT_EQ(ReplyParts(std::string("12\0\0\r", 5)), (std::vector<std::string>{"12"}));
  EXPECT_EQ(ReplyParts("a,,b"), (std::vector<std::string>{"a", "", "b"}));
  EXPECT_TRUE(ReplyParts("\r").empty());
  EXPECT_TRUE(ReplyParts("").empty());
}

}  // namespace
}  // namespace taskhelm
