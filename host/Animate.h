#pragma once

#include "host/HostApi.h"
#include "host/WindowsTypes.h"

// The host's animate mode: while it is on, changes to animatable values
// become keys at the current time.
HOST_API void AnimateOn();
HOST_API void AnimateOff();
HOST_API BOOL Animating();
