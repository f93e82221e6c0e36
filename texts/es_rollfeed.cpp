// Spanish wordings of the rollfeed texts.
#include "texts/Sections.h"

namespace texts {

std::span<const Entry> RollFeedTexts() { return {}; }

}  // namespace texts
