// Timings of a render, an SVG document and a PNG file, the render and the PNG beside their floors.
#include <benchmark/benchmark.h>
#include <png.h>

#include <algorithm>
#include <csetjmp>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "export/png_export.h"
#include "export/svg_document.h"
#include "geometry/snowflake_image.h"
#include "platform/raster_image.h"

namespace {

const std::vector<std::int64_t> kSides = {280, 917, 2000, 4000};

// The placement the window computes at 96 dpi for a client area whose image side is
// `side`: max(side + 20, 300) × (side + 100).
SnowflakePlacement PlacementForSide(int side) {
  const SnowflakePlacement p = PlaceSnowflake(std::max(side + 20, 300), side + 100, 1.0f, 1.0f);
  if (p.n != side) {
    std::fprintf(stderr, "quillane-bench: side %d placed as an image of %d\n", side, p.n);
    std::abort();
  }
  return p;
}

// The image and outline of one snowflake, made outside any timing.
struct Snowflake {
  RasterImage image;
  OutlineList outline;
};

Snowflake MakeSnowflake(int side, int depth) {
  const SnowflakePlacement p = PlacementForSide(side);
  Snowflake s;
  if (!CreateSnowflakeImage(s.image, s.outline, p.originX, p.originY, p.side, depth, p.n)) {
    std::fprintf(stderr, "quillane-bench: no memory for a %d-pixel image\n", side);
    std::abort();
  }
  return s;
}

std::int64_t ImageBytes(const RasterImage& image) {
  return static_cast<std::int64_t>(image.stride) * image.height;
}

// A new image and outline per iteration, both given back inside the timed loop, as a
// redraw in the program does.
void BM_Render(benchmark::State& state) {
  const int side = static_cast<int>(state.range(0));
  const int depth = static_cast<int>(state.range(1));
  const SnowflakePlacement p = PlacementForSide(side);
  std::size_t points = 0;
  for (auto _ : state) {
    RasterImage image;
    OutlineList outline;
    if (!CreateSnowflakeImage(image, outline, p.originX, p.originY, p.side, depth, p.n)) {
      state.SkipWithError("no memory for the image");
      break;
    }
    benchmark::DoNotOptimize(image.pixels.get());
    benchmark::ClobberMemory();
    points = outline.size();
  }
  state.counters["points"] = static_cast<double>(points);
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(RasterRowBytes(p.n)) *
                          p.n);
}

// The floor of a render: the same image, allocated and filled white, and given back.
void BM_RenderFloor(benchmark::State& state) {
  const int side = static_cast<int>(state.range(0));
  for (auto _ : state) {
    RasterImage image;
    if (!CreateRasterImage(image, side, side, kWhite)) {
      state.SkipWithError("no memory for the image");
      break;
    }
    benchmark::DoNotOptimize(image.pixels.get());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(RasterRowBytes(side)) *
                          side);
}

// The whole SVG text of the 280-pixel window's outline, and its UTF-8 bytes as the file
// writer makes them; no file is written.
void BM_SvgDocument(benchmark::State& state) {
  const Snowflake s = MakeSnowflake(280, static_cast<int>(state.range(0)));
  std::size_t bytes = 0;
  for (auto _ : state) {
    const std::string utf8 = TextFileBytes(SvgDocument(s.outline));
    benchmark::DoNotOptimize(utf8.data());
    bytes = utf8.size();
  }
  state.counters["points"] = static_cast<double>(s.outline.size());
  state.counters["file_bytes"] = static_cast<double>(bytes);
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes));
}

// The sink both PNG benchmarks write into: the null device, rewound before each file.
struct NullSink {
  std::FILE* file = std::fopen("/dev/null", "wb");
  NullSink() {
    if (file == nullptr) {
      std::perror("quillane-bench: /dev/null");
      std::abort();
    }
  }
  ~NullSink() { std::fclose(file); }
};

// Writes the depth-5 image of the benchmark's side with `write`, over and over.
void TimePngWriter(benchmark::State& state, bool (*write)(const RasterImage&, std::FILE*)) {
  const Snowflake s = MakeSnowflake(static_cast<int>(state.range(0)), 5);
  NullSink sink;
  for (auto _ : state) {
    std::rewind(sink.file);
    if (!write(s.image, sink.file)) {
      state.SkipWithError("the PNG could not be written");
      break;
    }
    std::fflush(sink.file);
  }
  state.SetBytesProcessed(state.iterations() * ImageBytes(s.image));
}

void BM_PngWrite(benchmark::State& state) { TimePngWriter(state, WritePngStream); }

// Bare libpng with the export's settings on the same pixels: the floor of BM_PngWrite.
bool WriteBarePng(const RasterImage& image, std::FILE* file) {
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  if (png == nullptr) return false;
  png_infop info = png_create_info_struct(png);
  if (info == nullptr) {
    png_destroy_write_struct(&png, nullptr);
    return false;
  }
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return false;
  }
  png_init_io(png, file);
  png_set_filter(png, 0, PNG_FILTER_NONE);
  png_set_compression_level(png, 9);
  png_set_IHDR(png, info, static_cast<png_uint_32>(image.width),
               static_cast<png_uint_32>(image.height), 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_BASE, PNG_FILTER_TYPE_BASE);
  png_set_bgr(png);
  png_write_info(png, info);
  for (int y = 0; y < image.height; ++y) png_write_row(png, image.Row(y));
  png_write_end(png, info);
  png_destroy_write_struct(&png, &info);
  return true;
}

void BM_PngFloor(benchmark::State& state) { TimePngWriter(state, WriteBarePng); }

// The least of the repetitions beside their median: on a shared machine it is the figure
// least disturbed by a neighbour, so two equal workloads compare fairly on it.
double Least(const std::vector<double>& v) { return *std::min_element(v.begin(), v.end()); }

void SideArgs(benchmark::internal::Benchmark* b) {
  for (std::int64_t side : kSides) b->Arg(side);
}

}  // namespace

BENCHMARK(BM_Render)
    ->ArgsProduct({kSides, {0, 5, -5}})
    ->ComputeStatistics("min", Least)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RenderFloor)
    ->Apply(SideArgs)
    ->ComputeStatistics("min", Least)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SvgDocument)
    ->Arg(0)
    ->Arg(5)
    ->Arg(-5)
    ->ComputeStatistics("min", Least)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PngWrite)
    ->Apply(SideArgs)
    ->ComputeStatistics("min", Least)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PngFloor)
    ->Apply(SideArgs)
    ->ComputeStatistics("min", Least)
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
