#pragma once
// The two regional settings the program reads: the measurement system and the decimal separator.
// From LC_MEASUREMENT and LC_NUMERIC; RENDIX_IMEASURE and RENDIX_SDECIMAL override them.
#include <string>

namespace platform {

struct Regional {
  int iMeasure = 1;      // 0 metric, 1 US
  char sDecimal = '.';   // the decimal separator
};

Regional ReadRegionalSettings();

}  // namespace platform
