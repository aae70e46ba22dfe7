// Shared pieces of the fuzz targets: a scratch file for readers that take a path, and checks that
// end the run when a reader breaks a promise.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace gw::fuzz {

// Writes the input to `name` in a private folder (in memory where the system offers one) and
// returns its path; the folder goes when the process ends. Each call replaces the file.
std::string Scratch(const std::string& name, const uint8_t* data, size_t size);
// The private folder itself, for files a target writes.
const std::string& ScratchFolder();
// The bytes of a file, for comparing what a writer left.
std::string FileBytes(const std::string& path);
// Removes a scratch file (and a folder left by the previous input).
void Remove(const std::string& path);

[[noreturn]] void Broken(const char* what, const char* file, int line);

}  // namespace gw::fuzz

// A property of the reader that must hold for every input: when it fails, the run stops with a
// finding (libFuzzer saves the input, the replay test fails).
#define FUZZ_CHECK(condition) \
  ((condition) ? (void)0 : ::gw::fuzz::Broken(#condition, __FILE__, __LINE__))
