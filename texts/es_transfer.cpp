// Spanish wordings of the transfer texts.
#include "texts/Sections.h"

namespace texts {

std::span<const Entry> TransferTexts() { return {}; }

}  // namespace texts
