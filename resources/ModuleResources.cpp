// The string table laid into the module, where the platform has no resource
// compiler of its own; the host's LoadStringA reads it by the module handle.
#include "host/StringResources.h"
#include "resources/ResourceIds.h"

namespace {

const HostStringResource strings[] = {
#define QUILTRA_STRING(id, text) {id, text},
#include "resources/StringTable.inc"
#undef QUILTRA_STRING
};

} // namespace

HOST_MODULE_RESOURCES = {strings, static_cast<int>(sizeof strings / sizeof strings[0])};
