#include "host/ParamMap2.h"
#include "tests/texmap/TexmapFixtures.h"
#include "texmap/ParamBlock.h"

#include <cstdlib>

namespace {

class ThreeSubMaps : public ::testing::Test {
  protected:
    ThreeSubMaps() : map(newMap()) {
        for (int i = 0; i < 3; ++i) {
            subMaps[i] = new RecordingMap(AColor(0.1f * i, 0, 0, 1), &destroyed[i]);
            subMaps[i]->SetName(i == 1 ? "" : "tile");
            appendSubMap(*map, subMaps[i]);
        }
        updateAt(*map, 0);
    }
    ~ThreeSubMaps() override { map->DeleteMe(); }

    Quiltra* map;
    RecordingMap* subMaps[3];
    bool destroyed[3] = {};
};

TEST_F(ThreeSubMaps, ReferencesTracksAndSubMapsNameTheSameEntries) {
    EXPECT_EQ(map->NumRefs(), 4);
    EXPECT_EQ(map->NumSubs(), 4);
    EXPECT_EQ(map->NumSubTexmaps(), 3);
    EXPECT_EQ(map->SubAnim(3), subMaps[2]);
    EXPECT_EQ(map->GetReference(3), subMaps[2]);
    EXPECT_EQ(map->GetSubTexmap(2), subMaps[2]);
    EXPECT_EQ(map->SubNumToRefNum(3), 3);
    EXPECT_STREQ(map->SubAnimName(3).data(), map->GetSubTexmapTVName(2).data());
    EXPECT_STREQ(map->SubAnimName(3).data(), "tile");
    for (int outside : {-1, 3, 4, 1000}) {
        EXPECT_EQ(map->GetSubTexmap(outside), nullptr) << outside;
    }
    EXPECT_EQ(map->GetReference(4), nullptr);
    EXPECT_EQ(map->SubAnim(4), nullptr);
}

TEST_F(ThreeSubMaps, AnUnnamedSubMapIsGivenOutButNotReferenced) {
    EXPECT_EQ(map->SubAnim(2), subMaps[1]);
    EXPECT_EQ(map->GetSubTexmap(1), subMaps[1]);
    EXPECT_EQ(map->GetReference(2), nullptr);
}

TEST_F(ThreeSubMaps, OutOfRangeSlotsStoreNothing) {
    RecordingMap* stray = new RecordingMap();
    map->ReplaceReference(4, stray);
    EXPECT_EQ(map->NumRefs(), 4);
    EXPECT_EQ(map->GetReference(4), nullptr);
    map->SetSubTexmap(3, stray);
    map->SetSubTexmap(-1, stray);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(map->GetSubTexmap(i), subMaps[i]);
    }
    map->DeleteReference(4);
}

TEST_F(ThreeSubMaps, SetSubTexmapHoldsUntilTheNextUpdateRestoresTheTable) {
    bool replacementDestroyed = false;
    auto* replacement = new RecordingMap(AColor(), &replacementDestroyed);
    map->SetSubTexmap(1, replacement);
    EXPECT_EQ(map->GetSubTexmap(1), replacement);
    EXPECT_FALSE(destroyed[1]) << "the table still holds the entry";
    updateAt(*map, 0);
    EXPECT_EQ(map->GetSubTexmap(1), replacement) << "inside the validity nothing is read";

    map->GetParamBlock(0)->SetValue(all_hue, 0, 10.0f);
    updateAt(*map, 0);
    EXPECT_EQ(map->GetSubTexmap(1), subMaps[1]);
    EXPECT_TRUE(replacementDestroyed) << "nothing references the replacement any more";
}

// Between a change of the table and the next update, the map's copy may
// hold a sub-map that has left the table; deleting it must clear the copy,
// never leave it pointing at freed memory.
TEST_F(ThreeSubMaps, ASubMapThatLeftTheTableIsNeverGivenOutAfterItsDeletion) {
    IParamBlock2* block = map->GetParamBlock(0);
    block->SetValue(submaps, 0, static_cast<Texmap*>(nullptr), 1);
    EXPECT_FALSE(destroyed[1]) << "the map's copy keeps it until the next update";
    subMaps[1]->DeleteMe();
    ASSERT_TRUE(destroyed[1]);

    EXPECT_EQ(map->SubAnim(2), nullptr);
    EXPECT_EQ(map->GetReference(2), nullptr);
    EXPECT_EQ(map->GetSubTexmap(1), nullptr);
    RemapDir remap;
    auto* clone = static_cast<Quiltra*>(remap.CloneRef(map));
    ASSERT_NE(clone, nullptr);
    EXPECT_EQ(clone->GetSubTexmap(1), nullptr);
    clone->DeleteMe();

    updateAt(*map, 0);
    EXPECT_EQ(map->NumSubTexmaps(), 3);
    EXPECT_EQ(map->GetSubTexmap(1), nullptr);
    EXPECT_EQ(map->GetSubTexmap(2), subMaps[2]);
}

