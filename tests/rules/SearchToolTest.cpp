#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tools/search/SearchQuery.h"

namespace {

std::vector<std::string> linesOf(const std::string& path) {
    std::vector<std::string> lines;
    std::ifstream file(path);
    for (std::string line; std::getline(file, line);) lines.push_back(line);
    return lines;
}

// "MOVE nodes=N records=R us=T" without the time, which varies.
std::string withoutTime(const std::string& text) {
    return text.substr(0, text.find(" us="));
}

}  // namespace

TEST(SearchTool, AnswersLikeTheBenchOnItsSmallerPositions) {
    const std::string bench = TILECREST_BENCH_DIR;
    const std::vector<std::string> positions = linesOf(bench + "/positions.txt");
    const std::vector<std::string> expected = linesOf(bench + "/expected.txt");
    if (positions.empty() || positions.size() != expected.size()) {
        GTEST_SKIP() << "no bench positions in " << bench;
    }
    SearchTotals totals;
    int checked = 0;
    for (std::size_t i = 0; i < positions.size(); ++i) {
        // Up to some 50 thousand nodes each, which keeps this quick.
        const std::string fields = expected[i];
        const auto nodesAt = fields.find("nodes=");
        if (nodesAt == std::string::npos || std::stoull(fields.substr(nodesAt + 6)) > 50000)
            continue;
        const SearchAnswer answer = answerLine(positions[i], totals);
        EXPECT_TRUE(answer.balanced);
        EXPECT_EQ(withoutTime(answer.text), expected[i]) << "line " << i + 1;
        ++checked;
    }
    EXPECT_GE(checked, 10);
    EXPECT_EQ(totals.positions, static_cast<uint64_t>(checked));
}

TEST(SearchTool, AnswersEveryLineOfBadInputAndTheEndOfAGame) {
    SearchTotals totals;
    EXPECT_EQ(withoutTime(answerLine("", totals).text), "e3 nodes=9912 records=33056");
    EXPECT_EQ(withoutTime(answerLine("  c5\t", totals).text), "e6 nodes=16250 records=54485");
    EXPECT_EQ(answerLine("c5 c5", totals).text, "illegal c5");
    EXPECT_EQ(answerLine("a1", totals).text, "illegal a1");
    EXPECT_EQ(answerLine("c5 i9", totals).text, "illegal i9");
    EXPECT_EQ(answerLine("C5", totals).text, "illegal C5");
    EXPECT_EQ(answerLine("c55", totals).text, "illegal c55");
    EXPECT_EQ(answerLine("c", totals).text, "illegal c");
    EXPECT_EQ(answerLine("\x01\xff", totals).text, "illegal \x01\xff");
    EXPECT_EQ(totals.positions, 2u);
    // The shortest game: after Blue's f1 Red is stuck, though Blue is not.
    EXPECT_EQ(answerLine("e3 f3 g3 g2 c5 h3 h1 f1", totals).text, "over");
    EXPECT_EQ(answerLine("e3 f3 g3 g2 c5 h3 h1 f1 a1", totals).text, "over");
    EXPECT_NE(answerLine("e3 f3 g3 g2 c5 h3 h1", totals).text, "over");
}
