#include "tools/quiltra/RenderCommand.h"

#include "host/BitmapTex.h"
#include "host/ClassDesc.h"
#include "host/DialogManager.h"
#include "host/FileDialog.h"
#include "host/IParamBlock2.h"
#include "host/Interface.h"
#include "host/ParamMap2.h"
#include "host/Texmap.h"
#include "resources/ResourceIds.h"
#include "tools/quiltra/ImageFiles.h"
#include "tools/quiltra/ImageOutputFile.h"
#include "tools/quiltra/MapOptions.h"
#include "tools/quiltra/PluginSession.h"
#include "tools/quiltra/PreviewContext.h"
#include "tools/quiltra/PreviewScene.h"
#include "tools/quiltra/ProgressBar.h"

#include <CLI/CLI.hpp>
#include <atomic>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <thread>
#include <vector>

namespace {

// The table's parameter in the map's block.
constexpr ParamID kSubMapTable = 0;
constexpr int kMaxSide = 16384;
// The joints between tiles: a dark grey that no tint touches.
constexpr float kJoint = 0.12f;

struct RenderOptions {
    explicit RenderOptions(ClassDesc& mapClass) : map(mapClass) {}

    std::vector<std::string> files;
    std::string folder;
    std::string scene = "planks";
    std::string output = "preview.png";
    std::string size = "640x480";
    int threads = 0;
    int frame = 0;
    bool quiet = false;
    MapOptions map;
};

bool parseSize(const std::string& text, int& width, int& height) {
    char x = 0;
    char rest = 0;
    return std::sscanf(text.c_str(), "%d%c%d%c", &width, &x, &height, &rest) == 3 &&
           (x == 'x' || x == 'X') && width >= 1 && height >= 1 && width <= kMaxSide &&
           height <= kMaxSide;
}

int fail(const std::string& message) {
    std::fprintf(stderr, "quiltra render: %s\n", message.c_str());
    return 2;
}

// Fills the map's table with one bitmap texture per file. Files of one
// folder go through the rollout's "Open files", with the file dialog
// answered for the user; files from several folders are appended to the
// table one by one, as a script would.
void fillTable(Texmap& map, const std::vector<std::string>& files, TimeValue t) {
    std::filesystem::path folder = std::filesystem::path(files.front()).parent_path();
    bool oneFolder = true;
    std::vector<std::string> names;
    for (const std::string& file : files) {
        oneFolder = oneFolder && std::filesystem::path(file).parent_path() == folder;
        names.push_back(std::filesystem::path(file).filename().string());
    }
    GetCOREInterface()->SetTime(t);
    if (oneFolder) {
        IMtlParams editor;
        ParamDlg* dialog = map.CreateParamDlg(nullptr, &editor);
        auto* rollouts = static_cast<IAutoMParamDlg*>(dialog);
        if (rollouts && rollouts->NumDlgs() > 0) {
            PickInNextFileDialog(folder.empty() ? "." : folder.string(), names);
            SendMessageA(rollouts->GetMap(0)->GetHWnd(), WM_COMMAND,
                         MAKEWPARAM(IDC_OPEN_FILES, BN_CLICKED), 0);
        }
        if (dialog) {
            dialog->DeleteThis();
        }
        return;
    }
    IParamBlock2* block = map.GetParamBlock(0);
    for (std::size_t i = 0; i < files.size(); ++i) {
        auto* bitmap = static_cast<Texmap*>(
            GetCOREInterface()->CreateInstance(TEXMAP_CLASS_ID, BMTEX_CLASS_ID));
        if (!bitmap) {
            continue;
        }
        bitmap->SetName(names[i].c_str());
        bitmap->GetParamBlock(0)->SetValue(BitmapTex::bmtex_filename, t, files[i].c_str());
        block->Append(kSubMapTable, 1, &bitmap);
    }
}

std::vector<float> renderScene(Texmap& map, SceneKind scene, int width, int height, int threadCount,
                               bool quiet) {
    std::vector<float> pixels(static_cast<std::size_t>(width) * height * 3);
    std::atomic<int> nextRow{0};
    ProgressBar progress("Rendering", height, quiet);
    auto work = [&] {
        PreviewContext sc;
        for (int y = nextRow++; y < height; y = nextRow++) {
            float* out = &pixels[static_cast<std::size_t>(y) * width * 3];
            for (int x = 0; x < width; ++x, out += 3) {
                const ScenePoint point = scenePointAt(scene, x, y, width, height);
                if (!point.onTile) {
                    out[0] = out[1] = out[2] = kJoint;
                    continue;
                }
                sc.Aim(point);
                const AColor c = map.EvalColor(sc);
                out[0] = c.r;
                out[1] = c.g;
                out[2] = c.b;
            }
            progress.Advance(1);
        }
    };
    std::vector<std::thread> threads;
    for (int i = 1; i < threadCount; ++i) {
        threads.emplace_back(work);
    }
    std::thread first(work);
    while (nextRow.load() < height) {
        progress.Show();
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    first.join();
    for (std::thread& t : threads) {
        t.join();
    }
    return pixels;
}

int runRender(const RenderOptions& options, const PluginSession& plugin) {
    const auto scene = parseSceneKind(options.scene);
    int width = 0;
    int height = 0;
    if (!parseSize(options.size, width, height)) {
        return fail("--size expects WIDTHxHEIGHT, each from 1 to " + std::to_string(kMaxSide) +
                    ", got \"" + options.size + "\"");
    }
    if (!isWritableImageName(options.output)) {
        return fail("-o: the file name must end in .png, .jpg, .jpeg, .tif, .tiff or .exr, got \"" +
                    options.output + "\"");
    }
    const std::filesystem::path outputFolder =
        std::filesystem::absolute(options.output).parent_path();
    std::error_code failed;
    if (!std::filesystem::is_directory(outputFolder, failed)) {
        return fail("-o: no such folder: " + outputFolder.string());
    }

    std::vector<std::string> files = options.files;
    std::string error;
    if (!options.folder.empty()) {
        std::vector<std::string> found;
        if (!imageFilesIn(options.folder, found, error)) {
            return fail("--dir: " + error);
        }
        if (found.empty()) {
            return fail("--dir: no image files in " + options.folder);
        }
        files.insert(files.end(), found.begin(), found.end());
    }
    if (files.empty() && (!imageFilesIn(sampleTexturesFolder(), files, error) || files.empty())) {
        return fail("no images given, and the sample textures are missing from " +
                    sampleTexturesFolder());
    }

    const TimeValue t = options.frame * GetTicksPerFrame();
    Texmap* map = plugin.NewMap();
    if (!map) {
        std::fprintf(stderr, "quiltra render: out of memory creating the map\n");
        return 1;
    }
    options.map.ApplyTo(*map->GetParamBlock(0), t);
    fillTable(*map, files, t);
    const int held = map->GetParamBlock(0)->Count(kSubMapTable);
    if (held < static_cast<int>(files.size())) {
        std::fprintf(stderr,
                     "quiltra render: warning: %d of %zu files left out: their paths are too "
                     "long\n",
                     static_cast<int>(files.size()) - held, files.size());
    }
    Interval valid = FOREVER;
    map->Update(t, valid);

    const int threadCount =
        options.threads > 0 ? options.threads
                            : std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
    map->RenderBegin(t, 0);
    const std::vector<float> pixels =
        renderScene(*map, *scene, width, height, threadCount, options.quiet);
    map->RenderEnd(t);
    map->DeleteMe();

    if (!writeImageWhole(options.output, width, height, pixels, error)) {
        std::fprintf(stderr, "quiltra render: %s\n", error.c_str());
        return 1;
    }
    return 0;
}

} // namespace

void addRenderCommand(CLI::App& app, const PluginSession& plugin) {
    auto options = std::make_shared<RenderOptions>(plugin.MapClass());
    CLI::App* command = app.add_subcommand(
        "render", "Render a preview of a scene of tiles shaded with the map.\n"
                  "With no images given, the built-in sample textures are used.");
    command->add_option("images", options->files, "Image files, one sub-map each, in order")
        ->type_name("FILE");
    command->add_option("--dir", options->folder, "Every image file in this folder, by name")
        ->type_name("DIR");
    command->add_option("--scene", options->scene, "planks, bricks or grid")
        ->check(CLI::IsMember({"planks", "bricks", "grid"}))
        ->capture_default_str();
    command->add_option("-o,--output", options->output, "PNG, JPEG, TIFF or OpenEXR file")
        ->type_name("FILE")
        ->capture_default_str();
    command->add_option("--size", options->size, "Picture size, WIDTHxHEIGHT")
        ->capture_default_str();
    command->add_option("--threads", options->threads, "Threads to render with; 0 for all cores")
        ->check(CLI::Range(0, 256))
        ->capture_default_str();
    command->add_option("--frame", options->frame, "Frame of the animation to render")
        ->check(CLI::Range(-100000, 100000))
        ->capture_default_str();
    command->add_flag("--quiet", options->quiet, "No progress bar");
    options->map.AddTo(*command);
    command->callback([options, &plugin] { throw CLI::RuntimeError(runRender(*options, plugin)); });
}
