// A check for the fuzz targets: a broken invariant prints what broke and aborts, which
// libFuzzer reports as a crash and saves the input for.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/utf.h"

inline std::string Shown(std::u16string_view text) { return '"' + Utf16ToUtf8(text) + '"'; }

[[noreturn]] inline void FuzzFailure(const char* file, int line, const char* condition,
                                     const std::string& detail) {
  std::fprintf(stderr, "%s:%d: invariant broken: %s\n  %s\n", file, line, condition,
               detail.c_str());
  std::abort();
}

#define FUZZ_CHECK(condition, detail) \
  ((condition) ? void() : FuzzFailure(__FILE__, __LINE__, #condition, (detail)))
