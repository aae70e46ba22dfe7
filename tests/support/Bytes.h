// Reading record bytes in tests: little-endian values at an offset, zeroed records.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>

namespace gw::test {

inline const unsigned char* Bytes(const void* p) {
  return static_cast<const unsigned char*>(p);
}

inline uint16_t U16At(const void* base, size_t at) {
  const unsigned char* b = Bytes(base);
  return static_cast<uint16_t>(b[at] | (b[at + 1] << 8));
}

inline uint32_t U32At(const void* base, size_t at) {
  const unsigned char* b = Bytes(base);
  return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (uint32_t(b[at + 3]) << 24);
}

// A record on the heap with every byte zero, so a test sees exactly the bytes it wrote.
template <typename Record>
std::unique_ptr<Record> Zeroed() {
  auto r = std::make_unique<Record>();
  std::memset(r.get(), 0, sizeof *r);
  return r;
}

}  // namespace gw::test
