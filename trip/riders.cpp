#include "trip/riders.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>

#include "app/units.h"
#include "trip/cp1252.h"
#include "trip/paths.h"

namespace vx {

namespace {

constexpr std::size_t kMinFolderName = 2;
constexpr std::size_t kChNameLimit = 20;

// A new folder name goes through the name field's filter (so it can hold no path separator or
// dot) and must keep at least 2 characters.
std::optional<std::string> CheckedFolderName(const std::string& utf8, std::string& message) {
    std::string name = Utf8ToCp1252(FilterNameText(utf8));
    if (name.size() < kMinFolderName) {
        message = "The name needs at least 2 characters (A-Z, 0-9, _, umlauts).";
        return std::nullopt;
    }
    if (name.size() > kRiderNameSize - 1) name.resize(kRiderNameSize - 1);
    return Cp1252ToUtf8(name);
}

int FirstUnnamedRider(const Settings& s) {
    for (int r = 0; r < kNamedRiders; ++r)
        if (IsDefaultRiderName(s.riders[r].Name())) return r;
    return kTemporaryRider;
}

}  // namespace

char32_t FilterNameKey(char32_t key) {
    if (key == 8) return key;
    if (key == ' ') return '_';
    if (key >= 'a' && key <= 'z') return key - 'a' + 'A';
    if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9') || key == '_') return key;
    switch (key) {
        case U'ä': return U'Ä';
        case U'ö': return U'Ö';
        case U'ü': return U'Ü';
        case U'Ä': case U'Ö': case U'Ü': return key;
        default: return 0;
    }
}

std::string FilterNameText(const std::string& utf8) {
    std::string cp = Utf8ToCp1252(utf8, '\0');
    std::string out;
    for (char c : cp) {
        char32_t k = FilterNameKey(Cp1252ToCodePoint(static_cast<unsigned char>(c)));
        if (k != 0 && k != 8) out += static_cast<char>(CodePointToCp1252(k));
    }
    return Cp1252ToUtf8(out);
}

std::optional<double> ParseFieldNumber(const std::string& text) {
    std::string t = text;
    std::replace(t.begin(), t.end(), ',', '.');
    double v = 0;
    int used = 0;
    if (std::sscanf(t.c_str(), " %lf %n", &v, &used) != 1 || used != static_cast<int>(t.size()) ||
        !std::isfinite(v))
        return std::nullopt;
    return v;
}

RiderAcceptResult AcceptRider(Settings& s, const RiderPanelInput& in) {
    RiderAcceptResult result;
    int rider = in.entry;
    std::string folder;

    if (in.new_name) {
        const std::string& name = *in.new_name;
        if (name == "NEW") {
            result.message = "No new name entered.";
            return result;
        }
        if (name.size() >= 5 && name.compare(0, 2, "CH") == 0 && name.compare(3, 2, "__") == 0 &&
            name[2] >= '0' && name[2] <= '9') {
            int n = name[2] - '0';
            if (n < 1 || n > kNamedRiders) {
                result.message = "CH needs a rider number 1..5.";
                return result;
            }
            auto checked = CheckedFolderName(name.substr(5), result.message);
            if (!checked) return result;
            rider = n - 1;
            folder = *checked;
        } else {
            auto checked = CheckedFolderName(name, result.message);
            if (!checked) return result;
            rider = FirstUnnamedRider(s);
            folder = *checked;
        }
        result.new_rider_named = true;
    } else if (in.attached_folder) {
        const std::string& name = *in.attached_folder;
        const std::string stored = Utf8ToCp1252(name);
        if (stored.empty() || stored.size() > kRiderNameSize - 1 || Cp1252ToUtf8(stored) != name ||
            name.find('/') != std::string::npos || name == "." || name == "..") {
            result.message = "This folder cannot be attached.";
            return result;
        }
        rider = kTemporaryRider;
        folder = name;
    } else if (rider == kEntryCollection) {
        folder = "COLLECTION";
    } else if (rider >= 0 && rider < kNamedRiders) {
        folder = s.riders[rider].Name();
    } else {
        result.message = "Choose a rider.";
        return result;
    }
    result.calendar_enabled = rider != kCollectionRider;

    RiderRecord& rec = s.riders[rider];
    float weight = rec.weight_kg;
    const std::size_t ch = in.weight_text.find("CH_NAME_");
    if (ch != std::string::npos) {
        std::string rest = in.weight_text.size() > 8 ? in.weight_text.substr(8) : std::string();
        if (rest.size() > kChNameLimit) rest.resize(kChNameLimit);
        auto checked = CheckedFolderName(rest, result.message);
        if (!checked) return result;
        folder = *checked;
    } else {
        auto w = ParseFieldNumber(in.weight_text);
        if (!w || *w < 0) {
            result.message = "The weight is not a number.";
            return result;
        }
        weight = static_cast<float>(*w / WeightFactor(rec.weight_unit != 0));
    }
    auto h = ParseFieldNumber(in.height_text);
    if (!h || *h < 0) {
        result.message = "The height is not a number.";
        return result;
    }

    s.current_rider = static_cast<std::int8_t>(rider);
    s.rider_folder = folder;
    rec.SetName(folder);
    rec.weight_kg = weight;
    rec.height_m = static_cast<float>(*h / AltitudeFactor((s.unit_flags & kUnitFeetMiles) != 0));
    result.changed = true;
    return result;
}

bool DeleteRider(Settings& s, int rider) {
    if (rider < 0 || rider >= kNamedRiders) return false;
    RiderRecord& rec = s.riders[rider];
    rec.SetName(DefaultRiderName(rider));
    rec.weight_kg = 75.0f;
    rec.height_m = 1.75f;
    s.current_rider = static_cast<std::int8_t>(rider);
    s.rider_folder = rec.Name();
    return true;
}

std::vector<std::string> ListAttachableFolders(const std::string& data_folder) {
    std::vector<std::string> out;
    std::error_code ec;
    for (const auto& e : std::filesystem::directory_iterator(data_folder, ec)) {
        if (!e.is_directory(ec)) continue;
        std::string name = e.path().filename().string();
        if (name == "GRD_DATA" || name == "COLLECTION" || name == "NEW" || IsDefaultRiderName(name))
            continue;
        // Only names the settings file can hold: at most 31 Windows-1252 characters.
        const std::string stored = Utf8ToCp1252(name);
        if (stored.size() > kRiderNameSize - 1 || Cp1252ToUtf8(stored) != name) continue;
        out.push_back(name);
    }
    std::sort(out.begin(), out.end());
    return out;
}

std::string FormatRiderWeight(const RiderRecord& r) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%5.0f", r.weight_kg * WeightFactor(r.weight_unit != 0));
    return buf;
}

std::string FormatRiderHeight(const RiderRecord& r, std::uint8_t unit_flags) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%5.2f",
                  r.EffectiveHeight() * AltitudeFactor((unit_flags & kUnitFeetMiles) != 0));
    return buf;
}

std::string RiderWeightLabel(const RiderRecord& r) { return r.weight_unit ? "[lbs]" : "[kg]"; }

std::string RiderHeightLabel(std::uint8_t unit_flags) {
    return (unit_flags & kUnitFeetMiles) ? "[ft]" : "[m]";
}

}  // namespace vx
