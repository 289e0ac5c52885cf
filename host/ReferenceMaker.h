#pragma once

#include "host/Animatable.h"
#include "host/HostApi.h"
#include "host/Interval.h"
#include "host/RefTypes.h"

#include <vector>

class ISave;
class ILoad;

using IOResult = int;
constexpr IOResult IO_OK = 0;
constexpr IOResult IO_ERROR = 2;

// An object that holds references to targets. The host records every
// reference it makes through ReplaceReference: that record, not what the
// object later reports through GetReference, decides which targets the
// object keeps alive, so a target is deleted exactly when its last
// reference goes.
class HOST_API ReferenceMaker : public Animatable {
  public:
    ~ReferenceMaker() override;

    virtual int NumRefs() { return 0; }
    virtual RefTargetHandle GetReference(int) { return nullptr; }

  protected:
    // The host hands the object its reference which.
    virtual void SetReference(int, RefTargetHandle) {}

  public:
    // A target of this object changed or is being deleted.
    virtual RefResult NotifyRefChanged(const Interval& changeInt, RefTargetHandle hTarget,
                                       PartID& partID, RefMessage message) = 0;

    // Makes newtarg this object's reference which. The previous target loses
    // the reference and, when delOld is set and nothing else references it,
    // is deleted.
    RefResult ReplaceReference(int which, RefTargetHandle newtarg, BOOL delOld = TRUE);
    // Clears reference which; the target is deleted when nothing else references it.
    RefResult DeleteReference(int which);
    RefResult DeleteAllRefsFromMe();

    // The object's own data in a scene file; references are saved by the host.
    virtual IOResult Save(ISave*) { return IO_OK; }
    virtual IOResult Load(ILoad*) { return IO_OK; }

  private:
    friend class ReferenceTarget;

    // Drops the host's record of reference which, if any; returns the target.
    ReferenceTarget* unlink(int which);
    void unlinkTarget(ReferenceTarget* target);

    // The host's record, by reference number: a maker's references are
    // numbered densely from 0, so each operation on one costs the same
    // however many the maker holds.
    std::vector<ReferenceTarget*> links;
};
