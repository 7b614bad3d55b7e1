// The Windows file back end where Windows differs: hidden and system files, files held
// open by another program, read-only files, names beyond ASCII, and byte streams.
#define NOMINMAX
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "platform/files.h"

namespace {

std::wstring Wide(const std::u16string& text) { return std::wstring(text.begin(), text.end()); }

std::optional<std::string> ReadFileBytes(const std::u16string& path) {
  HANDLE file = CreateFileW(Wide(path).c_str(), GENERIC_READ,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::nullopt;
  std::string bytes;
  char buffer[4096];
  DWORD got = 0;
  while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) bytes.append(buffer, got);
  CloseHandle(file);
  return bytes;
}

void WriteFileBytes(const std::u16string& path, const std::string& bytes) {
  HANDLE file = CreateFileW(Wide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  DWORD written = 0;
  ASSERT_TRUE(WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr));
  ASSERT_EQ(written, bytes.size());
  ASSERT_TRUE(CloseHandle(file));
}

bool Exists(const std::u16string& path) {
  return GetFileAttributesW(Wide(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Each test gets an empty folder of its own under the temporary folder.
class Win32Files : public ::testing::Test {
 protected:
  void SetUp() override {
    wchar_t temp[MAX_PATH + 1];
    const DWORD length = GetTempPathW(MAX_PATH + 1, temp);
    ASSERT_GT(length, 0u);
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::wstring name =
        std::wstring(temp, length) + L"quillane-" + std::to_wstring(GetCurrentProcessId()) + L"-";
    for (const char* c = info->name(); *c != '\0'; ++c) name += static_cast<wchar_t>(*c);
    folder_.assign(name.begin(), name.end());
    ASSERT_TRUE(CreateDirectoryW(name.c_str(), nullptr)) << GetLastError();
  }

  void TearDown() override {
    const std::wstring folder = Wide(folder_);
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
      do {
        const std::wstring entry = folder + L"\\" + found.cFileName;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
          if (std::wstring(found.cFileName) != L"." && std::wstring(found.cFileName) != L"..") {
            RemoveDirectoryW(entry.c_str());
          }
          continue;
        }
        SetFileAttributesW(entry.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(entry.c_str());
      } while (FindNextFileW(search, &found));
      FindClose(search);
    }
    RemoveDirectoryW(folder.c_str());
  }

  std::u16string Path(const std::u16string& name) const { return folder_ + u'\\' + name; }

  // The names of the files in the folder, as Windows lists them.
  std::vector<std::u16string> Listing() const {
    std::vector<std::u16string> names;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((Wide(folder_) + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
      const std::wstring name = found.cFileName;
      names.emplace_back(name.begin(), name.end());
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return names;
  }

  std::u16string folder_;
};

const std::string kNew = "new contents";
const std::string kOld = "the old contents, longer than the new ones";

TEST_F(Win32Files, ReplacesHiddenAndSystemFilesAndKeepsTheirAttributes) {
  const struct {
    const char16_t* name;
    DWORD attributes;
  } cases[] = {
      {u"hidden.png", FILE_ATTRIBUTE_HIDDEN},
      {u"system.png", FILE_ATTRIBUTE_SYSTEM},
      {u"both.png", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.name, c.name + std::char_traits<char16_t>::length(c.name)));
    const std::u16string path = Path(c.name);
    WriteFileBytes(path, kOld);
    ASSERT_TRUE(SetFileAttributesW(Wide(path).c_str(), c.attributes));

    EXPECT_TRUE(ReplaceFileContents(path, kNew.data(), kNew.size()));
    EXPECT_EQ(ReadFileBytes(path), kNew);
    EXPECT_EQ(GetFileAttributesW(Wide(path).c_str()) & c.attributes, c.attributes);
  }
}

TEST_F(Win32Files, LeavesAReadOnlyFileAsItWas) {
  const std::u16string path = Path(u"read-only.svg");
  WriteFileBytes(path, kOld);
  ASSERT_TRUE(SetFileAttributesW(Wide(path).c_str(), FILE_ATTRIBUTE_READONLY));

  EXPECT_FALSE(ReplaceFileContents(path, kNew.data(), kNew.size()));
  EXPECT_EQ(OpenFileForWriting(path), nullptr);
  EXPECT_EQ(ReadFileBytes(path), kOld);
}

TEST_F(Win32Files, LeavesAFileAnotherProgramHoldsAsItWas) {
  const std::u16string path = Path(u"held.png");
  WriteFileBytes(path, kOld);
  // Held the way an image viewer holds it: reading, and letting nobody write or delete.
  HANDLE held = CreateFileW(Wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);

  EXPECT_FALSE(ReplaceFileContents(path, kNew.data(), kNew.size()));
  EXPECT_EQ(OpenFileForWriting(path), nullptr);
  EXPECT_FALSE(DeleteFileByName(path));
  CloseHandle(held);

  EXPECT_EQ(ReadFileBytes(path), kOld);
}

TEST_F(Win32Files, CreatesNothingWhereNoFileCanBe) {
  const std::u16string missing_folder = Path(u"no such folder");
  ASSERT_TRUE(CreateDirectoryW(Wide(Path(u"a folder")).c_str(), nullptr));
  const std::u16string cut_short = Path(u"name");
  const std::u16string with_nul = cut_short + u'\0' + u"tail.png";

  for (const std::u16string& path : {missing_folder + u"\\file.png", Path(u"a folder"), with_nul}) {
    EXPECT_FALSE(ReplaceFileContents(path, kNew.data(), kNew.size()));
    EXPECT_EQ(OpenFileForWriting(path), nullptr);
  }
  EXPECT_FALSE(Exists(missing_folder));
  EXPECT_FALSE(Exists(cut_short));
  EXPECT_NE(GetFileAttributesW(Wide(Path(u"a folder")).c_str()) & FILE_ATTRIBUTE_DIRECTORY, 0u);
  EXPECT_TRUE(Listing().empty());
}

TEST_F(Win32Files, NamesReachWindowsAsTheyAre) {
  const std::u16string names[] = {
      u"Schneeflocke äöüß.png",
      u"雪の結晶.svg",
      u"snow \U0001F328 cloud.png",  // beyond the BMP: a surrogate pair
      u"Ωmega ≈ ‰.svg",
  };
  for (const std::u16string& name : names) {
    const std::u16string path = Path(name);
    ASSERT_TRUE(ReplaceFileContents(path, kNew.data(), kNew.size()));
    EXPECT_EQ(Listing(), std::vector<std::u16string>{name});
    EXPECT_EQ(ReadFileBytes(path), kNew);

    EXPECT_TRUE(DeleteFileByName(path));
    EXPECT_TRUE(Listing().empty());
    EXPECT_FALSE(DeleteFileByName(path));

    std::FILE* stream = OpenFileForWriting(path);
    ASSERT_NE(stream, nullptr);
    std::fclose(stream);
    EXPECT_EQ(Listing(), std::vector<std::u16string>{name});
    EXPECT_TRUE(DeleteFileByName(path));
  }
}

TEST_F(Win32Files, StreamsWriteBytesUntranslated) {
  // Text mode would turn \n into \r\n and might stop at Ctrl-Z.
  const std::string bytes("\x89PNG\r\n\x1a\n\0line\nend\r\n", 18);
  const std::u16string path = Path(u"stream.png");
  WriteFileBytes(path, kOld);

  std::FILE* stream = OpenFileForWriting(path);
  ASSERT_NE(stream, nullptr);
  EXPECT_EQ(std::fwrite(bytes.data(), 1, bytes.size(), stream), bytes.size());
  EXPECT_EQ(std::fclose(stream), 0);
  EXPECT_EQ(ReadFileBytes(path), bytes);

  ASSERT_TRUE(ReplaceFileContents(path, bytes.data(), bytes.size()));
  EXPECT_EQ(ReadFileBytes(path), bytes);
}

}  // namespace
