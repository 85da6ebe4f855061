// Note panel texts, note encoding in list lines and DEO files, saving a note.
#include "diary/diary_notes.h"

#include <algorithm>
#include <vector>

#include "trip/cp1252.h"
#include "trip/deo_file.h"

namespace vx {

namespace {

constexpr std::string_view kSection = "§";

std::string ReplaceAll(std::string s, std::string_view from, std::string_view to) {
    for (std::size_t p = s.find(from); p != std::string::npos; p = s.find(from, p + to.size()))
        s.replace(p, from.size(), to);
    return s;
}

// "*" and "§" would be read as note or Comment2 markers.
std::string NeutralizeMarkers(std::string s) {
    s = ReplaceAll(std::move(s), kSection, "+");
    std::replace(s.begin(), s.end(), '*', '+');
    return s;
}

std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines(1);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            lines.emplace_back();
        } else {
            lines.back() += c;
        }
    }
    return lines;
}

}  // namespace

NotePanel NotePanelOfLine(std::string_view line) {
    NotePanel p;
    p.manual_entry = IsManualEntry(line);
    if (p.manual_entry && line.size() > 15 && line[15] >= '3' && line[15] <= '7')
        p.kind = line[15] - '0';
    const std::size_t sect = line.find(kSection);
    if (sect != std::string_view::npos)
        p.comment2 = std::string(line.substr(sect + kSection.size()));
    const std::size_t star = line.find('*');
    if (star == std::string_view::npos || (sect != std::string_view::npos && sect < star)) return p;
    std::string_view note = line.substr(
        star + 1, sect == std::string_view::npos ? std::string_view::npos : sect - star - 1);
    // The "|~" in front of "§" only separates the note from Comment2.
    if (sect != std::string_view::npos && note.size() >= 2 && note.substr(note.size() - 2) == "|~")
        note.remove_suffix(2);
    std::string text;
    for (std::size_t i = 0; i < note.size(); ++i) {
        if (note[i] == '|') {
            text += '\n';
            if (i + 1 < note.size() && note[i + 1] == '~') ++i;
        } else if (note[i] == '~') {
            text += '\n';
        } else {
            text += note[i];
        }
    }
    p.note = std::move(text);
    p.select_for_overwrite = p.note.find("BIKE") != std::string::npos;
    return p;
}

std::string EncodeNoteText(std::string_view typed) {
    const std::vector<std::string> lines = SplitLines(typed);
    std::string out;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0 && lines[i].empty()) break;  // a line end followed by a line end ends the note
        if (i > 0) out += "|~";
        out += lines[i];
    }
    return NeutralizeMarkers(std::move(out));
}

std::string EncodeComment2(std::string_view typed) {
    std::string s = NeutralizeMarkers(std::string(typed));
    std::replace(s.begin(), s.end(), '\r', ' ');
    std::replace(s.begin(), s.end(), '\n', ' ');
    return s;
}

std::string LineWithNote(std::string_view old_line, std::string_view typed_note,
                         std::string_view typed_comment2, int kind) {
    std::string line(old_line.substr(0, old_line.find('*')));
    line += '*';
    line += EncodeNoteText(typed_note);
    line += "|~";
    line += kSection;
    line += EncodeComment2(typed_comment2);
    if (IsManualEntry(line) && kind >= 3 && kind <= 7 && line.size() > 15)
        line[15] = static_cast<char>('0' + kind);
    return line;
}

TripNote DeoNoteOfLine(std::string_view line) {
    TripNote note{};
    const std::size_t star = line.find('*');
    if (star == std::string_view::npos) return EmptyTripNote();
    const std::string text = Utf8ToCp1252(line.substr(star));
    std::copy_n(text.begin(), std::min(text.size(), kDeoNoteChars), note.begin());
    return note;
}

NoteSave SaveDiaryNote(RiderTrips& trips, std::size_t index, std::string_view typed_note,
                       std::string_view typed_comment2, int kind, const Settings& settings,
                       Trip& trip) {
    NoteSave r;
    TripList& list = trips.list;
    if (index >= list.entry_count()) {
        r.message = "no diary entry in this row";
        return r;
    }
    const std::string old_line = list.lines[index];
    r.line = LineWithNote(old_line, typed_note, typed_comment2, kind);
    if (r.line.substr(0, 16) == old_line.substr(0, 16)) {
        list.lines[index] = r.line;
        r.index = index;
    } else {
        // A new kind digit can move the entry among entries of the same minute.
        list.lines.erase(list.lines.begin() + static_cast<long>(index));
        AddListLine(list, r.line);
        r.index = static_cast<std::size_t>(
            std::find(list.lines.begin(), list.lines.end() - 1, r.line) - list.lines.begin());
    }
    list.modified = true;
    ParseTripList(list, trips.is_collection);
    r.ok = true;

    if (IsManualEntry(r.line) || r.line.find(';') == std::string::npos) return r;
    const std::string path = trips.paths.rider_folder + "/" + BaseNameOfLine(r.line) + ".DEO";
    const TripLoad load = ReadTripPath(path, trip, settings.current_zones());
    if (!load) {
        r.message = "The note is in the diary, but the trip file was not changed: " + path + ": " +
                    load.reason;
        return r;
    }
    trip.note = DeoNoteOfLine(r.line);
    trip.note_present = true;
    std::string error;
    r.file_written = WriteTripPath(path, trip, &error);
    if (!r.file_written)
        r.message = "The note is in the diary, but the trip file could not be written: " + error;
    return r;
}

}  // namespace vx
