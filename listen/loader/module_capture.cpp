#include "listen/loader/module_capture.h"

#include <exception>

#include "listen/capture_module.h"
#include "listen/no_capture_service.h"
#include "theory/marked_text.h"

namespace lintra::listen {

ModuleCapture LoadModuleCapture(const std::vector<std::filesystem::path>& candidates) {
  midi::ModuleEntry opened = midi::OpenModule(candidates, kCaptureModuleFileName, kCaptureEntryName, "capture module");
  if (opened.entry) {
    try {
      auto* make = reinterpret_cast<MakeModuleCapture>(opened.entry);
      return {std::unique_ptr<CaptureService>(make()), opened.load};
    } catch (const std::exception& error) {
      opened.load = {{}, opened.load.path + " failed to start: " + error.what()};
    }
  }
  return {std::make_unique<NoCaptureService>(LINTRA_TRANSLATE_NOOP("Messages", "listening is not available: %1"),
                                             opened.load.problem),
          opened.load};
}

}  // namespace lintra::listen
