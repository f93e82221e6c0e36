#pragma once
// One table of Spanish wordings per subsystem, each in its own file.
#include <span>

#include "texts/Texts.h"

namespace texts {

std::span<const Entry> StartupTexts();
std::span<const Entry> LinkTexts();
std::span<const Entry> SetupTexts();
std::span<const Entry> CutterTexts();
std::span<const Entry> TransferTexts();
std::span<const Entry> RollFeedTexts();
std::span<const Entry> PenPlotterTexts();
std::span<const Entry> CalibrationTexts();
std::span<const Entry> ServoTexts();

}  // namespace texts
