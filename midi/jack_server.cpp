#include "midi/jack_server.h"

#include <cstdlib>
#include <filesystem>
#include <string>

namespace lintra::midi {
namespace {

namespace fs = std::filesystem;

[[maybe_unused]] bool IsSocket(const fs::path& path) {
  std::error_code ec;
  return fs::is_socket(path, ec);
}

[[maybe_unused]] std::string Env(const char* name, const char* otherwise) {
  const char* value = std::getenv(name);
  return value && *value ? value : otherwise;
}

}  // namespace

bool JackServerMayBeRunning() {
#if defined(__linux__)
  // The server's socket is jack_<server>_<uid>_0; any uid, as a promiscuous server serves them all.
  const std::string prefix = "jack_" + Env("JACK_DEFAULT_SERVER", "default") + "_";
  std::error_code ec;
  for (fs::directory_iterator it("/dev/shm", ec), end; !ec && it != end; it.increment(ec)) {
    if (it->path().filename().string().starts_with(prefix) && IsSocket(it->path())) return true;
  }
  const std::string remote = Env("PIPEWIRE_REMOTE", "pipewire-0");
  if (remote.starts_with('/')) return IsSocket(remote);
  for (const char* dir : {"PIPEWIRE_RUNTIME_DIR", "XDG_RUNTIME_DIR", "USERPROFILE"}) {
    const std::string at = Env(dir, "");
    if (!at.empty() && IsSocket(fs::path(at) / remote)) return true;
  }
  return IsSocket(fs::path("/run/pipewire") / remote);  // a system-wide PipeWire
#else
  return true;
#endif
}

}  // namespace lintra::midi
