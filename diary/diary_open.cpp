// Opening diary entries into the trip buffers, the comparison pair, the summary overlay.
#include "diary/diary_open.h"

#include <iostream>

#include "diary/diary_notes.h"
#include "diary/diary_summaries.h"
#include "trip/byte_io.h"
#include "trip/deo_file.h"
#include "trip/file_io.h"

namespace vx {

namespace {

std::string DeoPath(const RiderTrips& trips, std::string_view line) {
    return trips.paths.rider_folder + "/" + BaseNameOfLine(line) + ".DEO";
}

// The first line of the note field: after "*" up to the first "|" or "~".
std::string FirstNoteLine(std::string_view line) {
    const std::size_t star = line.find('*');
    if (star == std::string_view::npos) return {};
    std::string_view note = line.substr(star + 1);
    note = note.substr(0, note.find('|'));
    return std::string(note.substr(0, note.find('~')));
}

// Reads the file of a line and checks its record count before anything is replaced.
bool ReadCheckedFile(const RiderTrips& trips, std::string_view line, std::int32_t min_count,
                     std::vector<std::uint8_t>& bytes, std::string& message) {
    const std::string path = DeoPath(trips, line);
    std::string error;
    if (ReadFileBytes(path, bytes, &error) != ReadFileStatus::Ok) {
        std::cerr << "Cannot open output file.\n";
        message = "Cannot open output file. " + error;
        return false;
    }
    ByteReader in(bytes);
    std::int32_t count = 0;
    if (!in.i32(count) || count < kMinTripCount || count > kMaxTripCount) {
        message = path + ": no trip (record count outside 5..199999)";
        return false;
    }
    if (count < min_count) {
        message = path + ": the trip has fewer than 60 records";
        return false;
    }
    return true;
}

bool IsOpenableLine(std::string_view line) {
    return !IsManualEntry(line) && line.find(';') != std::string_view::npos;
}

std::string TripNumberMessage(std::string_view line) {
    return BaseNameOfLine(line) + ": the trip number is not in 1..999";
}

}  // namespace

DiaryTripOpen OpenDiaryTrip(const RiderTrips& trips, std::string_view line,
                            const Settings& settings, Trip& trip) {
    DiaryTripOpen r;
    if (!IsOpenableLine(line)) return r;
    const std::optional<int> n = StoreNumberOfLine(line);
    if (!n) {
        r.message = TripNumberMessage(line);
        return r;
    }
    std::vector<std::uint8_t> bytes;
    if (!ReadCheckedFile(trips, line, kMinDiaryTripCount, bytes, r.message)) return r;
    const TripLoad load = ReadTripBytes(bytes, trip, settings.current_zones());
    if (!load) {
        r.message = DeoPath(trips, line) + ": " + load.reason;
        return r;
    }
    const bool line_has_note = line.find('*') != std::string_view::npos;
    trip.note_present = line_has_note;
    if (!(trip.header().flags() & kNoteFlag) && line_has_note) {
        trip.note = DeoNoteOfLine(line);
        std::string error;
        if (!WriteTripPath(DeoPath(trips, line), trip, &error))
            std::cerr << "Cannot open output file.\n";
    }
    trip.sample_interval_s = trip.records[3].time_s - trip.records[2].time_s;
    if (trip.sample_interval_s < 1) trip.sample_interval_s = 1;
    // Views read up to 500 records past the last sample.
    for (std::size_t i = trip.count; i < trip.records.size() && i < std::size_t(trip.count) + 500;
         ++i)
        trip.records[i].distance_km = 0;
    r.ok = true;
    r.trip_number = *n;
    r.title = BaseNameOfLine(line) + "   =    " + FirstNoteLine(line);
    return r;
}

bool OpenDiaryTrip2(const RiderTrips& trips, std::string_view line, const Settings& settings,
                    Trip& second, std::string* message) {
    std::string why;
    std::vector<std::uint8_t> bytes;
    bool ok = IsOpenableLine(line) && ReadCheckedFile(trips, line, kMinDiaryTripCount, bytes, why);
    if (ok) {
        const TripLoad load = ReadTripBytes(bytes, second, settings.current_zones());
        ok = load.loaded;
        if (!ok) why = load.reason;
    }
    if (message) *message = why;
    return ok;
}

void ApplyZoneThresholdFallback(Trip& trip, const Settings& settings) {
    float& t = trip.header().zone_threshold();
    if (t == 0) t = settings.current_zones()[0][0];
    if (t == 0) t = 100;
}

TwoTrips OpenTwoTrips(const RiderTrips& trips, const std::vector<std::string>& marked_lines,
                      const Settings& settings, const DiaryTexts& texts, Trip& trip, Trip& second) {
    TwoTrips r;
    if (marked_lines.size() < 2) {
        r.message = texts.select_two;
        return r;
    }
    std::string a = marked_lines[0], b = marked_lines[1];
    auto open_pair = [&](const std::string& first, const std::string& other) {
        const DiaryTripOpen o = OpenDiaryTrip(trips, first, settings, trip);
        if (!o.ok) {
            r.message = o.message.empty() ? BaseNameOfLine(first) + ": no trip file" : o.message;
            return false;
        }
        r.trip_number1 = o.trip_number;
        std::string why;
        if (!OpenDiaryTrip2(trips, other, settings, second, &why)) {
            r.message = why.empty() ? BaseNameOfLine(other) + ": no trip file" : why;
            return false;
        }
        return true;
    };
    if (!open_pair(a, b)) return r;
    if (second.count > trip.count) {
        std::swap(a, b);
        if (!open_pair(a, b)) return r;
    }
    const std::int32_t rate1 = trip.records[2].time_s - trip.records[1].time_s;
    const std::int32_t rate2 = second.records[2].time_s - second.records[1].time_s;
    if (rate1 != rate2) {
        r.message = texts.different_rate;
        return r;
    }
    const std::uint8_t flags = settings.unit_flags;
    r.line1 = a;
    r.line2 = b;
    r.title1 = "TRIP1  " + DateCellText(a, flags) + "  " + CommentCellText(a, texts.no_comment);
    r.title2 = "TRIP2  " + DateCellText(b, flags) + "  " + CommentCellText(b, texts.no_comment);
    r.power_threshold = settings.current_zones()[0][0];
    r.ok = true;
    return r;
}

bool HasHeartRateSignal(const Trip& trip) {
    std::int64_t with_hr = 0, n = 0;
    for (std::int32_t i = 1; i < trip.count; ++i, ++n)
        if (trip.records[i].heart_rate_bpm > 30) ++with_hr;
    return n > 0 && with_hr * 10 > n * 8;
}

std::string RegressionTitle(std::string_view line, std::uint8_t unit_flags,
                            const DiaryTexts& texts) {
    return "TRIP " + DateCellText(line, unit_flags) + "   " +
           CommentCellText(line, texts.no_comment);
}

SummaryOverlay OpenSummaryOverlay(RiderTrips& trips, std::string_view line,
                                  const Settings& settings, const SummaryLabels& labels,
                                  Trip& trip) {
    SummaryOverlay r;
    const DiaryTripOpen open = OpenDiaryTrip(trips, line, settings, trip);
    if (!open.ok) {
        r.message = open.message;
        return r;
    }
    ApplyZoneThresholdFallback(trip, settings);
    EvaluateRange(trip, settings, labels, DistanceLabel::Total, 0, trip.count - 1, r.evaluation);
    SummarizeDiaryTrip(trips, settings, open.trip_number, trip);
    std::string error;
    if (!SaveTripList(trips, &error)) r.message = error;
    r.ok = true;
    return r;
}

}  // namespace vx
