// Exports onto a real full disk: a small tmpfs, filled up. Needs root to mount it, or
// QUILLANE_FULL_DISK naming an empty folder on a small file system of its own.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "export/png_export.h"
#include "export/svg_document.h"
#include "geometry/snowflake_image.h"
#include "test_folder.h"

#ifndef _WIN32
#include <sys/mount.h>
#include <unistd.h>
#endif

namespace {

const UiTextTable kEnglish = ChooseUiTexts(u"");

class FullDisk : public ::testing::Test {
 protected:
  void SetUp() override {
    if (const char* given = std::getenv("QUILLANE_FULL_DISK"); given != nullptr && *given != '\0') {
      disk_ = std::filesystem::path(given);
    } else {
#ifdef _WIN32
      GTEST_SKIP() << "QUILLANE_FULL_DISK names no small file system to fill";
#else
      if (geteuid() != 0) GTEST_SKIP() << "mounting a small tmpfs needs root";
      disk_ = own_.Path();
      if (mount("tmpfs", disk_.c_str(), "tmpfs", 0, "size=512k") != 0) {
        GTEST_SKIP() << "cannot mount a tmpfs here: " << std::strerror(errno);
      }
      mounted_ = true;
#endif
    }
    filler_ = disk_ / "filler";
    // Fill the disk to the last byte.
    std::FILE* file = std::fopen(filler_.string().c_str(), "wb");
    ASSERT_NE(file, nullptr);
    static const char block[4096] = {};
    while (std::fwrite(block, 1, sizeof block, file) == sizeof block) {
    }
    std::fclose(file);
    while (true) {  // the last partial block
      file = std::fopen(filler_.string().c_str(), "ab");
      const bool more = std::fwrite(block, 1, 1, file) == 1 && std::fflush(file) == 0;
      std::fclose(file);
      if (!more) break;
    }
  }

  void TearDown() override {
    if (disk_.empty()) return;
    std::error_code ignored;
    for (const auto& entry : std::filesystem::directory_iterator(disk_, ignored))
      std::filesystem::remove(entry.path(), ignored);
#ifndef _WIN32
    if (mounted_) umount2(disk_.c_str(), MNT_DETACH);
#endif
  }

  // Gives back `bytes` of the filler's space.
  void LeaveFree(std::uintmax_t bytes) {
    std::filesystem::resize_file(filler_, std::filesystem::file_size(filler_) - bytes);
  }

  std::u16string Folder() const { return (disk_ / "").u16string(); }
  bool Exists(const char* name) const { return std::filesystem::exists(disk_ / name); }

  static RasterImage Snowflake(int client, int depth, OutlineList& outline) {
    const SnowflakePlacement p = PlaceSnowflake(client, client + 80, 1, 1);
    RasterImage image;
    EXPECT_TRUE(CreateSnowflakeImage(image, outline, p.originX, p.originY, p.side, depth, p.n));
    return image;
  }

  TestFolder own_;
  std::filesystem::path disk_, filler_;
  bool mounted_ = false;
};

TEST_F(FullDisk, SvgThatCannotBeWrittenSaysSoAndLeavesNoFile) {
  OutlineList small, large;
  Snowflake(300, 0, small);
  Snowflake(300, 5, large);
  for (const OutlineList* outline : {&small, &large}) {
    const ExportOutcome outcome = ExportSvg(Folder(), u"Quillane_5_0280x0280", *outline, kEnglish);
    EXPECT_FALSE(outcome.saved);
    EXPECT_EQ(outcome.message, u"Error saving file 'Quillane_5_0280x0280.svg'.");
    EXPECT_FALSE(Exists("Quillane_5_0280x0280.svg"));
  }
  // Part-way: room for the start of the document only.
  LeaveFree(16384);
  ASSERT_GT(SvgDocument(large).size(), 40000u);
  EXPECT_FALSE(ExportSvg(Folder(), u"Quillane_5_0280x0280", large, kEnglish).saved);
  EXPECT_FALSE(Exists("Quillane_5_0280x0280.svg"));
  // With the room, the same export succeeds: it was the space.
  LeaveFree(200000);
  EXPECT_TRUE(ExportSvg(Folder(), u"Quillane_5_0280x0280", large, kEnglish).saved);
}

TEST_F(FullDisk, PngWhoseLastBytesFailAtTheCloseIsRemoved) {
  // A tiny picture fits the stream's buffer whole: every write succeeds, the close fails.
  OutlineList outline;
  RasterImage image;
  ASSERT_TRUE(CreateRasterImage(image, 3, 3, kWhite));
  const ExportOutcome outcome = ExportPng(image, Folder(), u"Quillane_0_0003x0003", kEnglish);
  EXPECT_FALSE(outcome.saved);
  EXPECT_EQ(outcome.message, u"Error saving file 'Quillane_0_0003x0003.png'.");
  EXPECT_FALSE(Exists("Quillane_0_0003x0003.png"));
}

TEST_F(FullDisk, PngThatRunsOutOfRoomIsRemovedEvenOverAnOldFile) {
  OutlineList outline;
  const RasterImage image = Snowflake(2020, -5, outline);
  std::vector<std::uint8_t> bytes;
  ASSERT_TRUE(EncodePng(image, bytes));
  LeaveFree(16384);
  ASSERT_GT(bytes.size(), 2 * 16384u);
  WriteBytes(disk_ / "Quillane_-5_2000x2000.png", "an older save");
  const ExportOutcome outcome = ExportPng(image, Folder(), u"Quillane_-5_2000x2000", kEnglish);
  EXPECT_FALSE(outcome.saved);
  EXPECT_FALSE(Exists("Quillane_-5_2000x2000.png"));
  LeaveFree(200000);
  EXPECT_TRUE(ExportPng(image, Folder(), u"Quillane_-5_2000x2000", kEnglish).saved);
  EXPECT_EQ(std::filesystem::file_size(disk_ / "Quillane_-5_2000x2000.png"), bytes.size());
}

}  // namespace
