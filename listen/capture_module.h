// The contract between the program and its capture module, the shared
// object that holds the real capture with the sound libraries it needs
// (RtAudio, with ALSA, PulseAudio and JACK): loaded when listening is first
// turned on, so that a trainer that never listens never loads them. Built
// with the program from one source tree; the entry's name carries a version
// that changes whenever its signature does.
#pragma once

#include "listen/capture_service.h"
#include "midi/module_export.h"

namespace lintra::listen {

// Makes the platform's capture service; the caller owns the result.
using MakeModuleCapture = CaptureService* (*)();

inline constexpr const char* kCaptureEntryName = "lintra_make_capture_v1";
inline constexpr const char* kCaptureModuleFileName = "lintra-capture" LINTRA_MODULE_SUFFIX;

}  // namespace lintra::listen
