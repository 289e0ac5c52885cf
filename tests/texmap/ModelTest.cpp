// Long random sequences of host operations on a few maps, checked after
// every step against a plain model of what each map's table and values
// should be. A failing sequence is cut down to the fewest operations that
// still fail, and printed with its seed.
#include "host/Animate.h"
#include "host/BitmapTex.h"
#include "host/FileDialog.h"
#include "host/SceneFile.h"
#include "host/ShadeContext.h"
#include "shading/ColorVariation.h"
#include "shading/Generator.h"
#include "shading/SeedHash.h"
#include "tests/texmap/TexmapFixtures.h"

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace {

// Every sub-map of the run registers itself while it lives, in the order
// they were made (so that a seed always picks the same ones), and no step
// can give out one that was freed without the check seeing it.
std::vector<Texmap*>& liveSubMaps() {
    static std::vector<Texmap*> live;
    return live;
}

// Bitmap textures made by "Open files" and by loading: the model knows them
// only from the tables; AddressSanitizer watches their memory.
std::vector<Texmap*>& knownBitmaps() {
    static std::vector<Texmap*> known;
    return known;
}

bool isLive(Texmap* t) {
    return std::find(liveSubMaps().begin(), liveSubMaps().end(), t) != liveSubMaps().end() ||
           std::find(knownBitmaps().begin(), knownBitmaps().end(), t) != knownBitmaps().end();
}

// Sub-maps that no map referenced any more when a run ended.
int orphansLeft = 0;

thread_local Texmap* lastShaded = nullptr;

class TrackedMap : public RecordingMap {
  public:
    explicit TrackedMap(AColor c = AColor(0.5f, 0.5f, 0.5f, 1.0f)) : RecordingMap(c) {
        liveSubMaps().push_back(this);
    }
    ~TrackedMap() override {
        liveSubMaps().erase(std::find(liveSubMaps().begin(), liveSubMaps().end(), this));
    }
    static constexpr Class_ID kClassID = Class_ID(0x7E57, 0x30DE1);
    Class_ID ClassID() override { return kClassID; }
    AColor EvalColor(ShadeContext& sc) override {
        lastShaded = this;
        return RecordingMap::EvalColor(sc);
    }
    RefTargetHandle Clone(RemapDir& remap) override {
        auto* clone = new TrackedMap(color);
        *static_cast<MtlBase*>(clone) = *this;
        BaseClone(this, clone, remap);
        return clone;
    }
};

class TrackedMapDesc : public RecordingMapDesc {
  public:
    void* Create(BOOL) override { return new TrackedMap(); }
    Class_ID ClassID() override { return TrackedMap::kClassID; }
};

class KeySample : public ShadeContext {
  public:
    explicit KeySample(int key) : face(key) { mtlNum = key; }
    INode* Node() override { return nullptr; }
    int FaceNumber() override { return face; }
    int face;
};

enum class Step {
    CreateMap,
    DeleteMap,
    AppendNew,
    AppendEmpty,
    AppendShared,
    SetEntry,
    DeleteEntries,
    DeleteSubMap,
    Update,
    Clone,
    Reset,
    SetValue,
    Animate,
    RenderBracket,
    Evaluate,
    SaveAndLoad,
    OpenFiles,
    ReloadFiles,
    Count
};

const char* const kStepNames[] = {
    "create map",    "delete map",     "append new",     "append empty",     "append shared",
    "set entry",     "delete entries", "delete sub-map", "update",           "clone",
    "reset",         "set value",      "animate",        "render begin/end", "evaluate",
    "save and load", "open files",     "reload files",
};
static_assert(std::size(kStepNames) == static_cast<std::size_t>(Step::Count),
              "a name for every step");

struct Operation {
    Step step;
    std::uint32_t a, b, c;
};

std::string describe(const Operation& op) {
    std::ostringstream text;
    text << kStepNames[static_cast<int>(op.step)] << " (" << op.a << ", " << op.b << ", " << op.c
         << ")";
    return text.str();
}

// The colour parameters and their ranges; the model knows their values
// while they are not animated.
struct FloatParam {
    ParamID id;
    float low, high;
};
const FloatParam kFloatParams[] = {
    {all_gamma, 0.0f, 100.0f}, {all_hue, -360.0f, 360.0f}, {all_sat, 0.0f, 10000.0f},
    {rnd_gamma, 0.0f, 100.0f}, {rnd_hue, 0.0f, 360.0f},    {rnd_sat, 0.0f, 10000.0f},
    {occ_gamma, 0.0f, 100.0f}, {occ_hue, 0.0f, 100.0f},    {occ_sat, 0.0f, 100.0f},
};

struct ModelMap {
    explicit ModelMap(Quiltra* m) : map(m) {}

    Quiltra* map;
    std::vector<Texmap*> table;
    float values[9] = {1.0f, 0.0f, 100.0f, 0.0f, 0.0f, 0.0f, 50.0f, 50.0f, 50.0f};
    int rndBy = 0;
    int seed = 12345;
    bool animated = false;
    bool rendering = false;
};

class Run {
  public:
    ~Run() {
        for (ModelMap& m : maps) {
            m.map->DeleteMe();
        }
        orphansLeft += static_cast<int>(liveSubMaps().size());
        while (!liveSubMaps().empty()) {
            liveSubMaps().back()->DeleteMe();
        }
        AnimateOff();
    }

    // Empty while the map agrees with the model; else what went wrong.
    std::string apply(const Operation& op) {
        switch (op.step) {
        case Step::CreateMap:
            if (maps.size() < 4) {
                maps.push_back(ModelMap(newMap()));
            }
            break;
        case Step::DeleteMap:
            if (ModelMap* m = pick(op.a)) {
                m->map->DeleteMe();
                maps.erase(maps.begin() + (m - maps.data()));
            }
            break;
        case Step::AppendNew:
            if (ModelMap* m = pick(op.a)) {
                append(*m, new TrackedMap(AColor((op.b % 11) / 10.0f, (op.c % 7) / 6.0f, 0.3f, 1)));
            }
            break;
        case Step::AppendEmpty:
            if (ModelMap* m = pick(op.a)) {
                append(*m, nullptr);
            }
            break;
        case Step::AppendShared:
            if (ModelMap* m = pick(op.a); m && !liveSubMaps().empty()) {
                append(*m, nth(liveSubMaps(), op.b));
            }
            break;
        case Step::SetEntry:
            if (ModelMap* m = pick(op.a); m && !m->table.empty()) {
                const int i = static_cast<int>(op.b % m->table.size());
                Texmap* entry =
                    op.c % 3 == 0 ? nullptr : new TrackedMap(AColor(0.9f, 0.1f, 0.4f, 1));
                m->map->GetParamBlock(0)->SetValue(submaps, 0, entry, i);
                m->table[i] = entry;
            }
            break;
        case Step::DeleteEntries:
            if (ModelMap* m = pick(op.a); m && !m->table.empty()) {
                const int start = static_cast<int>(op.b % m->table.size());
                const int num = 1 + static_cast<int>(op.c % 3);
                m->map->GetParamBlock(0)->Delete(submaps, start, num);
                m->table.erase(m->table.begin() + start,
                               m->table.begin() + std::min<int>(start + num, m->table.size()));
            }
            break;
        case Step::DeleteSubMap:
            if (!liveSubMaps().empty()) {
                Texmap* doomed = nth(liveSubMaps(), op.a);
                doomed->DeleteMe();
                for (ModelMap& m : maps) {
                    std::replace(m.table.begin(), m.table.end(), doomed,
                                 static_cast<Texmap*>(nullptr));
                }
            }
            break;
        case Step::Update:
            if (ModelMap* m = pick(op.a)) {
                return update(*m, static_cast<TimeValue>(op.b % 4) * 40);
            }
            break;
        case Step::Clone:
            if (ModelMap* m = pick(op.a); m && maps.size() < 4) {
                RemapDir remap;
                ModelMap copy = *m;
                copy.map = static_cast<Quiltra*>(remap.CloneRef(m->map));
                copy.rendering = false;
                for (Texmap*& entry : copy.table) {
                    entry = entry ? static_cast<Texmap*>(remap.FindMapping(entry)) : nullptr;
                }
                // The clones of bitmap textures, the table's and those of the
                // map's own copy of it, are known from here on.
                for (int i = 0; i < m->map->shading.subMapCount; ++i) {
                    knowClone(remap, m->map->shading.subMaps[i]);
                }
                for (Texmap* entry : m->table) {
                    knowClone(remap, entry);
                }
                maps.push_back(copy);
            }
            break;
        case Step::Reset:
            if (ModelMap* m = pick(op.a)) {
                m->map->Reset();
                // Keys are not the reset's business: an animated value stays so.
                ModelMap reset(m->map);
                reset.rendering = m->rendering;
                reset.animated = m->animated;
                *m = reset;
            }
            break;
        case Step::SetValue:
            if (ModelMap* m = pick(op.a)) {
                setValue(*m, op.b, op.c);
            }
            break;
        case Step::Animate:
            if (ModelMap* m = pick(op.a)) {
                const FloatParam& p = kFloatParams[op.b % 9];
                AnimateOn();
                m->map->GetParamBlock(0)->SetValue(p.id, 0, p.low);
                m->map->GetParamBlock(0)->SetValue(p.id, 80, p.high * ((op.c % 5) / 4.0f));
                AnimateOff();
                m->animated = true;
            }
            break;
        case Step::RenderBracket:
            if (ModelMap* m = pick(op.a)) {
                if (m->rendering) {
                    m->map->RenderEnd(0);
                } else {
                    m->map->RenderBegin(0, 0);
                }
                m->rendering = !m->rendering;
            }
            break;
        case Step::Evaluate:
            if (ModelMap* m = pick(op.a)) {
                return evaluate(*m, static_cast<int>(op.b % 1000));
            }
            break;
        case Step::SaveAndLoad:
            if (ModelMap* m = pick(op.a)) {
                return saveAndLoad(*m);
            }
            break;
        case Step::OpenFiles:
            if (ModelMap* m = pick(op.a)) {
                return openFiles(*m, op.b);
            }
            break;
        case Step::ReloadFiles:
            if (ModelMap* m = pick(op.a)) {
                m->map->ReloadFiles();
            }
            break;
        case Step::Count:
            break;
        }
        return checkTables();
    }

  private:
    ModelMap* pick(std::uint32_t a) { return maps.empty() ? nullptr : &maps[a % maps.size()]; }

    static Texmap* nth(const std::vector<Texmap*>& live, std::uint32_t n) {
        return live[n % live.size()];
    }

    static void knowClone(RemapDir& remap, Texmap* original) {
        auto* clone = original ? static_cast<Texmap*>(remap.FindMapping(original)) : nullptr;
        if (clone && clone->ClassID() == BMTEX_CLASS_ID) {
            knownBitmaps().push_back(clone);
        }
    }

    static void append(ModelMap& m, Texmap* entry) {
        m.map->GetParamBlock(0)->Append(submaps, 1, &entry);
        m.table.push_back(entry);
    }

    static void setValue(ModelMap& m, std::uint32_t which, std::uint32_t value) {
        IParamBlock2* block = m.map->GetParamBlock(0);
        if (which % 11 == 9) {
            m.rndBy = static_cast<int>(value % 3);
            block->SetValue(rnd_by, 0, m.rndBy);
        } else if (which % 11 == 10) {
            m.seed = 1 + static_cast<int>(value % 99999);
            block->SetValue(seed, 0, m.seed);
        } else {
            const FloatParam& p = kFloatParams[which % 11];
            const float v = p.low + (p.high - p.low) * ((value % 1001) / 1000.0f);
            block->SetValue(p.id, 0, v);
            if (!m.animated) {
                m.values[which % 11] = v;
            }
        }
    }

    // Every table holds what the model says, and nothing given out is freed.
    std::string checkTables() {
        for (std::size_t k = 0; k < maps.size(); ++k) {
            ModelMap& m = maps[k];
            IParamBlock2* block = m.map->GetParamBlock(0);
            if (block->Count(submaps) != static_cast<int>(m.table.size())) {
                return "map " + std::to_string(k) + ": table has " +
                       std::to_string(block->Count(submaps)) + " entries, model " +
                       std::to_string(m.table.size());
            }
            for (int i = 0; i < static_cast<int>(m.table.size()); ++i) {
                Texmap* entry = nullptr;
                Interval valid = FOREVER;
                block->GetValue(submaps, 0, entry, valid, i);
                if (entry != m.table[i]) {
                    return "map " + std::to_string(k) + ": entry " + std::to_string(i) + " differs";
                }
            }
            for (int i = 0; i <= m.map->NumSubTexmaps(); ++i) {
                Texmap* given[] = {m.map->GetSubTexmap(i),
                                   static_cast<Texmap*>(m.map->SubAnim(i + 1)),
                                   static_cast<Texmap*>(m.map->GetReference(i + 1))};
                for (Texmap* t : given) {
                    if (t && !isLive(t)) {
                        return "map " + std::to_string(k) + " gives out a freed sub-map at " +
                               std::to_string(i);
                    }
                }
            }
        }
        return std::string();
    }

    std::string update(ModelMap& m, TimeValue t) {
        Interval valid = FOREVER;
        m.map->Update(t, valid);
        if (m.map->NumSubTexmaps() != static_cast<int>(m.table.size())) {
            return "after the update the map shades " + std::to_string(m.map->NumSubTexmaps()) +
                   " entries, the table holds " + std::to_string(m.table.size());
        }
        for (int i = 0; i < static_cast<int>(m.table.size()); ++i) {
            if (m.map->GetSubTexmap(i) != m.table[i]) {
                return "after the update entry " + std::to_string(i) + " is not the table's";
            }
        }
        const ColorVariation& v = m.map->shading.variation;
        if (!m.animated &&
            (v.allGamma != m.values[0] || v.allHue != m.values[1] || v.rndSat != m.values[5] ||
             v.occGamma != 1.0f - m.values[6] * 0.01f || v.occSat != m.values[8] * 0.01f)) {
            return "the update cached other values than the block's";
        }
        return checkTables();
    }

    std::string evaluate(ModelMap& m, int key) {
        if (std::string failed = update(m, 0); !failed.empty()) {
            return failed;
        }
        KeySample sc(key);
        lastShaded = nullptr;
        const AColor c = m.map->EvalColor(sc);
        if (!(c.a == 1.0f && c.r >= 0.0f && c.r <= 1.0f && c.g >= 0.0f && c.g <= 1.0f &&
              c.b >= 0.0f && c.b <= 1.0f)) {
            return "a colour outside 0 to 1 or with alpha other than 1";
        }
        if (m.table.empty()) {
            return lastShaded ? "an empty list shaded a sub-map" : std::string();
        }
        const std::uint32_t hash =
            seedHash(static_cast<std::uint32_t>(key), static_cast<std::uint32_t>(m.seed));
        seedGenerator(hash);
        Texmap* expected = m.table[drawGenerator() % m.table.size()];
        // A bitmap texture does not tell it was shaded; its file is missing.
        const bool bitmap = expected && expected->ClassID() == BMTEX_CLASS_ID;
        if (lastShaded != (bitmap ? nullptr : expected)) {
            return "key " + std::to_string(key) + " shaded another entry than the model picks";
        }
        if (!m.animated) {
            AColor want = expected && !bitmap ? static_cast<TrackedMap*>(expected)->color
                                              : AColor(0, 0, 0, 0);
            ColorVariation v{m.values[0],
                             m.values[1],
                             m.values[2],
                             m.values[3],
                             m.values[4],
                             m.values[5],
                             1.0f - m.values[6] * 0.01f,
                             m.values[7] * 0.01f,
                             m.values[8] * 0.01f};
            varyColor(want, v);
            want.ClampMinMax();
            if (!(want == c)) {
                return "key " + std::to_string(key) + " shaded another colour than the model";
            }
        }
        return std::string();
    }

    // Picks one to three files that do not exist, so no image is read: each
    // shows as a missing bitmap, and is named once on stderr.
    std::string openFiles(ModelMap& m, std::uint32_t which) {
        const std::string folder = ::testing::TempDir() + "model-test-images";
        std::vector<std::string> names;
        for (std::uint32_t i = 0; i <= which % 3; ++i) {
            names.push_back("missing-" + std::to_string((which >> (4 * i)) % 3) + ".png");
        }
        PickInNextFileDialog(folder, names);
        m.map->OpenFiles(nullptr);
        IParamBlock2* block = m.map->GetParamBlock(0);
        if (block->Count(submaps) != static_cast<int>(names.size())) {
            return "Open files made " + std::to_string(block->Count(submaps)) + " entries for " +
                   std::to_string(names.size()) + " files";
        }
        m.table.clear();
        for (int i = 0; i < static_cast<int>(names.size()); ++i) {
            Texmap* entry = nullptr;
            Interval valid = FOREVER;
            block->GetValue(submaps, 0, entry, valid, i);
            if (!entry || entry->ClassID() != BMTEX_CLASS_ID ||
                std::string(entry->GetName()) != names[i]) {
                return "Open files gave entry " + std::to_string(i) + " another texture";
            }
            knownBitmaps().push_back(entry);
            m.table.push_back(entry);
        }
        return checkTables();
    }

    std::string saveAndLoad(ModelMap& m) {
        const std::string path = ::testing::TempDir() + "model-test-scene.json";
        std::string error;
        if (!SaveScene(path, m.map, error)) {
            return "save failed: " + error;
        }
        auto* loaded = dynamic_cast<Quiltra*>(LoadScene(path, error));
        std::remove(path.c_str());
        if (!loaded) {
            return "load failed: " + error;
        }
        IParamBlock2* block = loaded->GetParamBlock(0);
        if (block->Count(submaps) != static_cast<int>(m.table.size())) {
            loaded->DeleteMe();
            return "the loaded table has another size";
        }
        for (int i = 0; i < static_cast<int>(m.table.size()); ++i) {
            Texmap* entry = nullptr;
            Interval valid = FOREVER;
            block->GetValue(submaps, 0, entry, valid, i);
            if ((entry == nullptr) != (m.table[i] == nullptr)) {
                loaded->DeleteMe();
                return "the loaded table has another empty entry";
            }
            m.table[i] = entry;
            if (entry && entry->ClassID() == BMTEX_CLASS_ID) {
                knownBitmaps().push_back(entry);
            }
        }
        m.map->DeleteMe();
        m.map = loaded;
        m.rendering = false;
        return checkTables();
    }

    std::vector<ModelMap> maps;
};

std::vector<Operation> randomSequence(std::uint32_t seed, int length) {
    std::mt19937 random(seed);
    std::vector<Operation> ops;
    ops.push_back({Step::CreateMap, 0, 0, 0});
    for (int i = 1; i < length; ++i) {
        ops.push_back({static_cast<Step>(random() % static_cast<unsigned>(Step::Count)),
                       static_cast<std::uint32_t>(random()), static_cast<std::uint32_t>(random()),
                       static_cast<std::uint32_t>(random())});
    }
    return ops;
}

// The first failure of the sequence, with the number of steps run; empty
// when every step agreed with the model.
std::string runSequence(const std::vector<Operation>& ops, std::size_t& failedAt) {
    Run run;
    for (failedAt = 0; failedAt < ops.size(); ++failedAt) {
        if (std::string failed = run.apply(ops[failedAt]); !failed.empty()) {
            return failed;
        }
    }
    return std::string();
}

// Drops steps one at a time as long as the sequence still fails.
std::vector<Operation> shortestFailing(std::vector<Operation> ops) {
    std::size_t at = 0;
    runSequence(ops, at);
    ops.resize(at + 1);
    for (std::size_t i = ops.size(); i-- > 0;) {
        std::vector<Operation> shorter = ops;
        shorter.erase(shorter.begin() + static_cast<long>(i));
        if (!runSequence(shorter, at).empty()) {
            shorter.resize(at + 1);
            ops = shorter;
            i = std::min(i, ops.size());
        }
    }
    return ops;
}

class ModelEnvironment : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        RegisterClassDesc(&trackedDesc);
        RegisterClassDesc(&quiltraDesc);
    }
    static void TearDownTestSuite() {
        UnregisterClassDesc(&quiltraDesc);
        UnregisterClassDesc(&trackedDesc);
    }
    static TrackedMapDesc trackedDesc;
};
TrackedMapDesc ModelEnvironment::trackedDesc;

TEST_F(ModelEnvironment, RandomOperationSequencesAgreeWithTheModel) {
    constexpr int kSequences = 300;
    constexpr int kLength = 250;
    for (std::uint32_t seed = 1; seed <= kSequences; ++seed) {
        const std::vector<Operation> ops = randomSequence(seed, kLength);
        std::size_t at = 0;
        const std::string failed = runSequence(ops, at);
        if (failed.empty()) {
            continue;
        }
        std::string steps;
        for (const Operation& op : shortestFailing(ops)) {
            steps += "\n  " + describe(op);
        }
        FAIL() << "seed " << seed << ": " << failed << "\nshortest sequence that fails:" << steps;
    }
    EXPECT_EQ(orphansLeft, 0) << "sub-maps outlived every map that held them";
}

} // namespace
