#include "tests/texmap/TexmapFixtures.h"

namespace {

// Registered before main runs the tests.
::testing::Environment* const moduleEnvironment =
    ::testing::AddGlobalTestEnvironment(new ModuleEnvironment);

} // namespace
