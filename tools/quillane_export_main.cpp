// quillane-export: writes the snowflake's SVG and PNG files from the command line.
#include "platform/console.h"
#include "tools/export_cli.h"

int main(int argc, char** argv) { return ExportMain(CommandLineArguments(argc, argv)); }
