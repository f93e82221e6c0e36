// Spanish wordings of the penplotter texts.
#include "texts/Sections.h"

namespace texts {

std::span<const Entry> PenPlotterTexts() { return {}; }

}  // namespace texts
