// Files by name: replacing contents, refusing what cannot be written, names beyond ASCII.
#include "platform/files.h"

#include <gtest/gtest.h>

#include <cstring>

#include "test_folder.h"

namespace {

bool Replace(const std::filesystem::path& file, const std::string& bytes) {
  return ReplaceFileContents(file.u16string(), bytes.data(), bytes.size());
}

TEST(Files, ReplaceCreatesAndTruncates) {
  TestFolder folder;
  const auto file = folder.Path() / "a.txt";
  ASSERT_TRUE(Replace(file, "a longer first content"));
  EXPECT_EQ(ReadBytes(file), "a longer first content");
  ASSERT_TRUE(Replace(file, "short"));
  EXPECT_EQ(ReadBytes(file), "short");
  ASSERT_TRUE(Replace(file, ""));
  EXPECT_EQ(std::filesystem::file_size(file), 0u);
}

TEST(Files, WhatCannotBeOpenedIsLeftAsItWas) {
  TestFolder folder;
  EXPECT_FALSE(Replace(folder.Path() / "missing" / "a.txt", "x"));
  EXPECT_FALSE(std::filesystem::exists(folder.Path() / "missing"));

  const auto locked = folder.Path() / "read-only.txt";
  WriteBytes(locked, "keep me");
  MakeReadOnly(locked);
  EXPECT_FALSE(Replace(locked, "lost"));  // also when the tests run as root
  EXPECT_EQ(ReadBytes(locked), "keep me");
  EXPECT_EQ(OpenFileForWriting(locked.u16string()), nullptr);
  EXPECT_EQ(ReadBytes(locked), "keep me");

  EXPECT_FALSE(Replace(folder.Path(), "a folder is not a file"));
  EXPECT_FALSE(ReplaceFileContents(u"", "x", 1));
}

TEST(Files, NamesBeyondAsciiWork) {
  TestFolder folder;
  const std::filesystem::path sub = folder.Path() / std::filesystem::path(u"Schneeflöckchen ❄ 雪");
  std::filesystem::create_directory(sub);
  const std::u16string name = sub.u16string() + PathSeparator() + u"Flocke.txt";
  ASSERT_TRUE(ReplaceFileContents(name, "snow", 4));
  EXPECT_EQ(ReadBytes(sub / "Flocke.txt"), "snow");

  std::FILE* file = OpenFileForWriting(sub.u16string() + PathSeparator() + u"b.bin");
  ASSERT_NE(file, nullptr);
  EXPECT_EQ(std::fwrite("xyz", 1, 3, file), 3u);
  EXPECT_EQ(std::fclose(file), 0);
  EXPECT_EQ(ReadBytes(sub / "b.bin"), "xyz");
  EXPECT_TRUE(DeleteFileByName(sub.u16string() + PathSeparator() + u"b.bin"));
  EXPECT_FALSE(std::filesystem::exists(sub / "b.bin"));
  EXPECT_FALSE(DeleteFileByName(sub.u16string() + PathSeparator() + u"b.bin"));
}

}  // namespace
