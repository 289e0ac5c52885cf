#include "host/Animate.h"
#include "host/BitmapTex.h"
#include "host/UVGen.h"
#include "tests/texmap/TexmapFixtures.h"

namespace {

int bitmapFiltering(BitmapTex& bitmap) {
    int filtering = -1;
    Interval valid = FOREVER;
    bitmap.GetParamBlock(0)->GetValue(BitmapTex::bmtex_filtering, 0, filtering, valid);
    return filtering;
}

float bitmapBlur(BitmapTex& bitmap) {
    return static_cast<StdUVGen*>(bitmap.GetTheUVGen())->GetBlur(0);
}

// A table of two bitmap textures around an empty entry and a sub-map of
// another class: [bitmap, empty, other, bitmap].
class MixedTable : public ::testing::Test {
  protected:
    MixedTable() : map(newMap()) {
        first = new BitmapTex();
        other = new RecordingMap();
        last = new BitmapTex();
        appendSubMap(*map, first);
        appendSubMap(*map, nullptr);
        appendSubMap(*map, other);
        appendSubMap(*map, last);
        block = map->GetParamBlock(0);
        block->SetValue(filtering, 0, 2);
        block->SetValue(blur, 0, 3.5f);
    }
    ~MixedTable() override { map->DeleteMe(); }

    // Sets both bitmaps' own filtering and blur, as a user would, to see
    // whether the next update pushes over them.
    void setBitmapsBy(int f, float b) {
        for (BitmapTex* bitmap : {first, last}) {
            bitmap->GetParamBlock(0)->SetValue(BitmapTex::bmtex_filtering, 0, f);
            static_cast<StdUVGen*>(bitmap->GetTheUVGen())->SetBlur(b, 0);
        }
    }
    bool bitmapsHold(int f, float b) {
        return bitmapFiltering(*first) == f && bitmapBlur(*first) == b &&
               bitmapFiltering(*last) == f && bitmapBlur(*last) == b;
    }

    Quiltra* map;
    IParamBlock2* block;
    BitmapTex* first;
    RecordingMap* other;
    BitmapTex* last;
};

TEST_F(MixedTable, FirstUpdateCopiesTheTableAndPushesToTheBitmapsOnly) {
    Interval valid = FOREVER;
    map->Update(0, valid);
    ASSERT_EQ(map->shading.subMapCount, 4);
    EXPECT_EQ(map->shading.subMaps[0], first);
    EXPECT_EQ(map->shading.subMaps[1], nullptr);
    EXPECT_EQ(map->shading.subMaps[2], other);
    EXPECT_EQ(map->shading.subMaps[3], last);
    EXPECT_TRUE(bitmapsHold(2, 3.5f));
    EXPECT_EQ(other->updates, 1);
    EXPECT_EQ(other->blockRequests, 0) << "another class is not pushed to";
    EXPECT_EQ(other->generatorRequests, 0);
    EXPECT_EQ(map->lastFiltering, 2);
    EXPECT_EQ(map->lastBlur, 3.5f);
}

TEST_F(MixedTable, PushesOnlyWhenFilteringOrBlurChanged) {
    updateAt(*map, 0);
    setBitmapsBy(1, 7.0f);
    // The bitmaps' changes reach the map; it reads everything again but
    // pushes nothing, the pair being unchanged.
    const int updatesBefore = other->updates;
    updateAt(*map, 0);
    EXPECT_EQ(other->updates, updatesBefore + 1);
    EXPECT_TRUE(bitmapsHold(1, 7.0f));

    block->SetValue(all_hue, 0, 45.0f);
    updateAt(*map, 0);
    EXPECT_EQ(map->shading.variation.allHue, 45.0f);
    EXPECT_TRUE(bitmapsHold(1, 7.0f)) << "a colour change pushes nothing";

    block->SetValue(blur, 0, 0.5f);
    updateAt(*map, 0);
    EXPECT_TRUE(bitmapsHold(2, 0.5f)) << "a blur change pushes both values";
}

TEST_F(MixedTable, UpdateInsideTheValidityTouchesNothing) {
    updateAt(*map, 0);
    updateAt(*map, 0); // settles the change the push itself reported
    ASSERT_FALSE(map->ivalid.Empty());
    const int updatesBefore = other->updates;
    Interval valid(-10, 10);
    map->Update(0, valid);
    EXPECT_EQ(other->updates, updatesBefore);
    EXPECT_EQ(valid, Interval(-10, 10)) << "intersected with the map's FOREVER";

    other->validity = Interval(-5, 5);
    PartID part = PART_ALL;
    map->NotifyRefChanged(FOREVER, other, part, REFMSG_CHANGE);
    valid = FOREVER;
    map->Update(0, valid);
    EXPECT_EQ(valid, Interval(-5, 5)) << "narrowed by the sub-map's own validity";
    Interval empty;
    empty.SetEmpty();
    map->Update(0, empty);
    EXPECT_TRUE(empty.Empty());
}

TEST(MapUpdate, DistributionsBecomeFractions) {
    struct Case {
        float occGamma, occHue, occSat;
        float gammaFraction, hueFraction, satFraction;
    };
    const Case cases[] = {
        {0.0f, 0.0f, 0.0f, 1.0f, 0.0f, 0.0f},
        {25.0f, 25.0f, 25.0f, 0.75f, 0.25f, 0.25f},
        {50.0f, 50.0f, 50.0f, 0.5f, 0.5f, 0.5f},
        {100.0f, 100.0f, 100.0f, 0.0f, 1.0f, 1.0f},
        // Each step in single precision: 33 * 0.01f, then 1 minus that.
        {33.0f, 33.0f, 33.0f, 1.0f - 33.0f * 0.01f, 33.0f * 0.01f, 33.0f * 0.01f},
    };
    Quiltra* map = newMap();
    IParamBlock2* block = map->GetParamBlock(0);
    for (const Case& c : cases) {
        block->SetValue(occ_gamma, 0, c.occGamma);
        block->SetValue(occ_hue, 0, c.occHue);
        block->SetValue(occ_sat, 0, c.occSat);
        updateAt(*map, 0);
        EXPECT_EQ(map->shading.variation.occGamma, c.gammaFraction) << c.occGamma;
        EXPECT_EQ(map->shading.variation.occHue, c.hueFraction) << c.occHue;
        EXPECT_EQ(map->shading.variation.occSat, c.satFraction) << c.occSat;
    }
    map->DeleteMe();
}

TEST(MapUpdate, ValidityRightAfterConstructionIsWhatItsUpdateFound) {
    Quiltra* map = newMap();
    EXPECT_EQ(map->Validity(0), FOREVER);
    map->DeleteMe();
}

TEST(MapUpdate, AnAnimatedValueIsReadAgainAtEveryFrameBetweenItsKeys) {
    Quiltra* map = newMap();
    IParamBlock2* block = map->GetParamBlock(0);
    AnimateOn();
    block->SetValue(all_hue, 0, 0.0f);
    block->SetValue(all_hue, 100, 90.0f);
    AnimateOff();

    for (TimeValue t : {25, 26, 50, 99}) {
        Interval valid = FOREVER;
        map->Update(t, valid);
        EXPECT_EQ(valid, Interval(t, t)) << t;
        EXPECT_FLOAT_EQ(map->shading.variation.allHue, 90.0f * t / 100.0f) << t;
    }
    Interval after = FOREVER;
    map->Update(150, after);
    EXPECT_EQ(map->shading.variation.allHue, 90.0f);
    EXPECT_TRUE(after.InInterval(1000));
    EXPECT_FALSE(after.InInterval(50));
    map->DeleteMe();
}

} // namespace
