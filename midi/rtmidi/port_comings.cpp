#include "midi/rtmidi/port_comings.h"

#include <chrono>
#include <set>
#include <vector>

namespace lintra::midi {
namespace {

constexpr std::chrono::milliseconds kLookInterval{100};

// The lists' errors (a port gone between the count and its name) say nothing the next look does not.
void Ignore(RtMidiError::Type, const std::string&, void*) {}

PortGeneration Find(const std::map<std::string, PortGeneration>& comings, const std::string& port) {
  const auto found = comings.find(port);
  return found == comings.end() ? 0 : found->second;
}

}  // namespace

PortComings::PortComings(RtMidi::Api api, const std::string& inClient, const std::string& outClient) {
  inList_ = std::make_unique<RtMidiIn>(api, inClient);
  outList_ = std::make_unique<RtMidiOut>(api, outClient);
  inputs_.list = inList_.get();
  outputs_.list = outList_.get();
  inputs_.list->setErrorCallback(&Ignore, nullptr);
  outputs_.list->setErrorCallback(&Ignore, nullptr);
  Look();
  thread_ = std::thread([this] { Run(); });
}

PortComings::~PortComings() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  stop_.notify_all();
  thread_.join();
}

PortGeneration PortComings::Input(const std::string& port) const {
  std::lock_guard lock(mutex_);
  return Find(inputs_.comings, port);
}

PortGeneration PortComings::Output(const std::string& port) const {
  std::lock_guard lock(mutex_);
  return Find(outputs_.comings, port);
}

void PortComings::Run() {
  std::unique_lock lock(mutex_);
  while (!stop_.wait_for(lock, kLookInterval, [this] { return stopping_; })) {
    lock.unlock();
    Look();
    lock.lock();
  }
}

void PortComings::Look() {
  LookAt(inputs_);
  LookAt(outputs_);
}

void PortComings::LookAt(Side& side) {
  // The names are read without the lock: only this thread (or the constructor) uses the list.
  std::vector<std::string> names;
  const unsigned count = side.list->getPortCount();
  for (unsigned port = 0; port < count; ++port) names.push_back(side.list->getPortName(port));
  std::set<std::string> present(names.begin(), names.end());
  present.erase(std::string());  // a port gone between the count and its name
  std::lock_guard lock(mutex_);
  for (const auto& name : present) {
    if (!side.present.contains(name)) ++side.comings[name];
  }
  side.present = std::move(present);
}

}  // namespace lintra::midi
