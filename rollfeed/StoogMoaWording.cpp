// The wording of the roll-feed window's two model lines: the roll-feed cutter (model 35) and the
// older line the window also serves.
#include "rollfeed/StoogMoa.h"

namespace taskhelm {

void StoogMoa::InitM_KStrings() { UseWording(DeviceLine::RollFeedCutout); }

void StoogMoa::SetBaseModelTexts() { UseWording(DeviceLine::RollFeedBase); }

}  // namespace taskhelm
