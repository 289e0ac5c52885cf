#pragma once

#include "host/HostApi.h"
#include "host/ReferenceMaker.h"

#include <vector>

class RemapDir;

// An object that others can reference. It tells its dependents of its
// changes and of its deletion.
class HOST_API ReferenceTarget : public ReferenceMaker {
  public:
    ~ReferenceTarget() override;

    RefResult NotifyRefChanged(const Interval&, RefTargetHandle, PartID&, RefMessage) override {
        return REF_SUCCEED;
    }

    // A copy of the object; its own targets are cloned through remap, so
    // that a target reached twice is cloned once.
    virtual RefTargetHandle Clone(RemapDir& remap);
    // Copies what the host keeps for every target; called at the end of Clone.
    virtual void BaseClone(ReferenceTarget* from, ReferenceTarget* to, RemapDir& remap);

    // Tells every dependent. A change is handed on from every dependent that
    // answers REF_SUCCEED to its own dependents.
    RefResult NotifyDependents(const Interval& changeInt, PartID partID, RefMessage message);

    int NumDependents() const { return static_cast<int>(dependents.size()); }
    ReferenceMaker* GetDependent(int i) const { return dependents[i]; }

    // Deletes the object: its dependents are told and lose their references
    // to it, its own references go, and then it is destroyed.
    RefResult DeleteMe();
    // Deletes the object when nothing references it any more.
    void MaybeAutoDelete();

  private:
    friend class ReferenceMaker;

    void removeDependent(ReferenceMaker* maker);
    void detachDependents(bool notify);

    std::vector<ReferenceMaker*> dependents; // one entry per reference
    bool deleting = false;
};
