#include "tools/quiltra/MapOptions.h"

#include <CLI/CLI.hpp>
#include <cmath>
#include <cstdlib>
#include <sstream>

namespace {

std::string formatNumber(double value) {
    std::ostringstream out;
    out << value;
    return out.str();
}

// Accepts a number within [lo, hi]; the message names what the flag takes.
CLI::Validator numberIn(double lo, double hi, bool integer) {
    const std::string accepts = std::string(integer ? "an integer" : "a number") + " from " +
                                formatNumber(lo) + " to " + formatNumber(hi);
    return CLI::Validator(
        [=](std::string& text) -> std::string {
            char* end = nullptr;
            const double value = integer ? static_cast<double>(std::strtol(text.c_str(), &end, 10))
                                         : std::strtod(text.c_str(), &end);
            if (text.empty() || end != text.c_str() + text.size() || !std::isfinite(value) ||
                value < lo || value > hi) {
                return "expects " + accepts + ", got \"" + text + "\"";
            }
            return std::string();
        },
        "[" + formatNumber(lo) + " to " + formatNumber(hi) + "]");
}

void addFloat(CLI::App& command, const char* flag, float& value, double lo, double hi,
              const char* meaning) {
    command.add_option(flag, value, meaning)->check(numberIn(lo, hi, false))->capture_default_str();
}

} // namespace

int MapSettings::rndByValue() const {
    if (rndBy == "object") {
        return 1;
    }
    if (rndBy == "face") {
        return 2;
    }
    return 0;
}

void addMapOptions(CLI::App& command, MapSettings& settings) {
    command.add_option("--rnd-by", settings.rndBy, "What picks the sub-map and tint")
        ->check(CLI::IsMember({"material", "object", "face"}))
        ->capture_default_str();
    command.add_option("--seed", settings.seed, "Multiplier of the key")
        ->check(numberIn(1, 99999, true))
        ->capture_default_str();
    addFloat(command, "--all-gamma", settings.allGamma, 0, 100, "Overall gamma exponent");
    addFloat(command, "--rnd-gamma", settings.rndGamma, 0, 100, "Random gamma span (+/-)");
    addFloat(command, "--occ-gamma", settings.occGamma, 0, 100, "Gamma distribution (%)");
    addFloat(command, "--all-hue", settings.allHue, -360, 360, "Overall hue shift (degrees)");
    addFloat(command, "--rnd-hue", settings.rndHue, 0, 360, "Random hue span (+/- degrees)");
    addFloat(command, "--occ-hue", settings.occHue, 0, 100, "Hue distribution (%)");
    addFloat(command, "--all-sat", settings.allSat, 0, 10000, "Overall saturation (%)");
    addFloat(command, "--rnd-sat", settings.rndSat, 0, 10000, "Random saturation span (+/- %)");
    addFloat(command, "--occ-sat", settings.occSat, 0, 100, "Saturation distribution (%)");
}
