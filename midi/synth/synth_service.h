// The built-in synthesizer: one output device that sounds through FluidSynth
// with the system's General MIDI soundfont.
//
// It exists so that a machine without any MIDI port still hears every note.
// The soundfont loads on a thread of its own, started when the device is first
// opened (a program that never plays through it never pays for it), so nobody
// waits for it.  Messages that arrive before it is in are kept: channel state
// (programs, controllers, bends) and the notes still held when loading ends,
// which then start in the order they came, each with the program it was sent
// under; a note-off before that cancels its note.  Only the samples of the
// presets in use are read (dynamic sample loading), and those of the current
// instrument and of the error signal stay in memory, so memory does not grow
// with the soundfont and no note waits for the disk.
// Without an audio device, or without a soundfont, the device still takes
// every message and stays silent: no error per note.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "midi/key_range.h"
#include "midi/midi_output_service.h"
#include "midi/synth_device_name.h"

namespace lintra::midi {

struct SynthOptions {
  // Empty: LINTRA_SOUNDFONT when set, otherwise the system's GM soundfont.
  std::string soundfont;
  // False: no audio driver at all, for RenderOffline.
  bool audio = true;
  // Empty: the first of the platform's drivers that opens; otherwise only
  // this FluidSynth driver ("jack", "alsa", ...).
  std::string audioDriver;
  double sampleRate = 48000.0;
  int periodSize = 256;
  int periods = 2;
  // The notes that will be played: the soundfont's zones for other keys, and
  // their samples, are not loaded (where the file can be read in parts).
  KeyRange keys;
  // Runs on the loader thread before the soundfont is read: a seam for
  // tests that need the load to take as long as they say.
  std::function<void()> beforeLoad;
};

// What the audio side ended up with.  `driver` is empty when no audio driver
// could be started (the silent synthesizer).
struct SynthAudioInfo {
  std::string driver;
  double sampleRate = 0;
  int periodSize = 0;
  int periods = 0;
};

// LINTRA_SOUNDFONT when set (even when the file is missing), otherwise
// /usr/share/sounds/sf2/default-GM.sf2, otherwise the first *.sf2 there in
// name order; empty when there is none.
std::string FindSoundfont();

class SynthService final : public MidiOutputService {
 public:
  explicit SynthService(SynthOptions options = {});
  ~SynthService() override;
  SynthService(const SynthService&) = delete;
  SynthService& operator=(const SynthService&) = delete;

  unsigned OutputCount() override { return 1; }
  Result DescribeOutput(int port, OutCaps& caps) override;
  // Ports 0 and kMidiMapper are the one synthesizer; every connection plays on it.
  Result OpenOutput(int port, std::unique_ptr<OutputConnection>& connection) override;

  // `hook` runs once, when loading has finished, with the reason why no note
  // will sound, for the user ("it could open no audio output"), or empty when
  // notes sound: on the loader's thread (which the first open starts), or at
  // once on the caller's when loading is already over.
  void OnLoaded(std::function<void(const std::string& silence)> hook);

  // True once the loader has finished (successfully or not) within `timeout`;
  // starts the loader if no open has started it yet.
  bool WaitUntilReady(std::chrono::milliseconds timeout);
  // True when a soundfont is loaded and something renders it (an audio
  // driver, or RenderOffline for a synthesizer built without audio).
  bool Sounding() const;
  std::string SoundfontPath() const { return soundfontPath_; }
  double LoadMilliseconds() const;
  SynthAudioInfo AudioInfo() const;

  // Renders `frames` stereo frames (interleaved left, right) straight from
  // the synthesizer.  Meant for a synthesizer built with audio = false; all
  // zeros when nothing is loaded.
  std::vector<std::int16_t> RenderOffline(std::size_t frames);

 private:
  struct Engine;
  struct Pending;
  class Connection;
  struct Loaded;

  void StartLoaderLocked();
  void Load();
  std::unique_ptr<Engine> MakeEngine() const;
  bool LoadSoundfont(Engine& engine) const;
  SynthAudioInfo StartAudio(Engine& engine) const;
  void Publish(std::unique_ptr<Engine> engine, const Loaded& loaded);
  void Play(ShortMessage message);
  void PlaySysex(std::span<const std::uint8_t> bytes);
  void Release();
  void PlayLocked(ShortMessage message);
  void PinLocked(int channel);

  const SynthOptions options_;
  const std::string soundfontPath_;

  mutable std::mutex mutex_;  // everything below
  std::condition_variable loaded_;
  bool finished_ = false;
  std::unique_ptr<Engine> engine_;    // published by the loader once complete
  std::unique_ptr<Pending> pending_;  // state kept until the engine is there
  SynthAudioInfo audio_;
  std::string silence_;  // empty while sounding
  std::function<void(const std::string&)> onLoaded_;
  double loadMs_ = 0;
  int openConnections_ = 0;

  std::thread loader_;
};

}  // namespace lintra::midi
