#include "tests/tools/ToolRunner.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

namespace {

// The first draw after seeding with key * seed hashed, by the platform
// generator's definition: the pick of a sample.
int firstDraw(std::uint32_t key, std::uint32_t seed) {
    const std::uint32_t d = key * seed;
    std::uint32_t state = d * (d * d * 15731u + 789221u);
    state = state * 214013u + 2531011u;
    return static_cast<int>((state >> 16) & 0x7FFF);
}

TEST(SampleCommand, PicksFollowTheGeneratorSequence) {
    const ToolRun run =
        runTool({"sample", "--color", "1,0,0", "--color", "0,1,0", "--color", "0,0,1", "--keys",
                 "1-1000", "--rnd-gamma", "0.2", "--rnd-hue", "15", "--rnd-sat", "10"});
    ASSERT_EQ(run.status, 0);
    EXPECT_TRUE(run.errLines.empty());
    const auto lines = splitLines(run.out);
    ASSERT_EQ(lines.size(), 1000u);
    for (std::uint32_t key = 1; key <= 1000; ++key) {
        const auto fields = splitFields(lines[key - 1], '\t');
        ASSERT_EQ(fields.size(), 7u) << lines[key - 1];
        EXPECT_EQ(std::stoul(fields[0]), key);
        EXPECT_EQ(std::stoi(fields[1]), firstDraw(key, 12345u) % 3) << "key " << key;
        for (int i = 2; i <= 4; ++i) {
            const float component = std::strtof(fields[i].c_str(), nullptr);
            EXPECT_GE(component, 0.0f);
            EXPECT_LE(component, 1.0f);
        }
        EXPECT_EQ(fields[5], "1");
        // Printed to read back exactly: mono is the third of the sum.
        const float r = std::strtof(fields[2].c_str(), nullptr);
        const float g = std::strtof(fields[3].c_str(), nullptr);
        const float b = std::strtof(fields[4].c_str(), nullptr);
        EXPECT_EQ(std::strtof(fields[6].c_str(), nullptr), ((b + g) + r) * 0.33333334f);
    }
}

TEST(SampleCommand, WithoutSubMapsEveryKeyIsOpaqueBlack) {
    const ToolRun run = runTool({"sample", "--keys", "3,7,9", "--rnd-hue", "90"});
    ASSERT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "3\t-1\t0\t0\t0\t1\t0\n7\t-1\t0\t0\t0\t1\t0\n9\t-1\t0\t0\t0\t1\t0\n");
}

TEST(SampleCommand, KeyModesAndSeedChangeThePicks) {
    const std::vector<std::string> base = {"sample", "--color", "1,0,0", "--color",
                                           "0,1,0",  "--keys",  "1-50"};
    auto picksWith = [&](std::vector<std::string> extra) {
        std::vector<std::string> args = base;
        args.insert(args.end(), extra.begin(), extra.end());
        return runTool(args).out;
    };
    // The key stands for material, node and face alike, so the mode alone
    // changes nothing; the seed does.
    EXPECT_EQ(picksWith({"--rnd-by", "object"}), picksWith({}));
    EXPECT_EQ(picksWith({"--rnd-by", "face"}), picksWith({}));
    EXPECT_NE(picksWith({"--seed", "777"}), picksWith({}));
}

