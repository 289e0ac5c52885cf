#pragma once

#include "host/ClassID.h"
#include "host/HostApi.h"

class ClassDesc;

// The classes the host knows: its own and those of the plug-ins it loaded.
// Objects are made and scene files are read through it.
HOST_API void RegisterClassDesc(ClassDesc* cd);
HOST_API void UnregisterClassDesc(ClassDesc* cd);
HOST_API ClassDesc* FindClassDesc(SClass_ID superID, Class_ID classID);
