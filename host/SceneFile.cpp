#include "host/SceneFile.h"

#include "host/ClassDesc.h"
#include "host/ClassDirectory.h"
#include "host/IParamBlock2.h"
#include "host/ParamBlockDesc2.h"
#include "host/ReferenceTarget.h"
#include "host/SceneIO.h"

#include <cmath>
#include <cstdio>
#include <fstream>
#include <map>
#include <nlohmann/json.hpp>
#include <sstream>
#include <vector>

using json = nlohmann::json;

namespace {

constexpr const char* kFormatName = "quiltra-scene";
constexpr std::size_t kMaxObjects = 1u << 22;

class JsonSave : public ISave {
  public:
    explicit JsonSave(json& root) { stack.push_back(&root); }
    void WriteInt(const char* key, int v) override { (*stack.back())[key] = v; }
    void WriteFloat(const char* key, float v) override {
        (*stack.back())[key] = static_cast<double>(v);
    }
    void WriteString(const char* key, const char* v) override { (*stack.back())[key] = v; }
    void BeginList(const char* key) override {
        json& list = (*stack.back())[key] = json::array();
        stack.push_back(&list);
    }
    void BeginItem() override {
        json& list = *stack.back();
        list.push_back(json::object());
        stack.push_back(&list.back());
    }
    void EndItem() override { stack.pop_back(); }
    void EndList() override { stack.pop_back(); }

  private:
    std::vector<json*> stack;
};

class JsonLoad : public ILoad {
  public:
    explicit JsonLoad(const json& root) { stack.push_back(&root); }
    bool ReadInt(const char* key, int& v) override {
        const json* value = field(key);
        if (!value || !value->is_number_integer()) {
            return false;
        }
        const auto wide = value->get<long long>();
        if (wide < INT32_MIN || wide > INT32_MAX) {
            return false;
        }
        v = static_cast<int>(wide);
        return true;
    }
    bool ReadFloat(const char* key, float& v) override {
        const json* value = field(key);
        if (!value || !value->is_number()) {
            return false;
        }
        const double wide = value->get<double>();
        if (!std::isfinite(wide) || std::fabs(wide) > 3.4028234663852886e38) {
            return false;
        }
        v = static_cast<float>(wide);
        return true;
    }
    bool ReadString(const char* key, MSTR& v) override {
        const json* value = field(key);
        if (!value || !value->is_string()) {
            return false;
        }
        v = value->get<std::string>().c_str();
        return true;
    }
    int OpenList(const char* key) override {
        const json* value = field(key);
        if (!value || !value->is_array()) {
            return -1;
        }
        stack.push_back(value);
        return static_cast<int>(value->size());
    }
    bool OpenItem(int i) override {
        const json& list = *stack.back();
        const json* item =
            (list.is_array() && i >= 0 && static_cast<std::size_t>(i) < list.size() &&
             list[static_cast<std::size_t>(i)].is_object())
                ? &list[static_cast<std::size_t>(i)]
                : &empty;
        stack.push_back(item);
        return item != &empty;
    }
    void CloseItem() override { stack.pop_back(); }
    void CloseList() override { stack.pop_back(); }

  private:
    const json* field(const char* key) const {
        const json& current = *stack.back();
        if (!current.is_object()) {
            return nullptr;
        }
        const auto found = current.find(key);
        return found == current.end() ? nullptr : &*found;
    }

