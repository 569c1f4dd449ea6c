#include "midi/jack_server.h"

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

namespace lintra::midi {
namespace {

namespace fs = std::filesystem;

// A listening-socket file at `path`, gone with the object.
class SocketFile {
 public:
  explicit SocketFile(const fs::path& path) : path_(path), fd_(socket(AF_UNIX, SOCK_STREAM, 0)) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
    bound_ = fd_ >= 0 && bind(fd_, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
  }
  ~SocketFile() {
    if (fd_ >= 0) close(fd_);
    std::error_code ec;
    fs::remove(path_, ec);
  }
  bool Bound() const { return bound_; }

 private:
  fs::path path_;
  int fd_;
  bool bound_ = false;
};

#if defined(__linux__)
TEST(JackServerTest, FoundByTheServersOrPipeWiresSocketAndNothingElse) {
  const std::string name = "lintra-test-" + std::to_string(getpid());
  const fs::path runtime = fs::temp_directory_path() / (name + "-run");
  fs::create_directories(runtime);
  setenv("JACK_DEFAULT_SERVER", name.c_str(), 1);
  setenv("PIPEWIRE_REMOTE", (name + "-pw").c_str(), 1);
  setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
  unsetenv("PIPEWIRE_RUNTIME_DIR");
  unsetenv("USERPROFILE");
  EXPECT_FALSE(JackServerMayBeRunning());

  const fs::path server = fs::path("/dev/shm") / ("jack_" + name + "_" + std::to_string(getuid()) + "_0");
  std::ofstream(server).put('x');  // a file of the name, but no socket
  EXPECT_FALSE(JackServerMayBeRunning());
  fs::remove(server);
  {
    SocketFile socket(server);
    ASSERT_TRUE(socket.Bound());
    EXPECT_TRUE(JackServerMayBeRunning());
  }
  EXPECT_FALSE(JackServerMayBeRunning()) << "a server that has gone is not found";
  {
    SocketFile socket(runtime / (name + "-pw"));
    ASSERT_TRUE(socket.Bound());
    EXPECT_TRUE(JackServerMayBeRunning()) << "PipeWire's JACK library reaches PipeWire's socket";
  }
  fs::remove_all(runtime);
}
#endif

}  // namespace
}  // namespace lintra::midi
