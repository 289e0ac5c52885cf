#pragma once

#include <string>

namespace CLI {
class App;
}

// The map's settings as the user types them into the rollout: degrees for
// hue, percent for saturation and for the three distributions.
struct MapSettings {
    float allGamma = 1.0f;
    float allHue = 0.0f;
    float allSat = 100.0f;
    float rndGamma = 0.0f;
    float rndHue = 0.0f;
    float rndSat = 0.0f;
    float occGamma = 50.0f;
    float occHue = 50.0f;
    float occSat = 50.0f;
    std::string rndBy = "material";
    int seed = 12345;

    int rndByValue() const;
};

// Adds --rnd-by, --seed and one flag per colour parameter, each with its
// range and the value of a newly created map as default.
void addMapOptions(CLI::App& command, MapSettings& settings);
