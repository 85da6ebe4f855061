// The settings file "GRD_DATA_01.GRD": fixed little-endian layout, version 2001, 2515 bytes.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "trip/settings.h"

namespace vx {

constexpr std::int32_t kSettingsVersion = 2001;
constexpr std::size_t kSettingsFileSize = 2515;

enum class SettingsLoad {
    Loaded,
    Missing,     // no file: first start, the defaults stand
    Unreadable,  // a file exists but cannot be read: work on defaults, never overwrite it
};

// Reads the settings over s (which holds the defaults); fields missing at the end of a short
// file keep their values. Validates what was read.
void DecodeSettings(std::span<const std::uint8_t> file, Settings& s, InfoList* info);
SettingsLoad ReadSettings(const std::string& path, Settings& s, InfoList* info);

std::vector<std::uint8_t> EncodeSettings(const Settings& s);
// Writes the file through a temporary file; afterwards the in-memory curve scale gets the
// resets of a trip read, and the torque maximum becomes 100 when outside 20..500.
bool WriteSettings(const std::string& path, Settings& s, std::string* error = nullptr);

// The settings file of a data root as the program uses it: after a read that found a file it
// could not read, every write is refused, so the file is never replaced by defaults.
class SettingsFile {
public:
    explicit SettingsFile(std::string path) : path_(std::move(path)) {}
    const std::string& path() const { return path_; }
    bool write_blocked() const { return write_blocked_; }

    SettingsLoad Read(Settings& s, InfoList* info);
    // False when blocked or when the file cannot be written; the change then stays in memory.
    bool Write(Settings& s, std::string* error = nullptr);

private:
    std::string path_;
    bool write_blocked_ = false;
};

}  // namespace vx
