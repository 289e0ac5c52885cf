#include "host/ShadeContext.h"
#include "host/Texmap.h"
#include "shading/Evaluation.h"

#include <benchmark/benchmark.h>

namespace {

class KeyContext : public ShadeContext {
  public:
    INode* Node() override { return nullptr; }
    int FaceNumber() override { return mtlNum; }
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

class SolidMap : public PlainMap {
  public:
    Class_ID ClassID() override { return Class_ID(1, 1); }
    AColor EvalColor(ShadeContext&) override { return AColor(0.6f, 0.4f, 0.2f, 1.0f); }
    Point3 EvalNormalPerturb(ShadeContext&) override { return Point3(); }
};

class VariedMap : public PlainMap {
  public:
    Class_ID ClassID() override { return Class_ID(1, 2); }
    AColor EvalColor(ShadeContext& sc) override { return ::EvalColor(*this, fields, sc); }
    Point3 EvalNormalPerturb(ShadeContext& sc) override {
        return ::EvalNormalPerturb(*this, fields, sc);
    }
    ShadingFields fields;
};

// The sub-map's own sample: the reference the map's overhead is measured against.
void BM_SubMapSample(benchmark::State& state) {
    SolidMap solid;
    KeyContext sc;
    for (auto _ : state) {
        sc.ResetCache();
        sc.mtlNum++;
        benchmark::DoNotOptimize(solid.EvalColor(sc));
    }
}
BENCHMARK(BM_SubMapSample);

void BM_MapSample(benchmark::State& state) {
    SolidMap solid;
    Texmap* table[] = {&solid};
    VariedMap map;
    map.fields.subMaps = table;
    map.fields.subMapCount = 1;
    map.fields.rndSeed = 12345;
    map.fields.outsideRender = FALSE;
    map.fields.variation = ColorVariation{1.0f, 0.0f, 100.0f, 0.2f, 15.0f, 10.0f, 0.5f, 0.5f, 0.5f};
    KeyContext sc;
    for (auto _ : state) {
        sc.ResetCache();
        sc.mtlNum++;
        benchmark::DoNotOptimize(map.EvalColor(sc));
    }
}
BENCHMARK(BM_MapSample);

} // namespace

BENCHMARK_MAIN();
