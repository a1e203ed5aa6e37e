#include "app/Log.h"

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <unistd.h>

namespace {

std::string tempPath(const char* name) {
    return std::string(::testing::TempDir()) + name + std::to_string(::getpid());
}

std::vector<std::string> readLines(const std::string& path) {
    std::ifstream in(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

const std::string kRule(39, '-');

TEST(Log, BannersFrameTheLinesAndASecondOpenStartsAFreshFile) {
    std::string path = tempPath("banner.log");
    Log log;
    ASSERT_EQ(log.open(path), 0);
    log << "old run";
    log.endLine();
    ASSERT_EQ(log.open(path), 0);  // closes the first file, truncates it
    log << "App started";
    log.endLine();
    log.close();

    std::vector<std::string> lines = readLines(path);
    ASSERT_EQ(lines.size(), 9u);
    EXPECT_EQ(lines[0], "------- Compiled Mode: Release --------");
    EXPECT_EQ(lines[1], "");
    EXPECT_EQ(lines[2], kRule);
    EXPECT_EQ(lines[3].rfind(" Log opened: ", 0), 0u);
    EXPECT_EQ(lines[4], kRule);
    EXPECT_EQ(lines[5], "App started");
    EXPECT_EQ(lines[6], kRule);
    EXPECT_EQ(lines[7].rfind(" Log closed: ", 0), 0u);
    EXPECT_EQ(lines[8], kRule);
    std::remove(path.c_str());
}

TEST(Log, IndentsEachLineOnceByItsLevel) {
    std::string path = tempPath("indent.log");
    Log log;
    ASSERT_EQ(log.open(path), 0);
    log.unindent();  // already at 0: stays there
    log << "top";
    log.endLine();
    log.indent();
    log.endLine();  // an empty line at level 1 is one tab
    log.indent();
    log << "Bitmap " << int32_t(-120) << "x" << uint32_t(40) << " created";
    log.endLine();
    log.unindent();
    log.unindent();
    log.unindent();
    log.endLine();
    log << "back at " << int32_t(0);
    log.endLine();
    log.close();

    std::vector<std::string> lines = readLines(path);
    ASSERT_EQ(lines.size(), 13u);
    EXPECT_EQ(lines[5], "top");
    EXPECT_EQ(lines[6], "\t");
    EXPECT_EQ(lines[7], "\t\tBitmap -120x40 created");
    EXPECT_EQ(lines[8], "");
    EXPECT_EQ(lines[9], "back at 0");
    std::remove(path.c_str());
}

TEST(Log, CloseResetsTheLevelAndWritesAfterCloseAreLost) {
    std::string path = tempPath("close.log");
    Log log;
    ASSERT_EQ(log.open(path), 0);
    log.indent();
    log.close();
    EXPECT_EQ(log.level(), 0);
    log << "lost";
    log.endLine();
    EXPECT_EQ(readLines(path).size(), 8u);
    std::remove(path.c_str());
}

TEST(Log, AFileThatCannotBeCreatedLosesOutputSilently) {
    Log log;
    log.indent();
    EXPECT_EQ(log.open("/nonexistent-directory/reversi.log"), -1);
    EXPECT_FALSE(log.isOpen());
    EXPECT_EQ(log.level(), 1);  // a failed open keeps the level
    log << "nowhere" << int32_t(7);
    log.endLine();
    log.close();
    EXPECT_EQ(log.level(), 0);
}

TEST(Log, TimestampUsesTwelveHourClockAndMonthDayYear) {
    std::tm t{};
    t.tm_year = 2026 - 1900;
    t.tm_mon = 2;
    t.tm_mday = 1;
    t.tm_hour = 0;
    t.tm_min = 15;
    t.tm_sec = 5;
    EXPECT_EQ(Log::formatTimestamp(t), " 12:15:05a.m.   3/01/2026");
    t.tm_hour = 12;
    t.tm_min = 30;
    EXPECT_EQ(Log::formatTimestamp(t), " 12:30:05p.m.   3/01/2026");
    t.tm_mon = 11;
    t.tm_mday = 5;
    t.tm_hour = 15;
    t.tm_min = 7;
    t.tm_sec = 9;
    EXPECT_EQ(Log::formatTimestamp(t), "  3:07:09p.m.  12/05/2026");
}

}  // namespace
