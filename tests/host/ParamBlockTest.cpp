#include "host/Animate.h"
#include "host/IParamBlock2.h"
#include "host/ParamBlockDesc2.h"
#include "host/RemapDir.h"
#include "tests/host/HostFixtures.h"

#include <vector>

#include <gtest/gtest.h>

namespace {

enum { kGain = 1, kCount = 2, kMode = 3, kName = 4, kMaps = 9 };

// clang-format off
ParamBlockDesc2 testDesc(
    7, "test", 0, nullptr, P_AUTO_CONSTRUCT, 0,
    kGain, "gain", TYPE_FLOAT, P_ANIMATABLE, 100,
        p_default, 0.5f,
        p_range, 0.0f, 10.0f,
        p_ui, TYPE_SPINNER, EDITTYPE_FLOAT, 10, 11, 0.1f,
        p_end,
    kMode, "mode", TYPE_INT, 0, 101,
        p_default, 1,
        p_range, 0, 2,
        p_ui, TYPE_RADIO, 3, 20, 21, 22,
        p_end,
    kCount, "count", TYPE_INT, P_ANIMATABLE, 102,
        p_default, 5,
        p_range, 1, 1000,
        p_end,
    kName, "name", TYPE_FILENAME, 0, 103,
        p_default, "none",
        p_end,
    kMaps, "maps", TYPE_TEXMAP_TAB, 2, P_VARIABLE_SIZE, 104,
        p_end,
    p_end);
// clang-format on

// An owner that notes, at each notification, which parameter the block names.
class BlockOwner : public Probe {
  public:
    RefResult NotifyRefChanged(const Interval& changeInt, RefTargetHandle hTarget, PartID& partID,
                               RefMessage message) override {
        toldParams.push_back(static_cast<IParamBlock2*>(hTarget)->LastNotifyParamID());
        return Probe::NotifyRefChanged(changeInt, hTarget, partID, message);
    }
    std::vector<ParamID> toldParams;
};

class ParamBlock : public ::testing::Test {
  protected:
    ParamBlock() : block(new IParamBlock2(&testDesc)) { owner->ReplaceReference(0, block); }
    ~ParamBlock() override {
        AnimateOff();
        owner->DeleteMe();
    }
    BlockOwner* owner = new BlockOwner();
    IParamBlock2* block;
};

TEST(ParamBlockDesc, ReadsTheStanzasInOrder) {
    EXPECT_EQ(testDesc.ID, 7);
    EXPECT_EQ(testDesc.ref_no, 0);
    ASSERT_EQ(testDesc.Count(), 5);
    EXPECT_EQ(testDesc.IndextoID(1), kMode) << "positions follow the list, not the IDs";
    EXPECT_EQ(testDesc.IDtoIndex(kCount), 2);
    const ParamDef& gain = testDesc.GetParamDef(kGain);
    EXPECT_EQ(gain.int_name, "gain");
    EXPECT_EQ(gain.local_name, 100);
    EXPECT_EQ(gain.defaultFloat, 0.5f);
    EXPECT_EQ(gain.rangeHighFloat, 10.0f);
    EXPECT_EQ(gain.uiType, TYPE_SPINNER);
    EXPECT_EQ(gain.ctrlIDs, (std::vector<int>{10, 11}));
    EXPECT_EQ(gain.scale, 0.1f);
    EXPECT_EQ(testDesc.GetParamDef(kMode).ctrlIDs, (std::vector<int>{20, 21, 22}));
    EXPECT_EQ(testDesc.GetParamDef(kMaps).tab_size, 2);
}

TEST(ParamBlockDescDeathTest, MalformedListsStopLoudly) {
    // clang-format off
    EXPECT_DEATH(ParamBlockDesc2(1, "bad", 0, nullptr, 0,
                                 1, "a", TYPE_FLOAT, 0, 0, p_default, 5.0f, p_range, 0.0f, 1.0f, p_end,
                                 p_end),
                 "\"bad\", parameter 1 \\(\"a\"\\): p_default lies outside p_range");
    EXPECT_DEATH(ParamBlockDesc2(1, "bad", 0, nullptr, 0,
                                 1, "a", TYPE_FLOAT, 0, 0, p_end,
                                 1, "b", TYPE_INT, 0, 0, p_end,
                                 p_end),
                 "parameter 1 \\(\"b\"\\): the ID is used twice");
    EXPECT_DEATH(ParamBlockDesc2(1, "bad", 0, nullptr, 0,
                                 1, "a", TYPE_FLOAT, 0, 0, 0x10000055, p_end,
                                 p_end),
                 "unknown tag");
    EXPECT_DEATH(ParamBlockDesc2(1, "bad", 0, nullptr, 0,
                                 1, "a", TYPE_STRING, P_ANIMATABLE, 0, p_end,
                                 p_end),
                 "only float and integer parameters can be animatable");
    EXPECT_DEATH(ParamBlockDesc2(1, "bad", 0, nullptr, 0,
                                 1, "a", TYPE_INT, 0, 0, p_range, 0, 3,
                                 p_ui, TYPE_RADIO, 3, 10, 11, 12, p_end,
                                 p_end),
                 "does not match the number of radio buttons");
    EXPECT_DEATH(ParamBlockDesc2(1, "bad", 0, nullptr, 0,
                                 1, "a", TYPE_FLOAT, 0, 0,
                                 p_ui, TYPE_SPINNER, EDITTYPE_POS_INT, 10, 11, 1.0f, p_end,
                                 p_end),
                 "spinner edit type does not fit");
    EXPECT_DEATH(ParamBlockDesc2(1, "bad", 0, nullptr, 0,
                                 1, "a", TYPE_TEXMAP_TAB, 0, 0, 0, p_end,
                                 2, "b", TYPE_TEXMAP, 0, 0, p_end,
                                 p_end),
                 "a table must be the block's last map parameter");
    EXPECT_DEATH(ParamBlockDesc2(1, "bad", 0, nullptr, 0,
                                 70000, "a", TYPE_FLOAT, 0, 0, p_end,
                                 p_end),
                 "expected a parameter ID or the closing p_end");
    // clang-format on
}

TEST_F(ParamBlock, ValuesStartAtTheirDefaultsAndAreClampedToTheirRange) {
    Interval valid = FOREVER;
    float gain = 0.0f;
    int mode = 0;
    const MCHAR* name = nullptr;
    ASSERT_TRUE(block->GetValue(kGain, 0, gain, valid));
    ASSERT_TRUE(block->GetValue(kMode, 0, mode, valid));
    ASSERT_TRUE(block->GetValue(kName, 0, name, valid));
    EXPECT_EQ(gain, 0.5f);
    EXPECT_EQ(mode, 1);
    EXPECT_STREQ(name, "none");
    EXPECT_EQ(valid, FOREVER) << "constant values narrow nothing";

    block->SetValue(kGain, 0, 42.0f);
    block->SetValue(kMode, 0, -3);
    block->GetValue(kGain, 0, gain, valid);
    block->GetValue(kMode, 0, mode, valid);
    EXPECT_EQ(gain, 10.0f);
    EXPECT_EQ(mode, 0);

    EXPECT_FALSE(block->GetValue(kMode, 0, gain, valid)) << "wrong type";
    EXPECT_FALSE(block->GetValue(55, 0, gain, valid)) << "unknown ID";
    EXPECT_FALSE(block->SetValue(kGain, 0, 3)) << "wrong type";
}

TEST_F(ParamBlock, ChangesAreToldWithTheParameter) {
    block->SetValue(kCount, 0, 7);
    ASSERT_FALSE(owner->messages.empty());
    EXPECT_EQ(owner->messages.back().message, REFMSG_CHANGE);
    EXPECT_EQ(owner->messages.back().from, block);
    EXPECT_EQ(owner->toldParams.back(), kCount);
    block->ZeroCount(kMaps);
    EXPECT_EQ(owner->toldParams.back(), kMaps);
    EXPECT_EQ(block->LastNotifyParamID(), -1) << "outside a notification";
}

TEST_F(ParamBlock, KeysInterpolateAndNarrowTheValidity) {
    AnimateOn();
    block->SetValue(kGain, 0, 1.0f);
    block->SetValue(kGain, 100, 3.0f);
    block->SetValue(kCount, 0, 10);
    block->SetValue(kCount, 100, 20);
    AnimateOff();
    EXPECT_EQ(block->NumKeys(kGain), 2);

    struct Case {
        TimeValue t;
        float gain;
        int count;
        Interval valid;
    };
    const Case cases[] = {
        {-50, 1.0f, 10, Interval(TIME_NegInfinity, 0)},
        {0, 1.0f, 10, Interval(TIME_NegInfinity, 0)},
        {25, 1.5f, 13, Interval(25, 25)}, // 12.5 rounds away from zero
        {50, 2.0f, 15, Interval(50, 50)},
        {100, 3.0f, 20, Interval(100, TIME_PosInfinity)},
        {400, 3.0f, 20, Interval(100, TIME_PosInfinity)},
    };
    for (const Case& c : cases) {
        Interval valid = FOREVER;
        float gain = 0.0f;
        int count = 0;
        block->GetValue(kGain, c.t, gain, valid);
        block->GetValue(kCount, c.t, count, valid);
        EXPECT_EQ(gain, c.gain) << "t " << c.t;
        EXPECT_EQ(count, c.count) << "t " << c.t;
        EXPECT_EQ(valid, c.valid) << "t " << c.t;
    }

    // With animation off a keyed value is still set at its time.
    block->SetValue(kGain, 100, 5.0f);
    Interval valid = FOREVER;
    float gain = 0.0f;
    block->GetValue(kGain, 100, gain, valid);
    EXPECT_EQ(gain, 5.0f);
    EXPECT_EQ(block->NumKeys(kGain), 2);

    // A value that is not animatable gets no keys.
    AnimateOn();
    block->SetValue(kMode, 10, 2);
    EXPECT_EQ(block->NumKeys(kMode), 0);
}

TEST_F(ParamBlock, TableEntriesAreTheBlocksReferences) {
    bool deleted[3] = {false, false, false};
    Texmap* maps[3] = {};
    std::vector<ProbeMap*> probes;
    EXPECT_EQ(block->Count(kMaps), 2) << "the descriptor's initial size";
    block->ZeroCount(kMaps);
    for (int i = 0; i < 3; ++i) {
        probes.push_back(new ProbeMap(&deleted[i]));
        maps[i] = probes[i];
    }
    EXPECT_EQ(block->Append(kMaps, 3, maps), 3);
    EXPECT_EQ(block->NumRefs(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(block->GetReference(i), probes[i]);
        EXPECT_EQ(probes[i]->NumDependents(), 1);
    }

    block->Delete(kMaps, 0, 1);
    EXPECT_TRUE(deleted[0]);
    EXPECT_FALSE(deleted[1]);
    EXPECT_FALSE(deleted[2]);
    ASSERT_EQ(block->Count(kMaps), 2);
    EXPECT_EQ(block->GetReference(0), probes[1]);
    EXPECT_EQ(block->GetReference(1), probes[2]);
    EXPECT_EQ(probes[1]->NumDependents(), 1) << "moving an entry keeps one reference";

    probes[2]->DeleteMe();
    Interval valid = FOREVER;
    Texmap* entry = maps[0];
    ASSERT_TRUE(block->GetValue(kMaps, 0, entry, valid, 1));
    EXPECT_EQ(entry, nullptr) << "a deleted entry becomes empty";
    EXPECT_FALSE(block->GetValue(kMaps, 0, entry, valid, 2)) << "outside the table";

    block->SetCount(kMaps, 0);
    EXPECT_TRUE(deleted[1]);
}

TEST_F(ParamBlock, CloneCopiesValuesKeysAndClonesEntriesOnce) {
    AnimateOn();
    block->SetValue(kGain, 0, 2.0f);
    block->SetValue(kGain, 10, 4.0f);
    AnimateOff();
    block->SetValue(kName, 0, "file.png");

    RemapDir remap;
    auto* copy = static_cast<IParamBlock2*>(remap.CloneRef(block));
    ASSERT_NE(copy, nullptr);
    Probe* holder = new Probe();
    holder->ReplaceReference(0, copy);
    Interval valid = FOREVER;
    float gain = 0.0f;
    const MCHAR* name = nullptr;
    copy->GetValue(kGain, 5, gain, valid);
    copy->GetValue(kName, 0, name, valid);
    EXPECT_EQ(gain, 3.0f);
    EXPECT_STREQ(name, "file.png");
    EXPECT_EQ(copy->Count(kMaps), 2);
    holder->DeleteMe();
}

} // namespace
