#pragma once

namespace CLI {
class App;
}
class PluginSession;

// quiltra render: a preview picture of a scene of tiles shaded with a map
// made by the plug-in from the user's images.
void addRenderCommand(CLI::App& app, const PluginSession& plugin);
