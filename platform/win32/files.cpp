// Files by name on Windows: UTF-16 names go to the wide Windows calls as they are.
#define NOMINMAX
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "platform/files.h"

namespace {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows' wide characters are UTF-16 units");

// The name as Windows wants it; empty when it cannot name a file (a NUL inside would
// cut the name short and name another file).
std::wstring NativeName(const std::u16string& path) {
  if (path.find(u'\0') != std::u16string::npos) return {};
  return std::wstring(path.begin(), path.end());
}

// Windows refuses to open a read-only file for writing. Wine run as root does not, as
// its permission bits do not hold root back, so the attribute is asked first.
bool IsReadOnlyFile(const std::wstring& name) {
  const DWORD attributes = GetFileAttributesW(name.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0 &&
         (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

// WriteFile takes a 32-bit count; larger buffers go in pieces of at most this.
constexpr std::size_t kMaxWriteChunk = std::size_t{1} << 30;

}  // namespace

bool ReplaceFileContents(const std::u16string& path, const void* bytes, std::size_t size) {
  const std::wstring name = NativeName(path);
  if (name.empty() || IsReadOnlyFile(name)) return false;

  HANDLE file = CreateFileW(name.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                            CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    // CREATE_ALWAYS is refused for an existing hidden or system file whose attributes
    // the call does not repeat; emptying it in place keeps its attributes and works.
    file = CreateFileW(name.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, TRUNCATE_EXISTING,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
  }
  if (file == INVALID_HANDLE_VALUE) return false;

  bool ok = true;
  const char* next = static_cast<const char*>(bytes);
  std::size_t left = size;
  while (left > 0) {
    const DWORD chunk = static_cast<DWORD>(std::min(left, kMaxWriteChunk));
    DWORD written = 0;
    if (!WriteFile(file, next, chunk, &written, nullptr) || written == 0) {
      ok = false;
      break;
    }
    next += written;
    left -= written;
  }
  // A full disk or a lost network share can show itself as late as the close.
  if (!CloseHandle(file)) ok = false;
  if (!ok) DeleteFileW(name.c_str());
  return ok;
}

std::FILE* OpenFileForWriting(const std::u16string& path) {
  const std::wstring name = NativeName(path);
  if (name.empty() || IsReadOnlyFile(name)) return nullptr;
  return _wfopen(name.c_str(), L"wb");
}

bool DeleteFileByName(const std::u16string& path) {
  const std::wstring name = NativeName(path);
  return !name.empty() && DeleteFileW(name.c_str()) != 0;
}

char16_t PathSeparator() { return u'\\'; }
