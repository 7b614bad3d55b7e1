// Conversions between the program's UTF-16 text and UTF-8 bytes.
#pragma once

#include <string>
#include <string_view>

// An unpaired surrogate becomes U+FFFD.
std::string Utf16ToUtf8(std::u16string_view text);
// A malformed sequence becomes U+FFFD.
std::u16string Utf8ToUtf16(std::string_view bytes);
