#include "platform/Numbers.h"

#include <charconv>
#include <cmath>
#include <limits>

// Every conversion here uses <charconv>, which ignores the C locale: the toolkit may switch
// LC_NUMERIC to the user's, and "1.5" must still read as one and a half.
namespace platform {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int HexValue(char c) {
  if (IsDigit(c)) return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Up to four digits are a signed 16-bit value ("&HFFFF" is -1); more are the unsigned value they
// spell, so that a caller clamps or refuses a number beyond 16 bits rather than taking its first
// four digits.
double HexNumber(std::string_view digits) {
  double value = 0;
  size_t count = 0;
  for (; count < digits.size() && HexValue(digits[count]) >= 0; ++count)
    value = value * 16 + HexValue(digits[count]);
  if (count > 4) return std::isfinite(value) ? value : std::numeric_limits<double>::max();
  return static_cast<int16_t>(static_cast<uint16_t>(value));
}

// A magnitude in plain decimal digits, the sign kept apart.
struct Decimal {
  std::string intPart;   // no leading zeros; empty for zero
  std::string fracPart;  // as many digits as known
};

// The value's 15 significant digits, correctly rounded, as plain digits: the precision at which
// the binary value still reads as the decimal it was meant to be (0.55, not 0.5499999...).
Decimal ToDecimal(double magnitude) {
  Decimal d;
  if (magnitude == 0) return d;
  char buf[64];
  const auto res = std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific, 14);
  const std::string_view text(buf, static_cast<size_t>(res.ptr - buf));
  const size_t e = text.find('e');
  std::string digits;
  for (char c : text.substr(0, e))
    if (IsDigit(c)) digits += c;
  int exponent = 0;
  std::from_chars(text.data() + e + 1 + (text[e + 1] == '+' ? 1 : 0), text.data() + text.size(),
                  exponent);
  if (exponent >= 0) {
    const size_t intDigits = static_cast<size_t>(exponent) + 1;
    if (digits.size() < intDigits) digits.append(intDigits - digits.size(), '0');
    d.intPart = digits.substr(0, intDigits);
    d.fracPart = digits.substr(intDigits);
  } else {
    d.fracPart = std::string(static_cast<size_t>(-exponent - 1), '0') + digits;
  }
  return d;
}

// Keeps `decimals` fraction digits, a dropped 5 or more carrying up (halves away from zero,
// since the digits are a magnitude).
void RoundAt(Decimal& d, size_t decimals) {
  if (d.fracPart.size() <= decimals) return;
  const bool up = d.fracPart[decimals] >= '5';
  d.fracPart.resize(decimals);
  if (!up) return;
  for (size_t i = d.fracPart.size(); i-- > 0;) {
    if (d.fracPart[i] != '9') {
      ++d.fracPart[i];
      return;
    }
    d.fracPart[i] = '0';
  }
  for (size_t i = d.intPart.size(); i-- > 0;) {
    if (d.intPart[i] != '9') {
      ++d.intPart[i];
      return;
    }
    d.intPart[i] = '0';
  }
  d.intPart.insert(d.intPart.begin(), '1');
}

struct Pattern {
  size_t intRequired = 0;   // '0' placeholders before the point
  size_t fracRequired = 0;  // fraction digits always shown (up to the last '0')
  size_t fracMax = 0;       // fraction placeholders ('0' or '#')
};

Pattern ParsePattern(std::string_view pattern) {
  Pattern p;
  const size_t point = pattern.find('.');
  for (char c : pattern.substr(0, point))
    if (c == '0') ++p.intRequired;
  if (point != std::string_view::npos) {
    const std::string_view frac = pattern.substr(point + 1);
    for (size_t i = 0; i < frac.size(); ++i) {
      if (frac[i] != '0' && frac[i] != '#') continue;
      ++p.fracMax;
      if (frac[i] == '0') p.fracRequired = p.fracMax;
    }
  }
  return p;
}

std::string Compose(bool negative, Decimal d, const Pattern& p, char separator) {
  RoundAt(d, p.fracMax);
  if (d.fracPart.size() < p.fracMax) d.fracPart.append(p.fracMax - d.fracPart.size(), '0');
  while (d.fracPart.size() > p.fracRequired && d.fracPart.back() == '0') d.fracPart.pop_back();
  const size_t firstNonZero = d.intPart.find_first_not_of('0');
  d.intPart.erase(0, firstNonZero == std::string::npos ? d.intPart.size() : firstNonZero);
  const bool zero = d.intPart.empty() && d.fracPart.find_first_not_of('0') == std::string::npos;
  if (d.intPart.size() < p.intRequired) d.intPart.insert(0, p.intRequired - d.intPart.size(), '0');

  // A value that rounds to zero shows no sign.
  std::string out = negative && !zero ? "-" : "";
  out += d.intPart;
  if (!d.fracPart.empty()) {
    out += separator;
    out += d.fracPart;
  }
  return out;
}

}  // namespace

