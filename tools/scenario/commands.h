// The script commands.  Each is a short handler; the table in
// command_table.cpp maps a command's name to it, so a new command is a handler
// declared here and one line of that table.
#pragma once

#include <string_view>

#include "tools/scenario/command.h"

namespace lintra::scenario {

using Handler = void (*)(const Command&);

// Null for a name that is no command.
Handler FindHandler(std::string_view name);

// Set-up (setup_commands.cpp).
void SetClock(const Command& c);
void SetDay(const Command& c);
void SetUtcOffset(const Command& c);
void Restart(const Command& c);
void SetInputDevices(const Command& c);
void SetOutputDevices(const Command& c);
void PlugDevice(const Command& c, bool input, bool plugged);
void WriteSettings(const Command& c);
void Trace(const Command& c);
void QueueAnswer(const Command& c);
void Journal(const Command& c);
void Start(const Command& c);

// What the user and the devices do (window_commands.cpp).
void Wait(const Command& c);
void Click(const Command& c);
void ChooseInList(const Command& c, bool typed);
void MidiIn(const Command& c, bool sysex);
void MidiInBurst(const Command& c);
void Paint(const Command& c);
void Close(const Command& c);
void PressProgressButton(const Command& c);

// The sound input (sound_commands.cpp).
void SetSoundInputs(const Command& c);
void UnplugSoundInput(const Command& c);
void HearNote(const Command& c);
void HearEcho(const Command& c);

// show, show settings, show status, show journal and show file (show_command.cpp).
void Show(const Command& c);

}  // namespace lintra::scenario
