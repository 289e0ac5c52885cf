#pragma once

#include "host/CStr.h"
#include "host/ClassID.h"
#include "host/HostApi.h"
#include "host/ISubMap.h"
#include "host/Interval.h"
#include "host/ReferenceTarget.h"
#include "host/WindowsTypes.h"

class IMtlParams;
class ParamDlg;

// The base of materials and texture maps.
class HOST_API MtlBase : public ReferenceTarget, public ISubMap {
  public:
    MtlBase() = default;

    // Copies what the host keeps for every map: its name and G-buffer ID.
    MtlBase& operator=(const MtlBase& other);

    const MSTR& GetName() const { return name; }
    void SetName(const MCHAR* s) { name = s; }

    // The G-buffer ID the user gave the map; 0 when none.
    ULONG GetGBufID() const { return gbufID; }
    void SetGBufID(ULONG id) { gbufID = id; }

    // Brings the map up to date at t; valid is narrowed to the span over
    // which the map's state holds.
    virtual void Update(TimeValue t, Interval& valid) = 0;
    virtual void Reset() = 0;
    virtual Interval Validity(TimeValue t) = 0;
    virtual ParamDlg* CreateParamDlg(HWND hwMtlEdit, IMtlParams* imp) = 0;

    void* GetInterface(InterfaceID id) override;
    int MapSlotType(int) override { return MAPSLOT_TEXTURE; }
    ReferenceTarget* GetRefTarget() override { return this; }

    IOResult Save(ISave* isave) override;
    IOResult Load(ILoad* iload) override;

  private:
    MSTR name;
    ULONG gbufID = 0;
};
