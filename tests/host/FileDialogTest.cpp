#include "host/FileDialog.h"

#include "host/FilterList.h"

#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

using namespace std::string_literals;

TEST(FileDialogLayout, LaysOutOneOrSeveralNamesAsTheSystemDialogDoes) {
    struct Case {
        const char* what;
        std::string directory;
        std::vector<std::string> names;
        char separator;
        std::string text;
        WORD fileOffset;
        WORD extensionOffset;
    };
    const Case cases[] = {
        {"one file: its full path", "C:\\pics", {"a.jpg"}, '\\', "C:\\pics\\a.jpg\0\0"s, 8, 10},
        {"one file in a root", "C:\\", {"a.jpg"}, '\\', "C:\\a.jpg\0\0"s, 3, 5},
        {"several: directory, then names",
         "C:\\pics",
         {"a.jpg", "b.jpg"},
         '\\',
         "C:\\pics\0a.jpg\0b.jpg\0\0"s,
         8,
         0},
        {"several in a root", "C:\\", {"a.jpg", "b.jpg"}, '\\', "C:\\\0a.jpg\0b.jpg\0\0"s, 4, 0},
        {"one file, slashes", "/pics", {"a.jpg"}, '/', "/pics/a.jpg\0\0"s, 6, 8},
        {"one file in the root, slashes", "/", {"a.jpg"}, '/', "/a.jpg\0\0"s, 1, 3},
        {"several, slashes", "/pics", {"a.jpg", "b.jpg"}, '/', "/pics\0a.jpg\0b.jpg\0\0"s, 6, 0},
        {"several in the root, slashes",
         "/",
         {"a.jpg", "b.jpg"},
         '/',
         "/\0a.jpg\0b.jpg\0\0"s,
         2,
         0},
        {"a name without extension: offset of its end",
         "/pics",
         {"README"},
         '/',
         "/pics/README\0\0"s,
         6,
         12},
        {"a backslash is no separator here", "/odd\\", {"a.jpg"}, '/', "/odd\\/a.jpg\0\0"s, 6, 8},
    };
    for (const Case& c : cases) {
        const FileDialogResult r = LayOutFileDialogResult(c.directory, c.names, c.separator);
        EXPECT_EQ(r.text, c.text) << c.what;
        EXPECT_EQ(r.fileOffset, c.fileOffset) << c.what;
        EXPECT_EQ(r.extensionOffset, c.extensionOffset) << c.what;
    }
}

TEST(FilterList, LaysStringsEndToEndWithTheirTerminators) {
    FilterList empty;
    EXPECT_EQ(std::string(static_cast<const char*>(empty), 2), "\0\0"s) << "no filter at all";

    FilterList filter;
    filter.Append("Images");
    filter.Append("*.png;*.jpg");
    filter.Append("");
    filter.Append("");
    EXPECT_EQ(std::string(static_cast<const char*>(filter), 21), "Images\0*.png;*.jpg\0\0\0"s);
}

class FileDialog : public ::testing::Test {
  protected:
    FileDialog() {
        ResetFileDialogs();
        buffer.assign(1000, 'x');
        ofn.lStructSize = sizeof ofn;
        ofn.lpstrFile = buffer.data();
        ofn.nMaxFile = static_cast<DWORD>(buffer.size());
        ofn.Flags = OFN_EXPLORER | OFN_ALLOWMULTISELECT;
    }
    ~FileDialog() override { ResetFileDialogs(); }

    std::string result(std::size_t size) const { return std::string(buffer.data(), size); }

    std::vector<char> buffer;
    OPENFILENAMEA ofn = {};
};

