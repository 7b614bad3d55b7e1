// The command line and the console, for the companion tools.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

// The arguments after the program's name, as UTF-16.
std::vector<std::u16string> CommandLineArguments(int argc, char** argv);

// Writes one line of text to `stream` (stdout or stderr), in a form the terminal shows.
void WriteLine(std::FILE* stream, std::u16string_view text);
