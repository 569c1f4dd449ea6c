#include "listen/rtaudio/rtaudio_capture.h"

#include <RtAudio.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>

#include "midi/jack_autostart.h"
#include "midi/jack_server.h"
#include "theory/marked_text.h"

// RtAudio 6 reports errors through return values and a callback instead of
// exceptions, and numbers devices by lasting ids instead of positions.
#if defined(RTAUDIO_VERSION_MAJOR) && RTAUDIO_VERSION_MAJOR >= 6
#define LINTRA_RTAUDIO_6 1
#endif

namespace lintra::listen {

namespace {

constexpr unsigned kPeriodFrames = 256;
constexpr unsigned kPreferredRates[] = {48000, 44100};

// RtAudio 5's error callback carries no context; one capture runs at a time.
std::atomic<CaptureSink*> activeSink{nullptr};

#ifdef LINTRA_RTAUDIO_6
void OnStreamError(RtAudioErrorType type, const std::string&) {
  if (type == RTAUDIO_WARNING || type == RTAUDIO_NO_ERROR) return;
#else
void OnStreamError(RtAudioError::Type type, const std::string&) {
  if (type == RtAudioError::WARNING || type == RtAudioError::DEBUG_WARNING) return;
#endif
  if (CaptureSink* sink = activeSink.load(std::memory_order_acquire)) sink->OnVanished();
}

int OnPeriod(void*, void* input, unsigned frames, double, RtAudioStreamStatus, void* user) {
  const auto* target = static_cast<const RtAudioCapture::Target*>(user);
  if (input && target->sink) target->sink->OnFrames(static_cast<const float*>(input), frames, target->channels);
  return 0;
}

bool PulseMayBeRunning() {
  if (std::getenv("PULSE_SERVER")) return true;
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  std::error_code error;
  return runtime && std::filesystem::exists(std::filesystem::path(runtime) / "pulse" / "native", error);
}

RtAudio::Api ChooseApi() {
  std::vector<RtAudio::Api> compiled;
  RtAudio::getCompiledApi(compiled);
  const auto has = [&compiled](RtAudio::Api api) {
    return std::find(compiled.begin(), compiled.end(), api) != compiled.end();
  };
  if (has(RtAudio::LINUX_PULSE) && PulseMayBeRunning()) return RtAudio::LINUX_PULSE;
  if (has(RtAudio::UNIX_JACK) && midi::JackServerMayBeRunning()) return RtAudio::UNIX_JACK;
  if (has(RtAudio::LINUX_ALSA)) return RtAudio::LINUX_ALSA;
  return RtAudio::UNSPECIFIED;
}

struct Input {
  unsigned id = 0;
  RtAudio::DeviceInfo info;
};

std::vector<Input> Inputs(RtAudio& audio) {
  std::vector<Input> inputs;
#ifdef LINTRA_RTAUDIO_6
  for (const unsigned id : audio.getDeviceIds()) {
    RtAudio::DeviceInfo info = audio.getDeviceInfo(id);
    if (info.inputChannels > 0) inputs.push_back({id, std::move(info)});
  }
#else
  const unsigned count = audio.getDeviceCount();
  for (unsigned id = 0; id < count; ++id) {
    try {
      RtAudio::DeviceInfo info = audio.getDeviceInfo(id);
      if (info.probed && info.inputChannels > 0) inputs.push_back({id, std::move(info)});
    } catch (const RtAudioError&) {
      // A device that cannot be probed is not offered.
    }
  }
#endif
  return inputs;
}

unsigned ChooseRate(const RtAudio::DeviceInfo& info) {
  for (const unsigned rate : kPreferredRates) {
    if (std::find(info.sampleRates.begin(), info.sampleRates.end(), rate) != info.sampleRates.end()) return rate;
  }
  if (info.preferredSampleRate > 0) return info.preferredSampleRate;
  return info.sampleRates.empty() ? 48000 : info.sampleRates.back();
}

}  // namespace

RtAudioCapture::RtAudioCapture() {
  midi::PreventJackAutostart();
#ifdef LINTRA_RTAUDIO_6
  audio_ = std::make_unique<RtAudio>(ChooseApi(), &OnStreamError);
#else
  try {
    audio_ = std::make_unique<RtAudio>(ChooseApi());
  } catch (const RtAudioError&) {
    audio_.reset();
  }
#endif
  if (audio_) audio_->showWarnings(false);
}

RtAudioCapture::~RtAudioCapture() { Stop(); }

std::string RtAudioCapture::ApiName() const { return audio_ ? RtAudio::getApiName(audio_->getCurrentApi()) : "none"; }

std::vector<CaptureDevice> RtAudioCapture::Devices() {
  std::vector<CaptureDevice> devices;
  if (!audio_) return devices;
  for (const Input& input : Inputs(*audio_)) devices.push_back({input.info.name, input.info.isDefaultInput});
  return devices;
}

namespace {
constexpr const char* kNotStarted = LINTRA_TRANSLATE_NOOP("Messages", "the sound input could not be started: %1");
}  // namespace

CaptureStart RtAudioCapture::Start(const std::string& device, CaptureSink& sink) {
  Stop();
  if (!audio_) return Refused(LINTRA_TRANSLATE_NOOP("Messages", "no sound system could be reached"));
  const std::vector<Input> inputs = Inputs(*audio_);
  auto chosen = std::find_if(inputs.begin(), inputs.end(), [&device](const Input& input) {
    return device.empty() ? input.info.isDefaultInput : input.info.name == device;
  });
  if (chosen == inputs.end() && device.empty() && !inputs.empty()) chosen = inputs.begin();
  if (chosen == inputs.end()) {
    return device.empty() ? Refused(LINTRA_TRANSLATE_NOOP("Messages", "there is no sound input"))
                          : Refused(LINTRA_TRANSLATE_NOOP("Messages", "there is no sound input named \"%1\""), device);
  }
  RtAudio::StreamParameters parameters;
  parameters.deviceId = chosen->id;
  parameters.nChannels = std::min(2u, chosen->info.inputChannels);
  unsigned rate = ChooseRate(chosen->info);
  unsigned frames = kPeriodFrames;
  RtAudio::StreamOptions options;
  options.streamName = "Lintra";
  target_ = {&sink, static_cast<int>(parameters.nChannels)};
  activeSink.store(&sink, std::memory_order_release);
#ifdef LINTRA_RTAUDIO_6
  if (audio_->openStream(nullptr, &parameters, RTAUDIO_FLOAT32, rate, &frames, &OnPeriod, &target_, &options) !=
          RTAUDIO_NO_ERROR ||
      audio_->startStream() != RTAUDIO_NO_ERROR) {
    const std::string why = audio_->getErrorText();
    Stop();
    return Refused(kNotStarted, why);
  }
#else
  try {
    audio_->openStream(nullptr, &parameters, RTAUDIO_FLOAT32, rate, &frames, &OnPeriod, &target_, &options,
                       &OnStreamError);
    audio_->startStream();
  } catch (const RtAudioError& error) {
    Stop();
    return Refused(kNotStarted, error.what());
  }
#endif
  rate = audio_->getStreamSampleRate();
  const double latency = static_cast<double>(audio_->getStreamLatency()) / rate;
  return {true, {}, static_cast<double>(rate), target_.channels, latency, {}};
}

void RtAudioCapture::Stop() {
  if (audio_ && audio_->isStreamOpen()) {
#ifdef LINTRA_RTAUDIO_6
    if (audio_->isStreamRunning()) audio_->abortStream();
    audio_->closeStream();
#else
    try {
      if (audio_->isStreamRunning()) audio_->abortStream();
      audio_->closeStream();
    } catch (const RtAudioError&) {
      // A device already gone: the stream is closed all the same.
    }
#endif
  }
  activeSink.store(nullptr, std::memory_order_release);
  target_ = {};
}

}  // namespace lintra::listen
