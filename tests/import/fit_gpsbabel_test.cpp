// The decoder against another FIT reader: gpsbabel's track points, record by record. Skipped
// where gpsbabel is not installed.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <sstream>

#include "import/base_name.h"
#include "import/fit_records.h"
#include "support/temp_dir.h"
#include "tests/import/fit_writer.h"

namespace vx {
namespace {

bool HaveGpsbabel() {
    return std::system("command -v gpsbabel >/dev/null 2>&1") == 0;
}

// gpsbabel's unicsv output: one row per track point, by column name.
struct Table {
    std::vector<std::string> columns;
    std::vector<std::vector<std::string>> rows;

    std::optional<std::string> cell(std::size_t row, const std::string& column) const {
        for (std::size_t c = 0; c < columns.size(); ++c)
            if (columns[c] == column) {
                const std::string& v = rows[row][c];
                if (v.empty()) return std::nullopt;
                return v;
            }
        return std::nullopt;  // a column gpsbabel left out: no point has the value
    }
};

std::vector<std::string> SplitCsv(const std::string& line) {
    std::vector<std::string> cells;
    std::string cell;
    std::istringstream in(line);
    while (std::getline(in, cell, ',')) cells.push_back(cell);
    if (!line.empty() && line.back() == ',') cells.push_back("");
    return cells;
}

std::optional<Table> RunGpsbabel(const std::string& fit_path, const test::TempDir& dir) {
    const std::string out = dir.file("points.csv");
    const std::string cmd = "TZ=UTC gpsbabel -t -i garmin_fit -f '" + fit_path +
                            "' -o unicsv -F '" + out + "' 2>'" + dir.file("err.txt") + "'";
    if (std::system(cmd.c_str()) != 0) return std::nullopt;
    const std::vector<std::uint8_t> bytes = test::ReadBytes(out);
    std::istringstream in(std::string(bytes.begin(), bytes.end()));
    Table t;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty()) continue;
        if (t.columns.empty())
            t.columns = SplitCsv(line);
        else
            t.rows.push_back(SplitCsv(line));
    }
    return t;
}

std::string DateTime(std::uint32_t fit_seconds) {
    const CivilTime c = CivilFromUnixSeconds(kFitEpochUnixSeconds + fit_seconds);
    char buf[32];
    std::snprintf(buf, sizeof buf, "%04i/%02i/%02i %02i:%02i:%02i", c.year, c.month, c.day, c.hour,
                  c.minute, c.second);
    return buf;
}

// Every record message against gpsbabel's point of the same position in the file; times are
// compared for the first `timed` messages.
void ExpectSameRecords(const std::string& fit_path, std::size_t timed = SIZE_MAX) {
    SCOPED_TRACE(fit_path);
    test::TempDir dir;
    const std::optional<Table> table = RunGpsbabel(fit_path, dir);
    ASSERT_TRUE(table) << "gpsbabel failed on " << fit_path;
    const FitActivityRead read = ReadFitActivity(test::ReadBytes(fit_path));
    ASSERT_TRUE(read.ok) << read.error;
    const std::vector<FitRecord>& records = read.activity.records;
    ASSERT_EQ(records.size(), table->rows.size());
    struct Column {
        const char* name;
        FitValue value;
        double scale;  // gpsbabel's unit per raw unit
        double offset;
        double tolerance;  // half of gpsbabel's last printed digit
    };
    const Column columns[] = {
        {"Altitude", FitValue::Altitude, 0.2, -500, 0.051},
        {"Temperature", FitValue::Temperature, 1, 0, 0.0006},
        {"Speed", FitValue::Speed, 0.001, 0, 0.0051},  // m/s
        {"Heartrate", FitValue::HeartRate, 1, 0, 0},
        {"Cadence", FitValue::Cadence, 1, 0, 0},
        {"Power", FitValue::Power, 1, 0, 0.051},
    };
    int differences = 0;
    for (std::size_t i = 0; i < records.size() && differences < 10; ++i) {
        const FitRecord& r = records[i];
        SCOPED_TRACE(testing::Message() << "record message " << i);
        ASSERT_TRUE(r.timestamp);
        const std::string when =
            table->cell(i, "Date").value_or("?") + " " + table->cell(i, "Time").value_or("?");
        if (i < timed && when != DateTime(*r.timestamp)) {
            ADD_FAILURE() << "time " << DateTime(*r.timestamp) << ", gpsbabel " << when;
            ++differences;
        }
        for (const Column& c : columns) {
            const std::optional<std::string> theirs = table->cell(i, c.name);
            if (r.has(c.value) != theirs.has_value()) {
                ADD_FAILURE() << c.name << (r.has(c.value) ? " present" : " absent")
                              << ", gpsbabel " << theirs.value_or("(none)");
                ++differences;
                continue;
            }
            if (!theirs) continue;
            const double ours = double(r.get(c.value)) * c.scale + c.offset;
            if (std::fabs(ours - std::strtod(theirs->c_str(), nullptr)) > c.tolerance) {
                ADD_FAILURE() << c.name << " " << ours << ", gpsbabel " << *theirs;
                ++differences;
            }
        }
    }
}

