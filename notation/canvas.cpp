#include "notation/canvas.h"

namespace lintra::notation {

Canvas::~Canvas() = default;

}  // namespace lintra::notation
