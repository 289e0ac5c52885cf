#include "host/RemapDir.h"
#include "tests/host/HostFixtures.h"

#include <gtest/gtest.h>

namespace {

TEST(References, TargetIsDeletedWhenItsLastReferenceGoes) {
    bool deleted = false;
    Probe* a = new Probe();
    Probe* b = new Probe();
    Probe* target = new Probe(&deleted);
    a->ReplaceReference(0, target);
    b->ReplaceReference(1, target);
    EXPECT_EQ(target->NumDependents(), 2);
    EXPECT_EQ(a->slots[0], target);

    a->DeleteReference(0);
    EXPECT_FALSE(deleted) << "b still references it";
    EXPECT_EQ(a->slots[0], nullptr);
    b->ReplaceReference(1, nullptr);
    EXPECT_TRUE(deleted);
    EXPECT_EQ(b->slots[1], nullptr);
    a->DeleteMe();
    b->DeleteMe();
}

TEST(References, ReplaceWithoutDeletingKeepsTheOldTarget) {
    bool deleted = false;
    Probe* maker = new Probe();
    Probe* old = new Probe(&deleted);
    maker->ReplaceReference(0, old);
    maker->ReplaceReference(0, new Probe(), FALSE);
    EXPECT_FALSE(deleted);
    EXPECT_EQ(old->NumDependents(), 0);
    old->DeleteMe();
    EXPECT_TRUE(deleted);
    maker->DeleteMe();
}

TEST(References, TheHostsRecordDecidesNotWhatTheMakerReports) {
    // A maker that stops reporting a reference still releases it.
    bool deleted = false;
    Probe* maker = new Probe();
    Probe* target = new Probe(&deleted);
    maker->ReplaceReference(2, target);
    maker->slots[2] = nullptr; // the maker forgets it
    maker->DeleteReference(2);
    EXPECT_TRUE(deleted);
    maker->DeleteMe();
}

TEST(References, DeletingATargetClearsItsDependentsSlots) {
    Probe* maker = new Probe();
    Probe* target = new Probe();
    maker->ReplaceReference(0, target);
    maker->ReplaceReference(1, target);
    target->DeleteMe();
    EXPECT_EQ(maker->slots[0], nullptr);
    EXPECT_EQ(maker->slots[1], nullptr);
    ASSERT_EQ(maker->messages.size(), 1u) << "told once although referenced twice";
    EXPECT_EQ(maker->messages[0].message, REFMSG_TARGET_DELETED);
    maker->DeleteMe();
}

TEST(References, DeletingAMakerDeletesWhatOnlyItReferenced) {
    bool childDeleted = false, sharedDeleted = false;
    Probe* maker = new Probe();
    Probe* other = new Probe();
    Probe* child = new Probe(&childDeleted);
    Probe* shared = new Probe(&sharedDeleted);
    maker->ReplaceReference(0, child);
    maker->ReplaceReference(1, shared);
    other->ReplaceReference(0, shared);
    maker->DeleteMe();
    EXPECT_TRUE(childDeleted);
    EXPECT_FALSE(sharedDeleted);
    other->DeleteMe();
    EXPECT_TRUE(sharedDeleted);
}

TEST(References, ChangesTravelUpThroughDependentsThatSucceed) {
    Probe* top = new Probe();
    Probe* middle = new Probe();
    Probe* leaf = new Probe();
    top->ReplaceReference(0, middle);
    middle->ReplaceReference(0, leaf);

    leaf->NotifyDependents(FOREVER, PART_ALL, REFMSG_CHANGE);
    ASSERT_EQ(middle->messages.size(), 1u);
    EXPECT_EQ(middle->messages[0].from, leaf);
    ASSERT_EQ(top->messages.size(), 1u);
    EXPECT_EQ(top->messages[0].from, middle) << "handed on with the dependent as sender";

    middle->answer = REF_STOP;
    leaf->NotifyDependents(FOREVER, PART_ALL, REFMSG_CHANGE);
    EXPECT_EQ(middle->messages.size(), 2u);
    EXPECT_EQ(top->messages.size(), 1u) << "a dependent that does not succeed stops it";
    top->DeleteMe();
}

class Cloneable : public Probe {
  public:
    RefTargetHandle Clone(RemapDir& remap) override {
        ++clones;
        Cloneable* copy = new Cloneable();
        for (int i = 0; i < 3; ++i) {
            copy->ReplaceReference(i, remap.CloneRef(slots[i]));
        }
        return copy;
    }
    int clones = 0;
};

TEST(References, RemapDirClonesEveryTargetOnce) {
    Cloneable* root = new Cloneable();
    Cloneable* shared = new Cloneable();
    root->ReplaceReference(0, shared);
    root->ReplaceReference(1, shared);

    auto* copy = static_cast<Cloneable*>(CloneRefHierarchy(root));
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(shared->clones, 1);
    ASSERT_NE(copy->slots[0], nullptr);
    EXPECT_NE(copy->slots[0], shared);
    EXPECT_EQ(copy->slots[0], copy->slots[1]);
    EXPECT_EQ(copy->slots[2], nullptr);
    root->DeleteMe();
    copy->DeleteMe();
}

} // namespace
