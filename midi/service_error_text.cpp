#include "midi/service_error_text.h"

namespace lintra::midi {

std::string ServiceErrorText(MidiService& service, ErrorTextQuery query, Result code) {
  std::string text;
  if ((service.*query)(code, text) != kOk) return "Specified error number is out of range";
  return text;
}

}  // namespace lintra::midi
