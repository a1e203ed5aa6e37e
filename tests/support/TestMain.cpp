// The main of the test programs that draw; TILECREST_LOAD_ARTWORK says whether they need the
// artwork.
#include "support/TestSupport.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::AddGlobalTestEnvironment(new AllegroEnvironment(TILECREST_LOAD_ARTWORK));
    return RUN_ALL_TESTS();
}
