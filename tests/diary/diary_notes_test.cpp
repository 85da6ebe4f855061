#include <gtest/gtest.h>

#include "diary/diary_model.h"
#include "diary/diary_notes.h"
#include "diary_fixture.h"
#include "trip/deo_file.h"

namespace vx {
namespace {

TEST(DiaryNotes, PanelTextsOfALine) {
    struct Case {
        const char* line;
        const char* note;
        const char* comment2;
        bool select;
    };
    const Case cases[] = {
        {"20140316_0930150_A;001;", "", "", false},
        {"20140316_0930150_A;001;*BIKE POWER", "BIKE POWER", "", true},
        {"20140316_0930150_A;001;*first|~second|~§wet", "first\nsecond", "wet", false},
        {"20140316_0930150_A;001;*a|b~c", "a\nb\nc", "", false},
        {"20140316_0930150_A;001;*|~§", "", "", false},
    };
    for (const Case& c : cases) {
        const NotePanel p = NotePanelOfLine(c.line);
        EXPECT_EQ(p.note, c.note) << c.line;
        EXPECT_EQ(p.comment2, c.comment2) << c.line;
        EXPECT_EQ(p.select_for_overwrite, c.select) << c.line;
    }
    const NotePanel nr = NotePanelOfLine("20140317_0800NR5_A;002;*swim");
    EXPECT_TRUE(nr.manual_entry);
    EXPECT_EQ(nr.kind, 5);
}

TEST(DiaryNotes, TypedNotesBecomeLineText) {
    struct Case {
        const char* typed;
        const char* encoded;
    };
    const Case cases[] = {
        {"first\nsecond", "first|~second"},
        {"first\r\nsecond\r\n", "first|~second"},
        {"one\n\nnot saved", "one"},
        {"5*30 s § sprint", "5+30 s + sprint"},  // no marker can be typed
        {"", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(EncodeNoteText(c.typed), c.encoded) << c.typed;
    EXPECT_EQ(EncodeComment2("a*b\nc§"), "a+b c+");

    EXPECT_EQ(LineWithNote("20140316_0930150_A;001;*BIKE POWER", "first\nsecond", "wet"),
              "20140316_0930150_A;001;*first|~second|~§wet");
    EXPECT_EQ(LineWithNote("20140316_0930150_A;001;", "x", ""), "20140316_0930150_A;001;*x|~§");
    EXPECT_EQ(LineWithNote("20140317_0800NR3_A;002;*swim", "swim", "", 6),
              "20140317_0800NR6_A;002;*swim|~§");
    EXPECT_EQ(LineWithNote("20140316_0930150_A;001;", "x", "", 6), "20140316_0930150_A;001;*x|~§");

    // What the panel shows saves back to the same line.
    const std::string line = "20140316_0930150_A;001;*first|~second|~§wet";
    const NotePanel p = NotePanelOfLine(line);
    EXPECT_EQ(LineWithNote(line, p.note, p.comment2), line);
}

TEST(DiaryNotes, RoundTripThroughListAndDeoFile) {
    test::DiaryFixture f;
    ASSERT_EQ(f.Store("20140316_093015__ANNA"), 1);
    ASSERT_EQ(f.Store("20140317_093015__ANNA"), 2);
    DiaryModel m;
    m.Activate(f.trips, f.settings, *f.trip, true);
    const NotePanel panel = NotePanelOfLine(f.trips.list.lines[1]);
    EXPECT_TRUE(panel.select_for_overwrite);

    const NoteSave r =
        m.SaveNote(f.trips, f.settings, 3, "Hill *repeats*\nlegs §fine", "wet", 0, *f.trip);
    ASSERT_TRUE(r.ok) << r.message;
    EXPECT_TRUE(r.file_written);
    const std::string line = "20140317_0930150_ANNA;002;*Hill +repeats+|~legs +fine|~§wet";
    EXPECT_EQ(f.trips.list.lines[1], line);
    EXPECT_TRUE(f.trips.modified());
    EXPECT_EQ(m.grid().cell(3, 1), "Hill +repeats+");
    EXPECT_EQ(m.grid().cell(3, 15), "wet");

    Trip back;
    ASSERT_TRUE(ReadTripPath(f.DeoPath("20140317_0930150_ANNA"), back, f.settings.current_zones()));
    EXPECT_TRUE(back.header().flags() & kNoteFlag);
    EXPECT_EQ(NoteForListLine(back.note), NoteOfLine(line));

    // Saved and loaded again, the list keeps the note; a reimport of the file gives it back.
    std::string error;
    ASSERT_TRUE(SaveTripList(f.trips, &error)) << error;
    LoadTripList(f.trips, false, nullptr);
    EXPECT_EQ(f.trips.list.lines[1], line);
}

TEST(DiaryNotes, LongNotesAreCutInTheFileOnly) {
    test::DiaryFixture f;
    ASSERT_EQ(f.Store("20140316_093015__ANNA"), 1);
    const std::string typed(400, 'n');
    const NoteSave r = SaveDiaryNote(f.trips, 0, typed, "c2", 0, f.settings, *f.trip);
    ASSERT_TRUE(r.ok && r.file_written) << r.message;
    EXPECT_EQ(f.trips.list.lines[0], "20140316_0930150_ANNA;001;*" + typed + "|~§c2");
    Trip back;
    ASSERT_TRUE(ReadTripPath(f.DeoPath("20140316_0930150_ANNA"), back, f.settings.current_zones()));
    const std::string in_file = NoteText(back.note);
    EXPECT_EQ(in_file.size(), kDeoNoteChars);
    EXPECT_EQ(in_file, ("*" + typed).substr(0, kDeoNoteChars));
    EXPECT_EQ(DeoNoteOfLine("x;001;*" + std::string(500, 'y'))[kDeoNoteChars], '\0');
}

TEST(DiaryNotes, OpeningATripGivesTheFileTheLineNoteOnce) {
    test::DiaryFixture f;
    ASSERT_EQ(f.Store("20140316_093015__ANNA"), 1);
    f.trips.list.lines[0] = "20140316_0930150_ANNA;001;*Köln|~§x";
    const DiaryTripOpen o = OpenDiaryTrip(f.trips, f.trips.list.lines[0], f.settings, *f.trip);
    ASSERT_TRUE(o.ok) << o.message;
    EXPECT_EQ(o.trip_number, 1);
    EXPECT_EQ(o.title, "20140316_0930150_ANNA   =    Köln");
    EXPECT_TRUE(f.trip->note_present);
    Trip back;
    ASSERT_TRUE(ReadTripPath(f.DeoPath("20140316_0930150_ANNA"), back, f.settings.current_zones()));
    EXPECT_TRUE(back.header().flags() & kNoteFlag);
    EXPECT_EQ(NoteText(back.note), "*K\xF6ln|~\xA7x");  // Windows-1252 in the file
}

TEST(DiaryNotes, ANoteForAManualEntryChangesItsKindAndStaysInOrder) {
    test::DiaryFixture f;
    f.SetLines({"20140317_0800NR3_ANNA;001;*swim", "20140317_0800NR5_ANNA;002;*run"});
    const NoteSave r = SaveDiaryNote(f.trips, 0, "swim", "", 7, f.settings, *f.trip);
    ASSERT_TRUE(r.ok);
    EXPECT_FALSE(r.file_written);
    EXPECT_EQ(r.index, 1u);
    EXPECT_EQ(f.trips.list.lines[1], "20140317_0800NR7_ANNA;001;*swim|~§");
    EXPECT_EQ(f.trips.list.table[1].sport_digit, 7);
}

}  // namespace
}  // namespace vx
