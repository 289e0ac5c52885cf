#include "host/Animate.h"
#include "host/HostHeap.h"
#include "host/ParamMap2.h"
#include "host/ShadeContext.h"
#include "host/TexHandle.h"
#include "tests/texmap/TexmapFixtures.h"
#include "texmap/ParamBlock.h"

#include <cstdlib>
#include <vector>

namespace {

// A shading sample for a material ID.
class MaterialSample : public ShadeContext {
  public:
    explicit MaterialSample(int id) { mtlNum = id; }
    INode* Node() override { return nullptr; }
    int FaceNumber() override { return 0; }
};

struct ResetValue {
    ParamID id;
    float value; // integers too: every reset value is exact in a float
};
// The values of a new map: the random spans start at zero.
const ResetValue kResetValues[] = {
    {all_gamma, 1.0f}, {all_hue, 0.0f},    {all_sat, 100.0f}, {rnd_gamma, 0.0f}, {rnd_hue, 0.0f},
    {rnd_sat, 0.0f},   {occ_gamma, 50.0f}, {occ_hue, 50.0f},  {occ_sat, 50.0f},  {rnd_by, 0.0f},
    {seed, 12345.0f},  {blur, 1.0f},       {filtering, 0.0f},
};

void expectResetValues(IParamBlock2& block) {
    for (const ResetValue& r : kResetValues) {
        Interval valid = FOREVER;
        const int type = block.GetDesc()->GetParamDef(r.id).type;
        if (type == TYPE_INT) {
            int v = -1;
            block.GetValue(r.id, 0, v, valid);
            EXPECT_EQ(v, static_cast<int>(r.value)) << "parameter " << r.id;
        } else {
            float v = -1.0f;
            block.GetValue(r.id, 0, v, valid);
            EXPECT_EQ(v, r.value) << "parameter " << r.id;
        }
    }
    EXPECT_EQ(block.Count(submaps), 0);
}

TEST(MapLifeCycle, CreateGivesTheSameNewMapWhetherLoadingOrNot) {
    for (BOOL loading : {FALSE, TRUE}) {
        Quiltra* map = newMap(loading);
        ASSERT_NE(map, nullptr);
        IParamBlock2* block = map->GetParamBlock(0);
        ASSERT_NE(block, nullptr);
        EXPECT_EQ(block->ID(), kParamsBlockId);
        expectResetValues(*block);

        EXPECT_EQ(map->NumRefs(), 1);
        EXPECT_EQ(map->NumSubs(), 1);
        EXPECT_EQ(map->NumSubTexmaps(), 0);
        EXPECT_EQ(map->GetReference(0), block);
        EXPECT_EQ(map->SubAnim(0), block);
        EXPECT_STREQ(map->SubAnimName(0).data(), "Parameters");
        EXPECT_NE(map->shading.outsideRender, 0);
        EXPECT_TRUE(map->ivalid.Empty());
        EXPECT_EQ(map->shading.subMaps, nullptr);

        EXPECT_EQ(map->GetTextureTiling(), 3);
        Matrix3 uv;
        uv.SetRow(3, Point3(1.0f, 2.0f, 3.0f));
        map->GetUVTransform(uv);
        EXPECT_TRUE(uv.IsIdentity());
        for (int i : {-1, 0, 1, 100}) {
            EXPECT_TRUE(map->GetSubTexmapSlotName(i).isNull()) << i;
        }
        MSTR name;
        map->GetClassName(name);
        EXPECT_STREQ(name.data(), "Varitile");
        map->DeleteMe();
    }
}

TEST(MapLifeCycle, CreateGivesNoneWhenTheHostHeapRefuses) {
    const int refusedBefore = RefusedHostAllocations();
    FailHostAllocations(1);
    EXPECT_EQ(quiltraDesc.Create(FALSE), nullptr);
    EXPECT_EQ(RefusedHostAllocations(), refusedBefore + 1);
    FailHostAllocations(0);
}

TEST(MapLifeCycle, EveryLaterRefusedAllocationLeavesAUsableMapOrNone) {
    // Refuse the k-th host allocation of creating, filling, updating and
    // cloning a map, for every k up to the first run that refuses nothing.
    for (int skip = 0;; ++skip) {
        const int refusedBefore = RefusedHostAllocations();
        FailHostAllocations(1, skip);
        Quiltra* map = newMap();
        if (map) {
            // A map whose block could not be made shades as an empty list.
            if (map->GetParamBlock(0)) {
                appendSubMap(*map, new RecordingMap());
                appendSubMap(*map, nullptr);
            }
            updateAt(*map, 0);
            MaterialSample sc(7);
            const AColor c = map->EvalColor(sc);
            EXPECT_TRUE(c.a == 1.0f || map->NumSubTexmaps() == 0) << "skip " << skip;
            RemapDir remap;
            if (auto* clone = static_cast<Quiltra*>(remap.CloneRef(map))) {
                updateAt(*clone, 0);
                clone->DeleteMe();
            }
            map->DeleteMe();
        }
        const bool refusedOne = RefusedHostAllocations() > refusedBefore;
        FailHostAllocations(0);
        if (!refusedOne) {
            EXPECT_GT(skip, 1) << "creating a map allocates more than once";
            break;
        }
    }
}

TEST(MapLifeCycle, ResetDeletesFiveSubMapsAndRestoresTheNewMapsValues) {
    Quiltra* map = newMap();
    bool destroyed[5] = {};
    for (bool& flag : destroyed) {
        appendSubMap(*map, new RecordingMap(AColor(1, 0, 0, 1), &flag));
    }
    IParamBlock2* block = map->GetParamBlock(0);
    block->SetValue(rnd_hue, 0, 90.0f);
    block->SetValue(seed, 0, 4711);
    updateAt(*map, 0);
    ASSERT_EQ(map->NumRefs(), 6);

    map->Reset();
    for (int i = 0; i < 5; ++i) {
        EXPECT_TRUE(destroyed[i]) << "sub-map " << i;
    }
    EXPECT_EQ(map->shading.subMapCount, 0);
    EXPECT_EQ(map->shading.subMaps, nullptr);
    EXPECT_EQ(map->NumRefs(), 1);
    EXPECT_TRUE(map->ivalid.Empty());
    EXPECT_EQ(map->GetParamBlock(0), block);
    expectResetValues(*block);
    map->DeleteMe();
}

TEST(MapLifeCycle, RenderBracketSwitchesTheRenderKeys) {
    Quiltra* map = newMap();
    map->RenderBegin(10, 1);
    EXPECT_NE(map->shading.outsideRender, 0) << "a bracket with flags is not a render";
    map->RenderBegin(10, 0);
    EXPECT_EQ(map->shading.outsideRender, 0);
    map->RenderEnd(10);
    EXPECT_NE(map->shading.outsideRender, 0);
    map->DeleteMe();
}

TEST(MapLifeCycle, CloneOfTwoSubMapsClonesEachOnceAndTheBlock) {
    Quiltra* map = newMap();
    auto* first = new RecordingMap(AColor(1, 0, 0, 1));
    auto* second = new RecordingMap(AColor(0, 1, 0, 1));
    appendSubMap(*map, first);
    appendSubMap(*map, second);
    map->GetParamBlock(0)->SetValue(rnd_gamma, 0, 0.4f);
    map->SetName("Floor boards");
    updateAt(*map, 0);

    RemapDir remap;
    auto* clone = static_cast<Quiltra*>(remap.CloneRef(map));
    ASSERT_NE(clone, nullptr);
    EXPECT_EQ(first->clonesMade, 1);
    EXPECT_EQ(second->clonesMade, 1);
    EXPECT_EQ(clone->shading.subMapCount, 2);
    EXPECT_EQ(clone->GetSubTexmap(0), remap.FindMapping(first));
    EXPECT_EQ(clone->GetSubTexmap(1), remap.FindMapping(second));
    EXPECT_NE(clone->GetSubTexmap(0), first);
    EXPECT_EQ(clone->GetParamBlock(0), remap.FindMapping(map->GetParamBlock(0)));
    EXPECT_NE(clone->GetParamBlock(0), map->GetParamBlock(0));
    EXPECT_TRUE(clone->ivalid.Empty());
    EXPECT_STREQ(clone->GetName().data(), "Floor boards");

    // The clone's block holds the clones, so its update finds them again.
    updateAt(*clone, 0);
    EXPECT_EQ(clone->GetSubTexmap(0), remap.FindMapping(first));
    float rndGamma = 0.0f;
    Interval valid = FOREVER;
    clone->GetParamBlock(0)->GetValue(rnd_gamma, 0, rndGamma, valid);
    EXPECT_EQ(rndGamma, 0.4f);

    // The source is unchanged and independent of its clone.
    EXPECT_EQ(map->GetSubTexmap(0), first);
    EXPECT_EQ(map->GetSubTexmap(1), second);
    EXPECT_FALSE(map->ivalid.Empty());
    clone->DeleteMe();
    EXPECT_EQ(map->GetSubTexmap(1), second);
    EXPECT_EQ(second->clonesMade, 1);
    map->DeleteMe();
}

class CountingHandle : public TexHandle {
  public:
    CountingHandle(DWORD_PTR h, int& deleted) : handle(h), deletions(deleted) {}
    DWORD_PTR GetHandle() override { return handle; }
    void DeleteThis() override {
        ++deletions;
        delete this;
    }

