// The platform's sound input, from the capture module (listen/capture_module.h).
#pragma once

#include <filesystem>
#include <memory>
#include <vector>

#include "listen/capture_service.h"
#include "midi/loader/module_library.h"

namespace lintra::listen {

struct ModuleCapture {
  std::unique_ptr<CaptureService> service;  // without a usable module, one that has no devices
  midi::ModuleLoad load;
};

// Loads the first of `candidates` that exists and makes its service.
ModuleCapture LoadModuleCapture(const std::vector<std::filesystem::path>& candidates);

}  // namespace lintra::listen
