// Little-endian reading and writing of fixed binary layouts, one field at a time.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <vector>

namespace vx {

// Reads fields from a byte buffer. Every read checks the remaining length first; a read past
// the end returns false and leaves its destination untouched.
class ByteReader {
public:
    explicit ByteReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    std::size_t position() const { return pos_; }
    std::size_t remaining() const { return bytes_.size() - pos_; }
    bool has(std::size_t n) const { return remaining() >= n; }
    void seek(std::size_t pos) { pos_ = pos < bytes_.size() ? pos : bytes_.size(); }
    void skip(std::size_t n) { pos_ += n < remaining() ? n : remaining(); }

    bool u8(std::uint8_t& v) {
        if (!has(1)) return false;
        v = bytes_[pos_++];
        return true;
    }
    bool i8(std::int8_t& v) {
        std::uint8_t u;
        if (!u8(u)) return false;
        v = static_cast<std::int8_t>(u);
        return true;
    }
    bool u16(std::uint16_t& v) {
        if (!has(2)) return false;
        v = static_cast<std::uint16_t>(bytes_[pos_] | (bytes_[pos_ + 1] << 8));
        pos_ += 2;
        return true;
    }
    bool u32(std::uint32_t& v) {
        if (!has(4)) return false;
        v = LoadU32(bytes_.data() + pos_);
        pos_ += 4;
        return true;
    }
    bool i32(std::int32_t& v) {
        std::uint32_t u;
        if (!u32(u)) return false;
        v = static_cast<std::int32_t>(u);
        return true;
    }
    bool f32(float& v) {
        std::uint32_t u;
        if (!u32(u)) return false;
        v = std::bit_cast<float>(u);
        return true;
    }
    // Copies n bytes; with fewer left, copies what there is and returns false.
    bool bytes(void* dst, std::size_t n) {
        std::size_t take = n < remaining() ? n : remaining();
        if (take) std::memcpy(dst, bytes_.data() + pos_, take);
        pos_ += take;
        return take == n;
    }

    static std::uint32_t LoadU32(const std::uint8_t* p) {
        return std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16) |
               (std::uint32_t(p[3]) << 24);
    }

private:
    std::span<const std::uint8_t> bytes_;
    std::size_t pos_ = 0;
};

// Appends fields to a byte buffer.
class ByteWriter {
public:
    explicit ByteWriter(std::vector<std::uint8_t>& out) : out_(out) {}

    void u8(std::uint8_t v) { out_.push_back(v); }
    void i8(std::int8_t v) { out_.push_back(static_cast<std::uint8_t>(v)); }
    void u16(std::uint16_t v) {
        out_.push_back(static_cast<std::uint8_t>(v));
        out_.push_back(static_cast<std::uint8_t>(v >> 8));
    }
    void u32(std::uint32_t v) {
        std::uint8_t b[4] = {static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8),
                             static_cast<std::uint8_t>(v >> 16), static_cast<std::uint8_t>(v >> 24)};
        out_.insert(out_.end(), b, b + 4);
    }
    void i32(std::int32_t v) { u32(static_cast<std::uint32_t>(v)); }
    void f32(float v) { u32(std::bit_cast<std::uint32_t>(v)); }
    void bytes(const void* src, std::size_t n) {
        auto p = static_cast<const std::uint8_t*>(src);
        out_.insert(out_.end(), p, p + n);
    }
    void zeros(std::size_t n) { out_.insert(out_.end(), n, 0); }

private:
    std::vector<std::uint8_t>& out_;
};

}  // namespace vx
