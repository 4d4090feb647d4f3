#include "script/RandomManager.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace {

class RandomManagerTest : public ::testing::Test {
protected:
    void SetUp() override {
        random.Seed(5489u);
        reference.seed(5489u);
    }

    RandomManager random;
    std::mt19937 reference;  // the same published generator, to count draws
};

TEST_F(RandomManagerTest, Seed5489GivesThePublishedFirstOutput) {
    EXPECT_EQ(random.RandomBits(), 3499211612u);
    // The published check value of MT19937: the 10000th output.
    for (int i = 2; i < 10000; ++i) random.RandomBits();
    EXPECT_EQ(random.RandomBits(), 4123659995u);
}

TEST_F(RandomManagerTest, ConstructionSeedsFromTheClock) {
    RandomManager a;
    RandomManager b;
    a.Seed(1u);
    EXPECT_NE(a.RandomBits(), b.RandomBits()) << "b was seeded with the time, not 1";
}

TEST_F(RandomManagerTest, RandomIntEdges) {
    EXPECT_EQ(random.RandomInt(5u, 5u), 5u);
    EXPECT_EQ(random.RandomInt(0u), 0u);
    EXPECT_EQ(random.RandomBits(), reference()) << "equal ends draw nothing";
    EXPECT_EQ(random.RandomInt(0u, 4294967295u), reference()) << "the full range is one raw output";
    EXPECT_EQ(random.RandomInt(7u, 6u), 7u + reference()) << "a reversed range wraps to the full range";
}

TEST_F(RandomManagerTest, RandomIntUsesEqualBucketsAndRejectsTheRest) {
    // Range 2 (three values): bucket = 4294967295 / 3 = 1431655765, and 4294967295 mod 3
    // = 0, so there is no extra 1. Outputs at or above 3 buckets are drawn again.
    for (int i = 0; i < 1000; ++i) {
        unsigned expected;
        do {
            expected = reference() / 1431655765u;
        } while (expected > 2u);
        ASSERT_EQ(random.RandomInt(10u, 12u), 10u + expected);
    }
    // Range 1 (two values): 4294967295 mod 2 = 1 = range, so bucket = 2147483647 + 1.
    for (int i = 0; i < 100; ++i) {
        ASSERT_EQ(random.RandomInt(1u), reference() >> 31);
    }
}

TEST_F(RandomManagerTest, RandomFloatStaysBelowHigh) {
    for (int i = 0; i < 1000; ++i) {
        const float r = random.RandomFloat(-2.0f, 3.0f);
        ASSERT_GE(r, -2.0f);
        ASSERT_LT(r, 3.0f);
    }
    random.Seed(5489u);
    EXPECT_FLOAT_EQ(random.RandomFloat(0.0f, 1.0f), 3499211612.0f / 4294967296.0f);
}

TEST_F(RandomManagerTest, RandomFloatWithoutAValueBelowHighGivesLowInsteadOfHanging) {
    EXPECT_EQ(random.RandomFloat(2.0f, 2.0f), 2.0f);
    EXPECT_EQ(random.RandomFloat(3.0f, 1.0f), 3.0f);
    EXPECT_EQ(random.RandomFloat(-3e38f, 3e38f), -3e38f);
    EXPECT_TRUE(std::isnan(random.RandomFloat(NAN, 1.0f)));
    EXPECT_EQ(random.RandomBits(), reference()) << "none of them drew";
}

TEST_F(RandomManagerTest, RandomVector2KeepsComponentsWithoutARange) {
    for (int i = 0; i < 200; ++i) {
        const Vector2 v = random.RandomVector2({1.0f, 2.0f}, {1.0f, 5.0f});
        ASSERT_EQ(v.x, 1.0f);
        ASSERT_GE(v.y, 2.0f);
        ASSERT_LT(v.y, 5.0f);
    }
    EXPECT_EQ(random.RandomVector2({4.0f, 4.0f}, {1.0f, 1.0f}), Vector2(4.0f, 4.0f));
}

TEST_F(RandomManagerTest, RandomColorKeepsChannelsThatAreNotBelowTheOther) {
    const Color white{255, 255, 255, 255};
    const Color clear{0, 0, 0, 0};
    EXPECT_EQ(random.RandomColor(white, clear), white);
    for (int value = 0; value < 256; ++value) {
        const auto v = static_cast<std::uint8_t>(value);
        ASSERT_EQ(random.RandomColor({v, v, v, v}, {v, 0, v, v}), Color(v, v, v, v)) << value;
    }
    EXPECT_EQ(random.RandomBits(), reference()) << "no channel drew";

    for (int i = 0; i < 200; ++i) {
        const Color c = random.RandomColor({10, 0, 0, 0}, {20, 0, 0, 255});
        ASSERT_GE(c.r, 10);
        ASSERT_LT(c.r, 20);
        ASSERT_EQ(c.g, 0);
    }
}

TEST_F(RandomManagerTest, RandomColorDrawsAlphaFirst) {
    const Color c = random.RandomColor({0, 0, 0, 0}, {255, 0, 0, 255});
    const float first = static_cast<float>(reference()) / 4294967296.0f;
    EXPECT_EQ(c.a, static_cast<std::uint8_t>(first * 255.0f));
}

TEST_F(RandomManagerTest, RandomDirectionIsAUnitVector) {
    for (int i = 0; i < 200; ++i) {
        const Vector2 d = random.RandomDirection();
        ASSERT_NEAR(d.x * d.x + d.y * d.y, 1.0f, 1e-5f);
    }
}

}  // namespace
