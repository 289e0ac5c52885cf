#include "editor/FileList.h"

#include <cstring>

bool ReadDirectory(const char* fileList, std::size_t listSize, WORD nameOffset, char* directory,
                   std::size_t size) {
    if (size == 0) {
        return false;
    }
    directory[0] = '\0';
    const std::size_t first = strnlen(fileList, listSize);
    const std::size_t length = nameOffset < first ? nameOffset : first;
    if (length >= size) {
        return false;
    }
    std::memcpy(directory, fileList, length);
    directory[length] = '\0';
    return true;
}

bool ComposePath(const char* directory, const char* name, char separator, char* path,
                 std::size_t size) {
    std::memset(path, 0, size);
    const std::size_t directoryLength = std::strlen(directory);
    const std::size_t nameLength = std::strlen(name);
    const bool joined = directoryLength > 0 && directory[directoryLength - 1] == separator;
    const std::size_t length = directoryLength + (joined ? 0 : 1) + nameLength;
    if (length >= size) {
        return false;
    }
    char* end = path;
    std::memcpy(end, directory, directoryLength);
    end += directoryLength;
    if (!joined) {
        *end++ = separator;
    }
    std::memcpy(end, name, nameLength);
    return true;
}

PickedNames::PickedNames(const char* fileList, std::size_t listSize, WORD nameOffset)
    : list(fileList), size(listSize), offset(nameOffset),
      single(nameOffset < strnlen(fileList, listSize)) {}

const char* PickedNames::Next() {
    if (offset >= size) {
        return nullptr;
    }
    const char* name = list + offset;
    const std::size_t length = strnlen(name, size - offset);
    // An empty name ends the list; so does the end of the buffer.
    if (length == 0 || offset + length == size) {
        offset = size;
        return nullptr;
    }
    offset = single ? size : offset + length + 1;
    return name;
}
