#pragma once

#include <string>

// The file name in the tool's own folder, where the build puts the plug-in
// and the sample textures; the name alone when the tool cannot tell where
// it runs from.
std::string besideTheTool(const std::string& name);
