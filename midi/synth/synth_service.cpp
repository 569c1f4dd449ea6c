#include "midi/synth/synth_service.h"

#include <fluidsynth.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string_view>
#include <system_error>
#include <utility>

#include "midi/jack_autostart.h"
#include "midi/jack_server.h"
#include "midi/message_bytes.h"
#include "midi/synth/sf2_subset.h"
#include "midi/synth/sf2_subset_loader.h"
#include "midi/synth_caps.h"
#include "theory/marked_text.h"

namespace lintra::midi {
namespace {

// Audio drivers in order of preference; only those this FluidSynth build
// offers are tried.  The first that opens wins; none at all leaves the
// synthesizer silent.
#if defined(_WIN32)
constexpr const char* kAudioDrivers[] = {"wasapi", "dsound", "waveout"};
#elif defined(__APPLE__)
constexpr const char* kAudioDrivers[] = {"coreaudio"};
#else
constexpr const char* kAudioDrivers[] = {"pulseaudio", "pipewire", "alsa", "jack"};
#endif

constexpr const char* kSoundfontDir = "/usr/share/sounds/sf2";
constexpr const char* kDefaultSoundfont = "/usr/share/sounds/sf2/default-GM.sf2";

constexpr int kChannels = 16;
constexpr int kControllers = 120;  // 120..127 are channel-mode messages, not state
constexpr int kBankMsb = 0;
constexpr int kBankLsb = 32;
constexpr int kDrumChannel = 9;
// A trainer sounds one or two notes at a time, each with its release; the
// voices beyond these would only cost memory.
constexpr int kPolyphony = 64;

// Melodic presets (bank 0) whose samples never leave memory: the trainer's
// starting piano and its error signal, which interrupts whatever instrument
// is chosen at every wrong answer.
constexpr int kResidentPrograms[] = {0, 113};

// The drum kit is chosen on the percussion channel only when a note is played
// there: the trainer never does, and in a large soundfont the kit's samples
// weigh more than the piano's.
void SelectDrumKitIfNone(fluid_synth_t* synth, int channel) {
  if (channel == kDrumChannel && !fluid_synth_get_channel_preset(synth, channel))
    fluid_synth_program_change(synth, channel, 0);
}

bool Resident(int bank, int program) {
  return bank == 0 &&
         std::find(std::begin(kResidentPrograms), std::end(kResidentPrograms), program) != std::end(kResidentPrograms);
}

void CollectOption(void* data, const char* /*name*/, const char* option) {
  static_cast<std::vector<std::string>*>(data)->push_back(option);
}

}  // namespace

struct SynthService::Engine {
  fluid_settings_t* settings = nullptr;
  fluid_synth_t* synth = nullptr;
  fluid_audio_driver_t* driver = nullptr;
  int soundfont = -1;
  // When the soundfont's presets are loaded a program number at a time: the
  // soundfont id of each program's subset, -1 while not loaded.
  std::unique_ptr<Sf2Subsets> subsets;
  int subsetFont[128];
  // The preset each channel has pinned beside the resident ones, or -1:
  // the instrument chosen last, kept loaded through the error signal's
  // program changes.
  int pinnedBank[kChannels];
  int pinnedProgram[kChannels];
  int pinnedFont[kChannels];

  Engine() {
    std::fill(std::begin(pinnedBank), std::end(pinnedBank), -1);
    std::fill(std::begin(pinnedProgram), std::end(pinnedProgram), -1);
    std::fill(std::begin(pinnedFont), std::end(pinnedFont), -1);
    std::fill(std::begin(subsetFont), std::end(subsetFont), -1);
  }
  Engine(const Engine&) = delete;
  Engine& operator=(const Engine&) = delete;
  ~Engine() {
    // The driver renders from the synth on its own thread: stop it first.
    if (driver) delete_fluid_audio_driver(driver);
    if (synth) delete_fluid_synth(synth);
    if (settings) delete_fluid_settings(settings);
    if (subsets) Forget(*subsets);
  }

  // Loads the presets numbered `program` before a channel may select one.
  // A program the soundfont lacks costs a look each time, as the fallback
  // presets are in the subsets kept loaded.
  int EnsureProgram(int program) {
    if (!subsets || program < 0 || program > 127) return soundfont;
    if (subsetFont[program] < 0)
      subsetFont[program] = fluid_synth_sfload(synth, SubsetName(*subsets, program).c_str(), 0);
    return subsetFont[program];
  }

