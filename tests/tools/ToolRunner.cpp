#include "tests/tools/ToolRunner.h"

#include <cstdio>
#include <fstream>
#include <sstream>

#include <sys/wait.h>
#include <unistd.h>

namespace {

std::string quoted(const std::string& arg) {
    std::string q = "'";
    for (char c : arg) {
        q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return q + "'";
}

} // namespace

ToolRun runTool(const std::vector<std::string>& args) {
    const std::string errPath = "tool-stderr-" + std::to_string(getpid()) + ".txt";
    // Under the sanitizers, leaks inside the image libraries' own error paths
    // are known and suppressed; the full stacks let the suppressions match.
    std::string command = "ASAN_OPTIONS=fast_unwind_on_malloc=0 LSAN_OPTIONS=suppressions=" +
                          quoted(QUILTRA_LSAN_SUPPRESSIONS) + " " + quoted(QUILTRA_TOOL);
    for (const std::string& a : args) {
        command += " " + quoted(a);
    }
    command += " 2>" + quoted(errPath);

    ToolRun run;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) {
        return run;
    }
    char buffer[4096];
    std::size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) {
        run.out.append(buffer, n);
    }
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;

    std::ifstream err(errPath);
    std::stringstream text;
    text << err.rdbuf();
    run.errLines = splitLines(text.str());
    std::remove(errPath.c_str());
    return run;
}

std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> splitFields(const std::string& line, char separator) {
    std::vector<std::string> fields;
    std::istringstream in(line);
    for (std::string field; std::getline(in, field, separator);) {
        fields.push_back(field);
    }
    return fields;
}
