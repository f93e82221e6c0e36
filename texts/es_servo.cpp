// Spanish wordings of the servo texts.
#include "texts/Sections.h"

namespace texts {

std::span<const Entry> ServoTexts() { return {}; }

}  // namespace texts
