#include "midi/jack_autostart.h"

#include <cstdlib>

namespace lintra::midi {

void PreventJackAutostart() {
#if defined(_WIN32)
  if (!std::getenv("JACK_NO_START_SERVER")) _putenv_s("JACK_NO_START_SERVER", "1");
#else
  setenv("JACK_NO_START_SERVER", "1", 0);
#endif
}

}  // namespace lintra::midi
