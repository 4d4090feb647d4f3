#include "editor/undo/EditHistory.h"

#include <gtest/gtest.h>

namespace {

struct CountingCommand : EditCommand {
    explicit CountingCommand(int& value) : value_(value) {}
    void Undo() override { --value_; }
    void Redo() override { ++value_; }
    int& value_;
};

TEST(EditHistoryTest, KeepsDepthStepsAndANewCommandDropsTheRedoneTail) {
    EditHistory history;
    int value = 0;
    for (std::size_t i = 0; i < EditHistory::Depth + 5; ++i) {
        history.Push(std::make_unique<CountingCommand>(value));
    }
    EXPECT_EQ(history.UndoCount(), EditHistory::Depth);
    while (history.Undo() != nullptr) {
    }
    EXPECT_EQ(value, -static_cast<int>(EditHistory::Depth));
    history.Redo();
    history.Push(std::make_unique<CountingCommand>(value));
    EXPECT_EQ(history.RedoCount(), 0u);
    EXPECT_EQ(history.Redo(), nullptr);
}

}  // namespace
