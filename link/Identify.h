#pragma once
// Identification ("!IC@"), the settings dump ("!DD@") and its mapping into the settings record,
// the follow-up queries "!FS@" and "!TD@", and the model check every window runs first.
#include <cstdint>
#include <string>
#include <string_view>

#include "link/Models.h"
#include "link/SharedState.h"

namespace taskhelm {

class LinkContext;

// Model code of the attached device, or -1 when there is no usable reply. Sets DeviceId.
int16_t IdentifyDevice(LinkContext& app);
bool ReadDeviceSettings(LinkContext& app);
// Parses a dump reply into the parameter array for the model: values beyond the model's count
// keep what they held; a number beyond single precision is kept as the largest single.
enum class DumpParse { Ok, TooFewValues, NotANumber, NoEnd };
DumpParse ParseDump(const HeldModel& model, std::string_view reply, DeviceParameterArray& params);
// The raw identification number of a reply, rounded to a 16-bit integer.
int16_t ParseIdentification(std::string_view reply);
bool VerifyModel(LinkContext& app, int16_t expected);
std::string ModelSuggestion(int16_t model);
// The knife's enable, force and length; false, the values kept, when the reply does not carry
// the three numbers.
bool ReadTdValues(LinkContext& app);
void ApplyCommonSettings(LinkContext& app);
void ApplyCutterSettings(LinkContext& app);
void ApplyRollFeedSettings(LinkContext& app);
void ApplyPlotterSettings(LinkContext& app);
inline bool ReadAllowed() { return true; }

// Clamps value into [low, high], writes it back and returns it.
template <class T, class L, class H>
T LimitValue(T& value, L low, H high) {
  if (value < low)
    value = static_cast<T>(low);
  else if (value > high)
    value = static_cast<T>(high);
  return value;
}

template <class A, class B>
auto MaxOf(A a, B b) {
  return a > b ? a : b;
}

}  // namespace taskhelm
