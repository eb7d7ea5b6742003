#pragma once
// A bounds-checked cursor over the bytes of a file. Every read past the end
// yields zeros and marks the cursor short, so no byte sequence can make a
// reader run off its buffer.

#include <cstdint>
#include <span>
#include <string>

namespace kv {

class TByteReader {
public:
  explicit TByteReader(std::span<const std::uint8_t> data) : data_(data) {}

  std::size_t Offset() const { return pos_; }
  std::size_t Size() const { return data_.size(); }
  bool Short() const { return short_; }
  void Seek(std::size_t offset) { pos_ = offset; }

  std::uint8_t U8() { return Has(1) ? data_[pos_++] : Miss(1); }
  std::uint16_t U16() {
    std::uint16_t lo = U8();
    return static_cast<std::uint16_t>(lo | (U8() << 8));
  }
  std::int32_t I32() {
    std::uint32_t v = U16();
    v |= static_cast<std::uint32_t>(U16()) << 16;
    return static_cast<std::int32_t>(v);
  }
  // A length-prefixed string of the given capacity: takes capacity + 1 bytes,
  // a length byte beyond the capacity is read as the capacity.
  std::string ShortString(std::size_t capacity) {
    std::size_t start = pos_;
    std::size_t len = U8();
    if (len > capacity) len = capacity;
    std::string s;
    for (std::size_t i = 0; i < len; ++i) s += static_cast<char>(U8());
    pos_ = start + capacity + 1;
    return s;
  }

private:
  bool Has(std::size_t n) const { return pos_ <= data_.size() && data_.size() - pos_ >= n; }
  std::uint8_t Miss(std::size_t n) {
    short_ = true;
    pos_ += n;
    return 0;
  }

  std::span<const std::uint8_t> data_;
  std::size_t pos_ = 0;
  bool short_ = false;
};

// The matching writer: a zero-filled block with field stores at offsets.
class TByteWriter {
public:
  explicit TByteWriter(std::span<std::uint8_t> data) : data_(data) {}
  void U8(std::size_t off, std::uint8_t v) {
    if (off < data_.size()) data_[off] = v;
  }
  void U16(std::size_t off, std::uint16_t v) {
    U8(off, static_cast<std::uint8_t>(v));
    U8(off + 1, static_cast<std::uint8_t>(v >> 8));
  }
  void I32(std::size_t off, std::int32_t v) {
    auto u = static_cast<std::uint32_t>(v);
    for (int i = 0; i < 4; ++i) U8(off + i, static_cast<std::uint8_t>(u >> (8 * i)));
  }
  // bytes must already be in the disk's code page; longer texts are cut.
  void ShortString(std::size_t off, std::size_t capacity, const std::string& bytes) {
    std::size_t len = std::min(bytes.size(), capacity);
    U8(off, static_cast<std::uint8_t>(len));
    for (std::size_t i = 0; i < len; ++i) U8(off + 1 + i, static_cast<std::uint8_t>(bytes[i]));
  }

private:
  std::span<std::uint8_t> data_;
};

} // namespace kv