TEST_F(ThreeSubMaps, ASubMapThatLeftTheTableGoesWithTheNextUpdate) {
    map->GetParamBlock(0)->Delete(submaps, 0, 1);
    EXPECT_FALSE(destroyed[0]);
    EXPECT_EQ(map->GetSubTexmap(0), subMaps[0]) << "the copy holds until the update";
    updateAt(*map, 0);
    EXPECT_TRUE(destroyed[0]);
    EXPECT_EQ(map->NumSubTexmaps(), 2);
    EXPECT_EQ(map->GetSubTexmap(0), subMaps[1]);
}

// A new map with its rollout open, so that its refreshes can be seen.
class Notifications : public ::testing::Test {
  protected:
    Notifications() : map(newMap()) {
        dialog = quiltraDesc.CreateParamDlgs(nullptr, &params, map);
        rollout = quiltraDesc.GetParamMap(0);
    }
    ~Notifications() override {
        dialog->DeleteThis();
        map->DeleteMe();
    }

    Quiltra* map;
    IMtlParams params;
    IAutoMParamDlg* dialog;
    IParamMap2* rollout;
};

TEST_F(Notifications, OnlyChangesEmptyTheValidity) {
    ASSERT_NE(rollout, nullptr);
    auto* subMap = new RecordingMap();
    appendSubMap(*map, subMap);
    updateAt(*map, 0);
    const std::size_t shownBefore = rollout->Invalidations().size();
    for (RefMessage message : {REFMSG_TARGET_DELETED, RefMessage(0x51), RefMessage(0)}) {
        PartID part = PART_ALL;
        EXPECT_EQ(map->NotifyRefChanged(FOREVER, subMap, part, message), REF_SUCCEED);
        EXPECT_FALSE(map->ivalid.Empty()) << message;
    }
    PartID part = PART_ALL;
    EXPECT_EQ(map->NotifyRefChanged(FOREVER, subMap, part, REFMSG_CHANGE), REF_SUCCEED);
    EXPECT_TRUE(map->ivalid.Empty());
    EXPECT_EQ(rollout->Invalidations().size(), shownBefore)
        << "a sub-map's change shows nothing afresh";
}

class ConstantHandleMaker : public TexHandleMaker {
  public:
    class Handle : public TexHandle {
      public:
        explicit Handle(bool& deleted) : deletedFlag(deleted) {}
        DWORD_PTR GetHandle() override { return 1; }
        void DeleteThis() override {
            deletedFlag = true;
            delete this;
        }

      private:
        bool& deletedFlag;
    };
    TexHandle* MakeHandle(BITMAPINFO* bitmap) override {
        std::free(bitmap);
        deleted = false;
        return new Handle(deleted);
    }
    int Size() override { return 4; }
    bool deleted = false;
};

TEST_F(Notifications, BlockChangesRefreshTheirParameterAndReleaseTheTexture) {
    ASSERT_NE(rollout, nullptr);
    ConstantHandleMaker maker;
    map->GetActiveTexHandle(0, maker);
    ASSERT_NE(map->texHandle, nullptr);

    // A change the block reports without naming a parameter keeps the texture.
    PartID part = PART_ALL;
    map->NotifyRefChanged(FOREVER, map->GetParamBlock(0), part, REFMSG_CHANGE);
    EXPECT_TRUE(map->ivalid.Empty());
    EXPECT_FALSE(maker.deleted);
    ASSERT_EQ(rollout->Invalidations().size(), 1u);
    EXPECT_EQ(rollout->Invalidations()[0].id, -1);

    updateAt(*map, 0);
    map->GetParamBlock(0)->SetValue(rnd_hue, 0, 20.0f);
    EXPECT_TRUE(map->ivalid.Empty());
    EXPECT_TRUE(maker.deleted);
    EXPECT_EQ(map->texHandle, nullptr);
    ASSERT_EQ(rollout->Invalidations().size(), 2u);
    EXPECT_EQ(rollout->Invalidations()[1].id, rnd_hue);
    EXPECT_EQ(rollout->Invalidations()[1].tabIndex, -1);
}

} // namespace
