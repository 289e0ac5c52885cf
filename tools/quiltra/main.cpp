#include "tools/quiltra/PluginSession.h"
#include "tools/quiltra/SampleCommand.h"
#if QUILTRA_TOOL_RENDERS
#include "tools/quiltra/RenderCommand.h"
#endif

#include <CLI/CLI.hpp>
#include <cstdio>

int main(int argc, char** argv) {
    std::string error;
    const std::unique_ptr<PluginSession> plugin = PluginSession::Open(error);
    if (!plugin) {
        std::fprintf(stderr, "quiltra: %s\n", error.c_str());
        return 1;
    }
    CLI::App app("quiltra: evaluate and preview the Varitile texture map", "quiltra");
    app.require_subcommand(1);
    addSampleCommand(app, *plugin);
#if QUILTRA_TOOL_RENDERS
    addRenderCommand(app, *plugin);
#endif
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& help) {
        return app.exit(help);
    } catch (const CLI::CallForAllHelp& help) {
        return app.exit(help);
    } catch (const CLI::RuntimeError& done) {
        return done.get_exit_code();
    } catch (const CLI::ParseError& failure) {
        // One line naming the flag and what it accepts.
        std::fprintf(stderr, "quiltra: %s\n", failure.what());
        return 2;
    }
    return 0;
}
