#include "session/team_file.hpp"

#include <gtest/gtest.h>

#include <atomic>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "session/ordered_pool.hpp"
#include "session/team_runner.hpp"

namespace kestrova {
namespace {

using Cells = std::vector<std::string>;

TEST(TeamFile, SplitsCsvCellsAsSpreadsheetsWriteThem) {
    const std::vector<std::pair<std::string, Cells>> cases = {
        {"a,b,c", {"a", "b", "c"}},
        {"", {""}},
        {",,", {"", "", ""}},
        {"\"Ortiz, jr.\",f", {"Ortiz, jr.", "f"}},
        {"\"say \"\"hi\"\"\",x", {"say \"hi\"", "x"}},
        {" \"quoted\" ,x", {"quoted", "x"}},
        {"in\"side,x", {"in\"side", "x"}},
        {"\"\"", {""}},
    };
    for (const auto& [line, cells] : cases) {
        const auto split = SplitCsvLine(line);
        ASSERT_TRUE(std::holds_alternative<Cells>(split)) << line;
        EXPECT_EQ(std::get<Cells>(split), cells) << line;
    }
    for (const char* bad : {"\"open,x", "\"closed\"x,y", "a,\"b"}) {
        EXPECT_TRUE(std::holds_alternative<std::string>(SplitCsvLine(bad))) << bad;
    }
}

TEST(TeamFile, TellsTextFromBinary) {
    for (const char* text : {"plain", "tab\there", "Zoë Müller", "名前", "🏃"}) {
        EXPECT_EQ(NotUtf8Text(text), std::nullopt) << text;
    }
    for (const std::string& bytes :
         {std::string("a\0b", 3), std::string("\x1b[31m"), std::string("caf\xE9"),
          std::string("\xC0\xAF"), std::string("\xE2\x82"), std::string("\xF5\x80\x80\x80")}) {
        EXPECT_NE(NotUtf8Text(bytes), std::nullopt) << bytes;
    }
}

TEST(TeamFile, ReadsLinesOfAnyEndingAndCutsLongOnes) {
    std::istringstream in("one\r\ntwo\nthree" + std::string("\n") +
                          std::string(kMostTeamLineBytes + 5, 'x') + "\nlast");
    std::vector<std::string> texts;
    std::vector<bool> long_;
    while (const auto line = ReadTeamLine(in)) {
        texts.push_back(line->text.substr(0, 5));
        long_.push_back(line->tooLong);
    }
    EXPECT_EQ(texts, (Cells{"one", "two", "three", "xxxxx", "last"}));
    EXPECT_EQ(long_, (std::vector<bool>{false, false, false, true, false}));
}

TEST(TeamFile, ARunnerRowStartsFromTheStartUpValuesWithoutRaces) {
    const auto header = std::get<TeamHeader>(ReadTeamHeader("Name, Weight ,10KM,5km,age_graded"));
    const TeamRunnerInputs runner = ReadTeamRunner(header, "Eve,60,40:00,,yes");
    EXPECT_EQ(runner.error, "");
    EXPECT_EQ(runner.form.txtname, "Eve");
    EXPECT_EQ(runner.form.wtscrl, 132);
    EXPECT_EQ(runner.form.agecomp, 1);
    EXPECT_EQ(runner.form.txtage, "35");
    EXPECT_EQ(runner.form.rows[0].Text2, "40");
    EXPECT_EQ(runner.form.rows[1].Check1, 0) << "an empty race cell is no race";
    EXPECT_EQ(ReadTeamRunner(header, "Short").error, "") << "missing cells are empty";
}

// The order of the results, whatever the threads.
TEST(OrderedPool, GivesResultsInInputOrderHoldingAtMostAWindow) {
    for (const std::size_t threads : {1U, 2U, 4U, 7U}) {
        int produced = 0;
        std::atomic<int> busy{0};
        std::atomic<int> mostBusy{0};
        std::vector<int> seen;
        MapInOrder<int, int>(
            threads, 5,
            [&]() -> std::optional<int> {
                return produced < 23 ? std::optional(produced++) : std::nullopt;
            },
            [&](const int& item) {
                const int now = ++busy;
                int most = mostBusy;
                while (now > most && !mostBusy.compare_exchange_weak(most, now)) {
                }
                --busy;
                return item * item;
            },
            [&](const int& result) { seen.push_back(result); });
        ASSERT_EQ(seen.size(), 23U) << threads;
        for (int i = 0; i < 23; ++i) {
            EXPECT_EQ(seen[static_cast<std::size_t>(i)], i * i) << threads;
        }
        EXPECT_LE(mostBusy.load(), static_cast<int>(std::min<std::size_t>(threads, 5)));
    }
}

TEST(OrderedPool, AFailureStopsTheRunAndIsThrownOn) {
    int produced = 0;
    std::vector<int> seen;
    const auto run = [&] {
        MapInOrder<int, int>(
            3, 4, [&]() -> std::optional<int> { return produced < 100 ? produced++ : -1; },
            [](const int& item) {
                if (item == 6) {
                    throw std::runtime_error("six");
                }
                return item;
            },
            [&](const int& result) { seen.push_back(result); });
    };
    EXPECT_THROW(run(), std::runtime_error);
    EXPECT_EQ(seen, (std::vector<int>{0, 1, 2, 3})) << "only whole batches before the failure";
    EXPECT_EQ(produced, 8);
}

}  // namespace
}  // namespace kestrova