TEST_F(FileDialog, AnswersAsToldInTurnAndRecordsEachRequest) {
    PickInNextFileDialog("/pics", {"a.jpg", "b.jpg"});
    CancelNextFileDialog();
    PickInNextFileDialog("/pics", {"c.png"});

    const std::string filter = "All files\0*.*\0\0"s;
    ofn.lpstrFilter = filter.c_str();
    ofn.lpstrTitle = "Pick";
    buffer[0] = '\0';
    ASSERT_TRUE(GetOpenFileNameA(&ofn));
    EXPECT_EQ(CommDlgExtendedError(), 0u);
    EXPECT_EQ(result(19), "/pics\0a.jpg\0b.jpg\0\0"s);
    EXPECT_EQ(ofn.nFileOffset, 6);
    EXPECT_EQ(ofn.nFileExtension, 0);

    EXPECT_FALSE(GetOpenFileNameA(&ofn)) << "the user cancels";
    EXPECT_EQ(CommDlgExtendedError(), 0u) << "a cancel is no error";

    ofn.lpstrTitle = nullptr;
    buffer[0] = 'q';
    ASSERT_TRUE(GetOpenFileNameA(&ofn));
    EXPECT_EQ(result(13), "/pics/c.png\0\0"s);
    EXPECT_EQ(ofn.nFileOffset, 6);
    EXPECT_EQ(ofn.nFileExtension, 8);

    EXPECT_FALSE(GetOpenFileNameA(&ofn)) << "no answer left: the dialog cannot be shown";
    EXPECT_EQ(CommDlgExtendedError(), CDERR_DIALOGFAILURE);

    const std::vector<FileDialogRequest> requests = FileDialogRequests();
    ASSERT_EQ(requests.size(), 4u);
    EXPECT_EQ(requests[0].filter, (std::vector<std::string>{"All files", "*.*"}));
    EXPECT_TRUE(requests[0].hasTitle);
    EXPECT_EQ(requests[0].title, "Pick");
    EXPECT_EQ(requests[0].firstFileChar, '\0');
    EXPECT_EQ(requests[0].request.nMaxFile, 1000u);
    EXPECT_FALSE(requests[2].hasTitle);
    EXPECT_EQ(requests[2].firstFileChar, 'q');
}

TEST_F(FileDialog, AResultThatDoesNotFitFailsAndTellsTheSizeNeeded) {
    // "/pics\0a.jpg\0b.jpg\0\0" takes 19 characters.
    for (const DWORD room : {19u, 18u}) {
        PickInNextFileDialog("/pics", {"a.jpg", "b.jpg"});
        buffer.assign(1000, 'x');
        ofn.nMaxFile = room;
        const BOOL picked = GetOpenFileNameA(&ofn);
        if (room == 19) {
            EXPECT_TRUE(picked) << "an exact fit";
            EXPECT_EQ(result(19), "/pics\0a.jpg\0b.jpg\0\0"s);
        } else {
            EXPECT_FALSE(picked);
            EXPECT_EQ(CommDlgExtendedError(), FNERR_BUFFERTOOSMALL);
            WORD needed = 0;
            std::memcpy(&needed, buffer.data(), sizeof needed);
            EXPECT_EQ(needed, 19);
            EXPECT_EQ(buffer[2], 'x') << "nothing else is written";
        }
        EXPECT_EQ(buffer[19], 'x') << "never past nMaxFile";
    }
}

TEST_F(FileDialog, RefusesRequestsItCannotServe) {
    PickInNextFileDialog("/pics", {"a.jpg"});
    ofn.lStructSize = sizeof ofn - 4;
    EXPECT_FALSE(GetOpenFileNameA(&ofn));
    EXPECT_EQ(CommDlgExtendedError(), CDERR_STRUCTSIZE);

    ofn.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
    EXPECT_TRUE(GetOpenFileNameA(&ofn)) << "the older, shorter structure is accepted";

    PickInNextFileDialog("/pics", {"a.jpg", "b.jpg"});
    ofn.lStructSize = sizeof ofn;
    ofn.Flags = OFN_EXPLORER;
    EXPECT_FALSE(GetOpenFileNameA(&ofn)) << "several files from a single-file dialog";
    EXPECT_EQ(CommDlgExtendedError(), CDERR_DIALOGFAILURE);
}

} // namespace
