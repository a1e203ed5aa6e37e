// The main of the test programs that draw (tilecrest_test in tests/CMakeLists.txt).
#include "tests/support/TestSupport.h"

#if TILECREST_LOAD_ARTWORK
#include "app/AssetManifest.h"
#else
constexpr int32_t (*loadResources)() = nullptr;
#endif

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::AddGlobalTestEnvironment(new AllegroEnvironment(loadResources));
    return RUN_ALL_TESTS();
}
