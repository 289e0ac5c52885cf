#pragma once

#include "host/PluginLibrary.h"

#include <memory>
#include <string>

class ClassDesc;
class Texmap;

// The plug-in as the host loads it, for the tool's commands: the module
// Quiltra.dlt from beside the tool (or from QUILTRA_PLUGIN), and its map class.
class PluginSession {
  public:
    // Null with error set when the module is missing or not a plug-in.
    static std::unique_ptr<PluginSession> Open(std::string& error);

    ClassDesc& MapClass() const { return *mapClass; }
    // A new map as the host creates one; null when the host heap refused it.
    Texmap* NewMap() const;
    const std::string& Path() const { return path; }

  private:
    PluginSession() = default;

    std::string path;
    std::unique_ptr<PluginLibrary> library;
    ClassDesc* mapClass = nullptr;
};
