// "Reload files": every bitmap texture in the table reads its file again.
#include "host/BitmapTex.h"
#include "host/Interface.h"
#include "texmap/ParamIds.h"
#include "texmap/Quiltra.h"

void Quiltra::ReloadFiles() {
    const TimeValue t = GetCOREInterface()->GetTime();
    // The table itself, not the copy the last update made: a sub-map that
    // has left the table since is not touched.
    const int count = pblock ? pblock->Count(submaps) : 0;
    for (int i = 0; i < count; ++i) {
        Texmap* entry = nullptr;
        Interval entryValid = FOREVER;
        pblock->GetValue(submaps, t, entry, entryValid, i);
        if (entry && entry->ClassID() == BMTEX_CLASS_ID) {
            static_cast<BitmapTex*>(entry)->ReloadBitmapAndUpdate();
        }
    }
    Interval valid = FOREVER;
    Update(t, valid);
}
