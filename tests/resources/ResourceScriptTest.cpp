// The resource script is compiled by the Windows builds only: these checks
// hold it against the header it shares with the code and against the
// parameter block it serves, so that a mistake shows on every platform.
#include "host/ParamBlockDesc2.h"
#include "resources/ResourceIds.h"
#include "tests/resources/ResourceFiles.h"
#include "texmap/ParamBlock.h"

#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

struct Control {
    std::string statement; // AUTORADIOBUTTON, PUSHBUTTON, GROUPBOX, LTEXT or CONTROL
    std::string text;
    std::string id;
    std::string className; // of a CONTROL statement
};

std::map<std::string, int> headerDefines() {
    std::map<std::string, int> defines;
    const std::string header = readSourceFile("resources/ResourceIds.h");
    const std::regex define(R"(#define (\w+) (-?\d+))");
    for (auto it = std::sregex_iterator(header.begin(), header.end(), define);
         it != std::sregex_iterator(); ++it) {
        defines[(*it)[1]] = std::stoi((*it)[2]);
    }
    return defines;
}

std::vector<Control> dialogControls(const std::string& script) {
    std::vector<Control> controls;
    const std::size_t begin = script.find("BEGIN", script.find("DIALOGEX"));
    const std::string body = script.substr(begin, script.find("\nEND", begin) - begin);
    const std::regex control(
        R"re(\n\s*(AUTORADIOBUTTON|PUSHBUTTON|GROUPBOX|LTEXT|CONTROL) ("[^"]*"|\w+), (\w+)(, "(\w+)")?)re");
    for (auto it = std::sregex_iterator(body.begin(), body.end(), control);
         it != std::sregex_iterator(); ++it) {
        controls.push_back({(*it)[1], (*it)[2], (*it)[3], (*it)[5]});
    }
    return controls;
}

class ResourceScript : public ::testing::Test {
  protected:
    const std::string script = readSourceFile("resources/Quiltra.rc");
    const std::map<std::string, int> defines = headerDefines();
    const std::vector<Control> controls = dialogControls(script);

    // The control of the template with identifier value id.
    std::vector<Control> withId(int id) const {
        std::vector<Control> found;
        for (const Control& c : controls) {
            const auto value = defines.find(c.id);
            if (value != defines.end() && value->second == id) {
                found.push_back(c);
            }
        }
        return found;
    }
};

TEST_F(ResourceScript, NamesOnlyIdentifiersOfTheSharedHeader) {
    ASSERT_FALSE(script.empty());
    const std::regex name(R"(\b(ID[SDBRC]_\w+))");
    std::set<std::string> names;
    for (auto it = std::sregex_iterator(script.begin(), script.end(), name);
         it != std::sregex_iterator(); ++it) {
        names.insert((*it)[1]);
    }
    const std::string strings = readSourceFile("resources/StringTable.inc");
    for (auto it = std::sregex_iterator(strings.begin(), strings.end(), name);
         it != std::sregex_iterator(); ++it) {
        names.insert((*it)[1]);
    }
    EXPECT_GT(names.size(), 40u);
    for (const std::string& n : names) {
        EXPECT_EQ(defines.count(n), 1u) << n << " is not defined in resources/ResourceIds.h";
    }
    EXPECT_NE(script.find("IDD_PANEL DIALOGEX"), std::string::npos);
    EXPECT_EQ(defines.at("IDD_PANEL"), paramBlockDesc.dlg_template) << "the block's rollout";
}

TEST_F(ResourceScript, HasEveryControlTheParameterBlockTiesToAParameter) {
    ASSERT_EQ(controls.size(), 45u);
    for (int i = 0; i < paramBlockDesc.Count(); ++i) {
        const ParamDef& p = paramBlockDesc.ParamAt(i);
        std::vector<std::pair<int, std::string>> wanted;
        if (p.uiType == TYPE_SPINNER) {
            wanted = {{p.ctrlIDs[0], "CustEdit"}, {p.ctrlIDs[1], "SpinnerControl"}};
        } else if (p.uiType == TYPE_RADIO) {
            for (const int id : p.ctrlIDs) {
                wanted.push_back({id, "AUTORADIOBUTTON"});
            }
        }
        for (const auto& [id, kind] : wanted) {
            const std::vector<Control> found = withId(id);
            ASSERT_EQ(found.size(), 1u) << p.int_name << ": control " << id;
            const std::string got =
                found[0].statement == "CONTROL" ? found[0].className : found[0].statement;
            EXPECT_EQ(got, kind) << p.int_name << ": control " << id;
        }
    }
}

TEST_F(ResourceScript, HasTheThreeCommandsOfTheRollout) {
    const std::vector<Control> open = withId(IDC_OPEN_FILES);
    const std::vector<Control> reload = withId(IDC_RELOAD_FILES);
    const std::vector<Control> banner = withId(IDC_BANNER);
    ASSERT_EQ(open.size(), 1u);
    ASSERT_EQ(reload.size(), 1u);
    ASSERT_EQ(banner.size(), 1u);
    EXPECT_EQ(open[0].statement, "PUSHBUTTON");
    EXPECT_EQ(open[0].text, "\"Open files\"");
    EXPECT_EQ(reload[0].statement, "PUSHBUTTON");
    EXPECT_EQ(reload[0].text, "\"Reload files\"");
    EXPECT_EQ(banner[0].className, "Static");
    EXPECT_EQ(banner[0].text, "IDB_BANNER") << "the banner shows bitmap 103";
    EXPECT_NE(script.find("IDB_BANNER BITMAP \"Banner.bmp\""), std::string::npos);
    EXPECT_NE(script.find("IDR_MANIFEST RT_MANIFEST \"Quiltra.manifest\""), std::string::npos);
}

} // namespace
