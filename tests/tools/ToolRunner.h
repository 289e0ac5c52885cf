#pragma once

#include <string>
#include <vector>

// What one run of the quiltra tool gave.
struct ToolRun {
    int status = -1;
    std::string out;
    std::vector<std::string> errLines;
};

// Runs the tool with the arguments (each quoted for the shell).
ToolRun runTool(const std::vector<std::string>& args);

std::vector<std::string> splitLines(const std::string& text);
std::vector<std::string> splitFields(const std::string& line, char separator);
