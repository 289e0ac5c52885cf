#include "tools/quiltra/SampleCommand.h"

#include <CLI/CLI.hpp>
#include <cstdio>

int main(int argc, char** argv) {
    CLI::App app("quiltra: evaluate and preview the Varitile texture map", "quiltra");
    app.require_subcommand(1);
    addSampleCommand(app);
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& help) {
        return app.exit(help);
    } catch (const CLI::CallForAllHelp& help) {
        return app.exit(help);
    } catch (const CLI::RuntimeError& done) {
        return done.get_exit_code();
    } catch (const CLI::ParseError& error) {
        // One line naming the flag and what it accepts.
        std::fprintf(stderr, "quiltra: %s\n", error.what());
        return 2;
    }
    return 0;
}
