// The 16-bit check sum of FIT headers and files (polynomial 0x8005, bits reflected, start 0).
#pragma once

#include <cstdint>
#include <span>

namespace vx {

std::uint16_t FitCrc(std::span<const std::uint8_t> bytes, std::uint16_t crc = 0);

}  // namespace vx
