#include "core/ContentLog.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

TEST(ContentLogTest, EveryLevelReachesTheSinkAndStandardErrorWhenThereIsNone) {
    std::vector<std::pair<ContentLog::Level, std::string>> lines;
    ContentLog::SetSink([&](ContentLog::Level level, const std::string& text) { lines.emplace_back(level, text); });
    ContentLog::Info("info");
    ContentLog::Warning("warning");
    ContentLog::Error("error");
    ContentLog::SetSink(nullptr);
    const std::vector<std::pair<ContentLog::Level, std::string>> expected{
        {ContentLog::Level::Info, "info"}, {ContentLog::Level::Warning, "warning"}, {ContentLog::Level::Error, "error"}};
    EXPECT_EQ(lines, expected);

    ::testing::internal::CaptureStderr();
    ContentLog::Error("cannot start: no display");
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "Vellimor: cannot start: no display\n");
}

}  // namespace
