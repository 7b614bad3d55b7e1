// The command line and the console on POSIX systems: UTF-8 both ways.
#include "platform/console.h"
#include "platform/utf.h"

std::vector<std::u16string> CommandLineArguments(int argc, char** argv) {
  std::vector<std::u16string> arguments;
  for (int i = 1; i < argc; ++i) arguments.push_back(Utf8ToUtf16(argv[i]));
  return arguments;
}

void WriteLine(std::FILE* stream, std::u16string_view text) {
  const std::string bytes = Utf16ToUtf8(text) + "\n";
  std::fwrite(bytes.data(), 1, bytes.size(), stream);
  std::fflush(stream);
}
