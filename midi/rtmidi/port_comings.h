// How often each port of the platform has come, for a port that goes and comes back under the same
// name between two looks of the window's device watch: its connection died with it all the same.
// A thread of its own looks at the port names every tenth of a second, through RtMidi objects (and
// so clients) of its own; a port away and back within one look goes unseen.
#pragma once

#include <RtMidi.h>

#include <atomic>
#include <condition_variable>
#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <thread>

#include "midi/device_types.h"

namespace lintra::midi {

class PortComings {
 public:
  // Looks once before it returns, so that the ports present now have a number at once.
  PortComings(RtMidi::Api api, const std::string& inClient, const std::string& outClient);
  ~PortComings();
  PortComings(const PortComings&) = delete;
  PortComings& operator=(const PortComings&) = delete;

  // 0 for a port not seen yet.
  PortGeneration Input(const std::string& port) const;
  PortGeneration Output(const std::string& port) const;

 private:
  struct Side {
    RtMidi* list = nullptr;  // one of the two below
    std::map<std::string, PortGeneration> comings;
    std::set<std::string> present;  // at the last look
  };
  void Look();
  void LookAt(Side& side);
  void Run();

  mutable std::mutex mutex_;
  std::condition_variable stop_;
  bool stopping_ = false;
  std::unique_ptr<RtMidiIn> inList_;
  std::unique_ptr<RtMidiOut> outList_;
  Side inputs_;
  Side outputs_;
  std::thread thread_;
};

}  // namespace lintra::midi
