#include <algorithm>
#include <fstream>
#include <sstream>

#include "midi/composite_service.h"
#include "midi/null_synth_service.h"
#include "tools/scenario/commands.h"
#include "tools/scenario/transcript.h"

namespace lintra::scenario {

void SetClock(const Command& c) {
  c.NeedStarted(false);
  if (c.Args().size() != 1) throw c.Fault("clock takes HH:MM:SS.mmm");
  const std::string& text = c.Args()[0];
  int h = 0, m = 0, sec = 0, ms = 0;
  char c1 = 0, c2 = 0, c3 = 0;
  std::istringstream in(text);
  if (!(in >> h >> c1 >> m >> c2 >> sec >> c3 >> ms) || c1 != ':' || c2 != ':' || c3 != '.' || h < 0 || h > 23 ||
      m < 0 || m > 59 || sec < 0 || sec > 59 || ms < 0 || ms > 999 || text.size() != 12) {
    throw c.Fault("bad clock time " + text);
  }
  // The day the clock is on stays: "day" moves it.
  const std::int64_t day = c.s.clock.Now() / ui::kMsPerDay;
  c.s.clock.SetNow(day * ui::kMsPerDay + ((static_cast<std::int64_t>(h) * 60 + m) * 60 + sec) * 1000 + ms);
}

// day N: the clock's day, N days after the first, at the same time of day; before start.
void SetDay(const Command& c) {
  c.NeedStarted(false);
  c.NeedArgs(1);
  const std::int64_t day = c.Number(c.Args()[0], 0, 3650);
  c.s.clock.SetNow(day * ui::kMsPerDay + c.s.clock.Now() % ui::kMsPerDay);
}

// utc-offset MINUTES: the local time's offset from UTC (a journey, a daylight-saving change), at any time.
void SetUtcOffset(const Command& c) {
  c.NeedArgs(1);
  c.s.clock.SetUtcOffsetMinutes(c.Number(c.Args()[0], -16 * 60, 16 * 60));
}

// restart: the window is closed and the program ends; set-up commands and start may follow, with the
// same folder, options and journal.
void Restart(const Command& c) {
  c.NeedStarted(true);
  c.NeedArgs(0);
  c.s.form->FormClose();
  c.s.shell.terminated = false;  // the program ends, the script goes on
  c.s.form = nullptr;
  c.s.trainer.reset();
  c.s.model.reset();
}

void SetInputDevices(const Command& c) {
  c.NeedStarted(false);
  c.s.inputs = c.Args();
}

void SetOutputDevices(const Command& c) {
  c.NeedStarted(false);
  c.s.outputs = c.Args();
}

// A device may be plugged in or out while the window runs, or before it starts.
void PlugDevice(const Command& c, bool input, bool plugged) {
  c.NeedArgs(1);
  const std::string& name = c.Args()[0];
  auto& names = input ? c.s.inputs : c.s.outputs;
  if (plugged) {
    names.push_back(name);
  } else {
    const auto at = std::find(names.begin(), names.end(), name);
    if (at == names.end()) throw c.Fault("no device " + name + " to unplug");
    names.erase(at);
  }
  if (c.s.fake) (input ? c.s.fake->SetInputDevices(names) : c.s.fake->SetOutputDevices(names));
}

void WriteSettings(const Command& c) {
  c.NeedStarted(false);
  std::filesystem::create_directories(c.s.settingsFile.parent_path());
  std::ofstream file(c.s.settingsFile, std::ios::binary | std::ios::trunc);
  for (const auto& text : c.Args()) file << text << "\r\n";
}

void Trace(const Command& c) {
  if (c.Args().size() == 1 && c.Args()[0] == "announce") {
    c.s.traceAnnouncements = true;
    return;
  }
  if (c.Args().size() != 1 || c.Args()[0] != "draw") throw c.Fault("trace takes draw or announce");
  c.s.canvas.trace = true;
}

// journal on: answers are journalled in a file of the scenario's folder, as the program keeps them.
void Journal(const Command& c) {
  c.NeedStarted(false);
  if (c.Args().size() != 1 || c.Args()[0] != "on") throw c.Fault("journal takes on");
  c.s.journalPath = (c.s.folder / "journal.sqlite").string();
}

void QueueAnswer(const Command& c) {
  const auto& args = c.Args();
  if (args.empty() || args.size() > 2) throw c.Fault("answer takes yes, no, ok, ok \"TEXT\" or cancel");
  Answer answer{Answer::Yes, {}, false, c.line.number};
  if (args[0] == "yes" && args.size() == 1) {
    answer.kind = Answer::Yes;
  } else if (args[0] == "no" && args.size() == 1) {
    answer.kind = Answer::No;
  } else if (args[0] == "cancel" && args.size() == 1) {
    answer.kind = Answer::Cancel;
  } else if (args[0] == "ok") {
    answer.kind = Answer::Ok;
    if (args.size() == 2) {
      if (!c.line.quoted[1]) throw c.Fault("the typed text goes in double quotes");
      answer.text = args[1];
      answer.hasText = true;
    }
  } else {
    throw c.Fault("unknown answer " + args[0]);
  }
  c.s.answers.push_back(answer);
}

namespace {

// The speakers reach the microphone a little after the note is sent; a note rings a second at most.
void HearBack(testing::HeardSound& heard, const midi::ShortMessage& message) {
  constexpr int kSpeakerDelayMs = 30, kRingMs = 1000;
  const int kind = message.status & 0xF0;
  if (kind == 0x90 && message.data2 > 0) heard.Hear(message.data1, kRingMs, kSpeakerDelayMs);
  if (kind == 0x80) heard.Release(message.data1);
}

}  // namespace

void Start(const Command& c) {
  c.NeedStarted(false);
  c.NeedArgs(0);
  auto& s = c.s;
  auto fake = std::make_unique<midi::FakeMidiService>();
  fake->SetInputDevices(s.inputs);
  fake->SetOutputDevices(s.outputs);
  s.fake = fake.get();
  s.service = std::make_unique<midi::CompositeMidiService>(std::move(fake), std::make_unique<midi::NullSynthService>());
  s.model = std::make_unique<ui::WindowModel>();
  app::FormServices services{s.clock,    s.dialogs, s.shell,        s.pump,          s.canvas,
                             *s.service, s.loop,    s.settingsFile, "Note Help.html"};
  app::ListeningServices listening{[&s]() -> listen::CaptureService& { return s.capture; }, &s.dialogs};
  s.trainer = std::make_unique<app::Trainer>(*s.model, services, app::PracticeServices{s.journalPath, &s.progressView},
                                             std::move(listening));
  s.form = &s.trainer->Form();
  s.pump.loop = &s.loop;
  s.pump.form = s.form;
  s.form->OnShortSent = [&s](const midi::ShortMessage& message) {
    s.out << "midi-out " << int{message.status} << ' ' << int{message.data1} << ' ' << int{message.data2} << '\n';
    if (s.echo && s.heard) HearBack(*s.heard, message);
  };
  s.model->OnAnnounce = [&s](const std::string& text) {
    if (s.traceAnnouncements) s.out << "announce " << Quoted(text) << '\n';
  };
  s.form->FormCreate();
  s.form->Initial();
  s.form->FormPaint();
}

}  // namespace lintra::scenario
