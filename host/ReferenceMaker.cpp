#include "host/ReferenceMaker.h"

#include "host/ReferenceTarget.h"

#include <algorithm>

ReferenceMaker::~ReferenceMaker() {
    // The object is mostly destroyed here, so SetReference is not called:
    // only the host's records go, and targets that nothing else references.
    const std::vector<ReferenceTarget*> held = std::move(links);
    links.clear();
    for (ReferenceTarget* target : held) {
        if (target) {
            target->removeDependent(this);
        }
    }
    for (ReferenceTarget* target : held) {
        if (target) {
            target->MaybeAutoDelete();
        }
    }
}

ReferenceTarget* ReferenceMaker::unlink(int which) {
    if (which < 0 || which >= static_cast<int>(links.size()) || !links[which]) {
        return nullptr;
    }
    ReferenceTarget* target = links[which];
    links[which] = nullptr;
    while (!links.empty() && !links.back()) {
        links.pop_back();
    }
    target->removeDependent(this);
    return target;
}

void ReferenceMaker::unlinkTarget(ReferenceTarget* target) {
    for (int slot = static_cast<int>(links.size()) - 1; slot >= 0; --slot) {
        if (slot < static_cast<int>(links.size()) && links[slot] == target) {
            unlink(slot);
            SetReference(slot, nullptr);
        }
    }
}

RefResult ReferenceMaker::ReplaceReference(int which, RefTargetHandle newtarg, BOOL delOld) {
    if (which < 0) {
        return REF_FAIL;
    }
    if (newtarg && newtarg->deleting) {
        return REF_FAIL;
    }
    // Link the new target first, so that a target that stays in the slot is
    // never left without a reference in between.
    if (newtarg) {
        newtarg->dependents.push_back(this);
    }
    ReferenceTarget* old = unlink(which);
    if (newtarg) {
        if (which >= static_cast<int>(links.size())) {
            links.resize(static_cast<std::size_t>(which) + 1, nullptr);
        }
        links[which] = newtarg;
    }
    SetReference(which, newtarg);
    if (old && old != newtarg && delOld) {
        old->MaybeAutoDelete();
    }
    return REF_SUCCEED;
}

RefResult ReferenceMaker::DeleteReference(int which) {
    if (which < 0) {
        return REF_FAIL;
    }
    ReferenceTarget* old = unlink(which);
    SetReference(which, nullptr);
    if (old) {
        old->MaybeAutoDelete();
    }
    return REF_SUCCEED;
}

RefResult ReferenceMaker::DeleteAllRefsFromMe() {
    while (!links.empty()) {
        DeleteReference(static_cast<int>(links.size()) - 1);
    }
    return REF_SUCCEED;
}
