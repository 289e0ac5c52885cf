#pragma once

#include <string>
#include <vector>

#include <windows.h>

// What a loaded module's image declares to the loader, read from its headers.

struct ImageExport {
    std::string name; // empty for an export by ordinal only
    WORD ordinal;
    DWORD address; // relative to the module's base
};

// Every export of the module: the named ones, then any ordinal that carries
// an address but no name.
std::vector<ImageExport> imageExports(HMODULE module);

// The names of the DLLs the module imports from, as the image spells them.
std::vector<std::string> imageImports(HMODULE module);

// The module's data directory entry (IMAGE_DIRECTORY_ENTRY_...).
IMAGE_DATA_DIRECTORY imageDirectory(HMODULE module, int entry);
