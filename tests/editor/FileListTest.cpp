#include "editor/FileList.h"

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

using namespace std::string_literals;

// A buffer of exactly size characters on the heap, where a write past its
// end shows under AddressSanitizer.
std::unique_ptr<char[]> exactBuffer(std::size_t size) {
    std::unique_ptr<char[]> buffer(new char[size]);
    std::memset(buffer.get(), 'x', size);
    return buffer;
}

TEST(ComposePath, JoinsDirectoryAndNameWithOneSeparatorInEitherForm) {
    struct Case {
        const char* directory;
        const char* name;
        char separator;
        const char* path;
    };
    const Case cases[] = {
        {"C:\\pics", "a.jpg", '\\', "C:\\pics\\a.jpg"},
        {"C:\\pics\\", "a.jpg", '\\', "C:\\pics\\a.jpg"},
        {"C:\\", "a.jpg", '\\', "C:\\a.jpg"},
        {"\\\\server\\share", "a.jpg", '\\', "\\\\server\\share\\a.jpg"},
        {"/pics", "a.jpg", '/', "/pics/a.jpg"},
        {"/pics/", "a.jpg", '/', "/pics/a.jpg"},
        {"/", "a.jpg", '/', "/a.jpg"},
        {"C:\\pics", "a.jpg", '/', "C:\\pics/a.jpg"},
    };
    for (const Case& c : cases) {
        char path[MAX_PATH];
        std::memset(path, 'x', sizeof path);
        ASSERT_TRUE(ComposePath(c.directory, c.name, c.separator, path, sizeof path)) << c.path;
        EXPECT_STREQ(path, c.path);
        EXPECT_EQ(path[MAX_PATH - 1], '\0') << c.path << ": cleared to the end";
    }
}

TEST(ComposePath, APathThatDoesNotFitIsLeftEmptyAndNothingIsWrittenPastTheBuffer) {
    for (const char separator : {'\\', '/'}) {
        const std::string directory = "C:" + std::string(1, separator) + std::string(250, 'd');
        for (const std::size_t nameLength : {std::size_t(6), std::size_t(7), std::size_t(400)}) {
            const std::string name(nameLength, 'n');
            // 252 + 1 + 6 = 259 characters fit; 260 do not.
            const bool fits = directory.size() + 1 + nameLength < MAX_PATH;
            auto path = exactBuffer(MAX_PATH);
            EXPECT_EQ(ComposePath(directory.c_str(), name.c_str(), separator, path.get(), MAX_PATH),
                      fits)
                << nameLength;
            if (fits) {
                EXPECT_EQ(std::string(path.get()), directory + separator + name);
            } else {
                EXPECT_EQ(std::string(path.get(), MAX_PATH), std::string(MAX_PATH, '\0'))
                    << "all NUL";
            }
        }
    }
}

TEST(ReadDirectory, TakesTheDirectoryOfOneFileOrOfSeveral) {
    struct Case {
        const char* what;
        std::string list;
        WORD nameOffset;
        const char* directory;
    };
    const Case cases[] = {
        {"one file: the path up to the name", "C:\\pics\\a.jpg\0\0"s, 8, "C:\\pics\\"},
        {"one file in a root", "C:\\a.jpg\0\0"s, 3, "C:\\"},
        {"several: the first string", "C:\\pics\0a.jpg\0b.jpg\0\0"s, 8, "C:\\pics"},
        {"several in a root", "C:\\\0a.jpg\0\0"s, 4, "C:\\"},
        {"one file, slashes", "/pics/a.jpg\0\0"s, 6, "/pics/"},
        {"several in the root, slashes", "/\0a.jpg\0b.jpg\0\0"s, 2, "/"},
    };
    for (const Case& c : cases) {
        char directory[MAX_PATH];
        ASSERT_TRUE(ReadDirectory(c.list.data(), c.list.size(), c.nameOffset, directory, MAX_PATH))
            << c.what;
        EXPECT_STREQ(directory, c.directory) << c.what;
    }
}

TEST(ReadDirectory, ADirectoryThatDoesNotFitIsNotCopied) {
    // 259 characters and the terminator fill the buffer exactly; the names
    // then start at offset 260, one past its end.
    const std::string fits = "/" + std::string(258, 'd');
    const std::string tooLong = fits + "d";
    struct Case {
        std::string list;
        WORD nameOffset;
        bool copied;
        std::string directory;
    };
    const Case cases[] = {
        {fits + "\0a.jpg\0\0"s, 260, true, fits},
        {tooLong + "\0a.jpg\0\0"s, 261, false, ""},
        {tooLong + "/a.jpg\0\0"s, 261, false, ""},
        {"/pics/" + std::string(300, 'n') + "\0\0"s, 6, true, "/pics/"},
    };
    for (const Case& c : cases) {
        auto directory = exactBuffer(MAX_PATH);
        EXPECT_EQ(
            ReadDirectory(c.list.data(), c.list.size(), c.nameOffset, directory.get(), MAX_PATH),
            c.copied)
            << c.nameOffset;
        EXPECT_EQ(std::string(directory.get()), c.directory) << c.nameOffset;
    }
}

std::vector<std::string> namesOf(const std::string& list, WORD nameOffset) {
    std::vector<std::string> names;
    PickedNames picked(list.data(), list.size(), nameOffset);
    for (const char* name = picked.Next(); name; name = picked.Next()) {
        names.emplace_back(name);
    }
    return names;
}

TEST(PickedNames, WalksTheNamesInTheDialogsOrderAndStopsAtTheEnd) {
    EXPECT_EQ(namesOf("C:\\pics\\a.jpg\0\0"s, 8), std::vector<std::string>{"a.jpg"});
    EXPECT_EQ(namesOf("C:\\pics\0b.jpg\0a.jpg\0\0"s, 8),
              (std::vector<std::string>{"b.jpg", "a.jpg"}));
    EXPECT_EQ(namesOf("/pics/a.jpg\0stale.jpg\0\0"s, 6), std::vector<std::string>{"a.jpg"})
        << "one file: nothing after its path counts";
    EXPECT_EQ(namesOf("/pics\0a.jpg\0unterminated"s, 6), std::vector<std::string>{"a.jpg"})
        << "never past the buffer";
    EXPECT_TRUE(namesOf("\0\0"s, 0).empty());
}

} // namespace
