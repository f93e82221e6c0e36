// Spanish wordings of the startup texts.
#include "texts/Sections.h"

namespace texts {

static const Entry kStartupTexts[] = {
    {"", "OK", "Aceptar"},
};

std::span<const Entry> StartupTexts() { return kStartupTexts; }

}  // namespace texts
