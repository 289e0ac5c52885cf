#pragma once

// The host's custom controls that rollout templates name by window class:
// "CustEdit", the edit field of a parameter, and "SpinnerControl", the small
// up and down arrows beside it. On Windows the host registers both as global
// window classes when its library is loaded, so that the system's dialog
// manager can make them for any plug-in's template; they show their text
// and their arrows. (Elsewhere rollouts have no controls.)
#include "host/HostApi.h"
#include "host/WindowsTypes.h"

#if defined(_WIN32)
constexpr const char* kCustEditClass = "CustEdit";
constexpr const char* kSpinnerClass = "SpinnerControl";

// Registers the two classes with module as their owner; true when both are
// registered (also when they already were).
HOST_API bool RegisterCustomControls(HINSTANCE module);
HOST_API void UnregisterCustomControls(HINSTANCE module);
#endif
