#include "midi/composite_service.h"

#include <algorithm>
#include <mutex>
#include <type_traits>
#include <vector>

namespace lintra::midi {

// One open device as the composite hands it out.  Its address is the
// composite's handle and the context value given to the owning service, so a
// callback finds the caller's routine without any lookup.
struct CompositeMidiService::Link {
  MidiOutputService* output = nullptr;  // the owner of an output device,
  MidiInputService* input = nullptr;    // or of an input device
  DeviceHandle inner = kNoHandle;
  Callback callback = nullptr;
  std::uintptr_t instance = 0;

  template <typename Service>
  Service* Owner() const {
    if constexpr (std::is_same_v<Service, MidiOutputService>)
      return output;
    else
      return input;
  }
};

struct CompositeMidiService::Links {
  mutable std::mutex mutex;
  std::vector<std::unique_ptr<Link>> open;
};

CompositeMidiService::CompositeMidiService(std::unique_ptr<MidiService> platform,
                                           std::unique_ptr<MidiOutputService> synth)
    : platform_(std::move(platform)), synth_(std::move(synth)), links_(std::make_unique<Links>()) {}

CompositeMidiService::~CompositeMidiService() = default;

void CompositeMidiService::Forward(DeviceHandle /*inner*/, std::uint32_t message, std::uintptr_t instance,
                                   std::uintptr_t p1, std::uintptr_t p2) {
  const auto* link = reinterpret_cast<const Link*>(instance);
  if (link->callback) link->callback(reinterpret_cast<DeviceHandle>(link), message, link->instance, p1, p2);
}

template <typename Service>
CompositeMidiService::Link* CompositeMidiService::Find(DeviceHandle handle) const {
  std::lock_guard lock(links_->mutex);
  for (const auto& link : links_->open)
    if (reinterpret_cast<DeviceHandle>(link.get()) == handle && link->Owner<Service>()) return link.get();
  return nullptr;
}

void CompositeMidiService::Forget(const Link* link) {
  std::lock_guard lock(links_->mutex);
  std::erase_if(links_->open, [link](const auto& l) { return l.get() == link; });
}

template <typename Service>
Result CompositeMidiService::Open(Service& service, DeviceHandle& handle, int id, Callback callback,
                                  std::uintptr_t instance) {
  handle = kNoHandle;
  auto owned = std::make_unique<Link>();
  Link* link = owned.get();
  if constexpr (std::is_same_v<Service, MidiOutputService>)
    link->output = &service;
  else
    link->input = &service;
  link->callback = callback;
  link->instance = instance;
  {
    std::lock_guard lock(links_->mutex);
    links_->open.push_back(std::move(owned));
  }
  const auto context = reinterpret_cast<std::uintptr_t>(link);
  Result result = kOk;
  if constexpr (std::is_same_v<Service, MidiOutputService>)
    result = service.OutOpen(link->inner, id, &Forward, context);
  else
    result = service.InOpen(link->inner, static_cast<unsigned>(id), &Forward, context);
  if (result == kOk)
    handle = reinterpret_cast<DeviceHandle>(link);
  else
    Forget(link);
  return result;
}

template <typename Service>
Result CompositeMidiService::Close(DeviceHandle handle) {
  Link* link = Find<Service>(handle);
  if (!link) return kErrInvalidHandle;
  Result result = kOk;
  if constexpr (std::is_same_v<Service, MidiOutputService>)
    result = link->output->OutClose(link->inner);
  else
    result = link->input->InClose(link->inner);
  // A service makes no callback after a successful close, so the link can go.
  if (result == kOk) Forget(link);
  return result;
}

// Every call on an open device goes to the service that opened it, with that
// service's own handle; an unknown handle, or one of the other direction, is
// refused.
template <typename Service, typename... Args>
Result CompositeMidiService::CallOnDevice(DeviceHandle handle, Result (Service::*call)(DeviceHandle, Args...),
                                          Args... args) {
  Link* link = Find<Service>(handle);
  return link ? (link->Owner<Service>()->*call)(link->inner, args...) : Result{kErrInvalidHandle};
}

unsigned CompositeMidiService::OutGetNumDevs() { return platform_->OutGetNumDevs() + 1; }

Result CompositeMidiService::OutGetDevCaps(int id, OutCaps& caps) {
  if (id == kMidiMapper) return synth_->OutGetDevCaps(kMidiMapper, caps);
  if (id < 0) return kErrBadDeviceId;
  const unsigned platformCount = platform_->OutGetNumDevs();
  if (static_cast<unsigned>(id) < platformCount) return platform_->OutGetDevCaps(id, caps);
  if (static_cast<unsigned>(id) == platformCount) return synth_->OutGetDevCaps(0, caps);
  return kErrBadDeviceId;
}

Result CompositeMidiService::OutOpen(DeviceHandle& handle, int id, Callback callback, std::uintptr_t instance) {
  handle = kNoHandle;
  if (id == kMidiMapper) return Open<MidiOutputService>(*synth_, handle, kMidiMapper, callback, instance);
  if (id < 0) return kErrBadDeviceId;
  const unsigned platformCount = platform_->OutGetNumDevs();
  if (static_cast<unsigned>(id) < platformCount)
    return Open<MidiOutputService>(*platform_, handle, id, callback, instance);
  if (static_cast<unsigned>(id) == platformCount)
    return Open<MidiOutputService>(*synth_, handle, 0, callback, instance);
  return kErrBadDeviceId;
}

Result CompositeMidiService::OutClose(DeviceHandle handle) { return Close<MidiOutputService>(handle); }

Result CompositeMidiService::OutShortMsg(DeviceHandle handle, std::uint32_t packed) {
  return CallOnDevice(handle, &MidiOutputService::OutShortMsg, packed);
}

Result CompositeMidiService::OutPrepareHeader(DeviceHandle handle, LongHeader* header) {
  return CallOnDevice(handle, &MidiOutputService::OutPrepareHeader, header);
}

Result CompositeMidiService::OutLongMsg(DeviceHandle handle, LongHeader* header) {
  return CallOnDevice(handle, &MidiOutputService::OutLongMsg, header);
}

Result CompositeMidiService::OutUnprepareHeader(DeviceHandle handle, LongHeader* header) {
  return CallOnDevice(handle, &MidiOutputService::OutUnprepareHeader, header);
}

Result CompositeMidiService::OutGetErrorText(Result code, std::string& text) {
  // Codes of their own are numbered apart by each service; shared codes read
  // the same everywhere, so the first service that knows the code answers.
  if (platform_->OutGetErrorText(code, text) == kOk) return kOk;
  return synth_->OutGetErrorText(code, text);
}

unsigned CompositeMidiService::InGetNumDevs() { return platform_->InGetNumDevs(); }

Result CompositeMidiService::InGetDevCaps(unsigned id, InCaps& caps) { return platform_->InGetDevCaps(id, caps); }

Result CompositeMidiService::InOpen(DeviceHandle& handle, unsigned id, Callback callback, std::uintptr_t instance) {
  handle = kNoHandle;
  if (id >= platform_->InGetNumDevs()) return kErrBadDeviceId;
  return Open<MidiInputService>(*platform_, handle, static_cast<int>(id), callback, instance);
}

Result CompositeMidiService::InStart(DeviceHandle handle) { return CallOnDevice(handle, &MidiInputService::InStart); }

Result CompositeMidiService::InReset(DeviceHandle handle) { return CallOnDevice(handle, &MidiInputService::InReset); }

Result CompositeMidiService::InClose(DeviceHandle handle) { return Close<MidiInputService>(handle); }

Result CompositeMidiService::InPrepareHeader(DeviceHandle handle, LongHeader* header) {
  return CallOnDevice(handle, &MidiInputService::InPrepareHeader, header);
}

Result CompositeMidiService::InAddBuffer(DeviceHandle handle, LongHeader* header) {
  return CallOnDevice(handle, &MidiInputService::InAddBuffer, header);
}

Result CompositeMidiService::InUnprepareHeader(DeviceHandle handle, LongHeader* header) {
  return CallOnDevice(handle, &MidiInputService::InUnprepareHeader, header);
}

Result CompositeMidiService::InGetErrorText(Result code, std::string& text) {
  return platform_->InGetErrorText(code, text);
}

}  // namespace lintra::midi
