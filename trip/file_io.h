// Whole-file reading, and writing through a temporary file renamed over the target, so that a
// crash or a full disk never leaves a half-written file behind.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace vx {

enum class ReadFileStatus { Ok, Missing, Unreadable };

ReadFileStatus ReadFileBytes(const std::string& path, std::vector<std::uint8_t>& out,
                             std::string* error = nullptr);

bool WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes,
                         std::string* error = nullptr);

bool FileExists(const std::string& path);
bool DirectoryExists(const std::string& path);
// Creates the folder with all missing levels; true when it exists afterwards.
bool MakeDirectories(const std::string& path);

}  // namespace vx
