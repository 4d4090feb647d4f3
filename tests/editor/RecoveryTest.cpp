#include "editor/EditorState.h"
#include "editor/recovery/RecoverySchedule.h"
#include "editor/recovery/RecoveryStore.h"
#include "support/PrefabTestContent.h"

#include <string>

namespace {

class RecoveryTest : public PrefabTestContent {
protected:
    std::filesystem::path Copies() const { return dir / "Recovery"; }
    bool HasCopy(const std::string& name) const { return std::filesystem::exists(Copies() / (name + ".json")); }
    // A session's store writing the modified prefabs, as the guard does.
    void WriteWork(RecoveryStore& store) {
        store.Write(RecoveryStore::UnsavedWork(manager, nullptr, ""), manager);
    }
    void Edit(Prefab& prefab, const char* value) {
        prefab.Components.front()->FindProperty("Int")->GetSubProperty("Int", 0).FromText(value);
        prefab.IsModified = true;
    }

    EditorState& state = engine.Make(Engine::EditorState);
    Prefab* seed = AddPrefab("Seed", R"({"Components": {"AllValuesComponent": {"Int": "3"}}, "AutoCreate": ""})");
};

TEST_F(RecoveryTest, ACopyOlderThanItsSavedFileIsOfferedWithAWarning) {
    RecoveryStore session(Copies());
    Edit(*seed, "7");
    WriteWork(session);
    Edit(*seed, "8");
    WriteWork(session);  // later copies keep the base the work began from
    {
        RecoveryStore next(Copies());
        ASSERT_EQ(next.LookForOffer(manager).size(), 1u);
        EXPECT_FALSE(next.Offer().front().BaseChanged);
    }
    // Saved by a session that died before dropping the copy.
    seed->Save();
    RecoveryStore next(Copies());
    ASSERT_EQ(next.LookForOffer(manager).size(), 1u);
    EXPECT_TRUE(next.Offer().front().BaseChanged);
    // Recovered anyway, the work keeps the old base: a crash offers it with the warning again.
    next.Restore(manager);
    WriteWork(next);
    RecoveryStore third(Copies());
    third.LookForOffer(manager);
    EXPECT_TRUE(third.Offer().front().BaseChanged);
    EXPECT_EQ(seed->Components.front()->FindProperty("Int")->GetSubProperty("Int", 0).ToText(), "8");
}

TEST_F(RecoveryTest, SavedOrDiscardedWorkLeavesNoCopyButAnEarlierSessionsCopyStays) {
    Prefab* stone = AddPrefab("Stone", R"({"Components": {"AllValuesComponent": {"Int": "1"}}, "AutoCreate": ""})");
    Edit(*stone, "2");
    RecoveryStore earlier(Copies());
    WriteWork(earlier);
    stone->IsModified = false;

    RecoveryStore session(Copies());
    session.LookForOffer(manager);
    Edit(*seed, "7");
    WriteWork(session);
    ASSERT_TRUE(HasCopy("Seed"));
    session.KeepOnly({});
    EXPECT_FALSE(HasCopy("Seed"));
    Edit(*seed, "9");
    WriteWork(session);
    session.Discard();
    EXPECT_FALSE(HasCopy("Seed"));
    EXPECT_TRUE(HasCopy("Stone")) << "an offer nobody answered is not this session's to drop";
}

TEST(RecoveryScheduleTest, CopiesSoonAfterAChangeNeverEveryFrameAndAtTheLatestAtTheDeadline) {
    RecoverySchedule schedule;
    RecoverySchedule::Mark mark{0, {"Lvl_A"}};
    double now = 100.0;
    auto due = [&](double seconds) {
        now += seconds;
        return schedule.IsCopyDue(now, mark);
    };
    EXPECT_FALSE(due(0.0)) << "a change is copied once the editing pauses";
    EXPECT_FALSE(due(0.5));
    EXPECT_TRUE(due(0.6));
    schedule.Copied(now, 0.01);
    EXPECT_FALSE(due(0.1));
    // A drag changes the work every frame: copied by the deadline all the same.
    bool copied = false;
    double waited = 0.0;
    for (; !copied && waited < 10.0; waited += 1.0 / 60) {
        ++mark.Changes;
        copied = due(1.0 / 60);
    }
    EXPECT_LE(waited, RecoverySchedule::DeadlineSeconds + 0.05);
    schedule.Copied(now, 2.0);  // a huge level: refreshes are stretched
    EXPECT_FALSE(due(RecoverySchedule::RefreshSeconds + 1.0));
    EXPECT_TRUE(due(2.0 / RecoverySchedule::MaxShareOfTime));
}

}  // namespace