  void ProgramChange(int channel, int program) {
    EnsureProgram(program);
    fluid_synth_program_change(synth, channel, program);
  }
};

// What arrives before the engine exists: the state of each channel (-1 =
// never set) and the notes still held, in the order they came.
struct SynthService::Pending {
  struct Note {
    std::uint8_t channel, key, velocity;
    // The channel's program and bank select when the note was sent.
    std::int16_t program, bankMsb, bankLsb;
  };
  std::int16_t program[kChannels];
  std::int16_t controller[kChannels][kControllers];
  std::int32_t bend[kChannels];
  std::int16_t pressure[kChannels];
  // At most one entry per channel and key, so never more than 16 x 128.
  std::vector<Note> held;

  Pending() { Clear(); }
  void Clear() {
    for (int c = 0; c < kChannels; ++c) ClearChannel(c, true);
    held.clear();
  }
  void ClearChannel(int c, bool withProgram) {
    if (withProgram) program[c] = -1;
    std::fill(std::begin(controller[c]), std::end(controller[c]), std::int16_t{-1});
    bend[c] = -1;
    pressure[c] = -1;
  }
  void NoteOn(int c, int key, int velocity) {
    NoteOff(c, key);  // a second note-on restarts the key
    held.push_back({static_cast<std::uint8_t>(c), static_cast<std::uint8_t>(key), static_cast<std::uint8_t>(velocity),
                    program[c], controller[c][kBankMsb], controller[c][kBankLsb]});
  }
  void NoteOff(int c, int key) {
    std::erase_if(held, [c, key](const Note& n) { return n.channel == c && n.key == key; });
  }
  void ChannelNotesOff(int c) {
    std::erase_if(held, [c](const Note& n) { return n.channel == c; });
  }
  void Controller(int c, int number, int value) {
    if (number < kControllers) {
      controller[c][number] = static_cast<std::int16_t>(value);
    } else if (number == 121) {  // reset all controllers
      ClearChannel(c, false);
    } else if (number == 120 || number >= 123) {  // all sound off, all notes off, mode changes
      ChannelNotesOff(c);
    }
  }

  // A message sent while there is no engine: what it leaves behind.
  void Keep(ShortMessage message) {
    const int c = message.status & 0x0F;
    const int d1 = message.data1, d2 = message.data2;
    switch (message.status & 0xF0) {
      case kNoteOff:
        NoteOff(c, d1);
        break;
      case kNoteOn:
        d2 == 0 ? NoteOff(c, d1) : NoteOn(c, d1, d2);
        break;
      case kControlChange:
        Controller(c, d1, d2);
        break;
      case kProgramChange:
        program[c] = static_cast<std::int16_t>(d1);
        break;
      case kChannelPressure:
        pressure[c] = static_cast<std::int16_t>(d1);
        break;
      case kPitchBend:
        bend[c] = d1 | (d2 << 7);
        break;
      case 0xF0:
        if (message.status == 0xFF) Clear();  // system reset
        break;
      default:
        break;  // key pressure acts on sounding notes only; a data byte plays nothing
    }
  }

