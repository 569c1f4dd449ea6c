// Listening, as the window uses it: a capture service feeding the note
// detector through the capture buffer's ring. The capture thread only fills
// the ring; Poll, called by the thread that owns the Listener (the window's
// timer, or a worker of its own), runs the detector over what arrived and
// returns the answers. Nothing heard is kept beyond the ring's two seconds.
//
// All calls come from that one thread.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "listen/capture_buffer.h"
#include "listen/capture_service.h"
#include "listen/note_detector.h"

namespace lintra::listen {

struct ListenerSettings {
  DetectorSettings detector;
  double ringSeconds = 2.0;
  // A started device that delivers nothing for this long counts as gone.
  double silentDeviceSeconds = 2.0;
  // Seconds on a steady clock; the system's when empty.
  std::function<double()> clock;
};

struct Heard {
  std::vector<NoteAnswer> answers;
  // Set once when the device vanished or stopped delivering; listening has
  // then stopped.
  std::string problem;
};

class Listener {
 public:
  explicit Listener(CaptureService& service, ListenerSettings settings = {});
  ~Listener();
  Listener(const Listener&) = delete;
  Listener& operator=(const Listener&) = delete;

  std::vector<CaptureDevice> Devices() { return service_.Devices(); }
  // Starts listening to `device` (empty: the default input).
  CaptureStart Start(const std::string& device);
  void Stop();
  bool Listening() const { return detector_ != nullptr; }

  // Kept across Stop and Start.
  void Expect(int note);
  void ExpectNothing();
  void AllowEcho(bool allowed);
  // The trainer starts or stops sounding a note through the speakers, now.
  void TrainerSounding();
  void TrainerSilent();

  Heard Poll();
  // The loudest sample since the last call, 0 to 1 (0 while not listening).
  float Level() { return detector_ ? buffer_.TakePeak() : 0.0f; }

  // How long before now the answer's note began, capture latency included:
  // the moment to measure a response time to.
  double SecondsSinceOnset(const NoteAnswer& answer) const;
  // How long the detector took to recognize the note.
  double DetectionSeconds(const NoteAnswer& answer) const;

 private:
  double Now() const;

  CaptureService& service_;
  ListenerSettings settings_;
  CaptureBuffer buffer_;
  std::vector<float> samples_;
  std::unique_ptr<NoteDetector> detector_;
  std::string device_;
  CaptureStart started_;
  std::optional<int> expected_;
  bool echoAllowed_ = false;
  std::int64_t lastDelivered_ = 0;
  double lastDeliveryTime_ = 0;
};

}  // namespace lintra::listen
