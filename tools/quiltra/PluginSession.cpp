#include "tools/quiltra/PluginSession.h"

#include "host/ClassDesc.h"
#include "host/Texmap.h"
#include "tools/quiltra/ToolFolder.h"

#include <cstdlib>

namespace {

std::string defaultPluginPath() {
    if (const char* chosen = std::getenv("QUILTRA_PLUGIN"); chosen && *chosen) {
        return chosen;
    }
    return besideTheTool("Quiltra.dlt");
}

} // namespace

std::unique_ptr<PluginSession> PluginSession::Open(std::string& error) {
    std::unique_ptr<PluginSession> session(new PluginSession());
    session->path = defaultPluginPath();
    std::string why;
    session->library = PluginLibrary::Load(session->path, why);
    if (!session->library) {
        error = "cannot load the plug-in " + session->path + ": " + why;
        return nullptr;
    }
    if (session->library->NumberClasses() < 1 ||
        !(session->mapClass = session->library->ClassDescAt(0)) ||
        session->mapClass->SuperClassID() != TEXMAP_CLASS_ID) {
        error = "the plug-in " + session->path + " holds no texture map class";
        return nullptr;
    }
    return session;
}

Texmap* PluginSession::NewMap() const {
    return static_cast<Texmap*>(mapClass->Create(FALSE));
}
