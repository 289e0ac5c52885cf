#pragma once

#include "host/ParamType.h"
#include "host/TimeValue.h"

#include <string>
#include <vector>

namespace CLI {
class App;
class Option;
} // namespace CLI

class ClassDesc;
class IParamBlock2;

// One flag per number of the map's parameter block, made from the plug-in's
// own block descriptor: the flag is the parameter's internal name
// (all_gamma gives --all-gamma), its range the parameter's, its default the
// value of a newly created map. Choices given by radio buttons (rnd_by,
// filtering) take names.
class MapOptions {
  public:
    // Null-safe: a class without a parameter block gives no flags.
    explicit MapOptions(ClassDesc& mapClass);

    void AddTo(CLI::App& command);
    // Sets the parameters whose flags were given; the others keep the map's values.
    void ApplyTo(IParamBlock2& block, TimeValue t) const;

  private:
    struct Flag {
        ParamID id;
        int type; // TYPE_FLOAT or TYPE_INT
        std::string name;
        std::string meaning;
        double low, high;
        std::vector<std::string> choices; // for a radio: one name per button
        std::string text;                 // what the user typed, or the default
        CLI::Option* option = nullptr;
    };
    std::vector<Flag> flags;
};
