#include <cstdlib>

#include "midi/jack_autostart.h"

namespace lintra::midi {

void PreventJackAutostart() {
  if (!std::getenv("JACK_NO_START_SERVER")) _putenv_s("JACK_NO_START_SERVER", "1");
}

}  // namespace lintra::midi
