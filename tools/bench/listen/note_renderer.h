// Notes of a General MIDI soundfont rendered off line through FluidSynth, as
// a microphone beside the instrument would hear them (dry, mono).
#pragma once

#include <string>
#include <vector>

struct _fluid_hashtable_t;
struct _fluid_synth_t;

class NoteRenderer {
 public:
  NoteRenderer(double sampleRate, const std::string& soundfont);
  ~NoteRenderer();
  NoteRenderer(const NoteRenderer&) = delete;
  NoteRenderer& operator=(const NoteRenderer&) = delete;

  bool Loaded() const { return font_ >= 0; }

  // Appends `seconds` of the synthesizer's output to `out`.
  void Render(double seconds, std::vector<float>& out);
  void NoteOn(int program, int note, int velocity);
  void NoteOff(int note);

 private:
  _fluid_hashtable_t* settings_ = nullptr;
  _fluid_synth_t* synth_ = nullptr;
  double sampleRate_;
  int font_ = -1;
  std::vector<float> left_, right_;
};