TEST(SampleCommand, BadValuesGetOneLineAndStatusTwo) {
    struct Case {
        std::vector<std::string> args;
        std::string flag;
    };
    const Case cases[] = {
        {{"--seed", "0"}, "--seed"},         {{"--seed", "100000"}, "--seed"},
        {{"--seed", "12x"}, "--seed"},       {{"--all-gamma", "-1"}, "--all-gamma"},
        {{"--all-hue", "361"}, "--all-hue"}, {{"--rnd-hue", "nan"}, "--rnd-hue"},
        {{"--occ-sat", "101"}, "--occ-sat"}, {{"--rnd-sat", ""}, "--rnd-sat"},
        {{"--rnd-by", "node"}, "--rnd-by"},  {{"--color", "1,,0"}, "--color"},
        {{"--color", "1,0"}, "--color"},     {{"--color", "1,0,0,1,1"}, "--color"},
        {{"--keys", "5-1"}, "--keys"},       {{"--keys", "4294967296"}, "--keys"},
        {{"--keys", "1,"}, "--keys"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = {"sample"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const ToolRun run = runTool(args);
        EXPECT_EQ(run.status, 2) << c.flag;
        ASSERT_EQ(run.errLines.size(), 1u) << c.flag;
        EXPECT_NE(run.errLines[0].find(c.flag), std::string::npos) << run.errLines[0];
        EXPECT_TRUE(run.out.empty()) << c.flag;
    }
}

TEST(SampleCommand, HelpListsEveryFlagWithItsRangeAndDefault) {
    const ToolRun run = runTool({"sample", "--help"});
    ASSERT_EQ(run.status, 0);
    for (const char* flag :
         {"--color", "--keys", "--rnd-by", "--seed", "--all-gamma", "--rnd-gamma", "--occ-gamma",
          "--all-hue", "--rnd-hue", "--occ-hue", "--all-sat", "--rnd-sat", "--occ-sat"}) {
        EXPECT_NE(run.out.find(flag), std::string::npos) << flag;
    }
    EXPECT_NE(run.out.find("--filtering NAME:{pyramidal,summed-area,none}=pyramidal"),
              std::string::npos);
    EXPECT_NE(run.out.find("--blur NUMBER:[0.01 to 100]=1"), std::string::npos);
    // The random spans of a new map start at zero, not at their block defaults.
    EXPECT_NE(run.out.find("--rnd-hue NUMBER:[0 to 360]=0"), std::string::npos);
    EXPECT_NE(run.out.find("[1 to 99999]=12345"), std::string::npos);
    EXPECT_NE(run.out.find("[-360 to 360]=0"), std::string::npos);
}

class SampleScene : public ::testing::Test {
  protected:
    ~SampleScene() override { std::remove(path.c_str()); }
    const std::string path =
        ::testing::TempDir() + "sample-scene-" + std::to_string(getpid()) + ".json";
};

TEST_F(SampleScene, SavedMapSamplesTheSameWhenLoaded) {
    const std::vector<std::string> keys = {"--keys", "1-300"};
    std::vector<std::string> save = {
        "sample",    "--color",     "0.8,0.3,0.2", "--color",     "0.3,0.6,0.8,0.5",
        "--color",   "0.9,0.8,0.4", "--rnd-by",    "face",        "--seed",
        "4711",      "--all-hue",   "-33.3",       "--rnd-gamma", "0.35",
        "--rnd-hue", "41",          "--rnd-sat",   "27",          "--occ-hue",
        "80",        "--save",      path};
    save.insert(save.end(), keys.begin(), keys.end());
    const ToolRun saved = runTool(save);
    ASSERT_EQ(saved.status, 0);
    ASSERT_EQ(splitLines(saved.out).size(), 300u);

    std::vector<std::string> load = {"sample", "--load", path};
    load.insert(load.end(), keys.begin(), keys.end());
    const ToolRun loaded = runTool(load);
    ASSERT_EQ(loaded.status, 0) << (loaded.errLines.empty() ? "" : loaded.errLines[0]);
    EXPECT_EQ(loaded.out, saved.out);

    // Flags given with --load change the loaded map.
    load.insert(load.end(), {"--seed", "4712"});
    EXPECT_NE(runTool(load).out, saved.out);
}

TEST_F(SampleScene, UnusableScenesGetOneLineAndNoSamples) {
    std::ofstream(path) << "{\"format\": \"quiltra-scene\", \"version\": 1, \"objec";
    struct Case {
        std::vector<std::string> args;
        int status;
        std::string mentions;
    };
    const Case cases[] = {
        {{"--load", path}, 1, path},
        {{"--load", path + ".missing"}, 1, path + ".missing"},
        {{"--load", path, "--color", "1,0,0"}, 2, "--color"},
        {{"--color", "1,0,0", "--save", "/nonexistent-folder/scene.json"},
         1,
         "/nonexistent-folder"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = {"sample"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const ToolRun run = runTool(args);
        EXPECT_EQ(run.status, c.status) << c.mentions;
        ASSERT_EQ(run.errLines.size(), 1u) << c.mentions;
        EXPECT_NE(run.errLines[0].find(c.mentions), std::string::npos) << run.errLines[0];
        EXPECT_TRUE(run.out.empty()) << c.mentions;
    }
}

TEST(SampleCommand, AMissingPlugInIsNamed) {
    ASSERT_EQ(setenv("QUILTRA_PLUGIN", "/nonexistent/Quiltra.dlt", 1), 0);
    const ToolRun run = runTool({"sample"});
    unsetenv("QUILTRA_PLUGIN");
    EXPECT_EQ(run.status, 1);
    ASSERT_EQ(run.errLines.size(), 1u);
    EXPECT_NE(run.errLines[0].find("/nonexistent/Quiltra.dlt"), std::string::npos);
    EXPECT_TRUE(run.out.empty());
}

} // namespace
