#include "sim/Tokens.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace sim {

namespace {

bool IsKeyLetter(char c) { return c >= 'A' && c <= 'Z'; }
bool IsValueChar(char c) { return (c >= '0' && c <= '9') || c == '-' || c == '+' || c == '.' || c == ','; }
bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// No setting or service value of the device comes near this; larger numbers are refused.
constexpr double kLargestValue = 1e9;

// A whole field must be a number: optional sign, digits, one optional point.
std::optional<double> ParseField(std::string_view field, bool& bad) {
  if (field.empty()) return std::nullopt;
  if (field.front() == '+') field.remove_prefix(1);
  double value = 0;
  auto [end, ec] = std::from_chars(field.data(), field.data() + field.size(), value,
                                   std::chars_format::fixed);
  if (ec != std::errc() || end != field.data() + field.size() ||
      std::fabs(value) > kLargestValue) {
    bad = true;
    return std::nullopt;
  }
  return value;
}

void SplitFields(Token& token) {
  std::string_view rest = token.text;
  if (rest.empty()) return;
  for (;;) {
    size_t comma = rest.find(',');
    token.fields.push_back(ParseField(rest.substr(0, comma), token.malformed));
    if (comma == std::string_view::npos) break;
    rest.remove_prefix(comma + 1);
  }
}

}  // namespace

bool Token::Complete() const {
  for (const auto& f : fields)
    if (!f) return false;
  return true;
}

double Token::At(size_t i) const { return i < fields.size() && fields[i] ? *fields[i] : 0.0; }

std::vector<Token> Tokenize(std::string_view body) {
  std::vector<Token> tokens;
  size_t i = 0;
  while (i < body.size()) {
    if (IsBlank(body[i])) {
      ++i;
      continue;
    }
    Token token;
    if (i + 1 < body.size() && IsKeyLetter(body[i]) && IsKeyLetter(body[i + 1])) {
      token.key = std::string(body.substr(i, 2));
      i += 2;
      size_t start = i;
      while (i < body.size() && IsValueChar(body[i])) ++i;
      token.text = std::string(body.substr(start, i - start));
      SplitFields(token);
      // Anything else glued to the value ("RA12,x") spoils the token.
      if (i < body.size() && !IsBlank(body[i]) && !IsKeyLetter(body[i])) token.malformed = true;
    } else {
      token.malformed = true;
    }
    if (token.malformed) {
      size_t start = i;
      while (i < body.size() && !IsBlank(body[i])) ++i;
      token.text += std::string(body.substr(start, i - start));
    }
    tokens.push_back(std::move(token));
  }
  return tokens;
}

std::string FormatFixed(double value, int decimals) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
  return buffer;
}

std::string FormatNumber(double value, int decimals) {
  if (value == std::floor(value) && std::fabs(value) < 1e15)
    return std::to_string(static_cast<long long>(value));
  std::string text = FormatFixed(value, decimals);
  if (text.find('.') != std::string::npos) {
    while (text.back() == '0') text.pop_back();
    if (text.back() == '.') text.pop_back();
  }
  return text == "-0" ? std::string(1, '0') : text;
}

}  // namespace sim
