#pragma once
#include <chrono>
#include <thread>

#include "platform/Clock.h"

namespace testing_support {

// The program's clock running ten times faster than real time: the firmware sender's paced waits
// (about a second a packet) shrink to a tenth, while its reply waits still give the device on its
// thread a few hundred real milliseconds to answer.
class FastClock : public platform::Clock {
 public:
  int64_t NowMs() override {
    auto real = std::chrono::steady_clock::now() - start_;
    auto realUs = std::chrono::duration_cast<std::chrono::microseconds>(real).count();
    return kBaseMs + realUs * kPace / 1000;
  }
  void SleepMs(int ms) override {
    if (ms > 0)
      std::this_thread::sleep_for(std::chrono::microseconds(int64_t{ms} * 1000 / kPace));
  }

 private:
  static constexpr int64_t kPace = 10;
  static constexpr int64_t kBaseMs = 1000000;
  std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

}  // namespace testing_support
