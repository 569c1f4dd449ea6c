#include "app/device_settings.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace lintra::app {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

class DeviceSettingsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "lintra-settings-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    folder_ = pattern;
    file_ = DeviceSettingsPath(folder_);
  }
  void TearDown() override {
    std::error_code error;
    fs::remove_all(folder_, error);
  }

  void WriteRaw(const std::string& bytes) {
    fs::create_directories(file_.parent_path());
    std::ofstream out(file_, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  }
  std::string ReadRaw() const {
    std::ifstream in(file_, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

  fs::path folder_;
  fs::path file_;
};

TEST_F(DeviceSettingsTest, PathIsQorMusicFileUnderTheConfigurationFolder) {
  EXPECT_EQ(DeviceSettingsPath("/home/u/.config"), fs::path("/home/u/.config/Qor_Music/cmbtext.qor"));
}

TEST_F(DeviceSettingsTest, RoundTripKeepsEveryLineIncludingEmptyOnesWithCrLf) {
  const std::vector<std::string> lines{"USB Keys", "1", "Zeta Synth", "2", "", "", "Fá#1 é"};
  ASSERT_FALSE(SaveDeviceSettings(file_, lines).has_value());
  EXPECT_EQ(ReadRaw(), "USB Keys\r\n1\r\nZeta Synth\r\n2\r\n\r\n\r\nFá#1 é\r\n");
  EXPECT_EQ(LoadDeviceSettings(file_), lines);

  // Overwriting with fewer lines leaves nothing of the longer file behind.
  ASSERT_FALSE(SaveDeviceSettings(file_, {"", "-1", "Out", "0"}).has_value());
  EXPECT_EQ(ReadRaw(), "\r\n-1\r\nOut\r\n0\r\n");
  EXPECT_EQ(LoadDeviceSettings(file_), (std::vector<std::string>{"", "-1", "Out", "0"}));
  EXPECT_FALSE(fs::exists(fs::path(file_).concat(".tmp")));
}

TEST_F(DeviceSettingsTest, ReadsFilesWithOtherLineEnds) {
  WriteRaw("a\nb\rc\r\nlast");
  EXPECT_EQ(LoadDeviceSettings(file_), (std::vector<std::string>{"a", "b", "c", "last"}));
  WriteRaw("");
  EXPECT_TRUE(LoadDeviceSettings(file_).empty());
  WriteRaw("\r\n\r\n");
  EXPECT_EQ(LoadDeviceSettings(file_), (std::vector<std::string>{"", ""}));
}

TEST_F(DeviceSettingsTest, MissingOrNonRegularFileRaises) {
  EXPECT_THROW(LoadDeviceSettings(file_), std::runtime_error);
  fs::create_directories(file_);  // a folder where the file should be
  EXPECT_THROW(LoadDeviceSettings(file_), std::runtime_error);
}

TEST_F(DeviceSettingsTest, DamagedFilesAreRefused) {
  WriteRaw("USB Keys\r\n1\0\r\nOut\r\n0\r\n"s);
  EXPECT_THROW(LoadDeviceSettings(file_), std::runtime_error) << "a NUL byte";

  WriteRaw("USB Keys\r\n1\r\n" + std::string(1025, 'x') + "\r\n0\r\n");
  EXPECT_THROW(LoadDeviceSettings(file_), std::runtime_error) << "a line beyond 1024 characters";
  WriteRaw("USB Keys\r\n1\r\n" + std::string(1024, 'x') + "\r\n0\r\n");
  EXPECT_EQ(LoadDeviceSettings(file_).at(2).size(), 1024U) << "1024 characters are still a line";

  std::string many;
  while (many.size() <= 64 * 1024) many += "0123456789\r\n";
  WriteRaw(many);
  EXPECT_THROW(LoadDeviceSettings(file_), std::runtime_error) << "a file beyond 64 KiB";
}

TEST_F(DeviceSettingsTest, RefusesToWriteWhatCouldNotBeReadBackAndKeepsTheOldFile) {
  const std::vector<std::string> good{"In", "0", "Out", "1"};
  ASSERT_FALSE(SaveDeviceSettings(file_, good).has_value());
  const std::string before = ReadRaw();

  for (const std::vector<std::string>& bad : {
           std::vector<std::string>{"In\r\nInjected", "0", "Out", "1"},
           std::vector<std::string>{"In", "0", "Out\n", "1"},
           std::vector<std::string>{"In\0"s, "0", "Out", "1"},
           std::vector<std::string>{std::string(1025, 'n'), "0", "Out", "1"},
           std::vector<std::string>(70, std::string(1000, 'n')),
       }) {
    EXPECT_TRUE(SaveDeviceSettings(file_, bad).has_value());
    EXPECT_EQ(ReadRaw(), before);
  }
  EXPECT_EQ(LoadDeviceSettings(file_), good);
}

TEST_F(DeviceSettingsTest, FailedWriteLeavesTheOldFileIntact) {
  ASSERT_FALSE(SaveDeviceSettings(file_, {"In", "0", "Out", "1"}).has_value());
  // The temporary file cannot be made: a folder stands in its place.
  fs::create_directories(fs::path(file_).concat(".tmp"));
  const auto error = SaveDeviceSettings(file_, {"Other", "1", "Other Out", "2"});
  ASSERT_TRUE(error.has_value());
  EXPECT_FALSE(error->empty());
  EXPECT_EQ(LoadDeviceSettings(file_), (std::vector<std::string>{"In", "0", "Out", "1"}));
}

TEST_F(DeviceSettingsTest, FailedRenameLeavesNoTemporaryFile) {
  fs::create_directories(file_ / "occupied");  // a non-empty folder cannot be renamed over
  EXPECT_TRUE(SaveDeviceSettings(file_, {"In", "0", "Out", "1"}).has_value());
  EXPECT_FALSE(fs::exists(fs::path(file_).concat(".tmp")));
  EXPECT_TRUE(fs::is_directory(file_));
}

TEST_F(DeviceSettingsTest, CreatesMissingFoldersButNotUnderARegularFile) {
  const fs::path deep = folder_ / "a" / "b" / "cmbtext.qor";
  ASSERT_FALSE(SaveDeviceSettings(deep, {"x"}).has_value());
  EXPECT_EQ(LoadDeviceSettings(deep), (std::vector<std::string>{"x"}));

  std::ofstream(folder_ / "blocker") << "a regular file";
  const fs::path blocked = DeviceSettingsPath(folder_ / "blocker");
  const auto error = SaveDeviceSettings(blocked, {"x"});
  ASSERT_TRUE(error.has_value());
  EXPECT_NE(error->find("blocker"), std::string::npos) << *error;
  EXPECT_THROW(LoadDeviceSettings(blocked), std::runtime_error);
}

}  // namespace
}  // namespace lintra::app
