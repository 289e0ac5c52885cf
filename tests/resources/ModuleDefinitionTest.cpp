#include "host/PluginLibrary.h"
#include "tests/resources/ResourceFiles.h"

#include <regex>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

// The Windows builds export by the module definition file; the module built
// here exports by name. Every name of the file must be one the module has.
TEST(ModuleDefinition, ExportsTheSixEntryPointsWithTheirOrdinals) {
    const std::string def = readSourceFile("resources/Quiltra.def");
    const std::regex entry(R"(\n\s+(\w+)\s+@(\d+))");
    std::vector<std::string> names;
    std::vector<int> ordinals;
    for (auto it = std::sregex_iterator(def.begin(), def.end(), entry);
         it != std::sregex_iterator(); ++it) {
        names.push_back((*it)[1]);
        ordinals.push_back(std::stoi((*it)[2]));
    }
    EXPECT_EQ(ordinals, (std::vector<int>{1, 2, 3, 4, 6, 7})) << "none at 5";

    std::string error;
    const std::unique_ptr<PluginLibrary> library = PluginLibrary::Load(QUILTRA_MODULE, error);
    ASSERT_TRUE(library) << error;
    for (const std::string& name : names) {
        EXPECT_NE(library->Symbol(name.c_str()), nullptr) << name;
    }
    EXPECT_EQ(names.size(), 6u);
}

} // namespace