TEST(FitGpsbabel, EncoderFilesAgreeRecordByRecord) {
    if (!HaveGpsbabel()) GTEST_SKIP() << "gpsbabel is not installed";
    for (const char* name : {"plain_activity.fit", "sparse_pause.fit", "developer_fields.fit",
                             "timestamp_last.fit", "mixed_fields.fit", "invalid_values.fit"})
        ExpectSameRecords(test::FitFixture(name));
}

TEST(FitGpsbabel, WrittenLayoutsTheEncoderAvoidsAgree) {
    if (!HaveGpsbabel()) GTEST_SKIP() << "gpsbabel is not installed";
    // A 12-byte header, a big-endian definition with developer fields, and compressed
    // timestamps that roll over their 32-second frame; every record has a position, which
    // gpsbabel needs for a track point. gpsbabel adds a compressed header's 5-bit time to the
    // last full timestamp instead of replacing its low bits, so only the values of those
    // messages are compared (their times are checked against the rule in the decoder tests).
    using test::FitFieldLayout;
    std::vector<FitFieldLayout> fields = test::RecordFields();
    fields.insert(fields.begin() + 1, {{0, 4, test::kFitSint32}, {1, 4, test::kFitSint32}});
    std::vector<FitFieldLayout> untimed(fields.begin() + 1, fields.end());
    auto values = [](std::uint32_t t, std::uint32_t i) {
        std::vector<std::uint64_t> v = test::SteadyRecord(t, i);
        v.insert(v.begin() + 1, {580000000u + i * 100, 110000000u + i * 50});
        return v;
    };
    test::FitWriter w(12);
    w.define(0, kFitFileIdMessage, {{4, 4, test::kFitUint32}});
    w.data(0, {test::kFitStart});
    // gpsbabel reads a message in the byte order of the definition it read last, not of its
    // own local type's, so the little-endian definition comes after the big-endian messages.
    w.define(1, kFitRecordMessage, fields, /*big_endian=*/true, {2, 4});
    std::uint32_t i = 0;
    for (; i < 40; ++i) w.data(1, values(test::kFitStart + i, i));
    w.define(2, kFitRecordMessage, untimed);
    for (; i < 100; ++i) {
        const std::uint32_t t = test::kFitStart + i;
        std::vector<std::uint64_t> v = values(t, i);
        v.erase(v.begin());
        w.compressed(2, static_cast<std::uint8_t>(t & 0x1F), v);
    }
    test::TempDir dir;
    const std::string path = dir.file("written.fit");
    test::WriteBytes(path, w.finish());
    ExpectSameRecords(path, 40);
}

}  // namespace
}  // namespace vx
