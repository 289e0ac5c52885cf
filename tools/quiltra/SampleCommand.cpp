#include "tools/quiltra/SampleCommand.h"

#include "host/ClassDesc.h"
#include "host/IParamBlock2.h"
#include "host/SceneFile.h"
#include "host/Texmap.h"
#include "tools/quiltra/ColorList.h"
#include "tools/quiltra/KeyList.h"
#include "tools/quiltra/KeyedContext.h"
#include "tools/quiltra/MapOptions.h"
#include "tools/quiltra/PluginSession.h"
#include "tools/quiltra/ProbeColorMap.h"

#include <CLI/CLI.hpp>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

// The table's parameter in the map's block.
constexpr ParamID kSubMapTable = 0;
constexpr TimeValue kSampleTime = 0;

struct SampleOptions {
    explicit SampleOptions(ClassDesc& mapClass) : map(mapClass) {}

    std::vector<std::string> colors;
    std::string keys = "1-10";
    std::string saveTo;
    std::string loadFrom;
    MapOptions map;
};

// The map the sample runs on: loaded from a scene, or new with one probe
// sub-map per colour. Null after a message on stderr.
Texmap* makeMap(const SampleOptions& options, const PluginSession& plugin) {
    if (!options.loadFrom.empty()) {
        std::string error;
        ReferenceTarget* loaded = LoadScene(options.loadFrom, error);
        auto* map = dynamic_cast<Texmap*>(loaded);
        if (!map || !(map->ClassID() == plugin.MapClass().ClassID())) {
            if (loaded) {
                loaded->DeleteMe();
                error = options.loadFrom + ": holds no Varitile map";
            }
            std::fprintf(stderr, "quiltra sample: %s\n", error.c_str());
            return nullptr;
        }
        return map;
    }

    std::vector<AColor> colors;
    for (const std::string& text : options.colors) {
        const auto color = parseColor(text);
        if (!color) {
            std::fprintf(stderr,
                         "quiltra sample: --color expects R,G,B or R,G,B,A as finite numbers, "
                         "got \"%s\"\n",
                         text.c_str());
            return nullptr;
        }
        colors.push_back(*color);
    }
    Texmap* map = plugin.NewMap();
    if (!map) {
        std::fprintf(stderr, "quiltra sample: out of memory creating the map\n");
        return nullptr;
    }
    IParamBlock2* block = map->GetParamBlock(0);
    for (const AColor& color : colors) {
        Texmap* subMap = new ProbeColorMap(color);
        block->Append(kSubMapTable, 1, &subMap);
    }
    return map;
}

int printSamples(Texmap& map, const std::vector<std::uint32_t>& keys) {
    map.RenderBegin(kSampleTime, 0);
    for (const std::uint32_t key : keys) {
        KeyedContext sc(key);
        const AColor c = map.EvalColor(sc);
        const float mono = map.EvalMono(sc);
        int pick = -1;
        for (int i = 0; i < map.NumSubTexmaps() && sc.picked; ++i) {
            if (map.GetSubTexmap(i) == sc.picked) {
                pick = i;
                break;
            }
        }
        std::printf("%u\t%d\t%.9g\t%.9g\t%.9g\t%.9g\t%.9g\n", key, pick, c.r, c.g, c.b, c.a, mono);
    }
    map.RenderEnd(kSampleTime);
    return std::fflush(stdout) == 0 ? 0 : 1;
}

int runSample(const SampleOptions& options, const PluginSession& plugin) {
    const auto keys = parseKeyList(options.keys);
    if (!keys) {
        std::fprintf(stderr,
                     "quiltra sample: --keys expects a range such as 1-1000 or a list such as "
                     "3,7,9 of values from 0 to 4294967295, got \"%s\"\n",
                     options.keys.c_str());
        return 2;
    }
    Texmap* map = makeMap(options, plugin);
    if (!map) {
        return options.loadFrom.empty() ? 2 : 1;
    }
    options.map.ApplyTo(*map->GetParamBlock(0), kSampleTime);
    Interval valid = FOREVER;
    map->Update(kSampleTime, valid);

    int status = 0;
    if (!options.saveTo.empty()) {
        std::string error;
        if (!SaveScene(options.saveTo, map, error)) {
            std::fprintf(stderr, "quiltra sample: %s\n", error.c_str());
            status = 1;
        }
    }
    if (status == 0) {
        status = printSamples(*map, *keys);
    }
    map->DeleteMe();
    return status;
}

} // namespace

void addSampleCommand(CLI::App& app, const PluginSession& plugin) {
    registerProbeColorMap();
    auto options = std::make_shared<SampleOptions>(plugin.MapClass());
    CLI::App* command = app.add_subcommand(
        "sample", "Evaluate the map for a list of keys with constant-colour sub-maps.\n"
                  "Prints: key, pick (-1 for none), r, g, b, a, mono; tab-separated.");
    CLI::Option* colors =
        command->add_option("--color", options->colors,
                            "A sub-map of this colour, R,G,B[,A]; once per sub-map, in order");
    command->add_option("--keys", options->keys, "Keys as a range 1-1000 or a list 3,7,9")
        ->capture_default_str();
    command
        ->add_option("--save", options->saveTo,
                     "Save the map, after the flags are applied, to this scene file")
        ->type_name("FILE");
    command
        ->add_option("--load", options->loadFrom,
                     "Sample the map of this scene file; the flags given change it")
        ->type_name("FILE")
        ->excludes(colors);
    options->map.AddTo(*command);
    command->callback([options, &plugin] { throw CLI::RuntimeError(runSample(*options, plugin)); });
}
