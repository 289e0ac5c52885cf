#pragma once

#include "host/ClassID.h"
#include "host/HostApi.h"
#include "host/MaxHeapOperators.h"
#include "host/WindowsTypes.h"

// The base of materials and texture maps.
class HOST_API MtlBase : public MaxHeapOperators {
  public:
    MtlBase() = default;
    virtual ~MtlBase() = default;

    virtual Class_ID ClassID() = 0;
    virtual SClass_ID SuperClassID() = 0;

    // The G-buffer ID the user gave the map; 0 when none.
    ULONG GetGBufID() const { return gbufID; }
    void SetGBufID(ULONG id) { gbufID = id; }

  private:
    ULONG gbufID = 0;
};
