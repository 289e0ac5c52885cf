// The order of the base classes' virtual operations: a plug-in built for a
// release calls the host's objects, and is called by the host, through table
// slots, so the order is part of each release's interface.
#include "host/HostRelease.h"
#include "host/ParamMap2.h"
#include "host/Texmap.h"

#include <cstdint>
#include <cstring>
#include <type_traits>
#include <vector>

#include <gtest/gtest.h>

namespace {

// The table slot of a virtual operation. Under the Itanium C++ ABI, which
// GCC follows on Linux and on Windows alike, a pointer to a virtual member
// function holds one plus the byte offset of its slot; a destructor fills
// two slots (complete object and deleting).
template <typename Member>
long slotOf(Member member) {
    static_assert(sizeof(Member) == 2 * sizeof(std::uintptr_t), "Itanium member pointer");
    std::uintptr_t word = 0;
    std::memcpy(&word, &member, sizeof word);
    EXPECT_EQ(word % sizeof(void*), 1u) << "not a virtual operation";
    return static_cast<long>((word - 1) / sizeof(void*));
}

constexpr bool kRelease12000 = HOST_SDK_RELEASE >= 12000;
constexpr long kAfterDestructor = 2;

// Reaches the one protected operation of the list.
struct TexmapTable : Texmap {
    static long setReferenceSlot() { return slotOf(&TexmapTable::SetReference); }
};

TEST(HostTableOrder, AnimatableBeginsWithTheDestructorThenTheClassIdentity) {
    if (kRelease12000) {
        EXPECT_EQ(slotOf(&Animatable::DeleteThis), kAfterDestructor);
        EXPECT_EQ(slotOf(&Animatable::GetClassName), kAfterDestructor + 1);
        EXPECT_EQ(slotOf(&Animatable::SuperClassID), kAfterDestructor + 2);
        EXPECT_EQ(slotOf(&Animatable::ClassID), kAfterDestructor + 3);
    } else {
        EXPECT_EQ(slotOf(&Animatable::GetClassName), kAfterDestructor);
        EXPECT_EQ(slotOf(&Animatable::SuperClassID), kAfterDestructor + 1);
        EXPECT_EQ(slotOf(&Animatable::ClassID), kAfterDestructor + 2);
        EXPECT_EQ(slotOf(&Animatable::DeleteThis), kAfterDestructor + 3);
    }
}

TEST(HostTableOrder, TexmapOperationsStandInTheHostsOrder) {
    struct Entry {
        const char* name;
        long slot;
    };
    // The operations a texture map overrides, in table order; the bases'
    // other operations may stand between them.
    std::vector<Entry> order = {
        {"GetClassName", slotOf(&Texmap::GetClassName)},
        {"SuperClassID", slotOf(&Texmap::SuperClassID)},
        {"ClassID", slotOf(&Texmap::ClassID)},
        {"NumSubs", slotOf(&Texmap::NumSubs)},
        {"SubAnim", slotOf(&Texmap::SubAnim)},
        {"SubAnimName", slotOf(&Texmap::SubAnimName)},
        {"SubNumToRefNum", slotOf(&Texmap::SubNumToRefNum)},
        {"RenderBegin", slotOf(&Texmap::RenderBegin)},
        {"RenderEnd", slotOf(&Texmap::RenderEnd)},
        {"NumParamBlocks", slotOf(&Texmap::NumParamBlocks)},
        {"GetParamBlock", slotOf(&Texmap::GetParamBlock)},
        {"GetParamBlockByID", slotOf(&Texmap::GetParamBlockByID)},
        {"NumRefs", slotOf(&Texmap::NumRefs)},
        {"GetReference", slotOf(&Texmap::GetReference)},
        {"SetReference", TexmapTable::setReferenceSlot()},
        {"NotifyRefChanged", slotOf(&Texmap::NotifyRefChanged)},
        {"Clone", slotOf(&Texmap::Clone)},
        {"Update", slotOf(&Texmap::Update)},
        {"Reset", slotOf(&Texmap::Reset)},
        {"Validity", slotOf(&Texmap::Validity)},
        {"CreateParamDlg", slotOf(&Texmap::CreateParamDlg)},
        {"SupportTexDisplay", slotOf(&Texmap::SupportTexDisplay)},
        {"GetActiveTexHandle", slotOf(&Texmap::GetActiveTexHandle)},
        {"ActivateTexDisplay", slotOf(&Texmap::ActivateTexDisplay)},
        {"EvalColor", slotOf(&Texmap::EvalColor)},
        {"EvalMono", slotOf(&Texmap::EvalMono)},
        {"EvalNormalPerturb", slotOf(&Texmap::EvalNormalPerturb)},
        {"GetUVTransform", slotOf(&Texmap::GetUVTransform)},
        {"GetTextureTiling", slotOf(&Texmap::GetTextureTiling)},
    };
    const Entry deleteThis = {"DeleteThis", slotOf(&Texmap::DeleteThis)};
    // Release 12000 has DeleteThis ahead of the class identity, earlier
    // releases right after it.
    order.insert(order.begin() + (kRelease12000 ? 0 : 3), deleteThis);

    EXPECT_EQ(order.front().slot, kAfterDestructor) << order.front().name;
    for (std::size_t i = 1; i < order.size(); ++i) {
        EXPECT_LT(order[i - 1].slot, order[i].slot)
            << order[i - 1].name << " should stand before " << order[i].name;
    }
}

TEST(HostTableOrder, SubMapFacetOperationsStandInTheHostsOrder) {
    const long order[] = {
        slotOf(&ISubMap::NumSubTexmaps),        slotOf(&ISubMap::GetSubTexmap),
        slotOf(&ISubMap::SetSubTexmap),         slotOf(&ISubMap::SubTexmapOn),
        slotOf(&ISubMap::GetSubTexmapSlotName),
    };
    for (std::size_t i = 1; i < std::size(order); ++i) {
        EXPECT_LT(order[i - 1], order[i]) << "operation " << i;
    }
}

TEST(HostTableOrder, UserDlgProcHasADestructorFirstOnlyFromRelease12000) {
    using Proc = ParamMap2UserDlgProc;
    EXPECT_EQ(std::has_virtual_destructor_v<Proc>, kRelease12000);
    const long first = kRelease12000 ? kAfterDestructor : 0;
    EXPECT_EQ(slotOf(&Proc::DlgProc), first);
    EXPECT_EQ(slotOf(&Proc::DeleteThis), first + 1);
    EXPECT_EQ(slotOf(&Proc::SetThing), first + 2);
    EXPECT_EQ(slotOf(static_cast<void (Proc::*)(TimeValue, Interval&, IParamMap2*)>(&Proc::Update)),
              first + 3);
    EXPECT_EQ(slotOf(static_cast<void (Proc::*)(TimeValue)>(&Proc::Update)), first + 4);
    EXPECT_EQ(slotOf(&Proc::SetParamBlock), first + 5);
}

} // namespace
