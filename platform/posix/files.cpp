// Files by name on POSIX systems: UTF-16 names become UTF-8 on disk.
//
// Implemented: replacing a file's contents with a full check of every write and of the
// close, opening a stdio stream for writing, deleting. An existing read-only file is
// refused and left as it was, as on Windows, even for root.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "platform/files.h"
#include "platform/utf.h"

namespace {

std::string NativeName(const std::u16string& path) { return Utf16ToUtf8(path); }

bool WriteAll(int fd, const char* bytes, std::size_t size) {
  while (size > 0) {
    const ssize_t written = ::write(fd, bytes, size);
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes += written;
    size -= static_cast<std::size_t>(written);
  }
  return true;
}

// Opens the file for writing, creating it or emptying it; -1 when that is not possible.
// A file nobody may write is the read-only file of Windows: root would be let through
// by the system, so the mode is checked here before anything is truncated.
int OpenForReplacing(const std::string& name) {
  if (name.empty() || name.find('\0') != std::string::npos) return -1;
  int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd >= 0 || errno != EEXIST) return fd;
  fd = ::open(name.c_str(), O_WRONLY | O_CLOEXEC);
  if (fd < 0) return -1;
  struct stat status;
  if (::fstat(fd, &status) != 0 || (status.st_mode & 0222) == 0 || ::ftruncate(fd, 0) != 0) {
    ::close(fd);
    return -1;
  }
  return fd;
}

}  // namespace

bool ReplaceFileContents(const std::u16string& path, const void* bytes, std::size_t size) {
  const std::string name = NativeName(path);
  const int fd = OpenForReplacing(name);
  if (fd < 0) return false;
  bool ok = WriteAll(fd, static_cast<const char*>(bytes), size);
  // A full disk can show itself as late as the close (on network file systems only
  // there), so the close answers too.
  if (::close(fd) != 0) ok = false;
  if (!ok) ::unlink(name.c_str());
  return ok;
}

std::FILE* OpenFileForWriting(const std::u16string& path) {
  const int fd = OpenForReplacing(NativeName(path));
  if (fd < 0) return nullptr;
  std::FILE* file = ::fdopen(fd, "wb");
  if (file == nullptr) ::close(fd);
  return file;
}

bool DeleteFileByName(const std::u16string& path) {
  const std::string name = NativeName(path);
  return !name.empty() && ::unlink(name.c_str()) == 0;
}

char16_t PathSeparator() { return u'/'; }
