#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "files/file_access.hpp"
#include "files/race_list.hpp"

namespace kestrova {
namespace {

// A saved race file of `races` records in the temporary directory.
std::filesystem::path RaceFile(int races) {
    const std::filesystem::path path = std::filesystem::temp_directory_path() /
                                       ("kestrova-bench-" + std::to_string(races) + ".kst");
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    for (int n = 1; n <= races; ++n) {
        SavedRaceRecord race;
        race.raceNumber = static_cast<std::int16_t>(n);
        race.minutes = 18.0F;
        race.seconds = 7.5F;
        race.number = 5.0F;
        race.units[2] = kUnitMark;
        SetComment(race, "Parkrun in Köln, windy");
        const RecordBytes bytes = EncodeRecord(race);
        file.write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    }
    return path;
}

// "Open Existing" on a file: reading it whole and building every list line.
void BM_OpenExisting(benchmark::State& loop) {
    const std::filesystem::path path = RaceFile(static_cast<int>(loop.range(0)));
    for (auto _ : loop) {
        FileAccessState state;
        RecordingNotifier notifier;
        OpenExisting(state, path.string(), notifier);
        benchmark::DoNotOptimize(state.listLines.data());
    }
    loop.SetItemsProcessed(loop.iterations() * loop.range(0));
    std::filesystem::remove(path);
}
BENCHMARK(BM_OpenExisting)->Arg(99)->Arg(kMostRaceNumber);

// "Select Race" on a long file: copying the race and rebuilding the list with its marks.
void BM_SelectRace(benchmark::State& loop) {
    const std::filesystem::path path = RaceFile(static_cast<int>(loop.range(0)));
    FileAccessState state;
    RecordingNotifier notifier;
    OpenExisting(state, path.string(), notifier);
    state.selectedRow = 1;
    MainFormInputs form;
    CopiedRaceRows copied;
    for (auto _ : loop) {
        state.pickedCount = 0;
        benchmark::DoNotOptimize(SelectRace(state, form, copied, notifier));
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_SelectRace)->Arg(99)->Arg(kMostRaceNumber);

}  // namespace
}  // namespace kestrova
