// The trip list of a rider folder: one text line per trip, in date order, ending with the
// "ERASED :" line that keeps the released trip numbers.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vx {

constexpr int kMaxTripNumber = 999;
constexpr int kTripSlots = 1000;  // summary records are indexed by trip number 0..999
constexpr std::string_view kErasedPrefix = "ERASED :";

// One entry per list line but the last.
struct TripTableEntry {
    std::int32_t trip_number = 0;  // 0 for diary entries without a recording
    double date = 0;               // days since 30 December 1899
    std::int32_t sport_digit = 0;
};

struct TripList {
    std::vector<std::string> lines;  // UTF-8 in memory; the last one is the "ERASED :" line
    std::vector<TripTableEntry> table;
    double first_date = 0;
    double last_date = 0;
    bool calendar_enabled = true;
    bool modified = false;

    // The entry lines, without the final "ERASED :" line.
    std::size_t entry_count() const { return lines.empty() ? 0 : lines.size() - 1; }
};

// What a list line says.
bool IsValidListLine(std::string_view line);      // begins with "20", "_" at index 8
bool IsManualEntry(std::string_view line);        // "NR" at 13..14: no DEO file
std::string BaseNameOfLine(std::string_view line);  // the text before the first ";"
// The number after the first ";" (up to three digits), or 0 when there is none.
int TripNumberOfLine(std::string_view line);
// The note from the first "*" on, or empty.
std::string NoteOfLine(std::string_view line);
int SportDigitOfLine(std::string_view line);      // the digit at index 15, 0 if none

// Days since 30 December 1899 of a calendar date.
double SerialDate(int year, int month, int day);

// Rebuilds the trip table and the date range. The calendar is off for the COLLECTION and
// for lists that span more than 999 days.
void ParseTripList(TripList& list, bool is_collection);

// Cleans lines read from a file: drops invalid entries, removes a leading sport marker in
// front of a note ("*BIKE POWER*note" becomes "*note"), makes sure the last line is the
// "ERASED :" line. Sets the modified flag when it changed something. Then parses.
void CleanTripList(TripList& list, bool is_collection);

// Text file: Windows-1252, lines ended by CR LF (LF and CR alone are read too).
std::vector<std::string> DecodeListText(std::string_view cp1252);
std::string EncodeListText(const std::vector<std::string>& lines);

// Adds an entry line in text order, in front of the "ERASED :" line.
void AddListLine(TripList& list, std::string line);

// The released numbers on the "ERASED :" line that can be handed out again: 1..999, each
// once, not used by an entry.
std::vector<int> FreedTripNumbers(const TripList& list);
// The largest number in use or known: the stored highest number, the entries and the freed
// numbers.
int HighestTripNumber(const TripList& list, int stored_highest);

// The number for a new trip: the first freed number, else the highest number plus one.
// Updates highest and the "ERASED :" line. Empty optional with a message when all 999
// numbers are taken.
std::optional<int> AllocateTripNumber(TripList& list, int& highest, std::string* message);

// Removes the line, puts its number on the "ERASED :" line; returns the released number
// (0 for a line without one, such as an old diary entry stored with "000"). Diary entries
// without a recording hold numbers of their own, which count as used and are released too.
// The DEO file stays on disk.
int EraseListLine(TripList& list, std::size_t index, bool is_collection);

}  // namespace vx
