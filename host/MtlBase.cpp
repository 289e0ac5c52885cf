#include "host/MtlBase.h"

#include "host/SceneIO.h"
#include "host/Texmap.h"

MtlBase& MtlBase::operator=(const MtlBase& other) {
    name = other.name;
    gbufID = other.gbufID;
    return *this;
}

void* MtlBase::GetInterface(InterfaceID id) {
    if (id == I_SUBMAP) {
        return static_cast<ISubMap*>(this);
    }
    return ReferenceTarget::GetInterface(id);
}

IOResult MtlBase::Save(ISave* isave) {
    isave->WriteString("name", name);
    isave->WriteInt("gbufID", static_cast<int>(gbufID));
    return IO_OK;
}

IOResult MtlBase::Load(ILoad* iload) {
    MSTR loadedName;
    int id = 0;
    if (!iload->ReadString("name", loadedName) || !iload->ReadInt("gbufID", id)) {
        return IO_ERROR;
    }
    name = loadedName;
    gbufID = static_cast<ULONG>(id);
    return IO_OK;
}

MSTR ISubMap::GetSubTexmapTVName(int i) {
    MSTR slot = GetSubTexmapSlotName(i);
    if (!slot.isNull()) {
        return slot;
    }
    Texmap* map = GetSubTexmap(i);
    return map ? map->GetName() : MSTR("None");
}
