#include "host/ReferenceTarget.h"

#include "host/RemapDir.h"

#include <algorithm>

ReferenceTarget::~ReferenceTarget() {
    // Deleted without DeleteMe: the dependents still lose their references.
    deleting = true;
    detachDependents(false);
}

RefTargetHandle ReferenceTarget::Clone(RemapDir&) {
    return nullptr;
}

void ReferenceTarget::BaseClone(ReferenceTarget*, ReferenceTarget*, RemapDir&) {}

RefResult ReferenceTarget::NotifyDependents(const Interval& changeInt, PartID partID,
                                            RefMessage message) {
    // A maker that references this target twice is told once.
    std::vector<ReferenceMaker*> notified;
    for (ReferenceMaker* maker : dependents) {
        if (std::find(notified.begin(), notified.end(), maker) == notified.end()) {
            notified.push_back(maker);
        }
    }
    for (ReferenceMaker* maker : notified) {
        // An earlier dependent's answer may have dropped this one.
        if (std::find(dependents.begin(), dependents.end(), maker) == dependents.end()) {
            continue;
        }
        PartID part = partID;
        const RefResult result = maker->NotifyRefChanged(changeInt, this, part, message);
        if (message == REFMSG_CHANGE && result == REF_SUCCEED) {
            if (auto* target = dynamic_cast<ReferenceTarget*>(maker)) {
                target->NotifyDependents(changeInt, part, message);
            }
        }
    }
    return REF_SUCCEED;
}

void ReferenceTarget::detachDependents(bool notify) {
    if (notify) {
        NotifyDependents(FOREVER, PART_ALL, REFMSG_TARGET_DELETED);
    }
    while (!dependents.empty()) {
        dependents.back()->unlinkTarget(this);
    }
}

RefResult ReferenceTarget::DeleteMe() {
    if (deleting) {
        return REF_SUCCEED;
    }
    deleting = true;
    detachDependents(true);
    DeleteAllRefsFromMe();
    DeleteThis();
    return REF_SUCCEED;
}

void ReferenceTarget::MaybeAutoDelete() {
    if (dependents.empty() && !deleting) {
        DeleteMe();
    }
}

void ReferenceTarget::removeDependent(ReferenceMaker* maker) {
    const auto found = std::find(dependents.begin(), dependents.end(), maker);
    if (found != dependents.end()) {
        dependents.erase(found);
    }
}

RefTargetHandle RemapDir::CloneRef(RefTargetHandle target) {
    if (!target) {
        return nullptr;
    }
    if (RefTargetHandle done = FindMapping(target)) {
        return done;
    }
    RefTargetHandle clone = target->Clone(*this);
    AddEntry(target, clone);
    return clone;
}

RefTargetHandle RemapDir::FindMapping(RefTargetHandle from) const {
    const auto found = clones.find(from);
    return found == clones.end() ? nullptr : found->second;
}

void RemapDir::AddEntry(RefTargetHandle from, RefTargetHandle to) {
    clones[from] = to;
}

RefTargetHandle CloneRefHierarchy(RefTargetHandle target) {
    RemapDir remap;
    return remap.CloneRef(target);
}
