#pragma once
// The setting tokens of the settings command ("!HO1 PT3 LL0,0 UR... @") as the device takes them:
// each family takes its own keys; a token of another family, or one with the wrong number of
// values, leaves the settings as they were.
#include "sim/DeviceSettings.h"
#include "sim/Models.h"
#include "sim/Tokens.h"

namespace sim {

enum class TokenResult { Applied, NotASetting, Rejected };

// NotASetting: the key is no setting of this device (or carries no value), so it may be a command.
// Rejected: a setting key with a bad value; nothing changed.
TokenResult ApplySettingToken(const ModelRow& model, int deviceId, DeviceSettings& settings,
                              const Token& token);

}  // namespace sim
