#include <benchmark/benchmark.h>

#include <string>
#include <thread>
#include <vector>

#include "session/ordered_pool.hpp"
#include "session/team_runner.hpp"

namespace kestrova {
namespace {

constexpr int kRunners = 10000;

// A club of varied runners: both sexes, ages 15 to 84, one to three races.
std::vector<std::string> GeneratedTeam() {
    std::vector<std::string> lines;
    for (int i = 0; i < kRunners; ++i) {
        const int five = 900 + (i * 37) % 1200;
        const int ten = five * 2 + 60 + (i * 11) % 200;
        lines.push_back("Runner " + std::to_string(i) + "," + (i % 2 == 0 ? "m" : "f") + "," +
                        std::to_string(15 + (i * 7) % 70) + "," + std::to_string((i * 13) % 150) +
                        "," + std::to_string(five) + "," + (i % 3 != 0 ? std::to_string(ten) : "") +
                        "," + (i % 4 == 1 ? std::to_string(ten * 2 + 300) : ""));
    }
    return lines;
}

// Every runner of the team through the pool, as kestrova-cli team runs them: the line read,
// the session's fit, the predictions and the analysis. A digest of the results lets each thread
// count check that it gave what one thread gives.
std::string FitTeam(const std::vector<std::string>& lines, std::size_t threads) {
    static const TeamHeader header =
        std::get<TeamHeader>(ReadTeamHeader("name,sex,age,weekly_miles,5km,10km,hmara"));
    std::string why;
    static const std::vector<TeamDistance> distances =
        *ReadTeamDistances("5km,10km,hmara,mara", why);
    std::size_t next = 0;
    std::string digest;
    MapInOrder<std::size_t, TeamResult>(
        threads, threads * 64,
        [&]() -> std::optional<std::size_t> {
            return next < lines.size() ? std::optional(next++) : std::nullopt;
        },
        [&](const std::size_t& i) {
            return FitTeamRunner(ReadTeamRunner(header, lines[i]), distances);
        },
        [&](const TeamResult& result) {
            digest +=
                result.error.empty() ? std::to_string(result.predictions[0].seconds) : result.error;
        });
    return digest;
}

// Argument: the thread count (0: one per core).
void BM_TeamOf10000(benchmark::State& loop) {
    const std::vector<std::string> lines = GeneratedTeam();
    const std::size_t threads = loop.range(0) == 0
                                    ? std::max(1U, std::thread::hardware_concurrency())
                                    : static_cast<std::size_t>(loop.range(0));
    const std::string oneThread = FitTeam(lines, 1);
    for (auto _ : loop) {
        const std::string digest = FitTeam(lines, threads);
        if (digest != oneThread) {
            loop.SkipWithError("the results differ from one thread's");
            break;
        }
    }
    loop.SetItemsProcessed(loop.iterations() * kRunners);
    loop.counters["threads"] = static_cast<double>(threads);
}
BENCHMARK(BM_TeamOf10000)->Arg(1)->Arg(0)->Arg(4)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace kestrova
