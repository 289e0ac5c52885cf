#include "tests/editor/EditorFixtures.h"
#include "tests/host/HostFixtures.h"

#include <vector>

namespace {

class ReloadFiles : public EditorTest {
  protected:
    // Fills the table with bitmap textures for the names, as "Open files" does.
    void open(const std::vector<std::string>& names) {
        PickInNextFileDialog("/pics", names);
        map->OpenFiles(nullptr);
    }
    static std::vector<int> loads(const std::vector<Texmap*>& bitmaps) {
        std::vector<int> counts;
        for (Texmap* bitmap : bitmaps) {
            counts.push_back(loadsOf(bitmap));
        }
        return counts;
    }
};

TEST_F(ReloadFiles, EveryBitmapTextureReadsItsFileOnceThenTheMapUpdates) {
    open({"a.jpg", "b.jpg", "c.jpg"});
    const std::vector<Texmap*> bitmaps = table();
    const std::vector<int> before = loads(bitmaps);
    GetCOREInterface()->SetTime(480);

    map->ReloadFiles();

    const std::vector<int> after = loads(bitmaps);
    for (std::size_t i = 0; i < bitmaps.size(); ++i) {
        EXPECT_EQ(after[i], before[i] + 1) << "entry " << i;
    }
    EXPECT_EQ(table(), bitmaps);
    EXPECT_TRUE(map->ivalid.InInterval(480)) << "updated at the current time";
}

TEST_F(ReloadFiles, WithAnEmptyTableOnlyUpdates) {
    map->pblock->SetValue(seed, 0, 4242);
    ASSERT_FALSE(map->ivalid.InInterval(0));

    map->ReloadFiles();

    EXPECT_TRUE(table().empty());
    EXPECT_TRUE(map->ivalid.InInterval(0));
    EXPECT_EQ(map->shading.rndSeed, 4242);
}

TEST_F(ReloadFiles, PassesOverSubMapsOfOtherClassesAndEmptyEntries) {
    open({"a.jpg", "b.jpg"});
    std::vector<Texmap*> bitmaps = table();
    bool otherDestroyed = false;
    Texmap* other = new ProbeMap(&otherDestroyed);
    other->SetName("other");
    map->pblock->SetCount(submaps, 4);
    map->pblock->SetValue(submaps, 0, other, 3); // entry 2 stays empty
    update();
    const std::vector<int> before = loads(bitmaps);

    map->ReloadFiles();

    EXPECT_EQ(loads(bitmaps), (std::vector<int>{before[0] + 1, before[1] + 1}));
    EXPECT_EQ(table(), (std::vector<Texmap*>{bitmaps[0], bitmaps[1], nullptr, other}));
    EXPECT_FALSE(otherDestroyed);
    EXPECT_EQ(copy(), table());
}

TEST_F(ReloadFiles, LeavesAloneASubMapThatHasLeftTheTable) {
    open({"gone.jpg", "kept.jpg"});
    const std::vector<Texmap*> bitmaps = table();
    // Watch the one that leaves: the holder keeps it alive afterwards.
    auto* holder = new Probe();
    holder->ReplaceReference(0, bitmaps[0]);
    map->pblock->Delete(submaps, 0, 1);
    ASSERT_EQ(copy(), bitmaps) << "no update since: the copy still has it";
    const std::vector<int> before = loads(bitmaps);

    map->ReloadFiles();

    EXPECT_EQ(loadsOf(bitmaps[0]), before[0]) << "not in the table: not reloaded";
    EXPECT_EQ(loadsOf(bitmaps[1]), before[1] + 1);
    EXPECT_EQ(copy(), (std::vector<Texmap*>{bitmaps[1]}));
    holder->DeleteMe();
}

} // namespace
