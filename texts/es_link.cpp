// Spanish wordings of the link texts.
#include "texts/Sections.h"

namespace texts {

std::span<const Entry> LinkTexts() { return {}; }

}  // namespace texts
