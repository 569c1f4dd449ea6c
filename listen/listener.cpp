#include "listen/listener.h"

#include <chrono>

#include "theory/marked_text.h"

namespace lintra::listen {

namespace {

constexpr double kHighestRate = 192000;

}  // namespace

Listener::Listener(CaptureService& service, ListenerSettings settings)
    : service_(service),
      settings_(std::move(settings)),
      buffer_(static_cast<std::size_t>(settings_.ringSeconds * kHighestRate)),
      samples_(4096) {}

Listener::~Listener() { Stop(); }

double Listener::Now() const {
  if (settings_.clock) return settings_.clock();
  return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

CaptureStart Listener::Start(const std::string& device) {
  Stop();
  buffer_.Reset();
  CaptureStart started = service_.Start(device, buffer_);
  if (!started.ok) return started;
  if (started.sampleRate < 4000 || started.sampleRate > kHighestRate) {
    service_.Stop();
    return Refused(LINTRA_TRANSLATE_NOOP("Messages", "the device captures at an unusable rate (%1 Hz)"),
                   std::to_string(started.sampleRate));
  }
  started_ = started;
  device_ = device;
  detector_ = std::make_unique<NoteDetector>(started.sampleRate, settings_.detector);
  detector_->AllowEcho(echoAllowed_);
  if (expected_) detector_->Expect(*expected_);
  lastDelivered_ = 0;
  lastDeliveryTime_ = Now();
  return started;
}

void Listener::Stop() {
  if (!detector_) return;
  service_.Stop();
  detector_.reset();
  buffer_.Reset();
}

void Listener::Expect(int note) {
  expected_ = note;
  if (detector_) detector_->Expect(note);
}

void Listener::ExpectNothing() {
  expected_.reset();
  if (detector_) detector_->ExpectNothing();
}

void Listener::AllowEcho(bool allowed) {
  echoAllowed_ = allowed;
  if (detector_) detector_->AllowEcho(allowed);
}

void Listener::TrainerSounding() {
  if (detector_) detector_->TrainerSounding(buffer_.FramesDelivered());
}

void Listener::TrainerSilent() {
  if (detector_) detector_->TrainerSilent(buffer_.FramesDelivered());
}

Heard Listener::Poll() {
  Heard heard;
  if (!detector_) return heard;
  const auto keep = [&heard](const NoteAnswer& answer) { heard.answers.push_back(answer); };
  while (const std::size_t count = buffer_.Ring().Read(samples_.data(), samples_.size())) {
    detector_->Process(samples_.data(), count, keep);
  }
  if (const std::int64_t lost = buffer_.TakeLost()) detector_->Skip(lost);

  const std::string name = device_.empty() ? "the default input" : "\"" + device_ + "\"";
  const std::int64_t delivered = buffer_.FramesDelivered();
  const double now = Now();
  if (delivered != lastDelivered_) {
    lastDelivered_ = delivered;
    lastDeliveryTime_ = now;
  }
  if (buffer_.Vanished()) {
    heard.problem = "The sound input " + name + " is no longer there; listening has stopped.";
  } else if (now - lastDeliveryTime_ > settings_.silentDeviceSeconds) {
    heard.problem = "The sound input " + name + " stopped delivering sound; listening has stopped.";
  }
  if (!heard.problem.empty()) Stop();
  return heard;
}

double Listener::SecondsSinceOnset(const NoteAnswer& answer) const {
  if (!detector_) return 0;
  return static_cast<double>(buffer_.FramesDelivered() - answer.onsetFrame) / started_.sampleRate +
         started_.latencySeconds;
}

double Listener::DetectionSeconds(const NoteAnswer& answer) const {
  return detector_ ? static_cast<double>(answer.answerFrame - answer.onsetFrame) / started_.sampleRate : 0;
}

}  // namespace lintra::listen
