#pragma once

#include "host/HostApi.h"
#include "host/RefTypes.h"

#include <map>

// Keeps track of what one clone operation has cloned, so that every target
// is cloned once however many references reach it.
class HOST_API RemapDir {
  public:
    // The clone of target, made on first request; null for null.
    RefTargetHandle CloneRef(RefTargetHandle target);
    RefTargetHandle FindMapping(RefTargetHandle from) const;
    void AddEntry(RefTargetHandle from, RefTargetHandle to);

  private:
    std::map<RefTargetHandle, RefTargetHandle> clones;
};

// Clones target with everything it references.
HOST_API RefTargetHandle CloneRefHierarchy(RefTargetHandle target);
