#pragma once

#include <optional>
#include <string>
#include <vector>

#include <windows.h>

// An extended dialog template (DIALOGEX) as a module's resource holds it,
// read field by field. Classes and texts are either a name or an ordinal.

struct NameOrOrdinal {
    std::wstring name;
    WORD ordinal = 0; // when not 0, the field is this ordinal and name is empty
};

struct DialogItemResource {
    DWORD helpId;
    DWORD exStyle;
    DWORD style;
    short x, y, cx, cy;
    DWORD id;
    NameOrOrdinal windowClass;
    NameOrOrdinal title;
    WORD extraBytes;
};

struct DialogResource {
    WORD version;
    WORD signature;
    DWORD helpId;
    DWORD exStyle;
    DWORD style;
    short x, y, cx, cy;
    NameOrOrdinal menu;
    NameOrOrdinal windowClass;
    std::wstring title;
    WORD pointSize;
    WORD weight;
    BYTE italic;
    BYTE charset;
    std::wstring typeface;
    std::vector<DialogItemResource> items;
};

// Template id of module in language, or nothing when the module has none or
// it is not an extended template.
std::optional<DialogResource> readDialogResource(HMODULE module, WORD id, WORD language);

// The system's window class of a predefined ordinal (0x0080 "Button" ...),
// or the name itself; in upper case, since class names match without case.
std::string classNameOf(const NameOrOrdinal& windowClass);
