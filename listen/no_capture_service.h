// The capture service when the capture module cannot be loaded: no devices,
// and a start that says why.
#pragma once

#include <string>
#include <utility>

#include "listen/capture_service.h"

namespace lintra::listen {

class NoCaptureService final : public CaptureService {
 public:
  explicit NoCaptureService(std::string why, std::string detail = {})
      : why_(std::move(why)), detail_(std::move(detail)) {}

  std::vector<CaptureDevice> Devices() override { return {}; }
  CaptureStart Start(const std::string&, CaptureSink&) override { return Refused(why_, detail_); }
  void Stop() override {}

 private:
  std::string why_;
  std::string detail_;
};

}  // namespace lintra::listen
