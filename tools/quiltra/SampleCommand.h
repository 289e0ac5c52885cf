#pragma once

namespace CLI {
class App;
}
class PluginSession;

// quiltra sample: evaluates a map made by the plug-in over a list of keys.
void addSampleCommand(CLI::App& app, const PluginSession& plugin);
