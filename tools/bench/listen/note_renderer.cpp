#include "note_renderer.h"

#include <fluidsynth.h>

#include <cmath>

NoteRenderer::NoteRenderer(double sampleRate, const std::string& soundfont) : sampleRate_(sampleRate) {
  settings_ = new_fluid_settings();
  fluid_settings_setnum(settings_, "synth.sample-rate", sampleRate);
  fluid_settings_setint(settings_, "synth.reverb.active", 0);
  fluid_settings_setint(settings_, "synth.chorus.active", 0);
  fluid_settings_setint(settings_, "synth.cpu-cores", 1);
  synth_ = new_fluid_synth(settings_);
  if (synth_) font_ = fluid_synth_sfload(synth_, soundfont.c_str(), 1);
}

NoteRenderer::~NoteRenderer() {
  if (synth_) delete_fluid_synth(synth_);
  delete_fluid_settings(settings_);
}

void NoteRenderer::NoteOn(int program, int note, int velocity) {
  fluid_synth_program_select(synth_, 0, font_, 0, program);
  fluid_synth_noteon(synth_, 0, note, velocity);
}

void NoteRenderer::NoteOff(int note) { fluid_synth_noteoff(synth_, 0, note); }

void NoteRenderer::Render(double seconds, std::vector<float>& out) {
  const auto frames = static_cast<int>(std::lround(seconds * sampleRate_));
  left_.resize(static_cast<std::size_t>(frames));
  right_.resize(static_cast<std::size_t>(frames));
  fluid_synth_write_float(synth_, frames, left_.data(), 0, 1, right_.data(), 0, 1);
  for (int i = 0; i < frames; ++i) out.push_back(0.5f * (left_[i] + right_[i]));
}
