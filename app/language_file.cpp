#include "app/language_file.h"

#include <cstdio>
#include <filesystem>

#include "trip/file_io.h"

namespace vx {

void SetAllUnits(Settings& s, bool imperial) {
    constexpr std::uint8_t kAll =
        kUnitFeetMiles | kUnitFahrenheit | kUnitPounds | kUnitAmPm | kUnitUsDate;
    s.unit_flags = imperial ? static_cast<std::uint8_t>(s.unit_flags | kAll)
                            : static_cast<std::uint8_t>(s.unit_flags & ~kAll);
    RiderRecord& r = s.current();
    const std::uint8_t v = imperial ? 1 : 0;
    r.length_units = r.temperature_unit = r.weight_unit = r.time_display = r.date_display = v;
}

bool ApplyLanguageFile(const std::string& path, Settings& s) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return false;
    std::vector<std::uint8_t> bytes;
    std::string error;
    const bool read = ReadFileBytes(path, bytes, &error) == ReadFileStatus::Ok;
    std::filesystem::remove(path, ec);
    if (!read || bytes.size() < 3) return false;
    const std::string prefix(bytes.begin(), bytes.begin() + 3);
    if (prefix == "EN_") {
        s.language = 1;
        SetAllUnits(s, true);
    } else if (prefix == "DE_" || prefix == "ES_") {
        s.language = prefix == "DE_" ? 0 : 2;
        SetAllUnits(s, false);
    } else {
        return false;
    }
    return true;
}

const char* HelpLanguageCode(int language) {
    return language == 0 ? "DE" : "EN";
}

std::string HelpPagePath(const Paths& paths, int language, int page, int data_source,
                         bool torkon_variant) {
    char number[16];
    std::snprintf(number, sizeof number, "%02i", page < 0 ? 0 : page % 100);
    const std::string stem = paths.help_base + HelpLanguageCode(language) + number;
    std::error_code ec;
    if (torkon_variant && data_source == 4) {
        const std::string trk = stem + "_TRK.md";
        if (std::filesystem::is_regular_file(trk, ec)) return trk;
    }
    const std::string plain = stem + ".md";
    if (std::filesystem::is_regular_file(plain, ec)) return plain;
    return {};
}

}  // namespace vx
