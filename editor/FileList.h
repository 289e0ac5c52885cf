#pragma once

// Reading the result of the multi-select file dialog: NUL-terminated strings
// ended by an empty one. With one file picked, the first string is its full
// path and the name offset points at the name inside it; with several, the
// first string is their directory and the names follow it.
#include "host/WindowsTypes.h"

#include <cstddef>

// The separator of the paths the file dialog returns.
#if defined(_WIN32)
constexpr char kPathSeparator = '\\';
#else
constexpr char kPathSeparator = '/';
#endif

// Copies the directory part of the result into directory, size characters
// with the terminator: the first string, cut at nameOffset when the name
// lies inside it. A directory that does not fit is not copied: false, and
// directory is left empty.
bool ReadDirectory(const char* fileList, std::size_t listSize, WORD nameOffset, char* directory,
                   std::size_t size);

// Clears path, size characters, then composes in it the directory, the
// separator unless the directory ends with it, and the name. A path that
// does not fit is not composed: false, and path is left all NUL.
bool ComposePath(const char* directory, const char* name, char separator, char* path,
                 std::size_t size);

// Walks the picked names, in the dialog's order, never past the list's end.
class PickedNames {
  public:
    PickedNames(const char* fileList, std::size_t listSize, WORD nameOffset);
    // The next name; null after the last.
    const char* Next();

  private:
    const char* list;
    std::size_t size;
    std::size_t offset;
    bool single; // one file: its name is the end of the first string
};
