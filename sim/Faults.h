#pragma once
// The misbehaviours a test can switch on in the simulated device. All off by default.
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>

namespace sim {

struct Faults {
  bool silent = false;                 // no replies at all, no echo either
  std::optional<int> wrongModelId;     // "!IC@" answers this number instead of the device's own
  bool shortDump = false;              // the dump carries one line feed too few
  bool dumpWithoutUnderscore = false;  // the dump ends without its "_"
  bool garbageReply = false;           // every reply is junk bytes (then CR); echo returns "?"
  bool nulInReply = false;             // NUL bytes in the middle of every reply
  bool overlongReply = false;          // every reply runs past 1000 characters before its end mark
  bool replyWithoutCr = false;         // replies lack their closing CR
  int slowReplyMs = 0;                 // pause before a reply starts
  bool splitReply = false;             // a reply comes in two pieces with a pause between
  bool ctsLow = false;                 // the device holds CTS low: nothing it is sent gets through
  // Per command, named by its two letters ("OC": every "!OC...@") or by its whole text between "!"
  // and "@" ("ZO0"): the device leaves it unanswered, or its reply keeps only its first values
  // (none: the bare CR).
  std::set<std::string, std::less<>> silentCommands;
  std::map<std::string, size_t, std::less<>> shortReplies;
  // Per command as above: the reply's text is these bytes instead (its CR still follows).
  std::map<std::string, std::string, std::less<>> replacedReplies;
};

// What a garbled reply looks like: nothing a number reader can take.
inline constexpr std::string_view kGarbage = "#?\xfe~%\x1bZ";

// Pause between the two pieces of a split reply.
inline constexpr int kSplitPauseMs = 40;
// Filler that an overlong reply carries before its end mark.
inline constexpr int kOverlongFiller = 1100;

// Switches one fault on by its command-line name ("silent", "wrong-model[=ID]", "short-dump",
// "no-underscore", "garbage", "nul", "overlong", "no-cr", "slow[=MS]", "split", "cts-low",
// "silent-command=CMD", "short-reply=CMD:N", "garbled-reply=CMD").
// False with a message for an unknown name or a bad value. `deviceId` picks the default wrong id.
bool SetFault(Faults& faults, std::string_view switchText, int deviceId, std::string& error);

// The names SetFault knows, for a usage text.
const char* FaultNames();

}  // namespace sim
