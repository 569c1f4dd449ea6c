// The capture module's one exported symbol (listen/capture_module.h).
#include <type_traits>

#include "listen/capture_module.h"
#include "listen/rtaudio/rtaudio_capture.h"

LINTRA_MODULE_EXPORT lintra::listen::CaptureService* lintra_make_capture_v1() {
  return new lintra::listen::RtAudioCapture();
}

static_assert(std::is_same_v<decltype(&lintra_make_capture_v1), lintra::listen::MakeModuleCapture>);
