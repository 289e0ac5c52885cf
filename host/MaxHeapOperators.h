#pragma once

#include "host/HostApi.h"

#include <cstddef>

// Objects handed between the host and plug-ins are allocated on the host's
// heap, so that whichever side deletes them frees them with the right heap.
// Allocation never throws: a new-expression on an exhausted heap yields null.
class HOST_API MaxHeapOperators {
  public:
    static void* operator new(std::size_t size) noexcept;
    static void* operator new[](std::size_t size) noexcept;
    static void operator delete(void* p) noexcept;
    static void operator delete[](void* p) noexcept;
    static void* operator new(std::size_t, void* place) noexcept { return place; }
    static void operator delete(void*, void*) noexcept {}
};
