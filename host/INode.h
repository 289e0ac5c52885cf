#pragma once

#include "host/HostApi.h"
#include "host/WindowsTypes.h"

// A node of the scene: one object instance.
class HOST_API INode {
  public:
    virtual ~INode() = default;

    // The node's number, unique in its scene and stable for the node's life.
    virtual ULONG GetHandle() = 0;
};
