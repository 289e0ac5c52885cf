#include "shading/Evaluation.h"

#include "shading/ColorVariation.h"
#include "shading/Generator.h"
#include "shading/SeedHash.h"
#include "tests/shading/ShadingFixtures.h"

#include <thread>
#include <vector>

#include <gtest/gtest.h>

namespace {

class Evaluation : public ::testing::Test {
  protected:
    Evaluation()
        : red(AColor(1.0f, 0.0f, 0.0f, 0.5f), Point3(1.0f, 0.0f, 0.0f)),
          green(AColor(0.0f, 1.0f, 0.0f, 0.0f), Point3(0.0f, 1.0f, 0.0f)),
          blue(AColor(0.0f, 0.0f, 1.0f, 1.0f), Point3(0.0f, 0.0f, 1.0f)) {
        map.fields.rndSeed = 12345;
        map.fields.outsideRender = FALSE;
        map.fields.variation = neutralVariation();
        map.setSubMaps({&red, &green, &blue});
    }

    // Index of the sub-map whose perturbation came back.
    static int pickOf(const Point3& p) {
        return p.x == 1.0f ? 0 : p.y == 1.0f ? 1 : p.z == 1.0f ? 2 : -1;
    }

    ConstantMap red, green, blue;
    FieldsMap map;
};

TEST_F(Evaluation, KeyFollowsTheModeOnlyInsideARender) {
    FixedNode node(77u);
    struct Case {
        int rndBy;
        BOOL outsideRender;
        std::uint32_t key;
        int nodeCalls, faceCalls;
    };
    const Case cases[] = {
        {kRandomizeByMaterial, FALSE, 5u, 0, 0},
        {kRandomizeByMaterial, TRUE, 5u, 0, 0},
        {kRandomizeByObject, FALSE, 77u, 1, 0},
        {kRandomizeByObject, TRUE, 5u, 0, 0},
        {kRandomizeByFace, FALSE, 9u, 0, 1},
        {kRandomizeByFace, TRUE, 5u, 0, 0},
        {7, FALSE, 9u, 0, 1},
        {-1, FALSE, 9u, 0, 1},
    };
    for (const Case& c : cases) {
        SampleContext sc;
        sc.mtlNum = 5;
        sc.node = &node;
        sc.face = 9;
        map.fields.rndBy = c.rndBy;
        map.fields.outsideRender = c.outsideRender;
        EXPECT_EQ(selectionKey(map.fields, sc), c.key) << c.rndBy << "/" << c.outsideRender;
        EXPECT_EQ(sc.nodeCalls, c.nodeCalls);
        EXPECT_EQ(sc.faceCalls, c.faceCalls);
    }
}

TEST_F(Evaluation, ObjectModeWithoutANodeKeysByMaterial) {
    SampleContext sc;
    sc.mtlNum = -3;
    map.fields.rndBy = kRandomizeByObject;
    EXPECT_EQ(selectionKey(map.fields, sc), static_cast<std::uint32_t>(-3));
    EXPECT_EQ(sc.nodeCalls, 1);
}

TEST_F(Evaluation, KeyOneWithTheDefaultSeedPicksFromTheRuntimeSequence) {
    // srand(4188539432) draws 21593, 4240, 5948, 12468: 21593 mod 3 = 2.
    SampleContext sc;
    sc.mtlNum = 1;
    EXPECT_EQ(map.EvalColor(sc), AColor(0.0f, 0.0f, 1.0f, 1.0f));
    EXPECT_EQ(blue.evaluations, 1);
    EXPECT_EQ(red.evaluations + green.evaluations, 0);
    EXPECT_EQ(drawGenerator(), 32132) << "pick and three variation draws";
}

TEST_F(Evaluation, DrawsPerPath) {
    FieldsMap empty;
    empty.fields = map.fields;
    empty.setSubMaps({});
    FieldsMap single;
    single.fields = map.fields;
    single.setSubMaps({&green});

    struct Case {
        const char* path;
        FieldsMap* map;
        bool color; // EvalColor, else EvalNormalPerturb
        int draws;
    };
    const Case cases[] = {
        {"colour, three sub-maps", &map, true, 4},
        {"colour, one sub-map", &single, true, 4},
        {"colour, empty list", &empty, true, 3},
        {"perturbation, three sub-maps", &map, false, 1},
        {"perturbation, empty list", &empty, false, 0},
    };
    for (const Case& c : cases) {
        SampleContext sc;
        sc.mtlNum = 42;
        const std::uint32_t seed = seedHash(42u, 12345u);
        seedGenerator(1u); // anything but the sample's seed
        if (c.color) {
            c.map->EvalColor(sc);
        } else {
            c.map->EvalNormalPerturb(sc);
        }
        EXPECT_EQ(drawGenerator(), referenceDraws(seed, c.draws + 1)[c.draws]) << c.path;
    }
}

TEST_F(Evaluation, ListOfOneStillDrawsThePick) {
    FieldsMap single;
    single.fields = map.fields;
    single.fields.variation.rndHue = 180.0f;
    single.setSubMaps({&green});
    SampleContext sc;
    sc.mtlNum = 1;
    const AColor c = single.EvalColor(sc);

    // The variation used draws 2 to 4: 4240, 5948, 12468.
    AColor expected(0.0f, 1.0f, 0.0f, 0.0f);
    const ColorVariation& v = single.fields.variation;
    applyVariation(expected, gammaExponent(v, 4240), hueShift(v, 5948), saturationScale(v, 12468));
    expected.ClampMinMax();
    EXPECT_EQ(c, expected);
}

TEST_F(Evaluation, CacheHitReturnsTheCachedValueAndTouchesNothing) {
    map.SetGBufID(7);
    SampleContext sc;
    sc.mtlNum = 1;
    const AColor cached(2.0f, -1.0f, 0.5f, 0.25f); // not clamped again
    sc.PutCache(&map, cached);
    sc.PutCache(&map, Point3(3.0f, 4.0f, 5.0f));

    seedGenerator(99u);
    EXPECT_EQ(map.EvalColor(sc), cached);
    EXPECT_EQ(map.EvalNormalPerturb(sc), Point3(3.0f, 4.0f, 5.0f));
    EXPECT_EQ(map.EvalMono(sc), ((0.5f + -1.0f) + 2.0f) * 0.33333334f);
    EXPECT_EQ(drawGenerator(), referenceDraws(99u, 1)[0]) << "neither seeded nor drawn";
    EXPECT_EQ(sc.gBufferCalls, 0);
    EXPECT_EQ(red.evaluations + green.evaluations + blue.evaluations, 0);
}

TEST_F(Evaluation, GBufferIdIsPassedOnlyWhenSet) {
    SampleContext unset;
    map.EvalColor(unset);
    map.EvalNormalPerturb(unset);
    EXPECT_EQ(unset.gBufferCalls, 0);

    map.SetGBufID(12);
    SampleContext set;
    map.EvalColor(set);
    set.ResetCache();
    map.EvalNormalPerturb(set);
    EXPECT_EQ(set.gBufferCalls, 2);
    EXPECT_EQ(set.GBufferID(), 12);
}

TEST_F(Evaluation, ResultIsClampedCachedAndOpaque) {
    ConstantMap bright(AColor(4.0f, 0.5f, -2.0f, 0.5f));
    map.setSubMaps({&bright});
    SampleContext sc;
    const AColor c = map.EvalColor(sc);
    EXPECT_EQ(c.a, 1.0f);
    for (float component : {c.r, c.g, c.b}) {
        EXPECT_GE(component, 0.0f);
        EXPECT_LE(component, 1.0f);
    }
    AColor cached;
    ASSERT_TRUE(sc.GetCache(&map, cached));
    EXPECT_EQ(cached, c);
    EXPECT_EQ(map.EvalColor(sc), c);
    EXPECT_EQ(bright.evaluations, 1) << "the second call is a cache hit";
}

TEST_F(Evaluation, MonoIsTheThirdOfTheSum) {
    ConstantMap white(AColor(1.0f, 1.0f, 1.0f, 0.0f));
    map.setSubMaps({&white});
    SampleContext sc;
    EXPECT_EQ(map.EvalMono(sc), 1.0f);

    ConstantMap tint(AColor(0.2f, 0.5f, 0.7f, 1.0f));
    map.setSubMaps({&tint});
    SampleContext other;
    const AColor c = map.EvalColor(other);
    EXPECT_EQ(map.EvalMono(other), ((c.b + c.g) + c.r) * 0.33333334f);
}

TEST_F(Evaluation, EmptyListGivesOpaqueBlackAndNoPerturbation) {
    map.setSubMaps({});
    map.fields.variation =
        ColorVariation{0.5f, 90.0f, 300.0f, 1.0f, 45.0f, 10.0f, 0.2f, 0.4f, 0.6f};
    SampleContext sc;
    EXPECT_EQ(map.EvalColor(sc), AColor(0.0f, 0.0f, 0.0f, 1.0f));
    EXPECT_EQ(map.EvalNormalPerturb(sc), Point3(0.0f, 0.0f, 0.0f));
    AColor cached;
    Point3 cachedVector(9.0f, 9.0f, 9.0f);
    EXPECT_TRUE(sc.GetCache(&map, cached));
    EXPECT_TRUE(sc.GetCache(&map, cachedVector));
    EXPECT_EQ(cachedVector, Point3(0.0f, 0.0f, 0.0f));
}

TEST_F(Evaluation, EmptyEntryShadesAsVariedBlack) {
    map.setSubMaps({nullptr});
    SampleContext sc;
    EXPECT_EQ(map.EvalColor(sc), AColor(0.0f, 0.0f, 0.0f, 1.0f));
    EXPECT_EQ(map.EvalNormalPerturb(sc), Point3(0.0f, 0.0f, 0.0f));
}

TEST_F(Evaluation, SameKeySamePickAndTintAndBumpMatchesColour) {
    map.fields.variation.rndGamma = 0.2f;
    map.fields.variation.rndHue = 15.0f;
    map.fields.variation.rndSat = 10.0f;
    int picked[3] = {0, 0, 0};
    for (int key = 0; key < 300; ++key) {
        SampleContext first, second;
        first.mtlNum = second.mtlNum = key;
        const int before[3] = {red.evaluations, green.evaluations, blue.evaluations};
        const AColor a = map.EvalColor(first);
        EXPECT_EQ(map.EvalColor(second), a) << key;
        const int pick = pickOf(map.EvalNormalPerturb(first));
        ASSERT_GE(pick, 0);
        ConstantMap* maps[3] = {&red, &green, &blue};
        EXPECT_EQ(maps[pick]->evaluations - before[pick], 3)
            << "colour twice and bump once picked sub-map " << pick << " for key " << key;
        ++picked[pick];
    }
    for (int count : picked) {
        EXPECT_GT(count, 50) << "different keys spread over the list";
    }
}

TEST_F(Evaluation, NestedMapSharesTheThreadsGenerator) {
    // The inner map reseeds from its own key; the outer variation draws go on
    // from where the inner evaluation left the generator.
    FieldsMap inner;
    inner.fields = map.fields;
    inner.fields.rndSeed = 7;
    inner.setSubMaps({&green});
    map.setSubMaps({&inner});
    map.fields.variation.rndHue = 90.0f;

    SampleContext sc;
    sc.mtlNum = 3;
    const AColor outer = map.EvalColor(sc);

    const std::vector<int> innerDraws = referenceDraws(seedHash(3u, 7u), 7);
    SampleContext alone;
    alone.mtlNum = 3;
    AColor expected = inner.EvalColor(alone);
    const ColorVariation& v = map.fields.variation;
    applyVariation(expected, gammaExponent(v, innerDraws[4]), hueShift(v, innerDraws[5]),
                   saturationScale(v, innerDraws[6]));
    expected.ClampMinMax();
    EXPECT_EQ(outer, expected);
}

TEST_F(Evaluation, ThreadsGiveTheSingleThreadResults) {
    map.fields.variation = ColorVariation{1.2f, 20.0f, 90.0f, 0.3f, 40.0f, 30.0f, 0.4f, 0.6f, 0.3f};
    constexpr int kKeys = 20000;
    auto evaluateAll = [&](std::vector<AColor>& colors, std::vector<Point3>& bumps) {
        colors.resize(kKeys);
        bumps.resize(kKeys);
        for (int key = 0; key < kKeys; ++key) {
            SampleContext sc;
            sc.mtlNum = key;
            colors[key] = map.EvalColor(sc);
            bumps[key] = map.EvalNormalPerturb(sc);
        }
    };
    std::vector<AColor> expectedColors;
    std::vector<Point3> expectedBumps;
    evaluateAll(expectedColors, expectedBumps);

    std::vector<AColor> colors[4];
    std::vector<Point3> bumps[4];
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&, t] { evaluateAll(colors[t], bumps[t]); });
    }
    for (std::thread& t : threads) {
        t.join();
    }
    for (int t = 0; t < 4; ++t) {
        for (int key = 0; key < kKeys; ++key) {
            ASSERT_EQ(colors[t][key], expectedColors[key]) << "thread " << t << " key " << key;
            ASSERT_EQ(bumps[t][key], expectedBumps[key]) << "thread " << t << " key " << key;
        }
    }
}

} // namespace
