// The trip as a text table: the plain CSV of the program, the WKO layout with minutes, and the
// import of sample tables in the semicolon and comma dialects.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "trip/trip.h"

namespace vx {

enum class CsvLayout { Plain, Wko };
enum class CsvDialect { Semicolon, Comma };

// The file text (Windows-1252, CR LF).
std::string FormatCsv(const Trip& trip, CsvLayout layout);
// Writes path_without_extension + ".CSV" or + "_WKO.CSV"; false with error on failure.
bool ExportCsv(const Trip& trip, const std::string& path_without_extension, CsvLayout layout,
               std::string* error = nullptr);

constexpr std::int32_t kMinCsvSamples = 5;
constexpr std::int32_t kMaxCsvSamples = 199998;
constexpr std::int32_t kFewCsvSamples = 59;     // fewer than 60 records: warned

struct CsvRead {
    bool ok = false;
    std::string message;  // why nothing was read, or a warning
    std::int32_t samples = 0;
    std::int32_t lines = 0;
    bool cut = false;     // more samples than a trip can hold
};

// Fills records 1.. of the trip with the sample lines of the text (lines end with LF, CR LF or
// CR; a line is a sample when it begins with a positive integer). Sets count. The trip is
// reset first; on failure (too few samples) it is reset and ok is false.
CsvRead ParseCsvSamples(std::string_view text, CsvDialect dialect, Trip& trip);

// The trip base name for an imported file: the name without ".CSV" followed by "_c", with the
// sport digit inserted at index 15 when the name has "_" there. Empty when the name does not
// begin with eight date digits, "_" and six time digits.
std::optional<std::string> CsvBaseName(const std::string& file_name);

// A file's base name for the trip list: eight date digits, "_", six time digits; with "_" at
// index 15 a "0" is inserted there (the sport digit). Empty when the form does not match.
std::optional<std::string> CheckedTripBaseName(std::string name);

}  // namespace vx
