// Spanish wordings of the cutter texts.
#include "texts/Sections.h"

namespace texts {

std::span<const Entry> CutterTexts() { return {}; }

}  // namespace texts
