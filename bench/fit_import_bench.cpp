// FIT import: decoding, slot fill and conversion, and the FIT standstill removal of a 12-hour
// ride at 1 Hz and of the longest ride a trip holds (199999 s). With VELOMATIX_FIT_FILE set,
// BM_FitDecodeFile decodes that file (bench/fit_compare.sh times the Garmin SDK's decoder on
// the same file).
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "import/fit_import.h"
#include "import/fit_records.h"
#include "import/fit_slots.h"
#include "import/fit_store.h"
#include "tests/import/fit_writer.h"
#include "trip/file_io.h"

namespace {

const vx::UtcOffsetFn kCentralEuropeanWinter = [](std::int64_t) { return 3600; };

const std::vector<std::uint8_t>& Ride(std::uint32_t seconds) {
    static std::vector<std::uint8_t> twelve_hours = vx::test::SteadyRide(12 * 3600);
    static std::vector<std::uint8_t> longest = vx::test::SteadyRide(vx::kMaxFitSlot);
    return seconds == 12 * 3600 ? twelve_hours : longest;
}

void BM_FitImportAndCompact(benchmark::State& state) {
    const std::vector<std::uint8_t>& file = Ride(static_cast<std::uint32_t>(state.range(0)));
    auto trip = std::make_unique<vx::Trip>();
    for (auto _ : state) {
        const vx::FitImport import = vx::ImportFit(file, "RIDER", *trip, kCentralEuropeanWinter);
        if (!import.ok) state.SkipWithError(import.message.c_str());
        const vx::PauseResult r =
            vx::CompactPauses(*trip, vx::kFitPausePolicy, import.has_motion_data);
        if (r != vx::PauseResult::Compacted) state.SkipWithError("compaction failed");
        benchmark::DoNotOptimize(trip->records[trip->count - 1].distance_km);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * file.size()));
}
BENCHMARK(BM_FitImportAndCompact)
    ->Arg(12 * 3600)
    ->Arg(vx::kMaxFitSlot)
    ->Unit(benchmark::kMillisecond);

// The decoder alone (all messages, records collected) on the 12-hour ride.
void BM_FitDecode(benchmark::State& state) {
    const std::vector<std::uint8_t>& file = Ride(12 * 3600);
    for (auto _ : state) {
        const vx::FitActivityRead read = vx::ReadFitActivity(file);
        if (!read.ok) state.SkipWithError(read.error.c_str());
        benchmark::DoNotOptimize(read.activity.records.size());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * file.size()));
}
BENCHMARK(BM_FitDecode)->Unit(benchmark::kMillisecond);

// A file from outside: the decoder alone, and decoding with fill and conversion.
void BM_FitDecodeFile(benchmark::State& state, std::string path, bool convert) {
    std::vector<std::uint8_t> file;
    std::string error;
    if (vx::ReadFileBytes(path, file, &error) != vx::ReadFileStatus::Ok) {
        state.SkipWithError(error.c_str());
        return;
    }
    auto trip = std::make_unique<vx::Trip>();
    for (auto _ : state) {
        if (convert) {
            const vx::FitImport import =
                vx::ImportFit(file, "RIDER", *trip, kCentralEuropeanWinter);
            if (!import.ok) state.SkipWithError(import.message.c_str());
            benchmark::DoNotOptimize(trip->count);
        } else {
            const vx::FitActivityRead read = vx::ReadFitActivity(file);
            if (!read.ok) state.SkipWithError(read.error.c_str());
            benchmark::DoNotOptimize(read.activity.records.size());
        }
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * file.size()));
}

const bool kFileBenchmarks = [] {
    if (const char* path = std::getenv("VELOMATIX_FIT_FILE")) {
        benchmark::RegisterBenchmark("BM_FitDecodeFile", BM_FitDecodeFile, std::string(path), false)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark("BM_FitImportFile", BM_FitDecodeFile, std::string(path), true)
            ->Unit(benchmark::kMillisecond);
    }
    return true;
}();

}  // namespace
