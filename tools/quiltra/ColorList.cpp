#include "tools/quiltra/ColorList.h"

#include <cmath>
#include <cstdlib>
#include <vector>

std::optional<AColor> parseColor(const std::string& text) {
    std::vector<float> components;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t comma = text.find(',', start);
        if (comma == std::string::npos) {
            comma = text.size();
        }
        const std::string item = text.substr(start, comma - start);
        char* end = nullptr;
        const float value = std::strtof(item.c_str(), &end);
        if (item.empty() || end != item.c_str() + item.size() || !std::isfinite(value)) {
            return std::nullopt;
        }
        components.push_back(value);
        start = comma + 1;
    }
    if (components.size() != 3 && components.size() != 4) {
        return std::nullopt;
    }
    return AColor(components[0], components[1], components[2],
                  components.size() == 4 ? components[3] : 1.0f);
}