  // Controllers first (bank select has to precede a program change and
  // controllers act on sounding notes anyway), then the held notes, each
  // under the program it was sent with, then each channel's last program.
  void ApplyTo(SynthService::Engine& engine) const {
    fluid_synth_t* synth = engine.synth;
    struct Selected {
      int program = -1, msb = -1, lsb = -1;
    } selected[kChannels];
    auto select = [&](int c, int prog, int msb, int lsb) {
      Selected& now = selected[c];
      if (prog < 0 || (now.program == prog && now.msb == msb && now.lsb == lsb)) return;
      if (msb >= 0 && msb != now.msb) fluid_synth_cc(synth, c, kBankMsb, msb);
      if (lsb >= 0 && lsb != now.lsb) fluid_synth_cc(synth, c, kBankLsb, lsb);
      engine.ProgramChange(c, prog);
      now = {prog, msb, lsb};
    };
    for (int c = 0; c < kChannels; ++c) {
      for (int n = 0; n < kControllers; ++n)
        if (controller[c][n] >= 0) fluid_synth_cc(synth, c, n, controller[c][n]);
      selected[c].msb = controller[c][kBankMsb];
      selected[c].lsb = controller[c][kBankLsb];
    }
    for (const Note& note : held) {
      select(note.channel, note.program, note.bankMsb, note.bankLsb);
      SelectDrumKitIfNone(synth, note.channel);
      fluid_synth_noteon(synth, note.channel, note.key, note.velocity);
    }
    for (int c = 0; c < kChannels; ++c) {
      select(c, program[c], controller[c][kBankMsb], controller[c][kBankLsb]);
      if (bend[c] >= 0) fluid_synth_pitch_bend(synth, c, bend[c]);
      if (pressure[c] >= 0) fluid_synth_channel_pressure(synth, c, pressure[c]);
    }
  }
};

std::string FindSoundfont() {
  if (const char* env = std::getenv("LINTRA_SOUNDFONT"); env && *env) return env;
  std::error_code ec;
  if (std::filesystem::is_regular_file(kDefaultSoundfont, ec)) return kDefaultSoundfont;
  std::vector<std::string> found;
  for (std::filesystem::directory_iterator it(kSoundfontDir, ec), end; !ec && it != end; it.increment(ec)) {
    const auto& path = it->path();
    if (path.extension() == ".sf2" && std::filesystem::is_regular_file(path, ec)) found.push_back(path.string());
  }
  std::sort(found.begin(), found.end());
  return found.empty() ? std::string() : found.front();
}

SynthService::SynthService(SynthOptions options)
    : options_(std::move(options)),
      soundfontPath_(options_.soundfont.empty() ? FindSoundfont() : options_.soundfont),
      pending_(std::make_unique<Pending>()) {
  // Before any driver exists: a JACK client must never try to start a server.
  PreventJackAutostart();
}

void SynthService::StartLoaderLocked() {
  if (!loader_.joinable()) loader_ = std::thread([this] { Load(); });
}

SynthService::~SynthService() {
  if (loader_.joinable()) loader_.join();
  std::lock_guard lock(mutex_);
  engine_.reset();
}

// What loading ended with.
struct SynthService::Loaded {
  bool sounding = false;
  bool fontLoaded = false;
  SynthAudioInfo audio;
  double loadMs = 0;
};

void SynthService::Load() {
  if (options_.beforeLoad) options_.beforeLoad();
  const auto start = std::chrono::steady_clock::now();
  auto engine = MakeEngine();
  Loaded loaded;
  loaded.sounding = loaded.fontLoaded = engine->synth && LoadSoundfont(*engine);
  loaded.loadMs = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  if (loaded.sounding && options_.audio) loaded.audio = StartAudio(*engine);
  // With no audio device nothing would ever pull from the synthesizer, and
  // its event queue would fill and complain on every note: stay silent.
  if (options_.audio && !engine->driver) loaded.sounding = false;
  Publish(std::move(engine), loaded);
}

std::unique_ptr<SynthService::Engine> SynthService::MakeEngine() const {
  auto engine = std::make_unique<Engine>();
  engine->settings = new_fluid_settings();
  if (!engine->settings) return engine;
  fluid_settings_setnum(engine->settings, "synth.sample-rate", options_.sampleRate);
  fluid_settings_setint(engine->settings, "audio.period-size", options_.periodSize);
  fluid_settings_setint(engine->settings, "audio.periods", options_.periods);
  fluid_settings_setstr(engine->settings, "audio.jack.id", "Lintra");
  fluid_settings_setint(engine->settings, "audio.jack.autoconnect", 1);
  // Samples are read when a preset is chosen, not all at once: a large
  // soundfont costs only what the trainer plays.
  fluid_settings_setint(engine->settings, "synth.dynamic-sample-loading", 1);
  fluid_settings_setint(engine->settings, "synth.polyphony", kPolyphony);
  engine->synth = new_fluid_synth(engine->settings);
  return engine;
}

// True when the soundfont is in and the channels have their programs.
bool SynthService::LoadSoundfont(Engine& engine) const {
  std::error_code ec;
  if (soundfontPath_.empty() || !std::filesystem::is_regular_file(soundfontPath_, ec)) return false;
  // A preset's tables are loaded when a channel is about to choose it:
  // the always-resident programs now (program 0's subset holds the
  // fallbacks of every program change, the piano and the drum kit).
  engine.subsets = Sf2Subsets::Open(soundfontPath_, options_.keys);
  if (engine.subsets) {
    Remember(*engine.subsets);
    fluid_synth_add_sfloader(engine.synth, NewSubsetLoader(engine.settings));
    engine.soundfont = engine.EnsureProgram(0);
    if (engine.soundfont == FLUID_FAILED) {
      // Not one this loader reads after all: the whole file, as FluidSynth
      // reads any other.
      Forget(*engine.subsets);
      engine.subsets.reset();
    }
  }
  if (!engine.subsets) engine.soundfont = fluid_synth_sfload(engine.synth, soundfontPath_.c_str(), 0);
  if (engine.soundfont == FLUID_FAILED) return false;
  // What a reset of the programs would choose, but for the drum kit.
  for (int c = 0; c < kChannels; ++c)
    if (c != kDrumChannel) fluid_synth_program_change(engine.synth, c, 0);
  for (const int program : kResidentPrograms)
    fluid_synth_pin_preset(engine.synth, engine.EnsureProgram(program), 0, program);
  return true;
}

// The first audio driver that opens; none leaves `engine.driver` empty.
SynthAudioInfo SynthService::StartAudio(Engine& engine) const {
  SynthAudioInfo audio;
  std::vector<std::string> offered;
  fluid_settings_foreach_option(engine.settings, "audio.driver", &offered, CollectOption);
  for (const char* name : kAudioDrivers) {
    if (!options_.audioDriver.empty() && options_.audioDriver != name) continue;
    if (std::find(offered.begin(), offered.end(), name) == offered.end()) continue;
    if (options_.audioDriver.empty() && name == std::string_view("jack") && !JackServerMayBeRunning()) continue;
    fluid_settings_setstr(engine.settings, "audio.driver", name);
    engine.driver = new_fluid_audio_driver(engine.settings, engine.synth);
    if (engine.driver) {
      audio.driver = name;
      fluid_settings_getnum(engine.settings, "synth.sample-rate", &audio.sampleRate);
      fluid_settings_getint(engine.settings, "audio.period-size", &audio.periodSize);
      fluid_settings_getint(engine.settings, "audio.periods", &audio.periods);
      break;
    }
  }
  return audio;
}

void SynthService::Publish(std::unique_ptr<Engine> engine, const Loaded& loaded) {
  std::unique_lock lock(mutex_);
  if (loaded.sounding) {
    // Held notes start now, with their samples already in memory.
    pending_->ApplyTo(*engine);
    engine_ = std::move(engine);
    for (int c = 0; c < kChannels; ++c)
      if (pending_->program[c] >= 0) PinLocked(c);
  }
  if (!loaded.sounding)
    silence_ = loaded.fontLoaded ? LINTRA_TRANSLATE_NOOP("Messages", "it could open no audio output")
                                 : LINTRA_TRANSLATE_NOOP("Messages", "it found no sound font");
  pending_->Clear();
  audio_ = loaded.audio;
  loadMs_ = loaded.loadMs;
  finished_ = true;
  loaded_.notify_all();
  // Told outside the lock: the hook may call the synthesizer.
  const auto hook = std::exchange(onLoaded_, nullptr);
  const std::string silence = silence_;
  lock.unlock();
  if (hook) hook(silence);
  // Without a soundfont or an audio device the engine is dropped here: every
  // message is then taken and forgotten, which is the silent synthesizer.
}

void SynthService::OnLoaded(std::function<void(const std::string& silence)> hook) {
  std::unique_lock lock(mutex_);
  if (!finished_) {
    onLoaded_ = std::move(hook);
    return;
  }
  const std::string silence = silence_;
  lock.unlock();
  if (hook) hook(silence);
}

bool SynthService::WaitUntilReady(std::chrono::milliseconds timeout) {
  std::unique_lock lock(mutex_);
  StartLoaderLocked();
  return loaded_.wait_for(lock, timeout, [this] { return finished_; });
}

bool SynthService::Sounding() const {
  std::lock_guard lock(mutex_);
  return engine_ != nullptr;
}

double SynthService::LoadMilliseconds() const {
  std::lock_guard lock(mutex_);
  return loadMs_;
}

SynthAudioInfo SynthService::AudioInfo() const {
  std::lock_guard lock(mutex_);
  return audio_;
}

std::vector<std::int16_t> SynthService::RenderOffline(std::size_t frames) {
  std::vector<std::int16_t> out(frames * 2, 0);
  std::lock_guard lock(mutex_);
  if (!engine_ || frames == 0) return out;
  // fluid_synth_write_s16 takes an int count: render in blocks.
  constexpr std::size_t kBlock = 4096;
  for (std::size_t done = 0; done < frames;) {
    const int n = static_cast<int>(std::min(kBlock, frames - done));
    fluid_synth_write_s16(engine_->synth, n, out.data() + 2 * done, 0, 2, out.data() + 2 * done, 1, 2);
    done += static_cast<std::size_t>(n);
  }
  return out;
}

// Keeps the preset now chosen on `channel` in memory and lets go of the one
// it pinned before, unless another channel still pins that one.
void SynthService::PinLocked(int channel) {
  Engine& engine = *engine_;
  int soundfont = 0, bank = 0, program = 0;
  if (fluid_synth_get_program(engine.synth, channel, &soundfont, &bank, &program) != FLUID_OK) return;
  int& oldBank = engine.pinnedBank[channel];
  int& oldProgram = engine.pinnedProgram[channel];
  if (Resident(bank, program) || (bank == oldBank && program == oldProgram)) return;
  if (fluid_synth_pin_preset(engine.synth, soundfont, bank, program) != FLUID_OK) return;
  const int previousBank = oldBank, previousProgram = oldProgram, previousFont = engine.pinnedFont[channel];
  oldBank = bank;
  oldProgram = program;
  engine.pinnedFont[channel] = soundfont;
  if (previousProgram < 0) return;
  for (int c = 0; c < kChannels; ++c)
    if (engine.pinnedBank[c] == previousBank && engine.pinnedProgram[c] == previousProgram &&
        engine.pinnedFont[c] == previousFont)
      return;
  fluid_synth_unpin_preset(engine.synth, previousFont, previousBank, previousProgram);
}

void SynthService::PlayLocked(ShortMessage message) {
  // Data bytes are 7 bits on the wire; a larger value would read as a status.
  message.data1 &= 0x7F;
  message.data2 &= 0x7F;
  if (!engine_) {
    pending_->Keep(message);
    return;
  }
  fluid_synth_t* synth = engine_->synth;
  const int ch = message.status & 0x0F;
  const int d1 = message.data1, d2 = message.data2;
  switch (message.status & 0xF0) {
    case kNoteOff:
      fluid_synth_noteoff(synth, ch, d1);
      break;
    case kNoteOn:
      if (d2 == 0) {
        fluid_synth_noteoff(synth, ch, d1);
      } else {
        SelectDrumKitIfNone(synth, ch);
        fluid_synth_noteon(synth, ch, d1, d2);
      }
      break;
    case kPolyPressure:
      fluid_synth_key_pressure(synth, ch, d1, d2);
      break;
    case kControlChange:
      fluid_synth_cc(synth, ch, d1, d2);
      break;
    case kProgramChange:
      engine_->ProgramChange(ch, d1);
      PinLocked(ch);
      break;
    case kChannelPressure:
      fluid_synth_channel_pressure(synth, ch, d1);
      break;
    case kPitchBend:
      fluid_synth_pitch_bend(synth, ch, d1 | (d2 << 7));
      break;
    case 0xF0:
      if (message.status == 0xFF) fluid_synth_system_reset(synth);
      break;
    default:
      break;  // a data byte where a status belongs: nothing to play
  }
}

void SynthService::Play(ShortMessage message) {
  std::lock_guard lock(mutex_);
  PlayLocked(message);
}

void SynthService::PlaySysex(std::span<const std::uint8_t> bytes) {
  std::lock_guard lock(mutex_);
  if (!engine_ || bytes.empty()) return;
  // FluidSynth wants the bytes between F0 and F7.
  std::size_t begin = bytes.front() == kSysexStart ? 1 : 0, end = bytes.size();
  if (end > begin && bytes[end - 1] == kSysexEnd) --end;
  if (end > begin)
    fluid_synth_sysex(engine_->synth, reinterpret_cast<const char*>(bytes.data()) + begin,
                      static_cast<int>(end - begin), nullptr, nullptr, nullptr, 0);
}

void SynthService::Release() {
  std::lock_guard lock(mutex_);
  // Notes must not ring on after the last user has gone.
  if (--openConnections_ > 0) return;
  if (engine_) fluid_synth_all_notes_off(engine_->synth, -1);
  pending_->held.clear();
}

class SynthService::Connection final : public OutputConnection {
 public:
  explicit Connection(SynthService& synth) : synth_(synth) {}
  ~Connection() override { Close(); }
  Result Send(ShortMessage message) override {
    synth_.Play(message);
    return kOk;
  }
  Result SendSysex(std::span<const std::uint8_t> bytes) override {
    synth_.PlaySysex(bytes);
    return kOk;
  }
  Result Close() override {
    if (!std::exchange(closed_, true)) synth_.Release();
    return kOk;
  }

 private:
  SynthService& synth_;
  bool closed_ = false;
};

Result SynthService::DescribeOutput(int port, OutCaps& caps) {
  if (port != 0 && port != kMidiMapper) return kErrBadDeviceId;
  caps = BuiltInSynthCaps((FLUIDSYNTH_VERSION_MAJOR << 8) | FLUIDSYNTH_VERSION_MINOR);
  return kOk;
}

Result SynthService::OpenOutput(int port, std::unique_ptr<OutputConnection>& connection) {
  if (port != 0 && port != kMidiMapper) return kErrBadDeviceId;
  {
    std::lock_guard lock(mutex_);
    StartLoaderLocked();
    ++openConnections_;
  }
  connection = std::make_unique<Connection>(*this);
  return kOk;
}

}  // namespace lintra::midi
