#pragma once

#include "host/HostApi.h"
#include "host/RefTypes.h"

#include <string>

// Scene files: one object with everything it references, as JSON with a
// format version. The host writes every object's class, its own data and its
// references as NumRefs and GetReference report them.

constexpr int kSceneFormatVersion = 1;

// Writes the file whole or not at all. False with error set on failure.
HOST_API bool SaveScene(const std::string& path, ReferenceTarget* root, std::string& error);

// Reads a file back as the host loads a scene: every object created by its
// class descriptor with loading set, its data read, its references restored;
// the caller updates the root before evaluating it. Null with error set for a
// file that is missing, truncated, damaged or of another version, and then
// nothing of the file is left behind.
HOST_API ReferenceTarget* LoadScene(const std::string& path, std::string& error);
