#include "host/ReferenceMaker.h"

#include "host/ReferenceTarget.h"

#include <algorithm>

ReferenceMaker::~ReferenceMaker() {
    // The object is mostly destroyed here, so SetReference is not called:
    // only the host's records go, and targets that nothing else references.
    const std::vector<Link> held = std::move(links);
    links.clear();
    for (const Link& link : held) {
        link.target->removeDependent(this);
    }
    for (const Link& link : held) {
        link.target->MaybeAutoDelete();
    }
}

ReferenceTarget* ReferenceMaker::unlink(int which) {
    const auto found = std::find_if(links.begin(), links.end(),
                                    [which](const Link& l) { return l.slot == which; });
    if (found == links.end()) {
        return nullptr;
    }
    ReferenceTarget* target = found->target;
    links.erase(found);
    target->removeDependent(this);
    return target;
}

void ReferenceMaker::unlinkTarget(ReferenceTarget* target) {
    for (std::size_t i = 0; i < links.size();) {
        if (links[i].target == target) {
            const int slot = links[i].slot;
            links.erase(links.begin() + static_cast<std::ptrdiff_t>(i));
            target->removeDependent(this);
            SetReference(slot, nullptr);
        } else {
            ++i;
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
        links.push_back(Link{which, newtarg});
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
        DeleteReference(links.back().slot);
    }
    return REF_SUCCEED;
}
