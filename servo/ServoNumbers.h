#pragma once
// How the servo windows read what is typed into their boxes and show what the device reports.
#include <cstdint>
#include <string>

namespace taskhelm {

class App;

namespace servo {

// A number typed into a box that shows its value with decimals: the regional decimal separator
// is accepted, then the leading-number rule.
double TypedNumber(const App& app, const std::string& text);
// A number typed into a box that shows no decimals, by the leading-number rule alone ("." is the
// decimal point whatever the regional one), taken to a 16-bit integer (nearest, halves to even);
// beyond the range it is clamped.
int16_t TypedInt16(const std::string& text);
// A device value (single precision) as the shortest decimal, with the regional separator.
std::string PlainNumber(const App& app, float value);
// A device value as a whole number (halves away from zero).
std::string WholeNumber(float value);
// "0x" and the upper-case hexadecimal digits of the whole value; a negative value that fits 16
// bits shows as the register holds it ("0xFFFF" for -1).
std::string HexNumber(float value);
// Tells the operator that the box named holds no number its command can carry, so that command
// was not sent.
void ReportUnsendable(App& app, const std::string& boxName);

}  // namespace servo
}  // namespace taskhelm
