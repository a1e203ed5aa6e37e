// The main of the test programs that draw. Those that link the asset manifest
// (TILECREST_LOAD_ARTWORK) load the build's real artwork first.
#include "tests/support/TestSupport.h"

#if TILECREST_LOAD_ARTWORK
#include "app/AssetManifest.h"
#endif

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
#if TILECREST_LOAD_ARTWORK
    ::testing::AddGlobalTestEnvironment(new AllegroEnvironment(loadResources));
#else
    ::testing::AddGlobalTestEnvironment(new AllegroEnvironment);
#endif
    return RUN_ALL_TESTS();
}
