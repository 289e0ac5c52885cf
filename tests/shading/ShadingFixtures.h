#pragma once

#include "host/INode.h"
#include "host/ShadeContext.h"
#include "host/Texmap.h"
#include "shading/Evaluation.h"
#include "shading/Generator.h"

#include <atomic>
#include <cstdint>
#include <vector>

// A node with a fixed handle.
class FixedNode : public INode {
  public:
    explicit FixedNode(ULONG h) : handle(h) {}
    ULONG GetHandle() override { return handle; }
    ULONG handle;
};

// A shading sample whose keys are set by the test, counting what the map asks.
class SampleContext : public ShadeContext {
  public:
    INode* Node() override {
        ++nodeCalls;
        return node;
    }
    int FaceNumber() override {
        ++faceCalls;
        return face;
    }
    void SetGBufferID(int gbid) override {
        ++gBufferCalls;
        ShadeContext::SetGBufferID(gbid);
    }

    INode* node = nullptr;
    int face = 0;
    int nodeCalls = 0;
    int faceCalls = 0;
    int gBufferCalls = 0;
};

// A map with nothing to update or edit.
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

// A sub-map of one colour and one perturbation.
class ConstantMap : public PlainMap {
  public:
    explicit ConstantMap(AColor c, Point3 p = Point3()) : color(c), perturb(p) {}
    Class_ID ClassID() override { return Class_ID(0x7E57, 1); }
    AColor EvalColor(ShadeContext&) override {
        ++evaluations;
        return color;
    }
    Point3 EvalNormalPerturb(ShadeContext&) override {
        ++evaluations;
        return perturb;
    }
    AColor color;
    Point3 perturb;
    std::atomic<int> evaluations{0};
};

// A map whose shading fields the test sets directly.
class FieldsMap : public PlainMap {
  public:
    Class_ID ClassID() override { return Class_ID(0x7E57, 2); }
    AColor EvalColor(ShadeContext& sc) override { return ::EvalColor(*this, fields, sc); }
    float EvalMono(ShadeContext& sc) override { return ::EvalMono(*this, sc); }
    Point3 EvalNormalPerturb(ShadeContext& sc) override {
        return ::EvalNormalPerturb(*this, fields, sc);
    }

    void setSubMaps(std::vector<Texmap*> maps) {
        subMaps = std::move(maps);
        fields.subMaps = subMaps.empty() ? nullptr : subMaps.data();
        fields.subMapCount = static_cast<int>(subMaps.size());
    }

    ShadingFields fields;
    std::vector<Texmap*> subMaps;
};

// The distribution fractions of 50 % and the other values of a new map.
inline ColorVariation neutralVariation() {
    ColorVariation v{};
    v.allGamma = 1.0f;
    v.allSat = 100.0f;
    v.occGamma = 0.5f;
    v.occHue = 0.5f;
    v.occSat = 0.5f;
    return v;
}

// Draws after seeding, by the platform generator's definition, for checking
// where in its sequence an evaluation left the generator.
inline std::vector<int> referenceDraws(std::uint32_t seed, int count) {
    std::vector<int> draws;
    for (int i = 0; i < count; ++i) {
        seed = seed * 214013u + 2531011u;
        draws.push_back(static_cast<int>((seed >> 16) & 0x7FFF));
    }
    return draws;
}
