#include "tools/quiltra/MapOptions.h"

#include "host/ClassDesc.h"
#include "host/IParamBlock2.h"
#include "host/ParamBlockDesc2.h"
#include "host/Texmap.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <iterator>
#include <sstream>

namespace {

struct FlagText {
    const char* internalName;
    const char* meaning;
    std::vector<std::string> choices;
};

// What the tool tells the user of each parameter; a parameter the tool does
// not know yet still gets its flag, described by its internal name.
const FlagText kFlagTexts[] = {
    {"all_gamma", "Overall gamma exponent", {}},
    {"all_hue", "Overall hue shift (degrees)", {}},
    {"all_sat", "Overall saturation (%)", {}},
    {"rnd_gamma", "Random gamma span (+/-)", {}},
    {"rnd_hue", "Random hue span (+/- degrees)", {}},
    {"rnd_sat", "Random saturation span (+/- %)", {}},
    {"occ_gamma", "Gamma distribution (%)", {}},
    {"occ_hue", "Hue distribution (%)", {}},
    {"occ_sat", "Saturation distribution (%)", {}},
    {"rnd_by", "What picks the sub-map and tint", {"material", "object", "face"}},
    {"seed", "Multiplier of the key", {}},
    {"blur", "Blur of the bitmap sub-maps", {}},
    {"filtering", "Filtering of the bitmap sub-maps", {"pyramidal", "summed-area", "none"}},
};

std::string formatNumber(double value) {
    std::ostringstream out;
    out << value;
    return out.str();
}

std::string flagName(const std::string& internalName) {
    std::string name = "--" + internalName;
    std::replace(name.begin(), name.end(), '_', '-');
    return name;
}

bool parseNumber(const std::string& text, bool integer, double& value) {
    char* end = nullptr;
    value = integer ? static_cast<double>(std::strtol(text.c_str(), &end, 10))
                    : static_cast<double>(std::strtof(text.c_str(), &end));
    return !text.empty() && end == text.c_str() + text.size() && std::isfinite(value);
}

// Accepts a number within [low, high]; the message names what the flag takes.
CLI::Validator numberIn(double low, double high, bool integer) {
    const std::string accepts = std::string(integer ? "an integer" : "a number") + " from " +
                                formatNumber(low) + " to " + formatNumber(high);
    return CLI::Validator(
        [=](std::string& text) -> std::string {
            double value = 0.0;
            if (!parseNumber(text, integer, value) || value < low || value > high) {
                return "expects " + accepts + ", got \"" + text + "\"";
            }
            return std::string();
        },
        "[" + formatNumber(low) + " to " + formatNumber(high) + "]");
}

} // namespace

MapOptions::MapOptions(ClassDesc& mapClass) {
    ParamBlockDesc2* desc =
        mapClass.NumParamBlockDescs() > 0 ? mapClass.GetParamBlockDesc(0) : nullptr;
    if (!desc) {
        return;
    }
    // A new map gives the defaults, reset values included.
    auto* fresh = static_cast<Texmap*>(mapClass.Create(FALSE));
    IParamBlock2* values = fresh ? fresh->GetParamBlock(0) : nullptr;
    for (int i = 0; i < desc->Count(); ++i) {
        const ParamDef& def = desc->ParamAt(i);
        if (def.type != TYPE_FLOAT && def.type != TYPE_INT) {
            continue;
        }
        Flag flag{def.ID, def.type, flagName(def.int_name), def.int_name, 0.0, 0.0, {}, {}};
        const auto text =
            std::find_if(std::begin(kFlagTexts), std::end(kFlagTexts),
                         [&](const FlagText& t) { return def.int_name == t.internalName; });
        if (text != std::end(kFlagTexts)) {
            flag.meaning = text->meaning;
            flag.choices = text->choices;
        }
        if (def.type == TYPE_FLOAT) {
            flag.low = def.hasRange ? def.rangeLowFloat : -HUGE_VALF;
            flag.high = def.hasRange ? def.rangeHighFloat : HUGE_VALF;
        } else {
            flag.low = def.hasRange ? def.rangeLowInt : INT32_MIN;
            flag.high = def.hasRange ? def.rangeHighInt : INT32_MAX;
        }
        Interval valid = FOREVER;
        if (def.type == TYPE_FLOAT) {
            float v = def.defaultFloat;
            if (values) {
                values->GetValue(def.ID, 0, v, valid);
            }
            flag.text = formatNumber(v);
        } else {
            int v = def.defaultInt;
            if (values) {
                values->GetValue(def.ID, 0, v, valid);
            }
            const bool named = v >= 0 && v < static_cast<int>(flag.choices.size());
            flag.text = named ? flag.choices[static_cast<std::size_t>(v)] : std::to_string(v);
        }
        flags.push_back(std::move(flag));
    }
    if (fresh) {
        fresh->DeleteMe();
    }
}

void MapOptions::AddTo(CLI::App& command) {
    for (Flag& flag : flags) {
        flag.option = command.add_option(flag.name, flag.text, flag.meaning)
                          ->capture_default_str()
                          ->type_name(flag.choices.empty() ? "NUMBER" : "NAME");
        if (!flag.choices.empty()) {
            flag.option->check(CLI::IsMember(flag.choices));
        } else {
            flag.option->check(numberIn(flag.low, flag.high, flag.type == TYPE_INT));
        }
    }
}

void MapOptions::ApplyTo(IParamBlock2& block, TimeValue t) const {
    for (const Flag& flag : flags) {
        if (!flag.option || flag.option->count() == 0) {
            continue;
        }
        if (!flag.choices.empty()) {
            const auto chosen = std::find(flag.choices.begin(), flag.choices.end(), flag.text);
            block.SetValue(flag.id, t, static_cast<int>(chosen - flag.choices.begin()));
            continue;
        }
        double value = 0.0;
        parseNumber(flag.text, flag.type == TYPE_INT, value);
        if (flag.type == TYPE_FLOAT) {
            block.SetValue(flag.id, t, static_cast<float>(value));
        } else {
            block.SetValue(flag.id, t, static_cast<int>(value));
        }
    }
}
