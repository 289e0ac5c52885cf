#pragma once

#include "host/ReferenceTarget.h"

#include <vector>

// A target with a few reference slots of its own, which records what it is
// told and flags its destruction.
class Probe : public ReferenceTarget {
  public:
    explicit Probe(bool* destroyed = nullptr) : destroyedFlag(destroyed) {}
    ~Probe() override {
        if (destroyedFlag) {
            *destroyedFlag = true;
        }
    }
    SClass_ID SuperClassID() override { return 0x7E57; }
    Class_ID ClassID() override { return Class_ID(0x7E57, 0x7E57); }

    int NumRefs() override { return 3; }
    RefTargetHandle GetReference(int i) override { return i >= 0 && i < 3 ? slots[i] : nullptr; }
    RefResult NotifyRefChanged(const Interval&, RefTargetHandle hTarget, PartID&,
                               RefMessage message) override {
        messages.push_back({hTarget, message});
        return answer;
    }

    struct Message {
        RefTargetHandle from;
        RefMessage message;
    };
    std::vector<Message> messages;
    RefResult answer = REF_SUCCEED;
    RefTargetHandle slots[3] = {};

  protected:
    void SetReference(int i, RefTargetHandle target) override {
        if (i >= 0 && i < 3) {
            slots[i] = target;
        }
    }

  private:
    bool* destroyedFlag;
};

#include "host/Texmap.h"

// A texture map that flags its destruction.
class ProbeMap : public Texmap {
  public:
    explicit ProbeMap(bool* destroyed = nullptr) : destroyedFlag(destroyed) {}
    ~ProbeMap() override {
        if (destroyedFlag) {
            *destroyedFlag = true;
        }
    }
    Class_ID ClassID() override { return Class_ID(0x7E57, 0x3A9); }
    AColor EvalColor(ShadeContext&) override { return AColor(); }
    Point3 EvalNormalPerturb(ShadeContext&) override { return Point3(); }
    void Update(TimeValue, Interval&) override {}
    void Reset() override {}
    Interval Validity(TimeValue) override { return FOREVER; }
    ParamDlg* CreateParamDlg(HWND, IMtlParams*) override { return nullptr; }

  private:
    bool* destroyedFlag;
};
