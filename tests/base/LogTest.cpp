#include "base/Log.h"

#include <cstdio>
#include <fstream>
#include <iomanip>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

#include <gtest/gtest.h>

TEST(Log, EachOpeningStartsAFreshFileIndentedByLevelAndOneThatFailsDropsEverythingButTheLevel) {
    const std::string path =
        ::testing::TempDir() + "tilecrest-" + std::to_string(getpid()) + ".log";
    const std::string rule(39, '-'), unopenable = "/nonexistent-directory/reversi.log";
    Log log;
    ASSERT_EQ(log.open(path), 0);
    log << "old run";
    log.endLine();
    ASSERT_EQ(log.open(path), 0);
    log.unindent();  // never below zero
    log << "top";
    log.endLine().indent();
    log.endLine().indent();  // an empty line keeps its level's tab
    log << "Bitmap " << int32_t(-120) << "x" << uint32_t(40) << " created";
    log.endLine();
    for (int i = 0; i < 3; ++i) log.unindent();
    log << "back";
    log.endLine().indent();
    EXPECT_EQ(log.open(unopenable), -1);  // closes the open file first, which resets the level
    EXPECT_EQ(log.level(), 0);
    log.indent();
    EXPECT_EQ(log.open(unopenable), -1);
    EXPECT_FALSE(log.isOpen());
    EXPECT_EQ(log.level(), 1);
    log << "nowhere";
    log.endLine();
    std::ifstream in(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    std::remove(path.c_str());
    ASSERT_EQ(lines.size(), 12u);
    EXPECT_EQ(lines[3].rfind(" Log opened: ", 0), 0u);
    EXPECT_EQ(lines[10].rfind(" Log closed: ", 0), 0u);
    lines[3] = lines[10] = "";
    EXPECT_EQ(lines, (std::vector<std::string>{"------- Compiled Mode: Release --------", "", rule,
                                               "", rule, "top", "\t", "\t\tBitmap -120x40 created",
                                               "back", rule, "", rule}));
}

TEST(Log, TimestampsShowATwelveHourClockAndMonthDayYear) {
    for (const auto& [local, text] : {std::pair{"2026-03-01 00:15:05", " 12:15:05a.m.   3/01/2026"},
                                      {"2026-03-01 12:30:05", " 12:30:05p.m.   3/01/2026"},
                                      {"2026-12-05 15:07:09", "  3:07:09p.m.  12/05/2026"}}) {
        std::tm t{};
        std::istringstream(local) >> std::get_time(&t, "%Y-%m-%d %H:%M:%S");
        EXPECT_EQ(Log::formatTimestamp(t), text) << local;
    }
}
