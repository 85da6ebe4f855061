#include "import/fit_crc.h"

#include <array>

namespace vx {

namespace {

// Eight tables for the CRC of eight bytes at a time: table k advances a byte's CRC by k more
// zero bytes.
using CrcTables = std::array<std::array<std::uint16_t, 256>, 8>;

constexpr CrcTables MakeTables() {
    CrcTables t{};
    for (unsigned i = 0; i < 256; ++i) {
        std::uint16_t c = static_cast<std::uint16_t>(i);
        for (int bit = 0; bit < 8; ++bit)
            c = static_cast<std::uint16_t>((c & 1) ? (c >> 1) ^ 0xA001 : c >> 1);
        t[0][i] = c;
    }
    for (std::size_t k = 1; k < t.size(); ++k)
        for (unsigned i = 0; i < 256; ++i)
            t[k][i] = static_cast<std::uint16_t>((t[k - 1][i] >> 8) ^ t[0][t[k - 1][i] & 0xFF]);
    return t;
}

constexpr CrcTables kTables = MakeTables();

}  // namespace

std::uint16_t FitCrc(std::span<const std::uint8_t> bytes, std::uint16_t crc) {
    const std::uint8_t* p = bytes.data();
    std::size_t n = bytes.size();
    for (; n >= 8; n -= 8, p += 8) {
        const unsigned low = (crc ^ p[0]) & 0xFF;
        const unsigned high = ((crc >> 8) ^ p[1]) & 0xFF;
        crc = static_cast<std::uint16_t>(kTables[7][low] ^ kTables[6][high] ^ kTables[5][p[2]] ^
                                         kTables[4][p[3]] ^ kTables[3][p[4]] ^ kTables[2][p[5]] ^
                                         kTables[1][p[6]] ^ kTables[0][p[7]]);
    }
    for (; n > 0; --n, ++p)
        crc = static_cast<std::uint16_t>((crc >> 8) ^ kTables[0][(crc ^ *p) & 0xFF]);
    return crc;
}

}  // namespace vx
