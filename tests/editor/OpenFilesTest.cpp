#include "tests/editor/EditorFixtures.h"
#include "tests/host/HostFixtures.h"

#include <cstdint>
#include <string>
#include <vector>

namespace {

class OpenFiles : public EditorTest {
  protected:
    // The owner the rollout would pass: any window handle will do.
    HWND owner = reinterpret_cast<HWND>(static_cast<std::uintptr_t>(0x1234));
};

TEST_F(OpenFiles, AsksForAnyNumberOfFilesOfAnyKindInOneDialog) {
    CancelNextFileDialog();
    map->OpenFiles(owner);

    const std::vector<FileDialogRequest> asked = FileDialogRequests();
    ASSERT_EQ(asked.size(), 1u);
    const FileDialogRequest& r = asked[0];
    EXPECT_EQ(r.request.lStructSize, sizeof(OPENFILENAMEA)) << "the full structure";
    EXPECT_EQ(r.request.hwndOwner, owner);
    EXPECT_EQ(r.filter, (std::vector<std::string>{"All files", "*.*"}));
    EXPECT_EQ(r.firstFileChar, '\0') << "no file name to start with";
    EXPECT_EQ(r.request.nMaxFile, 260000u);
    EXPECT_TRUE(r.hasTitle);
    EXPECT_EQ(r.title, "Open file(s)");
    EXPECT_EQ(r.request.Flags, 0x81A04u);
    EXPECT_EQ(r.request.FlagsEx, 1u) << "no places bar";
    // Everything else is left at zero.
    EXPECT_EQ(r.request.hInstance, nullptr);
    EXPECT_EQ(r.request.lpstrCustomFilter, nullptr);
    EXPECT_EQ(r.request.nMaxCustFilter, 0u);
    EXPECT_EQ(r.request.nFilterIndex, 0u);
    EXPECT_EQ(r.request.lpstrFileTitle, nullptr);
    EXPECT_EQ(r.request.nMaxFileTitle, 0u);
    EXPECT_EQ(r.request.lpstrInitialDir, nullptr);
    EXPECT_EQ(r.request.lpstrDefExt, nullptr);
    EXPECT_EQ(r.request.lCustData, 0);
    EXPECT_EQ(r.request.lpfnHook, nullptr);
    EXPECT_EQ(r.request.lpTemplateName, nullptr);
    EXPECT_EQ(r.request.pvReserved, nullptr);
    EXPECT_EQ(r.request.dwReserved, 0u);
}

TEST_F(OpenFiles, GivesOneNamedBitmapTexturePerFileInTheDialogsOrder) {
    struct Case {
        const char* what;
        std::string directory;
        std::vector<std::string> names;
        std::vector<std::string> paths;
    };
    const Case cases[] = {
        {"one file", "/pics", {"a.jpg"}, {"/pics/a.jpg"}},
        {"two files", "/pics", {"a.jpg", "b.jpg"}, {"/pics/a.jpg", "/pics/b.jpg"}},
        {"the dialog's order, not sorted",
         "/pics/set 2",
         {"z.png", "b.jpg", "m.tif"},
         {"/pics/set 2/z.png", "/pics/set 2/b.jpg", "/pics/set 2/m.tif"}},
        {"several in the root: one separator", "/", {"a.jpg", "b.jpg"}, {"/a.jpg", "/b.jpg"}},
        {"one in the root", "/", {"a.jpg"}, {"/a.jpg"}},
    };
    for (const Case& c : cases) {
        PickInNextFileDialog(c.directory, c.names);
        map->OpenFiles(owner);

        const std::vector<Texmap*> entries = table();
        ASSERT_EQ(entries.size(), c.names.size()) << c.what;
        for (std::size_t i = 0; i < entries.size(); ++i) {
            ASSERT_NE(entries[i], nullptr) << c.what;
            EXPECT_EQ(entries[i]->ClassID(), BMTEX_CLASS_ID) << c.what;
            EXPECT_STREQ(entries[i]->GetName(), c.names[i].c_str()) << c.what;
            EXPECT_EQ(fileNameOf(entries[i]), c.paths[i]) << c.what;
        }
        EXPECT_EQ(copy(), entries) << c.what << ": the update brought the copy up to date";
    }
}

TEST_F(OpenFiles, ACancelOrAFailedDialogChangesNothing) {
    PickInNextFileDialog("/pics", {"a.jpg", "b.jpg"});
    map->OpenFiles(owner);
    ASSERT_EQ(table().size(), 2u);

    // Many long names: more than the 260000 characters the dialog is given.
    std::vector<std::string> tooMany;
    for (int i = 0; i < 2700; ++i) {
        tooMany.push_back(std::string(90, 'n') + std::to_string(10000 + i) + ".jpg");
    }
    struct Case {
        const char* what;
        void (*arrange)(const std::vector<std::string>&);
    };
    const Case cases[] = {
        {"cancel", [](const std::vector<std::string>&) { CancelNextFileDialog(); }},
        {"buffer too small",
         [](const std::vector<std::string>& names) { PickInNextFileDialog("/pics", names); }},
        {"no dialog at all", [](const std::vector<std::string>&) {}},
    };
    for (const Case& c : cases) {
        const std::vector<Texmap*> before = table();
        Texmap** copyBefore = map->shading.subMaps;
        // A change that only an update would take in.
        map->pblock->SetValue(seed, 0, 777);
        ASSERT_FALSE(map->ivalid.InInterval(0));

        c.arrange(tooMany);
        map->OpenFiles(owner);

        EXPECT_EQ(table(), before) << c.what;
        EXPECT_EQ(map->shading.subMaps, copyBefore) << c.what << ": the copy is the same array";
        EXPECT_EQ(copy(), before) << c.what;
        EXPECT_STREQ(before[1]->GetName(), "b.jpg") << c.what;
        EXPECT_EQ(fileNameOf(before[1]), "/pics/b.jpg") << c.what;
        EXPECT_FALSE(map->ivalid.InInterval(0)) << c.what << ": no update ran";
        update();
    }
    EXPECT_EQ(FileDialogRequests().size(), 4u);
}

TEST_F(OpenFiles, OpeningAgainReplacesTheWholeTableWithNewTextures) {
    PickInNextFileDialog("/pics", {"a.jpg", "b.jpg"});
    map->OpenFiles(owner);
    const std::vector<Texmap*> first = table();
    ASSERT_EQ(first.size(), 2u);
    // Keep the first textures alive to compare, and change one of them.
    auto* holder = new Probe();
    holder->ReplaceReference(0, first[0]);
    holder->ReplaceReference(1, first[1]);
    first[0]->GetParamBlock(0)->SetValue(BitmapTex::bmtex_filtering, 0, 2);
    first[0]->SetName("renamed");

    PickInNextFileDialog("/pics", {"a.jpg", "b.jpg"});
    map->OpenFiles(owner);

    const std::vector<Texmap*> second = table();
    ASSERT_EQ(second.size(), 2u);
    for (std::size_t i = 0; i < 2; ++i) {
        EXPECT_NE(second[i], first[0]);
        EXPECT_NE(second[i], first[1]);
        EXPECT_EQ(first[i]->NumDependents(), 1) << "only the holder refers to it now";
    }
    EXPECT_EQ(copy(), second);
    EXPECT_STREQ(second[0]->GetName(), "a.jpg");
    EXPECT_EQ(filteringOf(second[0]), 0) << "the new texture has the host's defaults";
    EXPECT_EQ(fileNameOf(second[1]), "/pics/b.jpg");
    holder->DeleteMe();
}

TEST_F(OpenFiles, NewTexturesTakeFilteringAndBlurWhenTheUpdatePushesThem) {
    update(); // pushes the defaults: pyramidal, blur 1
    map->pblock->SetValue(filtering, 0, 2);
    map->pblock->SetValue(blur, 0, 0.5f);

    PickInNextFileDialog("/pics", {"a.jpg", "b.jpg"});
    map->OpenFiles(owner);
    for (Texmap* entry : table()) {
        EXPECT_EQ(filteringOf(entry), 2) << "changed since the last push: pushed";
        EXPECT_EQ(blurOf(entry), 0.5f);
    }

    PickInNextFileDialog("/pics", {"c.jpg"});
    map->OpenFiles(owner);
    ASSERT_EQ(table().size(), 1u);
    EXPECT_EQ(filteringOf(table()[0]), 0) << "unchanged since the last push: the host's default";
    EXPECT_EQ(blurOf(table()[0]), 1.0f);
}

TEST_F(OpenFiles, AFileWhosePathDoesNotFitIsSkipped) {
    // Paths hold at most 259 characters and the terminator.
    const std::string dir200 = "/" + std::string(199, 'd');
    const std::string dir259 = "/" + std::string(258, 'd');
    const std::string dir300 = "/" + std::string(299, 'd');
    const std::string name58(58, 'f');                  // dir200 + "/" + name58: 259
    const std::string name59(59, 'g');                  // 260
    const std::string longName = std::string(300, 'h'); // longer than any path
    struct Case {
        const char* what;
        std::string directory;
        std::vector<std::string> names;
        std::vector<std::string> loaded;
    };
    const Case cases[] = {
        {"several: the ones that fit are loaded",
         dir200,
         {"a.jpg", name59, name58, longName},
         {"a.jpg", name58}},
        {"one file of 259 characters", dir200, {name58}, {name58}},
        {"one file of 260 characters", dir200, {name59}, {}},
        {"one file with a name longer than a path", "/pics", {longName}, {}},
        {"a directory that fits with no room for a name", dir259, {"a.jpg", "b.jpg"}, {}},
        {"a directory that does not fit", dir300, {"a.jpg", "b.jpg"}, {}},
        {"one file in a directory that does not fit", dir300, {"a.jpg"}, {}},
    };
    for (const Case& c : cases) {
        PickInNextFileDialog(c.directory, c.names);
        map->OpenFiles(owner);

        const std::vector<Texmap*> entries = table();
        ASSERT_EQ(entries.size(), c.loaded.size()) << c.what;
        for (std::size_t i = 0; i < entries.size(); ++i) {
            EXPECT_STREQ(entries[i]->GetName(), c.loaded[i].c_str()) << c.what;
            EXPECT_EQ(fileNameOf(entries[i]), c.directory + "/" + c.loaded[i]) << c.what;
        }
        EXPECT_EQ(copy(), entries) << c.what;
    }
}

TEST_F(OpenFiles, AFileTheHostMakesNoTextureForIsSkipped) {
    RefusingBitmapDesc refusing({1, 3});
    PickInNextFileDialog("/pics", {"a.jpg", "b.jpg", "c.jpg", "d.jpg", "e.jpg"});
    map->OpenFiles(owner);

    std::vector<std::string> names;
    for (Texmap* entry : table()) {
        names.push_back(entry->GetName().data());
    }
    EXPECT_EQ(names, (std::vector<std::string>{"a.jpg", "c.jpg", "e.jpg"}));
    EXPECT_EQ(copy(), table());
}

// Results no system dialog gives, read without ever leaving the buffer: no
// terminator anywhere, offsets past the end or into the directory, a whole
// buffer of one name.
TEST_F(OpenFiles, DamagedDialogResultsAreReadWithinTheBuffer) {
    struct Case {
        const char* what;
        std::string bytes;
        WORD nameOffset;
        std::vector<std::string> paths;
    };
    const Case cases[] = {
        {"no terminator at all", std::string(260000, 'x'), 3, {}},
        {"name offset past the end", std::string("/pics\0a.png\0\0", 14), 60000, {}},
        {"name offset into the directory", std::string("/pics\0a.png\0\0", 14), 2, {"/p/ics"}},
        // The rest of the buffer starts out zero, so the name ends there.
        {"one unterminated name after the directory",
         "/pics" + std::string(1, '\0') + "ab",
         6,
         {"/pics/ab"}},
        {"offset 0: a name without a directory",
         std::string("/pics/a.png\0\0", 13),
         0,
         {"//pics/a.png"}},
    };
    for (const Case& c : cases) {
        AnswerNextFileDialogWith(c.bytes, c.nameOffset);
        map->OpenFiles(owner);
        std::vector<std::string> paths;
        for (Texmap* entry : table()) {
            ASSERT_NE(entry, nullptr) << c.what;
            paths.push_back(fileNameOf(entry));
        }
        EXPECT_EQ(paths, c.paths) << c.what;
    }
}

} // namespace
