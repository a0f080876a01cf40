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

// Runners fitted side by side share nothing: four threads give what one gives, number for number.
TEST(OrderedPool, FitsRunnersOnSeveralThreadsAsOnOne) {
    const auto header = std::get<TeamHeader>(ReadTeamHeader("name,sex,age,5km,10km,fit"));
    std::string why;
    const auto distances = *ReadTeamDistances("1500m,5km,mara", why);
    const auto fitAll = [&](std::size_t threads) {
        int next = 0;
        std::vector<TeamResult> results;
        MapInOrder<int, TeamResult>(
            threads, 8,
            [&]() -> std::optional<int> {
                return next < 40 ? std::optional(next++) : std::nullopt;
            },
            [&](const int& i) {
                const std::string line = "R" + std::to_string(i) + "," + (i % 2 ? "f" : "m") + "," +
                                         std::to_string(20 + i) + "," +
                                         std::to_string(1000 + 20 * i) + "," +
                                         (i % 3 ? std::to_string(2150 + 40 * i) : "") + "," +
                                         (i % 4 ? "all" : "best-two");
                return FitTeamRunner(ReadTeamRunner(header, line), distances);
            },
            [&](const TeamResult& result) { results.push_back(result); });
        return results;
    };
    const std::vector<TeamResult> one = fitAll(1);
    const std::vector<TeamResult> four = fitAll(4);
    ASSERT_EQ(one.size(), 40U);
    ASSERT_EQ(four.size(), 40U);
    for (std::size_t i = 0; i < one.size(); ++i) {
        EXPECT_EQ(four[i].name, one[i].name);
        EXPECT_EQ(four[i].error, one[i].error);
        EXPECT_EQ(four[i].vo2Max, one[i].vo2Max) << i;
        EXPECT_EQ(four[i].bestKm, one[i].bestKm) << i;
        ASSERT_EQ(four[i].predictions.size(), one[i].predictions.size()) << i;
        for (std::size_t d = 0; d < one[i].predictions.size(); ++d) {
            EXPECT_EQ(four[i].predictions[d].seconds, one[i].predictions[d].seconds);
            EXPECT_EQ(four[i].predictions[d].levelPercent, one[i].predictions[d].levelPercent);
        }
    }
    EXPECT_TRUE(one[0].error.empty()) << one[0].error;
}

}  // namespace
}  // namespace kestrova
