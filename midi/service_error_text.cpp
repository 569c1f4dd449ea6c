#include "midi/service_error_text.h"

#include "theory/marked_text.h"

namespace lintra::midi {
namespace {

std::string TextOrOutOfRange(Result query, std::string text) {
  if (query != kOk) return LINTRA_TRANSLATE_NOOP("MidiErrors", "Specified error number is out of range");
  return text;
}

}  // namespace

std::string ServiceErrorText(OutputDeviceApi& devices, Result code) {
  std::string text;
  const Result query = devices.OutGetErrorText(code, text);
  return TextOrOutOfRange(query, std::move(text));
}

std::string ServiceErrorText(InputDeviceApi& devices, Result code) {
  std::string text;
  const Result query = devices.InGetErrorText(code, text);
  return TextOrOutOfRange(query, std::move(text));
}

}  // namespace lintra::midi
