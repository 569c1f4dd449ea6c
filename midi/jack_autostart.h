// Both back ends may start JACK clients (RtMidi's ports, FluidSynth's audio).
// Setting the environment is the platform's: CMake builds
// jack_autostart_posix.cpp or jack_autostart_windows.cpp.
#pragma once

namespace lintra::midi {

// Sets JACK_NO_START_SERVER=1 unless the environment already says otherwise:
// without it the first JACK client on a machine with no server spends six
// seconds trying to start one.  Call before creating any JACK client.
void PreventJackAutostart();

}  // namespace lintra::midi
