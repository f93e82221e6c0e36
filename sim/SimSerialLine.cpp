#include "sim/SimSerialLine.h"

namespace sim {

SimSerialLine::SimSerialLine(Device& device, platform::Clock& clock, SimLineOptions options)
    : device_(device), clock_(clock), options_(std::move(options)), link_(device, options_.baud) {}

bool SimSerialLine::Open(int portNumber) {
  Close();
  if (!options_.ports.count(portNumber)) {
    error_ = "COM" + std::to_string(portNumber) + ": no such port";
    return false;
  }
  error_.clear();
  open_ = true;
  port_ = portNumber;
  events_.clear();
  link_.Reset(NowUs());
  link_.SetFollowCts(true);  // every open starts with RTS/CTS and DTR on
  dtr_ = true;
  return true;
}

void SimSerialLine::Close() {
  if (!open_) return;
  Advance();  // what already reached the device stays received
  open_ = false;
  link_.Reset(NowUs());
}

void SimSerialLine::Advance() {
  if (open_) link_.Advance(NowUs());
}

int SimSerialLine::OutBufferCount() {
  Advance();
  return open_ ? static_cast<int>(link_.ToDevice().Pending()) : 0;
}

bool SimSerialLine::Write(std::string_view bytes) {
  Advance();
  if (!open_) return false;
  if (link_.ToDevice().Pending() + bytes.size() > static_cast<size_t>(options_.outBufferSize)) {
    events_.push_back(platform::LineEvent::TransmitBufferFull);
    return false;
  }
  link_.ToDevice().Put(bytes, NowUs());
  Advance();
  return true;
}

void SimSerialLine::ClearOutput() { link_.ToDevice().Clear(); }

int SimSerialLine::InBufferCount() {
  Advance();
  return open_ ? static_cast<int>(link_.FromDevice().Arrived(NowUs())) : 0;
}

std::string SimSerialLine::ReadAll() {
  Advance();
  return open_ ? link_.FromDevice().Take(NowUs()) : std::string();
}

void SimSerialLine::ClearInput() {
  Advance();
  link_.FromDevice().ClearArrived(NowUs());
}

std::vector<platform::LineEvent> SimSerialLine::TakeEvents() {
  std::vector<platform::LineEvent> taken;
  taken.swap(events_);
  return taken;
}

bool SimSerialLine::Cts() {
  Advance();
  return device_.Cts();
}

void SimSerialLine::SetHandshaking(platform::Handshaking handshaking) {
  Advance();
  link_.SetFollowCts(handshaking == platform::Handshaking::RtsCts ||
                     handshaking == platform::Handshaking::RtsCtsXonXoff);
}

}  // namespace sim
