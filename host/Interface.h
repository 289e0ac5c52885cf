#pragma once

#include "host/ClassID.h"
#include "host/HostApi.h"
#include "host/TimeValue.h"
#include "host/WindowsTypes.h"

// The host's core interface.
class HOST_API Interface {
  public:
    virtual ~Interface() = default;

    // The time slider's position.
    virtual TimeValue GetTime() = 0;
    virtual void SetTime(TimeValue t, BOOL redraw = TRUE) = 0;

    // A new object of the registered class, not referenced by anything;
    // null for an unknown class or when it cannot be made.
    virtual void* CreateInstance(SClass_ID superID, Class_ID classID) = 0;
};

HOST_API Interface* GetCOREInterface();
