#pragma once

#include "host/CStr.h"
#include "host/HostApi.h"

class ParamDlg;
class ReferenceTarget;
class Texmap;

constexpr int MAPSLOT_TEXTURE = 0;

// The sub-maps of a material or texture map, as the material editor walks them.
class HOST_API ISubMap {
  public:
    virtual ~ISubMap() = default;

    virtual int NumSubTexmaps() { return 0; }
    virtual Texmap* GetSubTexmap(int) { return nullptr; }
    virtual int MapSlotType(int) = 0;
    virtual void SetSubTexmap(int, Texmap*) {}
    virtual int SubTexmapOn(int) { return 1; }
    virtual MSTR GetSubTexmapSlotName(int) { return MSTR(); }
    virtual BOOL SetDlgThing(ParamDlg*) { return FALSE; }
    virtual ReferenceTarget* GetRefTarget() = 0;

    // The track-view name of sub-map i: its slot name, or else the
    // sub-map's own name, or "None" for an empty slot.
    MSTR GetSubTexmapTVName(int i);
};