double LeadingNumber(std::string_view text) {
  size_t i = 0;
  // Blanks, tabs and line feeds may lead a field of a device reply.
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\n')) ++i;
  if (text.size() - i >= 2 && text[i] == '&' && (text[i + 1] == 'H' || text[i + 1] == 'h'))
    return HexNumber(text.substr(i + 2));

  std::string number;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    if (text[i] == '-') number += '-';
    ++i;
  }
  bool point = false, digits = false, nonZeroWhole = false;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (IsDigit(c)) {
      digits = true;
      if (!point && c != '0') nonZeroWhole = true;
    } else if (c == '.' && !point) {
      point = true;
    } else {
      break;
    }
    number += c;
  }
  if (!digits) return 0;

  const bool negative = !number.empty() && number[0] == '-';
  double value = 0;
  const char* first = number.data() + (negative ? 1 : 0);
  const auto res = std::from_chars(first, number.data() + number.size(), value);
  if (res.ec == std::errc::result_out_of_range)
    value = nonZeroWhole ? std::numeric_limits<double>::max() : 0.0;
  if (value == 0) return 0;
  return negative ? -value : value;
}

double PlainReading(std::string_view text) {
  std::string kept;
  for (char c : text)
    if (c != ' ' && c != '\t' && c != '\n') kept += c;
  return LeadingNumber(kept);
}

int64_t RoundHalfEven(double value) {
  if (std::isnan(value)) return 0;
  constexpr double kLimit = 9223372036854775807.0;  // 2^63
  if (value >= kLimit) return std::numeric_limits<int64_t>::max();
  if (value <= -kLimit) return std::numeric_limits<int64_t>::min();
  double whole = std::floor(value);
  const double rest = value - whole;  // exact
  if (rest > 0.5 || (rest == 0.5 && std::fmod(whole, 2.0) != 0)) whole += 1;
  return static_cast<int64_t>(whole);
}

float ToSingle(double value) {
  constexpr double kMax = std::numeric_limits<float>::max();
  if (value > kMax) return std::numeric_limits<float>::max();
  if (value < -kMax) return -std::numeric_limits<float>::max();
  return static_cast<float>(value);
}

bool IsDecimalNumber(std::string_view text) {
  auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  size_t i = 0, end = text.size();
  while (i < end && blank(text[i])) ++i;
  while (end > i && blank(text[end - 1])) --end;
  if (i < end && (text[i] == '+' || text[i] == '-')) ++i;
  bool digits = false, point = false;
  for (; i < end; ++i) {
    if (IsDigit(text[i]))
      digits = true;
    else if (text[i] == '.' && !point)
      point = true;
    else
      return false;
  }
  return digits;
}

bool FitsWire(double value, WireKind kind) {
  // Below this a double still rounds to a finite single; from it on the device reads infinity.
  constexpr double kSingleLimit = 0x1.ffffffp+127;
  switch (kind) {
    case WireKind::Single:
    case WireKind::Factor: return std::fabs(value) < kSingleLimit;  // false for NaN too
    case WireKind::Register16: return value > -32768.5 && value < 32767.5;  // as written whole
  }
  return false;
}

std::optional<std::string> WireNumber(double value, std::string_view pattern, WireKind kind) {
  if (!FitsWire(value, kind)) return std::nullopt;
  std::string text = FormatNumber(value, pattern, '.');
  // A factor that rounds to nothing in its pattern would tell the device to draw nothing.
  if (kind == WireKind::Factor && !(LeadingNumber(text) > 0)) return std::nullopt;
  return text;
}

bool IsWireText(std::string_view text, WireKind kind) {
  if (text.empty() || text.find_first_of(" \t\r\n") != std::string_view::npos) return false;
  // Digits beyond what a double holds read as its largest value, which fits no kind.
  return IsDecimalNumber(text) && FitsWire(LeadingNumber(text), kind);
}

std::string FormatNumber(double value, std::string_view pattern, char decimalSeparator) {
  if (!std::isfinite(value)) {
    char buf[16];
    const auto res = std::to_chars(buf, buf + sizeof buf, value);
    return std::string(buf, res.ptr);
  }
  const Decimal d = ToDecimal(std::fabs(value));
  Pattern p;
  if (pattern.empty()) {
    // The shortest plain form: every known digit, trailing zeros dropped, at least "0".
    p.intRequired = 1;
    p.fracMax = d.fracPart.size();
  } else {
    p = ParsePattern(pattern);
  }
  return Compose(std::signbit(value), d, p, decimalSeparator);
}

std::string ToPointDecimal(std::string_view text, char decimalSeparator) {
  std::string out(text);
  if (decimalSeparator == '.') return out;
  const size_t at = out.find(decimalSeparator);
  if (at != std::string::npos) out[at] = '.';
  return out;
}

}  // namespace platform
