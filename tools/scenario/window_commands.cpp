#include "tools/scenario/commands.h"

namespace lintra::scenario {

void Wait(const Command& c) {
  c.NeedStarted(true);
  c.NeedArgs(1);
  c.s.clock.Advance(c.Number(c.Args()[0], 0, 24 * 60 * 60 * 1000));
}

namespace {

void ClickMenu(const Command& c, ui::MenuItem& item) {
  std::vector<ui::MenuItem*> path;
  for (auto* at = &item; at != nullptr; at = at->parent) path.insert(path.begin(), at);
  bool reachable = true;
  for (auto* at : path) reachable = reachable && at->enabled;
  if (!reachable) {
    c.s.out << "ignored " << c.Args()[0] << '\n';
    return;
  }
  // The submenus above the item open; one that has a handler runs it as it opens.
  for (auto* at : path) {
    if (at == &item && !item.OpensSubmenu()) break;
    if (at->handler) c.s.form->Guard(at->handler);
  }
  if (!item.OpensSubmenu() && item.handler) c.s.form->Guard(item.handler);
}

}  // namespace

void Click(const Command& c) {
  c.NeedStarted(true);
  c.NeedArgs(1);
  const std::string& name = c.Args()[0];
  if (auto* control = c.s.model->FindControl(name)) {
    if (!control->visible || !control->enabled) {
      c.s.out << "ignored " << name << '\n';
    } else {
      c.s.form->ClickControl(*control);
    }
  } else if (auto* item = c.s.model->FindMenu(name)) {
    ClickMenu(c, *item);
  } else {
    throw c.Fault("unknown control or menu item " + name);
  }
}

// select NAME N, or type NAME "TEXT" into a list that has an edit field.
void ChooseInList(const Command& c, bool typed) {
  c.NeedStarted(true);
  c.NeedArgs(2);
  const std::string& name = c.Args()[0];
  auto* combo = c.s.model->FindControl(name);
  if (combo == nullptr ||
      (combo->Kind() != ui::ControlKind::ComboEdit && combo->Kind() != ui::ControlKind::ComboPick)) {
    throw c.Fault("unknown drop-down list " + name);
  }
  if (typed && combo->Kind() != ui::ControlKind::ComboEdit) throw c.Fault(name + " has no edit field");
  if (!combo->visible || !combo->enabled) {
    c.s.out << "ignored " << name << '\n';
  } else if (typed) {
    c.s.form->TypeText(*combo, c.Args()[1]);
  } else {
    const int index = c.Number(c.Args()[1], 0, 1 << 20);
    if (index >= static_cast<int>(combo->items.size())) throw c.Fault(name + " has no item " + c.Args()[1]);
    c.s.form->SelectItem(*combo, index);
  }
}

void MidiIn(const Command& c, bool sysex) {
  c.NeedStarted(true);
  const auto bytes = c.Bytes();
  if (!sysex && bytes.size() != 3) throw c.Fault("midi-in takes three bytes");
  if (sysex && bytes.empty()) throw c.Fault("midi-in-sysex takes bytes");
  const bool delivered = c.s.form->MidiInput1.IsOpen() &&
                         (sysex ? c.s.fake->InjectSysex(bytes) : c.s.fake->InjectShort(bytes[0], bytes[1], bytes[2]));
  if (!delivered) {
    c.s.out << "ignored midi-in\n";
  } else {
    c.s.pump.ProcessPendingEvents();
  }
}

// Several notes arrive one right after another, before the window handles the first of them.
void MidiInBurst(const Command& c) {
  c.NeedStarted(true);
  if (c.Args().empty() || c.Args().size() % 3 != 0) throw c.Fault("midi-in-burst takes groups of three bytes");
  const auto bytes = c.Bytes();
  bool delivered = c.s.form->MidiInput1.IsOpen();
  for (std::size_t i = 0; delivered && i < bytes.size(); i += 3) {
    delivered = c.s.fake->InjectShort(bytes[i], bytes[i + 1], bytes[i + 2]);
  }
  if (!delivered) c.s.out << "ignored midi-in\n";
  c.s.pump.ProcessPendingEvents();
}

void Paint(const Command& c) {
  c.NeedStarted(true);
  c.s.form->FormPaint();
}

void Close(const Command& c) {
  c.NeedStarted(true);
  c.s.form->FormClose();
}

// progress-button export|reset: a button of the Progress window last shown.
void PressProgressButton(const Command& c) {
  c.NeedStarted(true);
  c.NeedArgs(1);
  if (!c.s.progressView.shown) throw c.Fault("the Progress window was not shown");
  const auto& request = c.s.progressView.last;
  if (c.Args()[0] == "export") {
    request.exportJournal();
  } else if (c.Args()[0] == "reset") {
    request.resetProgress();
  } else {
    throw c.Fault("progress-button takes export or reset");
  }
}

}  // namespace lintra::scenario
