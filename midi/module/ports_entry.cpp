// The ports module's one exported symbol (midi/module_entry.h).
#include <type_traits>

#include "midi/module_entry.h"
#include "midi/rtmidi/rtmidi_service.h"

LINTRA_MODULE_EXPORT lintra::midi::MidiService* lintra_make_ports_v2() { return new lintra::midi::RtMidiService(); }

static_assert(std::is_same_v<decltype(&lintra_make_ports_v2), lintra::midi::MakeModulePorts>);
