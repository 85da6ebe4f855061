// Reading the longest HRM, SRM and TCX files into a trip. Targets on the development machine:
// TCX of 200000 trackpoints (without watts and cadence) under 1 s, HRM and SRM of 199999
// samples under 100 ms each. With VELOMATIX_TCX_FILE set, the file named there is read from
// disk as well (bench/tcx_compare.sh compares that with gpsbabel reading it).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "import/base_name.h"
#include "import/hrm_import.h"
#include "import/srm_import.h"
#include "import/tcx_import.h"
#include "trip/byte_io.h"

namespace {

const vx::UtcOffsetFn kUtc = [](std::int64_t) { return 0; };

std::string LongTcx(std::int32_t trackpoints) {
    std::string s =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<TrainingCenterDatabase "
        "xmlns=\"http://www.garmin.com/xmlschemas/TrainingCenterDatabase/v2\">\n<Activities>\n"
        "<Activity Sport=\"Biking\">\n<Id>2014-07-05T06:00:00Z</Id>\n"
        "<Lap StartTime=\"2014-07-05T06:00:00Z\">\n<Track>\n";
    s.reserve(static_cast<std::size_t>(trackpoints) * 400);
    for (std::int32_t i = 0; i < trackpoints; ++i) {
        const vx::CivilTime t = vx::CivilFromUnixSeconds(1404540000 + i);
        char buf[512];
        std::snprintf(buf, sizeof buf,
                      "<Trackpoint>\n <Time>%04i-%02i-%02iT%02i:%02i:%02iZ</Time>\n <Position>\n"
                      "  <LatitudeDegrees>%.7f</LatitudeDegrees>\n"
                      "  <LongitudeDegrees>%.7f</LongitudeDegrees>\n </Position>\n"
                      " <AltitudeMeters>%.1f</AltitudeMeters>\n"
                      " <DistanceMeters>%.2f</DistanceMeters>\n"
                      " <HeartRateBpm>\n  <Value>%i</Value>\n </HeartRateBpm>\n"
                      " <SensorState>Present</SensorState>\n</Trackpoint>\n",
                      t.year, t.month, t.day, t.hour, t.minute, t.second, 48.1 + i * 1e-6,
                      11.5 + i * 1e-6, 300 + (i % 1000) * 0.1, i * 8.25, 120 + i % 40);
        s += buf;
    }
    s += "</Track>\n</Lap>\n</Activity>\n</Activities>\n</TrainingCenterDatabase>\n";
    return s;
}

std::string LongHrm(std::int32_t samples) {
    std::string s =
        "[Params]\r\nVersion=106\r\nMonitor=22\r\nSMode=11110000\r\nDate=20140705\r\n"
        "StartTime=06:00:00.0\r\nLength=55:33:19.0\r\nInterval=1\r\n\r\n[HRData]\r\n";
    s.reserve(static_cast<std::size_t>(samples) * 24);
    for (std::int32_t i = 0; i < samples; ++i) {
        char line[64];
        std::snprintf(line, sizeof line, "%i\t%i\t%i\t%i\t%i\r\n", 120 + i % 40, 280 + i % 30,
                      85 + i % 10, 300 + i % 100, 180 + i % 70);
        s += line;
    }
    return s;
}

std::vector<std::uint8_t> LongSrm(std::int32_t samples) {
    std::vector<std::uint8_t> out;
    out.reserve(400 + static_cast<std::size_t>(samples) * vx::kSrmRecordSize);
    vx::ByteWriter w(out);
    for (char c : std::string_view("SRM7")) w.u8(static_cast<std::uint8_t>(c));
    w.u16(48000);
    w.u16(2096);
    w.u8(1);
    w.u8(1);
    const std::vector<std::uint16_t> blocks = {60000, 60000, 60000,
                                               static_cast<std::uint16_t>(samples - 180000)};
    w.u16(static_cast<std::uint16_t>(blocks.size()));
    w.u16(0);
    w.zeros(2 + 70);
    w.zeros(256);  // marker 0: note and active byte
    w.u16(1);
    w.u16(static_cast<std::uint16_t>(samples & 0xFFFF));  // 16 bits of the record count
    w.zeros(10);
    std::uint32_t start = 2160000;  // 06:00:00.00
    for (std::uint16_t n : blocks) {
        w.u32(start);
        w.u16(n);
        start += n * 100u;
    }
    w.zeros(7);
    for (std::int32_t i = 0; i < samples; ++i) {
        w.u16(static_cast<std::uint16_t>(180 + i % 70));
        w.u8(static_cast<std::uint8_t>(85 + i % 10));
        w.u8(static_cast<std::uint8_t>(120 + i % 40));
        w.i32(8000 + i % 500);
        w.u16(static_cast<std::uint16_t>(300 + i % 100));
        w.u16(0);
        w.u16(215);
    }
    return out;
}

void BM_ReadTcx200000Trackpoints(benchmark::State& state) {
    const std::string text = LongTcx(200000);
    const auto bytes = std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
    auto trip = std::make_unique<vx::Trip>();
    for (auto _ : state) {
        const vx::TcxImport r = vx::ImportTcx(bytes, "RIDER", *trip, kUtc);
        if (!r.ok || r.count != vx::kMaxTripCount) state.SkipWithError(r.message.c_str());
    }
    state.counters["MB"] = static_cast<double>(text.size()) / 1e6;
}
BENCHMARK(BM_ReadTcx200000Trackpoints)->Unit(benchmark::kMillisecond);

void BM_ReadHrm199999Samples(benchmark::State& state) {
    const std::string text = LongHrm(vx::kMaxTripCount);
    auto trip = std::make_unique<vx::Trip>();
    for (auto _ : state) {
        const vx::HrmImport r = vx::ImportHrm(text, "RIDER", *trip);
        if (!r.ok || r.count != vx::kMaxTripCount) state.SkipWithError(r.message.c_str());
    }
}
BENCHMARK(BM_ReadHrm199999Samples)->Unit(benchmark::kMillisecond);

void BM_ReadSrm199999Samples(benchmark::State& state) {
    const std::vector<std::uint8_t> bytes = LongSrm(vx::kMaxTripCount);
    auto trip = std::make_unique<vx::Trip>();
    for (auto _ : state) {
        const vx::SrmImport r = vx::ImportSrm(bytes, "RIDER", *trip);
        if (!r.ok || r.count != vx::kMaxTripCount) state.SkipWithError(r.message.c_str());
    }
}
BENCHMARK(BM_ReadSrm199999Samples)->Unit(benchmark::kMillisecond);

// The file of VELOMATIX_TCX_FILE, read from disk and converted, once per iteration.
void BM_ReadTcxFile(benchmark::State& state, std::string path) {
    auto trip = std::make_unique<vx::Trip>();
    for (auto _ : state) {
        const vx::TcxImport r = vx::ImportTcxPath(path, "RIDER", *trip, kUtc);
        if (!r.ok) state.SkipWithError(r.message.c_str());
    }
}

const bool kTcxFileRegistered = [] {
    if (const char* path = std::getenv("VELOMATIX_TCX_FILE"))
        benchmark::RegisterBenchmark("BM_ReadTcxFile", BM_ReadTcxFile, std::string(path))
            ->Unit(benchmark::kMillisecond)
            ->Iterations(3);
    return true;
}();

}  // namespace