    std::vector<const json*> stack;
    const json empty = json::object();
};

json classOf(ReferenceTarget* target) {
    const Class_ID id = target->ClassID();
    return json::array({id.PartA(), id.PartB()});
}

// Numbers the objects reachable from root, each once, root first.
void collect(ReferenceTarget* target, std::map<ReferenceTarget*, int>& index,
             std::vector<ReferenceTarget*>& order) {
    if (!target || index.count(target)) {
        return;
    }
    index[target] = static_cast<int>(order.size());
    order.push_back(target);
    for (int i = 0; i < target->NumRefs(); ++i) {
        collect(target->GetReference(i), index, order);
    }
}

bool writeWhole(const std::string& path, const std::string& text, std::string& error) {
    const std::string temporary = path + ".partial";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << text;
        out.flush();
        if (!out) {
            error = "cannot write " + temporary;
            std::remove(temporary.c_str());
            return false;
        }
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        error = "cannot replace " + path;
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}

struct Entry {
    SClass_ID superClass = 0;
    Class_ID classId;
    int owner = -1; // parameter blocks: the object whose descriptor describes them
    std::vector<int> refs;
};

bool parseEntries(const json& objects, std::vector<Entry>& entries, std::string& error) {
    for (std::size_t i = 0; i < objects.size(); ++i) {
        const json& o = objects[i];
        const std::string where = "object " + std::to_string(i) + ": ";
        if (!o.is_object() || !o.contains("superClass") || !o["superClass"].is_number_unsigned() ||
            !o.contains("class") || !o["class"].is_array() || o["class"].size() != 2 ||
            !o["class"][0].is_number_unsigned() || !o["class"][1].is_number_unsigned() ||
            !o.contains("refs") || !o["refs"].is_array() || !o.contains("data") ||
            !o["data"].is_object()) {
            error = where + "missing or malformed class, refs or data";
            return false;
        }
        Entry e;
        const auto part = [](const json& v) { return v.get<unsigned long long>(); };
        if (part(o["superClass"]) > 0xFFFFFFFFull || part(o["class"][0]) > 0xFFFFFFFFull ||
            part(o["class"][1]) > 0xFFFFFFFFull) {
            error = where + "class ID out of range";
            return false;
        }
        e.superClass = static_cast<SClass_ID>(part(o["superClass"]));
        e.classId = Class_ID(static_cast<ULONG>(part(o["class"][0])),
                             static_cast<ULONG>(part(o["class"][1])));
        if (o.contains("owner")) {
            if (!o["owner"].is_number_integer()) {
                error = where + "malformed owner";
                return false;
            }
            e.owner = o["owner"].get<int>();
        }
        for (const json& r : o["refs"]) {
            if (r.is_null()) {
                e.refs.push_back(-1);
            } else if (r.is_number_integer() && r.get<long long>() >= 0 &&
                       r.get<long long>() < static_cast<long long>(objects.size())) {
                e.refs.push_back(r.get<int>());
            } else {
                error = where + "reference to no object";
                return false;
            }
        }
        entries.push_back(std::move(e));
    }
    return true;
}

// References must form no cycle, and every object must be reached from the root.
bool checkGraph(const std::vector<Entry>& entries, std::string& error) {
    std::vector<int> state(entries.size(), 0); // 0 unseen, 1 on the path, 2 done
    std::vector<std::pair<int, std::size_t>> path{{0, 0}};
    state[0] = 1;
    while (!path.empty()) {
        auto& [node, next] = path.back();
        if (next == entries[node].refs.size()) {
            state[node] = 2;
            path.pop_back();
            continue;
        }
        const int target = entries[node].refs[next++];
        if (target < 0 || state[target] == 2) {
            continue;
        }
        if (state[target] == 1) {
            error = "object " + std::to_string(target) + " references itself through others";
            return false;
        }
        state[target] = 1;
        path.push_back({target, 0});
    }
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (state[i] != 2) {
            error = "object " + std::to_string(i) + " is not reached from the root";
            return false;
        }
    }
    return true;
}

void discard(std::vector<ReferenceTarget*>& made) {
    for (ReferenceTarget* target : made) {
        if (target) {
            target->DeleteMe();
        }
    }
}

} // namespace

bool SaveScene(const std::string& path, ReferenceTarget* root, std::string& error) {
    if (!root) {
        error = "nothing to save";
        return false;
    }
    std::map<ReferenceTarget*, int> index;
    std::vector<ReferenceTarget*> order;
    collect(root, index, order);

    json objects = json::array();
    for (ReferenceTarget* target : order) {
        json o;
        o["superClass"] = target->SuperClassID();
        o["class"] = classOf(target);
        json data = json::object();
        JsonSave save(data);
        if (target->Save(&save) != IO_OK) {
            error = "an object could not be saved";
            return false;
        }
        o["data"] = data;
        json refs = json::array();
        for (int i = 0; i < target->NumRefs(); ++i) {
            ReferenceTarget* ref = target->GetReference(i);
            refs.push_back(ref ? json(index[ref]) : json(nullptr));
        }
        o["refs"] = refs;
        objects.push_back(o);
    }
    // A parameter block is read through its owner's class descriptor.
    for (std::size_t i = 0; i < order.size(); ++i) {
        for (const json& r : objects[i]["refs"]) {
            if (!r.is_null() && order[r.get<int>()]->SuperClassID() == PARAMETER_BLOCK2_CLASS_ID &&
                !objects[r.get<std::size_t>()].contains("owner")) {
                objects[r.get<std::size_t>()]["owner"] = i;
            }
        }
    }
    json scene;
    scene["format"] = kFormatName;
    scene["version"] = kSceneFormatVersion;
    scene["root"] = 0;
    scene["objects"] = objects;
    return writeWhole(path, scene.dump(1), error);
}

