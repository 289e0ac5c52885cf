#include "tests/windows/ImportHook.h"

#include <cstring>

ImportHook::ImportHook(HMODULE module, const char* dll, const char* function, void* replacement) {
    auto* base = reinterpret_cast<BYTE*>(module);
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* headers = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& directory =
        headers->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (directory.VirtualAddress == 0) {
        return;
    }
    for (auto* entry = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + directory.VirtualAddress);
         entry->Name != 0; ++entry) {
        if (_stricmp(reinterpret_cast<const char*>(base + entry->Name), dll) != 0) {
            continue;
        }
        // The names stay in the lookup table; the loader wrote the addresses
        // into the address table beside it.
        auto* names = reinterpret_cast<IMAGE_THUNK_DATA*>(base + entry->OriginalFirstThunk);
        auto* addresses = reinterpret_cast<IMAGE_THUNK_DATA*>(base + entry->FirstThunk);
        for (; names->u1.AddressOfData != 0; ++names, ++addresses) {
            if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) {
                continue;
            }
            const auto* byName =
                reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
            if (std::strcmp(reinterpret_cast<const char*>(byName->Name), function) == 0) {
                slot = reinterpret_cast<void**>(&addresses->u1.Function);
                original = *slot;
                write(replacement);
                return;
            }
        }
    }
}

ImportHook::~ImportHook() {
    if (slot) {
        write(original);
    }
}

void ImportHook::write(void* value) {
    DWORD previous = 0;
    VirtualProtect(slot, sizeof *slot, PAGE_READWRITE, &previous);
    *slot = value;
    VirtualProtect(slot, sizeof *slot, previous, &previous);
}
