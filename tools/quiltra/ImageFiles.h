#pragma once

#include <string>
#include <vector>

// The file name's extension without its dot, in lower case; empty for none.
std::string lowerCaseExtension(const std::string& path);

// Whether the file's extension is one the installed OpenImageIO reads.
bool isImageFileName(const std::string& path);

// Every image file in folder, sorted by name; false with error set when the
// folder cannot be read.
bool imageFilesIn(const std::string& folder, std::vector<std::string>& files, std::string& error);

// The folder of the project's sample textures, beside the tool.
std::string sampleTexturesFolder();
