#include "cli/rider_context.h"

#include "trip/riders.h"

namespace vx::cli {

std::optional<std::string> TakeRiderOption(std::vector<std::string>& args) {
    std::optional<std::string> rider;
    for (std::size_t i = 0; i < args.size();) {
        if (args[i] == "--rider" && i + 1 < args.size()) {
            rider = args[i + 1];
            args.erase(args.begin() + static_cast<long>(i), args.begin() + static_cast<long>(i) + 2);
        } else if (args[i].rfind("--rider=", 0) == 0) {
            rider = args[i].substr(8);
            args.erase(args.begin() + static_cast<long>(i));
        } else {
            ++i;
        }
    }
    return rider;
}

bool OpenRider(const Context& ctx, const std::optional<std::string>& rider, RiderContext& rc,
               std::string& message) {
    SettingsFile file(SettingsPath(ctx));
    InfoList info;
    if (file.Read(rc.settings, &info) == SettingsLoad::Unreadable) {
        message = info.empty() ? "cannot read the settings file" : info.front();
        return false;
    }
    if (rider) {
        const std::string name = FilterNameText(*rider);
        if (name != *rider || name.size() < 2 || name == "NEW") {
            message = "--rider needs a folder name of A-Z, 0-9, _ (at least 2 characters)";
            return false;
        }
        int index = -1;
        for (int r = 0; r < kRiderCount && index < 0; ++r)
            if (r != kCollectionRider && rc.settings.riders[r].Name() == name) index = r;
        if (index < 0) {
            index = kTemporaryRider;
            rc.settings.riders[index] = RiderRecord{};
            rc.settings.riders[index].SetName(name);
            rc.settings.riders[index].weight_kg = 75;
            rc.settings.riders[index].height_m = 1.75f;
        }
        rc.settings.current_rider = static_cast<std::int8_t>(index);
        rc.settings.rider_folder = name;
    }
    rc.trips.paths = BuildPaths(ctx.data_root, rc.settings.rider_folder, nullptr);
    LoadTripList(rc.trips, rc.settings.current_rider == kCollectionRider, &info);
    if (!rc.trips.loaded) {
        message = "rider " + rc.settings.rider_folder +
                  " has no folder yet; name the rider in the program or give --rider NAME";
        return false;
    }
    return true;
}

bool SaveRider(RiderContext& rc, std::string& message) {
    if (!rc.trips.modified()) return true;
    return SaveTripList(rc.trips, &message);
}

std::optional<std::size_t> LineOfTripNumber(const TripList& list, int number) {
    for (std::size_t i = 0; i < list.entry_count(); ++i)
        if (!IsManualEntry(list.lines[i]) && TripNumberOfLine(list.lines[i]) == number) return i;
    return std::nullopt;
}

}  // namespace vx::cli
