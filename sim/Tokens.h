#pragma once
// The body of an escape command (between "!" and "@") read as tokens: two capital letters, then a
// value text of numbers separated by ",". Tokens follow each other after a blank or directly
// ("KA15UD"). Every command is one or more tokens: "IC", "HO1 PT3 LL0,0 ...", "CC25,29 TP".
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sim {

struct Token {
  std::string key;                            // two capital letters
  std::string text;                           // the value text as received
  std::vector<std::optional<double>> fields;  // one per ","-separated field; empty ones unset
  bool malformed = false;                     // no two-letter key, or a field that is no number

  size_t Count() const { return fields.size(); }
  // Every field holds a number.
  bool Complete() const;
  // Field i, 0 when it is empty or missing.
  double At(size_t i) const;
};

std::vector<Token> Tokenize(std::string_view body);

// A number as the device writes it: whole numbers plainly, others with up to `decimals` decimals
// and no trailing zeros.
std::string FormatNumber(double value, int decimals = 6);
// A number with exactly `decimals` decimals ("1.250").
std::string FormatFixed(double value, int decimals);

}  // namespace sim
