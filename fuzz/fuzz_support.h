#pragma once
// Shared by the fuzz targets: the entry point and a private folder for
// inputs that must be files, removed when the process ends.
//
// In a fuzzing build each target is libFuzzer's entry point; in the test
// build every target registers itself, so the inputs that once crashed one
// keep running as regression tests.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

using FuzzEntry = int (*)(const uint8_t* data, size_t size);

struct FuzzRegistration {
  FuzzRegistration(const char* name, FuzzEntry entry);
};
// The registered targets, by name.
FuzzEntry FindFuzzTarget(const std::string& name);

#ifdef VELMORA_FUZZING
#define FUZZ_TARGET(name) extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
#else
#define FUZZ_TARGET(name)                                                   \
  static int FuzzTarget_##name(const uint8_t* data, size_t size);           \
  static const FuzzRegistration registration_##name(#name, FuzzTarget_##name); \
  static int FuzzTarget_##name(const uint8_t* data, size_t size)
#endif

// Writes the bytes to `name` in the process's private folder; its path.
std::string WriteFuzzFile(const std::string& name, const uint8_t* data, size_t size);
std::string FuzzFolder();
// The bytes as text, NUL bytes included.
std::string_view FuzzText(const uint8_t* data, size_t size);
