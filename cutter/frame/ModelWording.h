#pragma once
// The wording set of a settings window: prompts, titles and questions that name the device line.
// Each device line has one row of English texts; a window fills the set from its line's row on
// activation, in the edition's language.
#include <functional>
#include <string>

namespace taskhelm {

// The set's members, as the window holds them (text) or as a device line's row names them
// (English; a text the line does not have is null and stays empty).
template <class Text>
struct WordingSet {
  Text TempSendPrompt{};
  Text PermSendPrompt{};
  Text UpdateTitle{};
  Text NotSentText{};
  Text UpdateQuestion{};
  Text ExitQuestion{};
  Text SerialTestTitle{};
  Text TestCutText{};
  Text DisconnectText{};
  Text PortTestTitle{};
  Text PortTestStep1{};
  Text PortTestStep2{};
  Text PortTestStep4{};
};
using ModelWording = WordingSet<std::string>;
using LineWording = WordingSet<const char*>;

// The device lines whose wording the settings windows show.
enum class DeviceLine { Cutter, RollFeedCutout, RollFeedBase, Plotter };
const LineWording& WordingOf(DeviceLine line);

// The line's texts through the window's wording.
ModelWording Worded(const LineWording& line,
                    const std::function<std::string(const char* english)>& T);

}  // namespace taskhelm
