// The device settings file: the chosen MIDI input and output, one item per
// line, lines ended by CR LF.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace lintra::app {

// The lines of the file.  Raises std::runtime_error when the file is
// missing, unreadable, or not a small text file, so that a damaged file can
// never stand for a device choice.
std::vector<std::string> LoadDeviceSettings(const std::filesystem::path& file);

// Writes the lines atomically (a temporary file renamed over the old one), so
// a crash or a full disk never leaves a half-written choice.  Creates the
// folder.  Lines that could not be read back as written (a NUL, a line break,
// beyond the size limits) are refused and the old file stays.  Returns an
// error text, or nothing on success.
std::optional<std::string> SaveDeviceSettings(const std::filesystem::path& file, const std::vector<std::string>& lines);

// <config>/Qor_Music/cmbtext.qor under the given per-user configuration folder.
std::filesystem::path DeviceSettingsPath(const std::filesystem::path& configFolder);

}  // namespace lintra::app
