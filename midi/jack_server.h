// Whether a JACK server may be there to reach, told without making a client.
#pragma once

namespace lintra::midi {

// False only where a JACK client could certainly reach no server: on Linux
// when neither a JACK server's socket (/dev/shm/jack_<server>_..., the server
// named by JACK_DEFAULT_SERVER or "default") nor PipeWire's socket (which
// PipeWire's JACK library reaches instead) is there.  Elsewhere true.  A
// client made with no server to reach fails, but only after JACK's library
// has set up its metadata database: more than a megabyte of memory, and time,
// spent at every try.
bool JackServerMayBeRunning();

}  // namespace lintra::midi