ReferenceTarget* LoadScene(const std::string& path, std::string& error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "cannot open " + path;
        return nullptr;
    }
    std::stringstream text;
    text << in.rdbuf();
    const json scene = json::parse(text.str(), nullptr, false);
    if (scene.is_discarded() || !scene.is_object()) {
        error = path + " is not a scene file (truncated or not JSON)";
        return nullptr;
    }
    if (!scene.contains("format") || scene["format"] != kFormatName) {
        error = path + " is not a scene file";
        return nullptr;
    }
    if (!scene.contains("version") || !scene["version"].is_number_integer() ||
        scene["version"].get<long long>() != kSceneFormatVersion) {
        error = path + " has scene format version " +
                (scene.contains("version") ? scene["version"].dump() : std::string("(none)")) +
                "; this host reads version " + std::to_string(kSceneFormatVersion);
        return nullptr;
    }
    const json& objects = scene.contains("objects") ? scene["objects"] : json();
    if (!objects.is_array() || objects.empty() || objects.size() > kMaxObjects ||
        !scene.contains("root") || scene["root"] != 0) {
        error = path + ": the scene's object list is missing or malformed";
        return nullptr;
    }
    std::vector<Entry> entries;
    if (!parseEntries(objects, entries, error) || !checkGraph(entries, error)) {
        error = path + ": " + error;
        return nullptr;
    }

    // Make every object and read its data; nothing is linked until all are read.
    std::vector<ReferenceTarget*> made(entries.size(), nullptr);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const Entry& e = entries[i];
        const std::string where = path + ": object " + std::to_string(i) + ": ";
        ReferenceTarget* target = nullptr;
        if (e.superClass == PARAMETER_BLOCK2_CLASS_ID) {
            int block = -1;
            const json& data = objects[i]["data"];
            if (data.contains("block") && data["block"].is_number_integer()) {
                block = data["block"].get<int>();
            }
            ClassDesc* ownerClass =
                e.owner >= 0 && static_cast<std::size_t>(e.owner) < entries.size()
                    ? FindClassDesc(entries[e.owner].superClass, entries[e.owner].classId)
                    : nullptr;
            ParamBlockDesc2* pbd =
                ownerClass ? ownerClass->GetParamBlockDescByID(static_cast<short>(block)) : nullptr;
            target = pbd ? CreateParameterBlock2(pbd, nullptr) : nullptr;
            if (!target) {
                error = where + "a parameter block no class describes";
            }
        } else if (ClassDesc* cd = FindClassDesc(e.superClass, e.classId)) {
            target = static_cast<ReferenceTarget*>(cd->Create(TRUE));
            if (!target) {
                error = where + "could not be created";
            }
        } else {
            error = where + "of a class this host does not know";
        }
        made[i] = target;
        if (!target) {
            discard(made);
            return nullptr;
        }
        JsonLoad load(objects[i]["data"]);
        if (target->Load(&load) != IO_OK) {
            error = where + "damaged data";
            discard(made);
            return nullptr;
        }
    }

    // Restore the references, children first, so that an object that
    // replaces one of its own (a block made at creation) takes the loaded one.
    for (std::size_t i = entries.size(); i-- > 0;) {
        for (std::size_t r = 0; r < entries[i].refs.size(); ++r) {
            const int target = entries[i].refs[r];
            made[i]->ReplaceReference(static_cast<int>(r), target >= 0 ? made[target] : nullptr);
        }
    }
    return made[0];
}
