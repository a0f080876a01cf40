#include <benchmark/benchmark.h>

#include <cmath>
#include <string>

#include "analyses/best_efforts.hpp"
#include "files/activity/activity_file.hpp"

namespace kestrova {
namespace {

// A run of `points` seconds, one point a second, at a pace that wanders around 4:30 per km.
std::vector<TimedDistance> Series(int points) {
    std::vector<TimedDistance> series = {{0, 0}};
    for (int i = 1; i < points; ++i) {
        const double speed = 3.7 + 0.3 * std::sin(i * 0.01) + 0.2 * std::sin(i * 0.37);
        series.push_back({static_cast<double>(i), series.back().meters + speed});
    }
    return series;
}

// Best efforts over every standard distance: a marathon at one point a second (about 3 hours).
void BM_BestEfforts(benchmark::State& state) {
    const std::vector<TimedDistance> series = Series(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(FindBestEfforts(series));
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_BestEfforts)->Arg(3600)->Arg(11000);

// A GPX file of `points` track points, one a second, read into an activity.
void BM_ReadGpx(benchmark::State& state) {
    std::string gpx = "<?xml version=\"1.0\"?><gpx version=\"1.1\"><trk><trkseg>";
    for (int i = 0; i < state.range(0); ++i) {
        char point[160];
        std::snprintf(point, sizeof point,
                      "<trkpt lat=\"%.7f\" lon=\"7.1\"><ele>52.1</ele><time>2026-05-03T%02d:%02d:"
                      "%02dZ</time></trkpt>",
                      50.0 + i * 0.00003, 8 + i / 3600, i / 60 % 60, i % 60);
        gpx += point;
    }
    gpx += "</trkseg></trk></gpx>";
    for (auto _ : state) {
        benchmark::DoNotOptimize(ReadActivityBytes(gpx));
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(gpx.size()));
}
BENCHMARK(BM_ReadGpx)->Arg(3600)->Arg(11000);

}  // namespace
}  // namespace kestrova
