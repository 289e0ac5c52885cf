// The file dialog's result as "Open files" reads it: any bytes, any name
// offset, any length up to and past the file buffer's 260000 characters.
// Whatever the dialog wrote, no buffer is read or written past its end, and
// every sub-map made has a name and a path that fit the system's paths.
#include "host/BitmapTex.h"
#include "host/FileDialog.h"
#include "host/IParamBlock2.h"
#include "library/QuiltraClassDesc.h"
#include "texmap/ParamIds.h"
#include "texmap/Quiltra.h"

#include <cstdint>
#include <cstring>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3) {
        return 0;
    }
    WORD nameOffset = 0;
    std::memcpy(&nameOffset, data, sizeof nameOffset);
    // The third byte repeats the rest, so that short inputs reach long results.
    const int repeats = 1 + data[2] % 8 * (data[2] >= 128 ? 4096 : 1);
    std::string bytes;
    for (int i = 0; i < repeats && bytes.size() <= 270000; ++i) {
        bytes.append(reinterpret_cast<const char*>(data + 3), size - 3);
    }

    static Quiltra* map = static_cast<Quiltra*>(quiltraDesc.Create(FALSE));
    ResetFileDialogs();
    AnswerNextFileDialogWith(bytes, nameOffset);
    map->OpenFiles(nullptr);

    IParamBlock2* block = map->GetParamBlock(0);
    for (int i = 0; i < block->Count(submaps); ++i) {
        Texmap* entry = nullptr;
        Interval valid = FOREVER;
        block->GetValue(submaps, 0, entry, valid, i);
        const MCHAR* path = nullptr;
        if (!entry || !entry->GetParamBlock(0) ||
            !entry->GetParamBlock(0)->GetValue(BitmapTex::bmtex_filename, 0, path, valid) ||
            !path || std::strlen(path) >= MAX_PATH || entry->GetName().isNull()) {
            __builtin_trap();
        }
    }
    return 0;
}
