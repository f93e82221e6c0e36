// Spanish wordings of the setup texts.
#include "texts/Sections.h"

namespace texts {

std::span<const Entry> SetupTexts() { return {}; }

}  // namespace texts
