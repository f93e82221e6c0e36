#pragma once
// Start-up and the small helpers every window uses.
#include <cstdint>
#include <string>

namespace taskhelm {

class App;

// Runs the start-up sequence and returns once the model's settings window is shown (or the
// program ended: a ProgramEnd then propagates to the host).
void Main(App& app);

bool ReadIniFile(App& app);
// The third argument is not used: the file always receives LptNumber.
// False when the file could not be written (it is then left as it was).
bool WriteIniFile(App& app, int16_t model, int16_t com, int16_t lpt);
// Shows Setup modally, then the settings window of ModelCode without modality.
void ReconfigureAndShowPanel(App& app, int16_t model);

std::string ToPointDecimal(const App& app, const std::string& text);
bool FileExists(const std::string& path);

}  // namespace taskhelm
