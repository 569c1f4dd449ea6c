#include <cstdlib>

#include "midi/jack_autostart.h"

namespace lintra::midi {

void PreventJackAutostart() { setenv("JACK_NO_START_SERVER", "1", 0); }

}  // namespace lintra::midi