  private:
    DWORD_PTR handle;
    int& deletions;
};

class CountingHandleMaker : public TexHandleMaker {
  public:
    TexHandle* MakeHandle(BITMAPINFO* bitmap) override {
        std::free(bitmap);
        return new CountingHandle(++made, deleted);
    }
    int Size() override { return 8; }
    int made = 0;
    int deleted = 0;
};

TEST(MapLifeCycle, ViewportTextureIsReusedWithinItsValidityAndReleased) {
    Quiltra* map = newMap();
    appendSubMap(*map, new RecordingMap());
    IParamBlock2* block = map->GetParamBlock(0);
    AnimateOn();
    block->SetValue(all_hue, 0, 0.0f);
    block->SetValue(all_hue, 100, 90.0f);
    AnimateOff();

    CountingHandleMaker maker;
    const DWORD_PTR before = map->GetActiveTexHandle(200, maker);
    EXPECT_EQ(map->GetActiveTexHandle(250, maker), before) << "after the last key nothing changes";
    EXPECT_EQ(maker.made, 1);
    EXPECT_EQ(maker.deleted, 0);

    // Between the keys the texture holds for its instant alone.
    const DWORD_PTR between = map->GetActiveTexHandle(50, maker);
    EXPECT_NE(between, before);
    EXPECT_EQ(maker.made, 2);
    EXPECT_EQ(maker.deleted, 1) << "the old texture goes before the new one is made";

    // A change of a parameter releases it.
    block->SetValue(rnd_sat, 0, 5.0f);
    EXPECT_EQ(maker.deleted, 2);
    map->ActivateTexDisplay(TRUE);
    map->GetActiveTexHandle(50, maker);
    EXPECT_EQ(maker.made, 3);
    map->ActivateTexDisplay(FALSE);
    EXPECT_EQ(maker.deleted, 3);
    map->DeleteMe();
    EXPECT_EQ(maker.deleted, 3) << "nothing is left to release";
}

TEST(MapLifeCycle, DeletingAMapReleasesItsViewportTexture) {
    Quiltra* map = newMap();
    CountingHandleMaker maker;
    map->GetActiveTexHandle(0, maker);
    ASSERT_EQ(maker.made, 1);
    map->DeleteMe();
    EXPECT_EQ(maker.deleted, 1);
}

} // namespace
