#include "midi/result_texts.h"

#include <array>
#include <utility>

namespace lintra::midi {

namespace {
constexpr std::array<std::pair<Result, const char*>, 15> kTexts{{
    {kOk, "The operation completed successfully."},
    {kErrUnspecified, "An unspecified error occurred."},
    {kErrBadDeviceId, "The specified device identifier is out of range."},
    {kErrNotEnabled, "The driver is not enabled."},
    {kErrAllocated, "The specified device is already in use."},
    {kErrInvalidHandle, "The specified device handle is invalid."},
    {kErrNoDriver, "There is no driver installed on your system."},
    {kErrNoMem, "There is not enough memory available for this task."},
    {kErrNotSupported, "This function is not supported."},
    {kErrInvalParam, "An invalid parameter was passed to a system function."},
    {kErrUnprepared, "The buffer header has not been prepared."},
    {kErrStillPlaying, "The device is still using the buffers."},
    {kErrNotReady, "The device is not ready."},
    {kErrDeviceGone, "The MIDI device has been disconnected."},
    {kErrOpenFailed, "The device could not be opened; another program may be using it."},
}};
}  // namespace

bool StandardResultText(Result code, std::string& text) {
  for (const auto& [known, message] : kTexts) {
    if (known == code) {
      text = message;
      return true;
    }
  }
  return false;
}

Result ResultText(Result code, std::string& text) {
  return StandardResultText(code, text) ? kOk : Result{kErrInvalParam};
}

}  // namespace lintra::midi
