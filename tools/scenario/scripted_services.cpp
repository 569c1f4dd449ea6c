#include "tools/scenario/scripted_services.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <ostream>

#include "app/form2.h"
#include "midi/message_loop.h"
#include "practice/answer_record.h"
#include "tools/scenario/transcript.h"
#include "ui/key_menus.h"

namespace lintra::scenario {

void ScriptedDialogs::Message(const std::string& text) {
  out_ << "dialog message " << Quoted(text) << '\n';
  if (pump) pump->ProcessPendingEvents();
}

void ScriptedDialogs::Error(const std::string& text) {
  out_ << "dialog error " << Quoted(text) << '\n';
  if (pump) pump->ProcessPendingEvents();
}

bool ScriptedDialogs::Confirm(const std::string& text, ui::DefaultAnswer) {
  const Answer answer = Next("confirmation " + Quoted(text));
  if (answer.kind != Answer::Yes && answer.kind != Answer::No) {
    throw ui::DialogNotAnswered{"a confirmation " + Quoted(text) + " needs answer yes or no"};
  }
  const bool yes = answer.kind == Answer::Yes;
  out_ << "dialog confirm " << Quoted(text) << " -> " << (yes ? "yes" : "no") << '\n';
  return yes;
}

bool ScriptedDialogs::InputQuery(const std::string& caption, const std::string& prompt, std::string& value) {
  const Answer answer = Next("prompt " + Quoted(caption));
  if (answer.kind != Answer::Ok && answer.kind != Answer::Cancel) {
    throw ui::DialogNotAnswered{"a prompt " + Quoted(caption) + " needs answer ok or cancel"};
  }
  out_ << "dialog prompt " << Quoted(caption) << ' ' << Quoted(prompt) << ' ' << Quoted(value) << " -> ";
  if (answer.kind == Answer::Cancel) {
    out_ << "cancel\n";
    return false;
  }
  if (answer.hasText) value = answer.text;
  out_ << "ok " << Quoted(value) << '\n';
  return true;
}

bool ScriptedDialogs::SaveFileName(const std::string& caption, std::string& path) {
  const Answer answer = Next("file name " + Quoted(caption));
  if (answer.kind != Answer::Ok && answer.kind != Answer::Cancel) {
    throw ui::DialogNotAnswered{"a file name " + Quoted(caption) + " needs answer ok \"NAME\" or cancel"};
  }
  out_ << "dialog save " << Quoted(caption) << ' ' << Quoted(path) << " -> ";
  if (answer.kind == Answer::Cancel) {
    out_ << "cancel\n";
    return false;
  }
  if (answer.hasText) path = answer.text;
  out_ << "ok " << Quoted(path) << '\n';
  if (std::filesystem::path(path).is_relative()) path = (folder / path).string();
  return true;
}

bool ScriptedDialogs::ChooseItem(const std::string& caption, const std::string& prompt,
                                 const std::vector<std::string>& items, std::size_t& chosen) {
  const Answer answer = Next("choice " + Quoted(caption));
  if (answer.kind != Answer::Ok && answer.kind != Answer::Cancel) {
    throw ui::DialogNotAnswered{"a choice " + Quoted(caption) + " needs answer ok \"ITEM\" or cancel"};
  }
  out_ << "dialog choose " << Quoted(caption) << ' ' << Quoted(prompt);
  for (const auto& item : items) out_ << ' ' << Quoted(item);
  out_ << " -> ";
  if (answer.kind == Answer::Cancel) {
    out_ << "cancel\n";
    return false;
  }
  const auto found = std::find(items.begin(), items.end(), answer.hasText ? answer.text : items[chosen]);
  if (found == items.end()) throw ui::DialogNotAnswered{"there is no item " + Quoted(answer.text)};
  chosen = static_cast<std::size_t>(found - items.begin());
  out_ << "ok " << Quoted(*found) << '\n';
  return true;
}

std::optional<std::string> ScriptedDialogs::ChooseSoundInput(const app::SoundInputChoice& choice) {
  const Answer answer = Next("sound input choice");
  if (answer.kind != Answer::Ok && answer.kind != Answer::Cancel) {
    throw ui::DialogNotAnswered{"the sound input choice needs answer ok \"NAME\" or cancel"};
  }
  out_ << "dialog sound-input " << Quoted(choice.current);
  for (const auto& device : choice.devices) out_ << ' ' << Quoted(device.name);
  out_ << " -> ";
  if (answer.kind == Answer::Cancel) {
    out_ << "cancel\n";
    return std::nullopt;
  }
  const bool listed = std::any_of(choice.devices.begin(), choice.devices.end(),
                                  [&answer](const auto& device) { return device.name == answer.text; });
  if (!answer.text.empty() && !listed && answer.text != choice.current) throw ui::DialogNotAnswered{"there is no sound input " + Quoted(answer.text)};
  out_ << "ok " << Quoted(answer.text) << '\n';
  return answer.text;
}

Answer ScriptedDialogs::Next(const std::string& what) {
  if (answers_.empty()) throw ui::DialogNotAnswered{"no answer queued for the " + what};
  Answer answer = answers_.front();
  answers_.pop_front();
  return answer;
}

bool RunnerShell::OpenDocument(const std::string& path) {
  out_ << "open " << Quoted(std::filesystem::path(path).filename().string()) << '\n';
  return true;
}

void TraceCanvas::DrawText(int x, int y, std::string_view text, const notation::TextStyle& style) {
  if (!trace) return;
  out_ << "draw " << Quoted(text) << ' ' << x << ' ' << y << ' ' << (style.opaque ? "opaque" : "transparent") << ' '
       << notation::ColourName(style.colour) << '\n';
}

void RecordingProgressView::Show(const coach::ProgressRequest& request) {
  last = request;
  shown = true;
  const std::chrono::sys_seconds seconds{std::chrono::seconds{request.nowUtcMs / 1000}};
  const auto day = std::chrono::floor<std::chrono::days>(seconds);
  const std::chrono::year_month_day date{day};
  const std::chrono::hh_mm_ss time{seconds - day};
  char now[48];
  std::snprintf(now, sizeof now, "%d-%02u-%02uT%02d:%02d:%02d", static_cast<int>(date.year()),
                static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()),
                static_cast<int>(time.hours().count()), static_cast<int>(time.minutes().count()),
                static_cast<int>(time.seconds().count()));
  out_ << "progress-window journal " << (request.journalPath.empty() ? "off" : "on") << " key "
       << ui::KeyMenu(request.key).text << " clef " << practice::Code(request.clefRange) << " names "
       << (request.syllables ? "syllables" : "letters") << " middle-c " << (request.middleCIsC4 ? "C4" : "C3")
       << " now " << now << 'Z' << " utc-offset " << request.utcOffsetMinutes << " pool";
  for (const auto slot : request.pool) out_ << ' ' << int{slot};
  out_ << '\n';
}

void RunnerPump::ProcessPendingEvents() {
  if (loop == nullptr || form == nullptr) return;
  while (loop->Pending() > 0) {
    form->Guard([this] { loop->DispatchPending(); });
  }
}

}  // namespace lintra::scenario
