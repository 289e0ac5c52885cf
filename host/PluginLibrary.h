#pragma once

#include "host/HostApi.h"
#include "host/WindowsTypes.h"

#include <memory>
#include <string>

class ClassDesc;

// A plug-in library as the host loads it: the module, its entry function
// told of the attach, its six entry points found by name, and its classes
// registered so that scenes and CreateInstance can make their objects.
class HOST_API PluginLibrary {
  public:
    // Null with error set when the file is not a loadable plug-in.
    static std::unique_ptr<PluginLibrary> Load(const std::string& path, std::string& error);
    ~PluginLibrary();
    PluginLibrary(const PluginLibrary&) = delete;
    PluginLibrary& operator=(const PluginLibrary&) = delete;

    HINSTANCE Module() const { return module; }
    void* Symbol(const char* name) const;

    const char* Description() const { return libDescription(); }
    int NumberClasses() const { return libNumberClasses(); }
    ClassDesc* ClassDescAt(int i) const { return libClassDesc(i); }
    ULONG Version() const { return libVersion(); }
    int Initialize() const { return libInitialize(); }
    int Shutdown() const { return libShutdown(); }

  private:
    PluginLibrary() = default;

    HINSTANCE module = nullptr;
    const char* (*libDescription)() = nullptr;
    int (*libNumberClasses)() = nullptr;
    ClassDesc* (*libClassDesc)(int) = nullptr;
    ULONG (*libVersion)() = nullptr;
    int (*libInitialize)() = nullptr;
    int (*libShutdown)() = nullptr;
    BOOL (*dllMain)(HINSTANCE, DWORD, LPVOID) = nullptr;
};
