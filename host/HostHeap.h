#pragma once

#include "host/HostApi.h"

// Makes the host heap refuse allocations, for trying what callers do when
// memory runs out: the next count allocations after skip successful ones fail.
HOST_API void FailHostAllocations(int count = 1, int skip = 0);
// How many allocations the host heap has refused so far.
HOST_API int RefusedHostAllocations();
