#pragma once
// The number rules every window and reply reader shares.
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// The leading number of a text: sign, digits and one "." are read until a character cannot
// continue the number; "&H" introduces hex digits, up to four read as a signed 16-bit value and
// more as the unsigned value they spell; leading blanks (also tabs and line feeds) are skipped;
// text without a leading number gives 0.
double LeadingNumber(std::string_view text);
// The settings fields' reading of a box: blanks, tabs and line feeds do not count wherever they
// stand ("1 00" is 100, "- 3" is -3), then the leading number.
double PlainReading(std::string_view text);

// Stores a real into an integer setting: nearest integer, halves to the even neighbour.
int64_t RoundHalfEven(double value);

// Storing a real number into an Integer or Long setting: rounded halves to even, and saturated at
// the type's range so that a wild device value can never wrap around into a plausible one.
template <class Int>
Int StoreRounded(double value) {
  if (std::isnan(value)) return 0;
  constexpr double low = static_cast<double>(std::numeric_limits<Int>::min());
  constexpr double high = static_cast<double>(std::numeric_limits<Int>::max());
  if (value <= low) return std::numeric_limits<Int>::min();
  if (value >= high) return std::numeric_limits<Int>::max();
  return static_cast<Int>(RoundHalfEven(value));
}

inline int16_t ToInteger(double value) { return StoreRounded<int16_t>(value); }
inline int32_t ToLong(double value) { return StoreRounded<int32_t>(value); }
// Storing a real number into a Single: beyond single precision it becomes the largest single of
// its sign, so a wild device value never turns into an infinity.
float ToSingle(double value);

// Whether the text, blanks around it allowed, is a decimal number as a device writes one: a sign,
// digits and at most one ".". Noise, an empty text or "&H" is not.
bool IsDecimalNumber(std::string_view text);

// A display pattern ("0", "0.0", "#0.0", "##0.00", "0.000", "0.0#####", "##", "" ...): rounds halves
// away from zero, writes the given decimal separator. "0" is a digit always shown, "#" one shown
// only when significant (before the point: "##" shows nothing for zero; after it: trailing zeros
// dropped); "" is the shortest plain decimal form. The value is taken as its decimal form to 15
// significant digits, so 2.675 shows as "2.68" although its binary value lies just below.
std::string FormatNumber(double value, std::string_view pattern, char decimalSeparator = '.');

// The numbers a device command carries.
enum class WireKind {
  Single,      // a single-precision value
  Register16,  // a signed 16-bit register, written whole
  Factor,      // a calibration factor: single precision, above 0 as written
};

// The one rule for every number a command writes. A value that is not finite, or that the kind
// cannot carry, is never written: the device would read "inf", "nan", a wrapped register or a
// zero factor.
bool FitsWire(double value, WireKind kind);
// The value in the pattern with ".", or nothing when the command cannot carry it.
std::optional<std::string> WireNumber(double value, std::string_view pattern, WireKind kind);
// Typed text that goes out as typed: a decimal number, nothing around it, whose value fits the
// kind's range.
bool IsWireText(std::string_view text, WireKind kind);

// Replaces the first occurrence of the separator by ".".
std::string ToPointDecimal(std::string_view text, char decimalSeparator);

}  // namespace platform
