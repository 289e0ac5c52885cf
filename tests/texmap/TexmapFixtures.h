#pragma once

#include "host/ClassDesc.h"
#include "host/ClassDirectory.h"
#include "host/IParamBlock2.h"
#include "host/Interface.h"
#include "host/RemapDir.h"
#include "host/SceneIO.h"
#include "host/Texmap.h"
#include "library/QuiltraClassDesc.h"
#include "library/StringLoader.h"
#include "texmap/ParamIds.h"
#include "texmap/Quiltra.h"

#include <dlfcn.h>
#include <gtest/gtest.h>

// The library's code is linked into this program, whose own dynamic symbols
// carry the string table: the program stands in for the loaded module.
class ModuleEnvironment : public ::testing::Environment {
  public:
    void SetUp() override {
        libInstance = static_cast<HINSTANCE>(dlopen(nullptr, RTLD_NOW));
        GetCOREInterface()->SetTime(0);
    }
};

// A sub-map of one colour that counts its updates, narrows the validity it
// is given by its own, counts how often the map asks for its block or its
// generator, and flags its destruction. Its class is registered, so scenes
// that hold it load again.
class RecordingMap : public Texmap {
  public:
    explicit RecordingMap(AColor c = AColor(0.25f, 0.5f, 0.75f, 1.0f), bool* destroyed = nullptr)
        : color(c), destroyedFlag(destroyed) {}
    ~RecordingMap() override {
        if (destroyedFlag) {
            *destroyedFlag = true;
        }
    }
    static constexpr Class_ID kClassID = Class_ID(0x7E57, 0x51B);
    Class_ID ClassID() override { return kClassID; }

    AColor EvalColor(ShadeContext&) override { return color; }
    Point3 EvalNormalPerturb(ShadeContext&) override { return Point3(); }
    void Update(TimeValue t, Interval& valid) override {
        ++updates;
        lastUpdate = t;
        valid &= validity;
    }
    void Reset() override {}
    Interval Validity(TimeValue) override { return validity; }
    ParamDlg* CreateParamDlg(HWND, IMtlParams*) override { return nullptr; }
    IParamBlock2* GetParamBlock(int) override {
        ++blockRequests;
        return nullptr;
    }
    UVGen* GetTheUVGen() override {
        ++generatorRequests;
        return nullptr;
    }
    RefTargetHandle Clone(RemapDir& remap) override {
        auto* clone = new RecordingMap(color);
        if (!clone) {
            return nullptr;
        }
        *static_cast<MtlBase*>(clone) = *this;
        BaseClone(this, clone, remap);
        ++clonesMade;
        return clone;
    }
    IOResult Save(ISave* isave) override {
        MtlBase::Save(isave);
        isave->WriteFloat("r", color.r);
        isave->WriteFloat("g", color.g);
        isave->WriteFloat("b", color.b);
        return IO_OK;
    }
    IOResult Load(ILoad* iload) override {
        return MtlBase::Load(iload) == IO_OK && iload->ReadFloat("r", color.r) &&
                       iload->ReadFloat("g", color.g) && iload->ReadFloat("b", color.b)
                   ? IO_OK
                   : IO_ERROR;
    }

    AColor color;
    Interval validity = FOREVER;
    int updates = 0;
    TimeValue lastUpdate = 0;
    int blockRequests = 0;
    int generatorRequests = 0;
    int clonesMade = 0;

  private:
    bool* destroyedFlag;
};

class RecordingMapDesc : public ClassDesc {
  public:
    int IsPublic() override { return FALSE; }
    void* Create(BOOL) override { return new RecordingMap(); }
    const MCHAR* ClassName() override { return "Recording"; }
    SClass_ID SuperClassID() override { return TEXMAP_CLASS_ID; }
    Class_ID ClassID() override { return RecordingMap::kClassID; }
    const MCHAR* Category() override { return ""; }
};

// A new map as the host creates one.
inline Quiltra* newMap(BOOL loading = FALSE) {
    return static_cast<Quiltra*>(quiltraDesc.Create(loading));
}

inline void appendSubMap(Quiltra& map, Texmap* subMap) {
    map.GetParamBlock(0)->Append(submaps, 1, &subMap);
}

inline void updateAt(Quiltra& map, TimeValue t) {
    Interval valid = FOREVER;
    map.Update(t, valid);
}
