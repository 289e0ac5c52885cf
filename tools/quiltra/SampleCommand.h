#pragma once

namespace CLI {
class App;
}

// `quiltra sample`: evaluates the map for a list of keys, with constant-colour
// sub-maps, and prints one line per key.
void addSampleCommand(CLI::App& app);
