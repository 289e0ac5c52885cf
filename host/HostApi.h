#pragma once

// Marks the classes and functions that the host's libraries export to plug-ins.
#if defined(_WIN32)
#if defined(HOST_BUILDING_LIBRARY)
#define HOST_API __declspec(dllexport)
#else
#define HOST_API __declspec(dllimport)
#endif
#else
#define HOST_API __attribute__((visibility("default")))
#endif
