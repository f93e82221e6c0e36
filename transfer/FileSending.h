#pragma once
// Streaming a file to the device over the serial line, as the file windows do it.
#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>

namespace taskhelm {

class App;

enum class SendOutcome { Sent, Aborted, Failed };

// Sends `total` bytes of an open file in pieces of half the output buffer, each through the
// serial writer with SendingFile set (it waits for CTS and for the piece to drain), then waits
// for the output buffer to empty. `progress` gets the percent of the pieces handed over, and 0
// at the end. A failed piece shows "Error transmitting file". After Abort the port is opened
// again, which drops what is still buffered.
SendOutcome SendFileSerial(App& app, std::FILE* file, int64_t total,
                           const std::function<void(int percent)>& progress, const bool& paused);

// The size of a file, 0 when it has none (a folder, a file that went away).
int64_t FileLength(const std::string& path);

}  // namespace taskhelm
