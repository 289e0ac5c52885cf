// The scene loader on any bytes: a loaded map or a clear error, never a
// crash, and never a change to the scene that is already open.
#include "host/ClassDirectory.h"
#include "host/IParamBlock2.h"
#include "host/SceneFile.h"
#include "host/ShadeContext.h"
#include "host/Texmap.h"
#include "library/QuiltraClassDesc.h"
#include "texmap/ParamIds.h"
#include "texmap/Quiltra.h"

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

class KeyedSample : public ShadeContext {
  public:
    INode* Node() override { return nullptr; }
    int FaceNumber() override { return mtlNum; }
};

// The scene open before every load: a map with a few entries whose saved
// form must not change, whatever the loads do.
struct OpenScene {
    OpenScene() : dir("/tmp/quiltra-fuzz-" + std::to_string(getpid())) {
        RegisterClassDesc(&quiltraDesc);
        std::remove(dir.c_str());
        mkdir(dir.c_str(), 0700);
        map = static_cast<Quiltra*>(quiltraDesc.Create(FALSE));
        IParamBlock2* block = map->GetParamBlock(0);
        block->SetValue(rnd_hue, 0, 30.0f);
        Texmap* none = nullptr;
        block->Append(submaps, 1, &none);
        Interval valid = FOREVER;
        map->Update(0, valid);
        std::string error;
        SaveScene(dir + "/open.json", map, error);
        saved = readFile(dir + "/open.json");
    }
    bool unchanged() {
        std::string error;
        SaveScene(dir + "/again.json", map, error);
        return readFile(dir + "/again.json") == saved;
    }

    std::string dir;
    Quiltra* map;
    std::string saved;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static OpenScene open;
    static unsigned runs = 0;
    const std::string path = open.dir + "/input.json";
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    std::string error;
    ReferenceTarget* loaded = LoadScene(path, error);
    if (!loaded && error.empty()) {
        __builtin_trap(); // a refusal must say why
    }
    if (auto* map = dynamic_cast<Quiltra*>(loaded)) {
        // Bitmap entries would read whatever file the input names: those
        // maps are loaded and updated, not shaded.
        bool shadeable = true;
        IParamBlock2* block = map->GetParamBlock(0);
        const int count = block ? block->Count(submaps) : 0;
        for (int i = 0; i < count && shadeable; ++i) {
            Texmap* entry = nullptr;
            Interval valid = FOREVER;
            block->GetValue(submaps, 0, entry, valid, i);
            shadeable = entry == nullptr;
        }
        if (shadeable) {
            Interval valid = FOREVER;
            map->Update(0, valid);
            map->RenderBegin(0, 0);
            for (int key = 0; key < 8; ++key) {
                KeyedSample sc;
                sc.mtlNum = key;
                const AColor c = map->EvalColor(sc);
                if (!(c.a == 1.0f)) {
                    __builtin_trap();
                }
            }
            map->RenderEnd(0);
        }
    }
    if (loaded) {
        loaded->DeleteMe();
    }
    if (++runs % 64 == 0 && !open.unchanged()) {
        __builtin_trap();
    }
    return 0;
}
