// The PNG export: the raster as an 8-bit RGB file through libpng, level 9, no filter.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "export/export_outcome.h"
#include "platform/raster_image.h"

// Writes the image to an open file with the export's libpng settings. False on any
// libpng error (a short write among them); the file is left open either way.
bool WritePngStream(const RasterImage& image, std::FILE* file);

// The same PNG bytes, produced into memory.
bool EncodePng(const RasterImage& image, std::vector<std::uint8_t>& bytes);

// Writes the image to `path`. False when the image is empty, the file cannot be opened,
// libpng fails, or the close fails; a file opened and not completed is removed.
bool WritePngFile(const RasterImage& image, const std::u16string& path);

// Writes folder + baseName + ".png"; `folder` ends in the path separator.
ExportOutcome ExportPng(const RasterImage& image, const std::u16string& folder,
                        const std::u16string& baseName, const UiTextTable& texts);
