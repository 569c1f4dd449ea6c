#include "midi/composite_service.h"

namespace lintra::midi {

CompositeMidiService::Owner CompositeMidiService::OwnerOf(int port) {
  if (port == kMidiMapper) return {synth_.get(), kMidiMapper};
  if (port < 0) return {};
  const unsigned platformCount = platform_->OutputCount();
  if (static_cast<unsigned>(port) < platformCount) return {platform_.get(), port};
  if (static_cast<unsigned>(port) == platformCount) return {synth_.get(), 0};
  return {};
}

Result CompositeMidiService::DescribeOutput(int port, OutCaps& caps) {
  const Owner owner = OwnerOf(port);
  return owner.service ? owner.service->DescribeOutput(owner.port, caps) : Result{kErrBadDeviceId};
}

Result CompositeMidiService::OpenOutput(int port, std::unique_ptr<OutputConnection>& connection) {
  const Owner owner = OwnerOf(port);
  return owner.service ? owner.service->OpenOutput(owner.port, connection) : Result{kErrBadDeviceId};
}

}  // namespace lintra::midi
