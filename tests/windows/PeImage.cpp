#include "tests/windows/PeImage.h"

#include <algorithm>

namespace {

const BYTE* baseOf(HMODULE module) {
    return reinterpret_cast<const BYTE*>(module);
}

const IMAGE_NT_HEADERS* headersOf(HMODULE module) {
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(module);
    return reinterpret_cast<const IMAGE_NT_HEADERS*>(baseOf(module) + dos->e_lfanew);
}

} // namespace

IMAGE_DATA_DIRECTORY imageDirectory(HMODULE module, int entry) {
    const IMAGE_NT_HEADERS* headers = headersOf(module);
    if (static_cast<DWORD>(entry) >= headers->OptionalHeader.NumberOfRvaAndSizes) {
        return IMAGE_DATA_DIRECTORY{0, 0};
    }
    return headers->OptionalHeader.DataDirectory[entry];
}

std::vector<ImageExport> imageExports(HMODULE module) {
    std::vector<ImageExport> result;
    const IMAGE_DATA_DIRECTORY directory = imageDirectory(module, IMAGE_DIRECTORY_ENTRY_EXPORT);
    if (directory.VirtualAddress == 0) {
        return result;
    }
    const BYTE* base = baseOf(module);
    const auto* table =
        reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(base + directory.VirtualAddress);
    const auto* addresses = reinterpret_cast<const DWORD*>(base + table->AddressOfFunctions);
    const auto* names = reinterpret_cast<const DWORD*>(base + table->AddressOfNames);
    const auto* nameIndices = reinterpret_cast<const WORD*>(base + table->AddressOfNameOrdinals);

    std::vector<bool> named(table->NumberOfFunctions, false);
    for (DWORD i = 0; i < table->NumberOfNames; ++i) {
        const WORD index = nameIndices[i];
        named[index] = true;
        result.push_back({reinterpret_cast<const char*>(base + names[i]),
                          static_cast<WORD>(table->Base + index), addresses[index]});
    }
    for (DWORD index = 0; index < table->NumberOfFunctions; ++index) {
        if (!named[index] && addresses[index] != 0) {
            result.push_back({"", static_cast<WORD>(table->Base + index), addresses[index]});
        }
    }
    return result;
}

std::vector<std::string> imageImports(HMODULE module) {
    std::vector<std::string> result;
    const IMAGE_DATA_DIRECTORY directory = imageDirectory(module, IMAGE_DIRECTORY_ENTRY_IMPORT);
    if (directory.VirtualAddress == 0) {
        return result;
    }
    const BYTE* base = baseOf(module);
    for (const auto* entry =
             reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + directory.VirtualAddress);
         entry->Name != 0; ++entry) {
        const std::string name = reinterpret_cast<const char*>(base + entry->Name);
        if (std::find(result.begin(), result.end(), name) == result.end()) {
            result.push_back(name);
        }
    }
    return result;
}
