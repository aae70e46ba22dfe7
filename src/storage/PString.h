// Fixed-capacity string as stored in records: one length byte, then N bytes.
#pragma once

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <string>

static_assert(std::endian::native == std::endian::little,
              "records are stored little-endian and mapped directly onto memory");

namespace gw {

#pragma pack(push, 1)
template <size_t N>
struct PString {
  static_assert(N >= 1 && N <= 255);
  // No initialisers: records stay trivial, so they can be zeroed, copied and read as bytes.
  uint8_t length;
  char data[N];

  // The meaningful bytes; a length byte above the capacity (a damaged file) is clamped.
  std::string Get() const { return std::string(data, std::min<size_t>(length, N)); }
  // Cuts to the capacity; unused bytes are zeroed so files carry no stale data.
  void Set(const std::string& text) {
    const size_t n = std::min(text.size(), N);
    std::memset(data, 0, N);
    std::memcpy(data, text.data(), n);
    length = static_cast<uint8_t>(n);
  }
  size_t Size() const { return std::min<size_t>(length, N); }
  bool Empty() const { return Size() == 0; }
  static constexpr size_t Capacity() { return N; }
};
#pragma pack(pop)

// The same meaningful content (length and bytes), ignoring what lies behind the length.
template <size_t N>
bool SameText(const PString<N>& a, const PString<N>& b) {
  return a.Size() == b.Size() && std::memcmp(a.data, b.data, a.Size()) == 0;
}

}  // namespace gw
