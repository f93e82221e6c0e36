#include "servo/ServoNumbers.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <limits>

#include "platform/Numbers.h"
#include "startup/App.h"
#include "startup/Main.h"

namespace taskhelm::servo {

namespace {

// A single-precision value as the decimal it stands for (0.15, not 0.150000006).
double AsDecimal(float value) {
  char text[32];
  const auto end = std::to_chars(text, text + sizeof text, value).ptr;
  double decimal = 0;
  std::from_chars(text, end, decimal);
  return decimal;
}

}  // namespace

double TypedNumber(const App& app, const std::string& text) {
  return platform::LeadingNumber(ToPointDecimal(app, text));
}

int16_t TypedInt16(const std::string& text) {
  const double clamped = std::clamp(platform::LeadingNumber(text),
                                    double{std::numeric_limits<int16_t>::min()},
                                    double{std::numeric_limits<int16_t>::max()});
  return static_cast<int16_t>(platform::RoundHalfEven(clamped));
}

std::string PlainNumber(const App& app, float value) {
  return platform::FormatNumber(AsDecimal(value), "", app.regional.sDecimal);
}

std::string WholeNumber(float value) { return platform::FormatNumber(AsDecimal(value), "0"); }

std::string HexNumber(float value) {
  const int64_t whole = platform::RoundHalfEven(value);
  uint64_t bits = static_cast<uint64_t>(whole);
  if (whole < 0)
    bits &= whole >= std::numeric_limits<int16_t>::min() ? 0xFFFFu : 0xFFFFFFFFu;
  char digits[24];
  const auto end = std::to_chars(digits, digits + sizeof digits, bits, 16).ptr;
  std::string text(digits, end);
  std::transform(text.begin(), text.end(), text.begin(), [](char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); });
  return "0x" + text;
}

void ReportUnsendable(App& app, const std::string& boxName) {
  // The servo windows speak their own English in both editions.
  app.ErrorBox(app.T("Not a number the device can take, not sent: ", "DSPForm") + boxName, {});
}

}  // namespace taskhelm::servo
