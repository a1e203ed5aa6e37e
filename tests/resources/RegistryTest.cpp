#include <vector>

#include <allegro5/allegro.h>
#include <gtest/gtest.h>

#include "resources/Registry.h"
#include "tests/resources/TestSupport.h"

namespace {

using namespace dLibrary;

// A type code no game resource uses, so the test owns its destroy function.
constexpr int32_t TYPE_PROBE = 7;
std::vector<void*> destroyedPayloads;
std::vector<int> destroyedProbes;

// A resource that records its own destruction.
class ProbeResource : public dResource {
public:
    explicit ProbeResource(int tag) : tag(tag) {}
    ~ProbeResource() override { destroyedProbes.push_back(tag); }
    int tag;
};

dAllegroResource* wrap(int32_t type, void* data) {
    auto* wrapper = new dAllegroResource();
    wrapper->type = type;
    wrapper->data = data;
    return wrapper;
}

class RegistryTest : public ::testing::Test {
protected:
    void SetUp() override {
        destroyedPayloads.clear();
        destroyedProbes.clear();
        setDestroyFunction(TYPE_PROBE, [](void* data) { destroyedPayloads.push_back(data); });
    }
    void TearDown() override { destroyResources(); }
    int payloads[2] = {1, 2};
};

TEST_F(RegistryTest, ReplacingAResourceDestroysTheOldOneAndItsPayload) {
    registerResource(5, wrap(TYPE_PROBE, &payloads[0]));
    CountDelta counts;
    registerResource(5, wrap(TYPE_PROBE, &payloads[1]));

    EXPECT_EQ(counts.freed(), 2u) << "the wrapper and its payload";
    ASSERT_EQ(destroyedPayloads.size(), 1u);
    EXPECT_EQ(destroyedPayloads[0], &payloads[0]);
    EXPECT_EQ(getData(5), &payloads[1]);
    EXPECT_EQ(resources.size(), 1u);

    registerResource(5, new ProbeResource(1));
    EXPECT_EQ(counts.freed(), 4u);
    EXPECT_EQ(destroyedPayloads.back(), &payloads[1]);
    EXPECT_EQ(getData(5), nullptr) << "a slot without a wrapper has no payload";
}

TEST_F(RegistryTest, LookingUpAnUnknownIdYieldsNullAndLeavesAnEmptySlot) {
    EXPECT_FALSE(hasResource(42));
    EXPECT_EQ(getData(42), nullptr);
    EXPECT_TRUE(hasResource(42));
    EXPECT_EQ(getResource(42), nullptr);
    EXPECT_EQ(resources.size(), 1u);

    // Filling the empty slot replaces nothing; destroying skips empty slots.
    CountDelta counts;
    registerResource(42, wrap(TYPE_PROBE, &payloads[0]));
    getData(43);
    EXPECT_EQ(counts.freed(), 0u);
    destroyResources();
    EXPECT_EQ(counts.freed(), 2u);
    EXPECT_TRUE(resources.empty());
}

TEST_F(RegistryTest, AColourIsFreedWithoutADestroyFunction) {
    ASSERT_FALSE(hasDestroyFunction(TYPE_COLOR));
    registerResource(16, wrap(TYPE_COLOR, new ALLEGRO_COLOR(al_map_rgb(64, 192, 255))));
    ALLEGRO_COLOR colour = *static_cast<ALLEGRO_COLOR*>(getData(16));
    unsigned char r, g, b;
    al_unmap_rgb(colour, &r, &g, &b);
    EXPECT_EQ(r, 64);
    EXPECT_EQ(g, 192);
    EXPECT_EQ(b, 255);

    CountDelta counts;
    destroyResources();
    EXPECT_EQ(counts.freed(), 2u) << "the wrapper and the colour";
    EXPECT_TRUE(destroyedPayloads.empty());
}

TEST_F(RegistryTest, DestroyResourcesFreesEverythingInAscendingIdOrder) {
    registerResource(9, new ProbeResource(9));
    registerResource(2, new ProbeResource(2));
    registerResource(5, new ProbeResource(5));
    CountDelta counts;
    destroyResources();
    EXPECT_EQ(destroyedProbes, (std::vector<int>{2, 5, 9}));
    EXPECT_EQ(counts.freed(), 3u);
    EXPECT_TRUE(resources.empty());

    destroyResources();
    EXPECT_EQ(counts.freed(), 3u) << "an empty registry frees nothing";
}

}  // namespace
