// The command-line exporter: its arguments, and the run that writes the files.
#pragma once

#include <string>
#include <vector>

#include "text/ui_texts.h"

struct ExportRequest {
  int depth = 0;
  int clientWidth = 300;
  int clientHeight = 380;
  int dpiX = 96;
  int dpiY = 96;
  bool svg = true;
  bool png = true;
  std::u16string outputFolder = u".";
  bool help = false;
};

// Reads the arguments (without the program's name). False, with a one-line reason,
// when they are not usable: nothing may be written then.
bool ParseExportArguments(const std::vector<std::u16string>& arguments, ExportRequest& request,
                          std::u16string& reason);

// The text that --help prints.
std::u16string ExportUsage();

// Renders and writes the files of the request, printing one message per file to
// stdout. Answers the exit code: 0 when every file was written, 1 when one was not,
// 2 (with the reason on stderr) when the image cannot be made.
int RunExport(const ExportRequest& request, const UiTextTable& texts);

// The whole program: arguments in, exit code out.
int ExportMain(const std::vector<std::u16string>& arguments);
