#include "tests/windows/DialogResource.h"

#include <cctype>
#include <cstring>

namespace {

// Reads the template's fields in order, each aligned as the format wants.
class Reader {
  public:
    Reader(const BYTE* begin, DWORD size) : start(begin), at(begin), end(begin + size) {}

    bool ok() const { return at <= end; }

    template <typename Field>
    Field next() {
        Field value{};
        if (at + sizeof(Field) <= end) {
            std::memcpy(&value, at, sizeof(Field));
        }
        at += sizeof(Field);
        return value;
    }

    std::wstring string() {
        std::wstring text;
        for (WCHAR c = next<WCHAR>(); c != 0 && ok(); c = next<WCHAR>()) {
            text += c;
        }
        return text;
    }

    NameOrOrdinal nameOrOrdinal() {
        NameOrOrdinal field;
        const WORD first = next<WORD>();
        if (first == 0xFFFF) {
            field.ordinal = next<WORD>();
        } else if (first != 0) {
            field.name = std::wstring(1, static_cast<WCHAR>(first)) + string();
        }
        return field;
    }

    void alignTo(std::size_t boundary) {
        const std::size_t offset = static_cast<std::size_t>(at - start);
        at += (boundary - offset % boundary) % boundary;
    }

    void skip(std::size_t bytes) { at += bytes; }

  private:
    const BYTE* start;
    const BYTE* at;
    const BYTE* end;
};

} // namespace

std::optional<DialogResource> readDialogResource(HMODULE module, WORD id, WORD language) {
    HRSRC found = FindResourceExA(module, RT_DIALOG, MAKEINTRESOURCEA(id), language);
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const auto* bytes = loaded ? static_cast<const BYTE*>(LockResource(loaded)) : nullptr;
    if (!bytes) {
        return std::nullopt;
    }
    Reader in(bytes, SizeofResource(module, found));
    DialogResource dialog{};
    dialog.version = in.next<WORD>();
    dialog.signature = in.next<WORD>();
    if (dialog.version != 1 || dialog.signature != 0xFFFF) {
        return std::nullopt;
    }
    dialog.helpId = in.next<DWORD>();
    dialog.exStyle = in.next<DWORD>();
    dialog.style = in.next<DWORD>();
    const WORD count = in.next<WORD>();
    dialog.x = in.next<short>();
    dialog.y = in.next<short>();
    dialog.cx = in.next<short>();
    dialog.cy = in.next<short>();
    dialog.menu = in.nameOrOrdinal();
    dialog.windowClass = in.nameOrOrdinal();
    dialog.title = in.string();
    if (dialog.style & (DS_SETFONT | DS_SHELLFONT)) {
        dialog.pointSize = in.next<WORD>();
        dialog.weight = in.next<WORD>();
        dialog.italic = in.next<BYTE>();
        dialog.charset = in.next<BYTE>();
        dialog.typeface = in.string();
    }
    for (WORD i = 0; i < count && in.ok(); ++i) {
        in.alignTo(4);
        DialogItemResource item{};
        item.helpId = in.next<DWORD>();
        item.exStyle = in.next<DWORD>();
        item.style = in.next<DWORD>();
        item.x = in.next<short>();
        item.y = in.next<short>();
        item.cx = in.next<short>();
        item.cy = in.next<short>();
        item.id = in.next<DWORD>();
        item.windowClass = in.nameOrOrdinal();
        item.title = in.nameOrOrdinal();
        item.extraBytes = in.next<WORD>();
        in.skip(item.extraBytes);
        dialog.items.push_back(item);
    }
    if (!in.ok()) {
        return std::nullopt;
    }
    return dialog;
}

std::string classNameOf(const NameOrOrdinal& windowClass) {
    switch (windowClass.ordinal) {
    case 0x0080:
        return "BUTTON";
    case 0x0081:
        return "EDIT";
    case 0x0082:
        return "STATIC";
    case 0x0083:
        return "LISTBOX";
    case 0x0084:
        return "SCROLLBAR";
    case 0x0085:
        return "COMBOBOX";
    default:
        break;
    }
    std::string name;
    for (WCHAR c : windowClass.name) {
        name += static_cast<char>(std::toupper(static_cast<unsigned char>(c < 0x80 ? c : '?')));
    }
    return name;
}
