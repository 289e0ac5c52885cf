#pragma once

#include "host/CStr.h"
#include "host/ClassID.h"
#include "host/HostApi.h"
#include "host/HostRelease.h"
#include "host/MaxHeapOperators.h"
#include "host/ParamType.h"
#include "host/TimeValue.h"
#include "host/WindowsTypes.h"

class IParamBlock2;

// Identifies an interface an object can be asked for.
using InterfaceID = ULONG;
constexpr InterfaceID I_SUBMAP = 0x1050;

// Something the host can animate, show in its track view and delete.
class HOST_API Animatable : public MaxHeapOperators {
  public:
    Animatable() = default;
    Animatable(const Animatable&) = delete;
    Animatable& operator=(const Animatable&) = delete;
    // The virtual operations stand in the host's table order, which plug-ins
    // built for a release rely on.
    virtual ~Animatable();

    // Destroys the object and frees its memory. The host calls it; plug-ins
    // override it to free on their own heap. Release 12000 moved it up from
    // after the class identity.
    HOST_FROM_RELEASE_12000(virtual void DeleteThis();)

    virtual void GetClassName(MSTR& s);
    virtual SClass_ID SuperClassID() = 0;
    virtual Class_ID ClassID() = 0;

    HOST_BEFORE_RELEASE_12000(virtual void DeleteThis();)

    // The object's tracks in the track view.
    virtual int NumSubs() { return 0; }
    virtual Animatable* SubAnim(int) { return nullptr; }
    virtual MSTR SubAnimName(int) { return MSTR(); }
    virtual int SubNumToRefNum(int) { return -1; }

    // The renderer brackets every render with these two.
    virtual int RenderBegin(TimeValue, ULONG = 0) { return 0; }
    virtual int RenderEnd(TimeValue) { return 0; }

    virtual int NumParamBlocks() { return 0; }
    virtual IParamBlock2* GetParamBlock(int) { return nullptr; }
    virtual IParamBlock2* GetParamBlockByID(BlockID) { return nullptr; }

    // The interface the object offers under id, or null.
    virtual void* GetInterface(InterfaceID) { return nullptr; }
};
