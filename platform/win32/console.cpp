// The command line and the console on Windows: UTF-16 from the system, UTF-16 to a
// console window, UTF-8 to a pipe or file.
#include <windows.h>
// shellapi.h builds on windows.h, so it comes after it, in a block of its own.
#include <shellapi.h>

#include "platform/console.h"
#include "platform/utf.h"

std::vector<std::u16string> CommandLineArguments(int, char**) {
  // argv would have passed through the ANSI code page; the wide command line has not.
  std::vector<std::u16string> arguments;
  int count = 0;
  LPWSTR* words = CommandLineToArgvW(GetCommandLineW(), &count);
  if (words == nullptr) return arguments;
  for (int i = 1; i < count; ++i) {
    arguments.emplace_back(reinterpret_cast<const char16_t*>(words[i]));
  }
  LocalFree(words);
  return arguments;
}

void WriteLine(std::FILE* stream, std::u16string_view text) {
  std::fflush(stream);
  HANDLE handle = GetStdHandle(stream == stderr ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
  DWORD mode;
  if (handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode)) {
    std::u16string line(text);
    line += u"\r\n";
    DWORD written;
    WriteConsoleW(handle, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    return;
  }
  const std::string bytes = Utf16ToUtf8(text) + "\n";
  std::fwrite(bytes.data(), 1, bytes.size(), stream);
  std::fflush(stream);
}
