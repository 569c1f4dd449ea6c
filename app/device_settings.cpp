#include "app/device_settings.h"

#include <cstdio>
#include <fstream>
#include <stdexcept>
#include <system_error>

#include "app/durable_file.h"
#include "ui/translate.h"

namespace lintra::app {
namespace {

// A real settings file holds four short lines; anything far larger is not ours.
constexpr std::uintmax_t kMaxFileSize = 64 * 1024;
constexpr std::size_t kMaxLineLength = 1024;

std::runtime_error Damaged(const std::filesystem::path& file) {
  return std::runtime_error(
      ui::Args(ui::Tr("Messages", "The device settings file \"%1\" is damaged."), {file.string()}));
}

std::string CannotOpen(const std::filesystem::path& file) {
  return ui::Args(ui::Tr("Messages", "Cannot open file \"%1\"."), {file.string()});
}

}  // namespace

std::vector<std::string> LoadDeviceSettings(const std::filesystem::path& file) {
  std::error_code error;
  const auto size = std::filesystem::file_size(file, error);
  if (error) throw std::runtime_error(CannotOpen(file) + " " + error.message());
  if (size > kMaxFileSize) throw Damaged(file);
  std::ifstream in(file, std::ios::binary);
  if (!in) throw std::runtime_error(CannotOpen(file));
  // Read no more than the limit allows, even from a file that grows meanwhile.
  std::string content(static_cast<std::size_t>(kMaxFileSize) + 1, '\0');
  in.read(content.data(), static_cast<std::streamsize>(content.size()));
  content.resize(static_cast<std::size_t>(in.gcount()));
  if (content.size() > kMaxFileSize) throw Damaged(file);

  std::vector<std::string> lines;
  std::string line;
  for (std::size_t i = 0; i < content.size(); ++i) {
    const char c = content[i];
    if (c == '\r' || c == '\n') {
      if (c == '\r' && i + 1 < content.size() && content[i + 1] == '\n') ++i;
      lines.push_back(std::move(line));
      line.clear();
    } else if (c == '\0') {
      throw Damaged(file);
    } else {
      line.push_back(c);
      if (line.size() > kMaxLineLength) {
        throw Damaged(file);
      }
    }
  }
  if (!line.empty()) lines.push_back(std::move(line));
  return lines;
}

std::optional<std::string> SaveDeviceSettings(const std::filesystem::path& file,
                                              const std::vector<std::string>& lines) {
  // Never write what LoadDeviceSettings would refuse to read back: a line
  // break inside a line would shift the positions, a NUL or an overlong line
  // would make the whole file unreadable.
  std::string content;
  for (const auto& line : lines) {
    if (line.size() > kMaxLineLength || line.find_first_of(std::string("\0\r\n", 3)) != std::string::npos) {
      return ui::Tr("Messages", "The device choice cannot be saved: a device name is too long or holds a line break.");
    }
    content += line + "\r\n";
  }
  if (content.size() > kMaxFileSize) {
    return ui::Tr("Messages", "The device choice cannot be saved: the settings are too large.");
  }

  std::error_code error;
  if (file.has_parent_path()) {
    std::filesystem::create_directories(file.parent_path(), error);
    if (error) {
      return ui::Args(ui::Tr("Messages", "Cannot create the folder \"%1\": %2."),
                      {file.parent_path().string(), error.message()});
    }
  }

  const auto temporary = std::filesystem::path(file).concat(".tmp");
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out) return ui::Args(ui::Tr("Messages", "Cannot write the file \"%1\"."), {temporary.string()});
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
    out.flush();
    if (!out) {
      out.close();
      std::filesystem::remove(temporary, error);
      return ui::Args(ui::Tr("Messages", "Cannot write the file \"%1\"."), {temporary.string()});
    }
  }
  if (ReplaceDurably(temporary, file)) {
    std::filesystem::remove(temporary, error);
    return ui::Args(ui::Tr("Messages", "Cannot save the file \"%1\"."), {file.string()});
  }
  return std::nullopt;
}

std::filesystem::path DeviceSettingsPath(const std::filesystem::path& configFolder) {
  return configFolder / "Qor_Music" / "cmbtext.qor";
}

}  // namespace lintra::app
