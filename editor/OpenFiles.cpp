// "Open files": the table of sub-maps replaced by one new bitmap texture per
// file picked in the file dialog.
#include "editor/FileDialog.h"
#include "editor/FileList.h"
#include "host/BitmapTex.h"
#include "host/FilterList.h"
#include "host/Interface.h"
#include "texmap/ParamIds.h"
#include "texmap/Quiltra.h"

#include <memory>
#include <new>

namespace {

// Room for the names of a few thousand files picked at once.
constexpr DWORD kFileListSize = 260000;
constexpr DWORD kOpenFlags =
    OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_ALLOWMULTISELECT | OFN_HIDEREADONLY;
static_assert(kOpenFlags == 0x81A04, "the dialog's flags");

} // namespace

void Quiltra::OpenFiles(HWND owner) {
    if (!pblock) {
        return;
    }
    // Zeroed whole, not only its first character (no file name to start
    // with): whatever the dialog leaves unterminated ends within the buffer
    // at a known place.
    const std::unique_ptr<char[]> fileList(new (std::nothrow) char[kFileListSize]());
    if (!fileList) {
        return;
    }
    char directory[MAX_PATH];
    char path[MAX_PATH];

    FilterList filter;
    filter.Append("All files");
    filter.Append("*.*");
    filter.Append("");
    filter.Append("");

    OPENFILENAMEA request = {};
    request.lStructSize = sizeof request;
    request.hwndOwner = owner;
    request.lpstrFilter = filter;
    request.lpstrFile = fileList.get();
    request.nMaxFile = kFileListSize;
    request.lpstrTitle = "Open file(s)";
    request.Flags = kOpenFlags;
    request.FlagsEx = OFN_EX_NOPLACESBAR;
    if (!ShowOpenFileDialog(request)) {
        return;
    }

    // A directory or a path longer than the system's paths leaves its files out.
    const bool directoryFits =
        ReadDirectory(fileList.get(), kFileListSize, request.nFileOffset, directory, MAX_PATH);
    Interface* core = GetCOREInterface();
    const TimeValue t = core->GetTime();
    pblock->ZeroCount(submaps);
    PickedNames names(fileList.get(), kFileListSize, request.nFileOffset);
    for (const char* name = names.Next(); name; name = names.Next()) {
        if (!directoryFits || !ComposePath(directory, name, kPathSeparator, path, MAX_PATH)) {
            continue;
        }
        Texmap* bitmap =
            static_cast<Texmap*>(core->CreateInstance(TEXMAP_CLASS_ID, BMTEX_CLASS_ID));
        if (!bitmap) {
            continue;
        }
        bitmap->SetName(name);
        if (IParamBlock2* bitmapBlock = bitmap->GetParamBlock(0)) {
            bitmapBlock->SetValue(BitmapTex::bmtex_filename, t, path, 0);
        }
        pblock->Append(submaps, 1, &bitmap, 0);
    }
    Interval valid = FOREVER;
    Update(t, valid);
}
