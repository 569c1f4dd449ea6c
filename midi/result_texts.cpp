#include "midi/result_texts.h"

#include <array>
#include <utility>

#include "theory/marked_text.h"

namespace lintra::midi {

namespace {
// The system's own texts, in English here; the window shows them in the student's language.
constexpr std::array<std::pair<Result, const char*>, 15> kTexts{{
    {kOk, LINTRA_TRANSLATE_NOOP("MidiErrors", "The operation completed successfully.")},
    {kErrUnspecified, LINTRA_TRANSLATE_NOOP("MidiErrors", "An unspecified error occurred.")},
    {kErrBadDeviceId, LINTRA_TRANSLATE_NOOP("MidiErrors", "The specified device identifier is out of range.")},
    {kErrNotEnabled, LINTRA_TRANSLATE_NOOP("MidiErrors", "The driver is not enabled.")},
    {kErrAllocated, LINTRA_TRANSLATE_NOOP("MidiErrors", "The specified device is already in use.")},
    {kErrInvalidHandle, LINTRA_TRANSLATE_NOOP("MidiErrors", "The specified device handle is invalid.")},
    {kErrNoDriver, LINTRA_TRANSLATE_NOOP("MidiErrors", "There is no driver installed on your system.")},
    {kErrNoMem, LINTRA_TRANSLATE_NOOP("MidiErrors", "There is not enough memory available for this task.")},
    {kErrNotSupported, LINTRA_TRANSLATE_NOOP("MidiErrors", "This function is not supported.")},
    {kErrInvalParam, LINTRA_TRANSLATE_NOOP("MidiErrors", "An invalid parameter was passed to a system function.")},
    {kErrUnprepared, LINTRA_TRANSLATE_NOOP("MidiErrors", "The buffer header has not been prepared.")},
    {kErrStillPlaying, LINTRA_TRANSLATE_NOOP("MidiErrors", "The device is still using the buffers.")},
    {kErrNotReady, LINTRA_TRANSLATE_NOOP("MidiErrors", "The device is not ready.")},
    {kErrDeviceGone, LINTRA_TRANSLATE_NOOP("MidiErrors", "The MIDI device has been disconnected.")},
    {kErrOpenFailed,
     LINTRA_TRANSLATE_NOOP("MidiErrors", "The device could not be opened; another program may be using it.")},
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
