// Notes of diary entries: what the note panel shows of a list line, how a typed note goes back
// into the line ("*" first line "|~" second line "|~§" Comment2) and into the trip's DEO file.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "trip/settings.h"
#include "trip/trip.h"
#include "trip/trip_store.h"

namespace vx {

// The DEO file holds at most this many characters of a note (its block is 330 bytes with the
// closing NUL); the list line keeps the whole note.
constexpr std::size_t kDeoNoteChars = kNoteSize - 1;

// What the note panel shows for a line. Line ends are "\n".
struct NotePanel {
    std::string note;      // after the first "*" up to "§", "|" and "~" shown as line ends
    std::string comment2;  // after the first "§"
    bool select_for_overwrite = false;  // the note holds "BIKE", the marker of a new trip
    bool manual_entry = false;          // an "NR" entry: the panel offers its kind
    int kind = 0;                       // the kind digit of an "NR" entry (3..7, or 0)
};
NotePanel NotePanelOfLine(std::string_view line);

// A typed note as the list line holds it: everything up to the first empty line, line ends
// ("\r\n", "\n" or "\r") as "|~", and "*" and "§" replaced by "+" so that no note text can be
// taken for a marker or a second comment.
std::string EncodeNoteText(std::string_view typed);
// A typed Comment2 for the line: "*" and "§" as "+", line ends as blanks.
std::string EncodeComment2(std::string_view typed);

// The line with a new note: the old line up to its first "*", then "*", the note, "|~§" and
// Comment2. For an "NR" entry a kind 3..7 replaces the digit at index 15 (0 keeps it).
std::string LineWithNote(std::string_view old_line, std::string_view typed_note,
                         std::string_view typed_comment2, int kind = 0);

// The DEO copy of a line's note (the line's text from "*" on): Windows-1252, cut to 329
// characters, NUL-terminated.
TripNote DeoNoteOfLine(std::string_view line);

struct NoteSave {
    bool ok = false;
    std::size_t index = 0;  // where the line stands now
    std::string line;
    bool file_written = false;  // the DEO file got the note
    std::string message;        // why the file kept its old note, or why nothing was saved
};

// Saves a note typed for list entry index: replaces the line (list-modified flag set), and for
// a recorded trip reads its DEO file into trip, gives it the note (note flag set) and writes
// the file back. The line is saved even when the file cannot be read or written.
NoteSave SaveDiaryNote(RiderTrips& trips, std::size_t index, std::string_view typed_note,
                       std::string_view typed_comment2, int kind, const Settings& settings,
                       Trip& trip);

}  // namespace vx
