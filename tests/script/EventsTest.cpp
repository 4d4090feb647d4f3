#include "app/GameApp.h"
#include "core/Engine.h"
#include "script/Events.h"

#include <gtest/gtest.h>

namespace {

TEST(EventsTest, TheHubOutlivesEveryOtherManager) {
    {
        GameApp app;
        ASSERT_NE(Engine::Events, nullptr);
        EXPECT_TRUE(Engine::Events->Game->Handlers.empty());
        EXPECT_TRUE(Engine::Events->Player->OneShots.empty());
    }
    EXPECT_EQ(Engine::Events, nullptr);
}

TEST(EventsTest, HandlersStayAndOneShotsGoOnceRaised) {
    GameEvents events;
    int lasting = 0;
    int once = 0;
    events.Listen(0x1122334455667788u, [&] { ++lasting; });
    events.ListenOnce(0x1122334455667788u, [&] { ++once; });
    events.Raise(0x1122334455667788u);
    events.Raise(0x1122334455667788u);
    events.Raise(42u);
    EXPECT_EQ(lasting, 2);
    EXPECT_EQ(once, 1);
    events.Forget(0x1122334455667788u);
    events.Raise(0x1122334455667788u);
    EXPECT_EQ(lasting, 2);
}

TEST(EventsTest, AHandlerMayForgetItself) {
    PlayerEvents events;
    int calls = 0;
    events.Listen(7u, [&] {
        ++calls;
        events.Forget(7u);
    });
    events.Raise(7u);
    events.Raise(7u);
    EXPECT_EQ(calls, 1);
}

}  // namespace
