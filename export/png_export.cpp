// The PNG export through libpng: RGB, 8 bits, no filter, compression level 9.
#include "export/png_export.h"

#include <png.h>

#include <csetjmp>

#include "platform/files.h"

namespace {

// libpng's own handlers would print to stderr; the export reports through its answer.
[[noreturn]] void LongJumpOnError(png_structp png, png_const_charp) { png_longjmp(png, 1); }
void IgnoreWarning(png_structp, png_const_charp) {}

void AppendToVector(png_structp png, png_bytep data, png_size_t length) {
  auto* bytes = static_cast<std::vector<std::uint8_t>*>(png_get_io_ptr(png));
  try {
    bytes->insert(bytes->end(), data, data + length);
  } catch (...) {
    png_error(png, "out of memory");
  }
}
void FlushNothing(png_structp) {}

// Writes the image through `png`, whose output is set up by `setOutput`. Every libpng
// error jumps back here and ends in the clean-up.
template <typename SetOutput>
bool EncodeImage(const RasterImage& image, SetOutput setOutput) {
  if (!image.pixels) return false;
  png_structp png =
      png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, LongJumpOnError, IgnoreWarning);
  if (png == nullptr) return false;
  png_infop volatile info = nullptr;  // volatile: read after the jump
  if (setjmp(png_jmpbuf(png))) {
    png_infop infoToDestroy = info;
    png_destroy_write_struct(&png, &infoToDestroy);
    return false;
  }
  setOutput(png);
  info = png_create_info_struct(png);
  if (info == nullptr) png_error(png, "out of memory");
  png_set_filter(png, 0, PNG_FILTER_NONE);
  png_set_compression_level(png, 9);
  png_set_IHDR(png, info, static_cast<png_uint_32>(image.width),
               static_cast<png_uint_32>(image.height), 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_BASE, PNG_FILTER_TYPE_BASE);
  png_set_bgr(png);  // memory holds blue-green-red; the file wants red-green-blue
  png_write_info(png, info);
  // Rows go straight out of the image's memory, top row first; libpng reads 3·width
  // bytes of each and never the padding.
  for (int y = 0; y < image.height; ++y) png_write_row(png, image.Row(y));
  png_write_end(png, info);
  png_infop infoToDestroy = info;
  png_destroy_write_struct(&png, &infoToDestroy);
  return true;
}

}  // namespace

bool WritePngStream(const RasterImage& image, std::FILE* file) {
  return EncodeImage(image, [file](png_structp png) { png_init_io(png, file); });
}

bool EncodePng(const RasterImage& image, std::vector<std::uint8_t>& bytes) {
  bytes.clear();
  return EncodeImage(image, [&bytes](png_structp png) {
    png_set_write_fn(png, &bytes, AppendToVector, FlushNothing);
  });
}

bool WritePngFile(const RasterImage& image, const std::u16string& path) {
  if (path.empty() || !image.pixels) return false;
  std::FILE* file = OpenFileForWriting(path);
  if (file == nullptr) return false;
  bool ok = WritePngStream(image, file);
  // The last buffered bytes reach the disk only now, so a full disk can show here. The
  // flush is asked on its own: the msvcrt of Wine lets fclose report success after its
  // own flush failed.
  if (std::fflush(file) != 0 || std::ferror(file)) ok = false;
  if (std::fclose(file) != 0) ok = false;
  if (!ok) DeleteFileByName(path);
  return ok;
}

ExportOutcome ExportPng(const RasterImage& image, const std::u16string& folder,
                        const std::u16string& baseName, const UiTextTable& texts) {
  const std::u16string fileName = baseName + u".png";
  const bool saved = WritePngFile(image, folder + fileName);
  return ExportMessage(texts, saved, fileName);
}
