#include "tools/quiltra/SampleCommand.h"

#include "host/INode.h"
#include "host/ShadeContext.h"
#include "host/Texmap.h"
#include "shading/Evaluation.h"
#include "tools/quiltra/ColorList.h"
#include "tools/quiltra/KeyList.h"
#include "tools/quiltra/MapOptions.h"

#include <CLI/CLI.hpp>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

// The sample's key stands for its material ID, its node and its face alike.
class KeyedNode : public INode {
  public:
    ULONG GetHandle() override { return key; }
    ULONG key = 0;
};

class KeyedContext : public ShadeContext {
  public:
    explicit KeyedContext(std::uint32_t key) {
        mtlNum = static_cast<int>(key);
        node.key = key;
        face = static_cast<int>(key);
    }
    INode* Node() override { return &node; }
    int FaceNumber() override { return face; }

    int picked = -1;

  private:
    KeyedNode node;
    int face = 0;
};

class PlainMap : public Texmap {
  public:
    void Update(TimeValue, Interval&) override {}
    void Reset() override {}
    Interval Validity(TimeValue) override { return FOREVER; }
    ParamDlg* CreateParamDlg(HWND, IMtlParams*) override { return nullptr; }
    RefResult NotifyRefChanged(const Interval&, RefTargetHandle, PartID&, RefMessage) override {
        return REF_SUCCEED;
    }
};

// A constant-colour sub-map that tells the context it was the one picked.
class ProbeColorMap : public PlainMap {
  public:
    ProbeColorMap(AColor c, int i) : color(c), index(i) {}
    Class_ID ClassID() override { return Class_ID(0x51A3C011, 0x1); }
    AColor EvalColor(ShadeContext& sc) override {
        static_cast<KeyedContext&>(sc).picked = index;
        return color;
    }
    Point3 EvalNormalPerturb(ShadeContext&) override { return Point3(); }

  private:
    AColor color;
    int index;
};

class SampledMap : public PlainMap {
  public:
    Class_ID ClassID() override { return Class_ID(0x51A3C011, 0x2); }
    AColor EvalColor(ShadeContext& sc) override { return ::EvalColor(*this, fields, sc); }
    float EvalMono(ShadeContext& sc) override { return ::EvalMono(*this, sc); }
    Point3 EvalNormalPerturb(ShadeContext& sc) override {
        return ::EvalNormalPerturb(*this, fields, sc);
    }
    ShadingFields fields;
};

struct SampleOptions {
    std::vector<std::string> colors;
    std::string keys = "1-10";
    MapSettings map;
};

int runSample(const SampleOptions& options) {
    std::vector<std::unique_ptr<ProbeColorMap>> subMaps;
    std::vector<Texmap*> table;
    for (const std::string& text : options.colors) {
        const auto color = parseColor(text);
        if (!color) {
            std::fprintf(stderr,
                         "quiltra sample: --color expects R,G,B or R,G,B,A as finite numbers, "
                         "got \"%s\"\n",
                         text.c_str());
            return 2;
        }
        subMaps.push_back(std::make_unique<ProbeColorMap>(*color, static_cast<int>(table.size())));
        table.push_back(subMaps.back().get());
    }
    const auto keys = parseKeyList(options.keys);
    if (!keys) {
        std::fprintf(stderr,
                     "quiltra sample: --keys expects a range such as 1-1000 or a list such as "
                     "3,7,9 of values from 0 to 4294967295, got \"%s\"\n",
                     options.keys.c_str());
        return 2;
    }

    const MapSettings& s = options.map;
    SampledMap map;
    map.fields.subMaps = table.empty() ? nullptr : table.data();
    map.fields.subMapCount = static_cast<int>(table.size());
    map.fields.rndBy = s.rndByValue();
    map.fields.rndSeed = s.seed;
    map.fields.outsideRender = FALSE;
    map.fields.variation = ColorVariation{s.allGamma,
                                          s.allHue,
                                          s.allSat,
                                          s.rndGamma,
                                          s.rndHue,
                                          s.rndSat,
                                          1.0f - s.occGamma * 0.01f,
                                          s.occHue * 0.01f,
                                          s.occSat * 0.01f};

    for (const std::uint32_t key : *keys) {
        KeyedContext sc(key);
        const AColor c = map.EvalColor(sc);
        const float mono = map.EvalMono(sc);
        std::printf("%u\t%d\t%.9g\t%.9g\t%.9g\t%.9g\t%.9g\n", key, sc.picked, c.r, c.g, c.b, c.a,
                    mono);
    }
    return std::fflush(stdout) == 0 ? 0 : 1;
}

} // namespace

void addSampleCommand(CLI::App& app) {
    auto options = std::make_shared<SampleOptions>();
    CLI::App* command = app.add_subcommand(
        "sample", "Evaluate the map for a list of keys with constant-colour sub-maps.\n"
                  "Prints: key, pick (-1 for none), r, g, b, a, mono; tab-separated.");
    command->add_option("--color", options->colors,
                        "A sub-map of this colour, R,G,B[,A]; once per sub-map, in order");
    command->add_option("--keys", options->keys, "Keys as a range 1-1000 or a list 3,7,9")
        ->capture_default_str();
    addMapOptions(*command, options->map);
    command->callback([options] { throw CLI::RuntimeError(runSample(*options)); });
}
