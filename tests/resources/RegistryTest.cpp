#include "resources/Registry.h"

#include <vector>

#include "tests/support/TestSupport.h"

using namespace dLibrary;

namespace {

constexpr int32_t TYPE_PROBE = 7;  // no game resource uses it, so the test owns its function
std::vector<void*> destroyed;

dAllegroResource* wrap(int32_t type, void* data) {
    auto* wrapper = new dAllegroResource();
    wrapper->type = type;
    wrapper->data = data;
    return wrapper;
}

}  // namespace

TEST(Registry, ReplacesDestroyingTheOldResourceAndFreesAllInAscendingIdOrderAtTheEnd) {
    int payloads[3] = {};
    setDestroyFunction(TYPE_PROBE, [](void* data) { destroyed.push_back(data); });
    registerResource(9, wrap(TYPE_PROBE, &payloads[0]));
    CountDelta counts;
    registerResource(9, wrap(TYPE_PROBE, &payloads[1]));
    EXPECT_EQ(counts.freed(), 2u) << "the wrapper and its payload";
    EXPECT_EQ(destroyed, std::vector<void*>{&payloads[0]});
    EXPECT_EQ(getData(9), &payloads[1]);

    registerResource(2, wrap(TYPE_PROBE, &payloads[2]));
    registerResource(
        16, wrap(TYPE_COLOR, new ALLEGRO_COLOR(al_map_rgb(64, 192, 255))));  // plain delete
    EXPECT_EQ(getData(42), nullptr);
    EXPECT_TRUE(hasResource(42)) << "an unknown id leaves an empty slot behind";
    destroyResources();
    EXPECT_EQ(destroyed, (std::vector<void*>{&payloads[0], &payloads[2], &payloads[1]}));
    EXPECT_EQ(counts.freed(), 2u + 6u);
    EXPECT_TRUE(resources.empty());
}
