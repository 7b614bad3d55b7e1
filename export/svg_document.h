// The SVG document: the outline as one polygon, written as a UTF-8 file with CR LF lines.
#pragma once

#include <string>
#include <string_view>

#include "export/export_outcome.h"
#include "geometry/outline.h"

// The decimal text of a real: ten decimals, trailing zeros and a bare point removed,
// "." whatever the locale, no sign on a zero.
std::u16string FormatReal(double value);

// The XML declaration, the doctype and the opening svg tag, each line with CR LF.
std::u16string SvgHeader();

// Appends the polygon through `points`, styled by `style`, as two lines.
void AppendSvgPolygon(std::u16string& document, const OutlineList& points,
                      std::u16string_view style);

// Appends "</svg>"; its line end comes from WriteTextFile.
void AppendSvgClose(std::u16string& document);

// The whole document for an outline.
std::u16string SvgDocument(const OutlineList& points);

// The bytes of a text file: `text` as UTF-8, no byte-order mark, followed by CR LF.
std::string TextFileBytes(std::u16string_view text);

// Writes TextFileBytes of `text`, replacing an existing file. False when the
// file cannot be opened, or cannot be written or closed (then no partial file is left).
bool WriteTextFile(const std::u16string& path, std::u16string_view text);

// Writes folder + baseName + ".svg"; `folder` ends in the path separator.
ExportOutcome ExportSvg(const std::u16string& folder, const std::u16string& baseName,
                        const OutlineList& outline, const UiTextTable& texts);
