#include "app/commands.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "trip/deo_file.h"
#include "trip/trip_list.h"

namespace vx {

DataSource DataSourceOfCode(std::int32_t code) {
    switch (code) {
        case 2:
            return DataSource::Tcx;
        case 4:
            return DataSource::Torkon;
        case 5:
            return DataSource::Hrm;
        case 6:
            return DataSource::Srm;
        case 7:
        case 8:
            return DataSource::Fit;
        default:
            return DataSource::None;
    }
}

std::int32_t NextDataSourceCode(std::int32_t code) {
    switch (code) {
        case 2:
            return 4;
        case 4:
            return 5;
        case 5:
            return 6;
        case 6:
            return 7;
        case 7:
            return 8;
        default:
            return 2;
    }
}

std::string ComSpeedCaption(int index) {
    if (index < 0 || index > 3) index = 3;
    return "COM SPC " + std::to_string(index + 1);
}

int StepComSpeed(int index) {
    switch (index) {
        case 1:
            return 0;
        case 2:
            return 1;
        case 3:
            return 2;
        default:
            return 3;
    }
}

bool RiderNeedsName(const std::string& rider_folder) {
    return rider_folder == "NEW" || rider_folder.find("RIDER_") != std::string::npos;
}

bool HasSavedRides(const TripList& list) {
    if (list.lines.empty()) return false;
    return IsValidListLine(list.lines.front());
}

ServiceLine ParseServiceLine(const std::string& line) {
    ServiceLine r;
    const std::string grade_word = "SET_GRADE=";
    if (std::size_t at = line.find(grade_word); at != std::string::npos) {
        r.word = ServiceWord::SetGrade;
        const std::string rest = line.substr(at + grade_word.size());
        // the C locale's strtod: a decimal point, never a comma
        char* end = nullptr;
        double v = std::strtod(rest.c_str(), &end);
        if (end == rest.c_str() || !std::isfinite(v)) v = 0;
        if (v < 0.75) v = 0.75;
        if (v > 15) v = 15;
        r.grade = static_cast<float>(v);
        return r;
    }
    if (line.find("SET_GL_ALL") != std::string::npos)
        r.word = ServiceWord::SetGlAll;
    else if (line.find("SHOW_OFFSET") != std::string::npos)
        r.word = ServiceWord::ShowOffset;
    return r;
}

std::string OffsetLine(const Trip& trip) {
    char buf[64];
    TripHeader h(const_cast<TripRecord&>(trip.records[0]));
    std::snprintf(buf, sizeof buf, "OFFSET = %5.2f  KF = %4.0f", static_cast<double>(h.offset()),
                  static_cast<double>(h.k_factor()));
    return buf;
}

int SetThresholdOfAllTrips(const RiderTrips& trips, const Settings& settings,
                           const std::function<void(std::size_t, std::size_t)>& progress) {
    auto trip = std::make_unique<Trip>();
    const RiderZones& zones = settings.current_zones();
    const float threshold = zones[0][0];
    int written = 0;
    const std::size_t n = trips.list.entry_count();
    for (std::size_t i = 0; i < n; ++i) {
        if (progress) progress(i, n);
        const std::string& line = trips.list.lines[i];
        if (IsManualEntry(line) || line.size() < 15) continue;
        const std::string path = trips.paths.rider_folder + "/" + BaseNameOfLine(line) + ".DEO";
        if (!ReadTripPath(path, *trip, zones)) continue;
        TripHeader(trip->records[0]).zone_threshold() = threshold;
        std::string error;
        if (WriteTripPath(path, *trip, &error)) ++written;
    }
    if (progress) progress(n, n);
    return written;
}

}  // namespace vx
