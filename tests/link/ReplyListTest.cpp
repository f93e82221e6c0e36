// The reply-list reader every window that reads device values shares, on serial, padded
// parallel, short, long, cut-off and garbled replies.
#include <gtest/gtest.h>

#include <array>
#include <cfloat>
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
  const char* numbers;         // which slots took a number, slot 0 first
};

std::string Numbers(const ReplySlots& read) {
  std::string shown;
  for (size_t i = 0; i < 4; ++i) shown += read[i] ? '1' : '0';
  return shown;
}

TEST(ParseReplyList, ReadsNumbersIntoSlotsAndSaysWhichWereNumbers) {
  const std::string megabyte(1 << 20, 'x');
  const ListCase cases[] = {
      {"serial", "1.5,-2,3\r", 4, {1.5f, -2, 3, 9}, "1110"},
      {"parallel padding", std::string("1,2,3\0\0\0\r", 9), 4, {1, 2, 3, 9}, "1110"},
      {"blanks around values, and after the CR", " 7 ,8\r      ", 3, {7, 8, 9, 9}, "1100"},
      {"more values than slots", "1,2,3,4,5,6\r", 5, {1, 2, 3, 4}, "1111"},
      {"no terminator: the open value is not stored", "1,2,3", 3, {1, 2, 9, 9}, "1100"},
      {"nothing", "", 1, {9, 9, 9, 9}, "0000"},
      {"text after the CR is not read", "5\r6,7\r", 2, {5, 9, 9, 9}, "1000"},
      // Garbled replies: a value that is not a number answers nothing, and its slot keeps what
      // it held instead of reading as 0.
      {"a lone CR", "\r", 2, {9, 9, 9, 9}, "0000"},
      {"noise", "#?\xfe~%\x1bZ\r", 2, {9, 9, 9, 9}, "0000"},
      {"noise with commas", "#?,~%,Z\r", 4, {9, 9, 9, 9}, "0000"},
      {"NULs", std::string("\0\0\0\0\r", 5), 2, {9, 9, 9, 9}, "0000"},
      {"a leading NUL", std::string("\0" "85,29\r", 7), 2, {9, 9, 9, 9}, "0000"},
      {"a megabyte before the CR", megabyte + "\r", 2, {9, 9, 9, 9}, "0000"},
      {"a lone comma", ",\r", 3, {9, 9, 9, 9}, "0000"},
      {"a corrupted value among numbers", "4,8\xfe" "5,6\r", 4, {4, 9, 6, 9}, "1010"},
      {"leading-number text is no number here", "12abc,&H10\r", 3, {9, 9, 9, 9}, "0000"},
      {"too few values", "5\r", 2, {5, 9, 9, 9}, "1000"},
      // Beyond single precision: the largest single, never infinity.
      {"1 and 40 zeros", "1" + std::string(40, '0') + ",-" + std::string(400, '9') + "\r", 3,
       {FLT_MAX, -FLT_MAX, 9, 9}, "1100"},
  };
  for (const ListCase& c : cases) {
    std::array<float, 4> slots{9, 9, 9, 9};
    const ReplyRead read = ParseReplyList(c.reply, slots);
    EXPECT_EQ(read.count, c.count) << c.name;
    EXPECT_EQ(slots, c.slots) << c.name;
    EXPECT_EQ(Numbers(read.numbers), c.numbers) << c.name;
  }
}

TEST(ParseReplyList, NeverWritesPastItsSlots) {
  std::vector<float> slots(2, 9);
  std::string flood;
  for (int i = 0; i < 5000; ++i) flood += "1,";
  flood += "1\r";
  EXPECT_EQ(ParseReplyList(flood, std::span<float>(slots.data(), 1)).count, 2);
  EXPECT_EQ(slots[1], 9);
}

TEST(ReplyNumber, TheFirstValueWhenItIsANumber) {
  EXPECT_EQ(ReplyNumber("3\r"), 3.0f);
  EXPECT_EQ(ReplyNumber("85,29\r"), 85.0f);
  EXPECT_EQ(ReplyNumber(std::string("1\r\0\0", 4)), 1.0f);
  for (const std::string& garbled :
       {std::string("\r"), std::string("#?\xfe~%\x1bZ\r"), std::string("\0" "3\r", 3),
        std::string(",\r"), std::string("3")})
    EXPECT_FALSE(ReplyNumber(garbled).has_value()) << garbled;
}

// A table filled by several replies: an answer needs a number in this reply and every slot the
// reader uses filled by some reply, this one or an earlier one.
TEST(ReplyFill, AnswersOnlyWhenEveryUsedSlotHoldsANumber) {
  std::array<float, 4> table{};
  ReplyFill fill;
  EXPECT_EQ(fill.Parse("1,2\r", table), 3);
  EXPECT_TRUE(fill.Answered(2));
  EXPECT_FALSE(fill.Answered(3)) << "slot 2 holds the table's starting zero";
  fill.Parse("#?,~%\r", table);
  EXPECT_FALSE(fill.Answered(2)) << "a reply without a number is no answer";
  fill.Parse("5,6,7\r", table);
  EXPECT_TRUE(fill.Answered(3));
  fill.Parse("8\r", table);
  EXPECT_TRUE(fill.Answered(3)) << "a short reply after a full one";
  EXPECT_EQ(table, (std::array<float, 4>{8, 6, 7, 0}));
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
