// Files by name. Names are UTF-16; each back end hands them to its system in its own form.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>

// Creates the file or empties an existing one (an existing hidden file too), writes
// `size` bytes and closes it. Answers false when the file cannot be opened, leaving an
// existing file as it was; and false when a write or the close fails after opening,
// in which case the partly written file is removed.
bool ReplaceFileContents(const std::u16string& path, const void* bytes, std::size_t size);

// Opens the file for writing as bytes, creating it or emptying an existing one; null
// when that is not possible.
std::FILE* OpenFileForWriting(const std::u16string& path);

// Removes the file; answers whether it is gone.
bool DeleteFileByName(const std::u16string& path);

// The separator between a folder and a name on this system.
char16_t PathSeparator();
