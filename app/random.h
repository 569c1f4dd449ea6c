// The generator is shared with the weak-note pick, so it is defined with the theory tables.
#pragma once

#include "theory/random.h"

namespace lintra::app {

using Random = theory::Random;

}  // namespace lintra::app
