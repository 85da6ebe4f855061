// The diary window's state without the window: display order, marks, period, sport filter,
// the click-chosen period, the sort toggles and the precomputed table. A table view shows
// grid() as it stands; the window's controls call the members below and redraw.
//
// Order of calls for a window:
//   Activate(...)                        every time the window is shown (from the main window
//                                        with from_main_window = true)
//   grid(), IsMarked(row), TopRow(...)   to draw
//   Sort / SortByTitle / ClickCell / ToggleSelectAll / Search / MarkDay ...  on input
//   SaveNote / AddEntry / EditEntry / Erase / OpenTrip / ShowSummaryOverlay on commands; each
//   leaves grid() rebuilt.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "diary/diary_cells.h"
#include "diary/diary_entries.h"
#include "diary/diary_notes.h"
#include "diary/diary_open.h"
#include "diary/diary_selection.h"
#include "diary/diary_sort.h"
#include "diary/diary_summaries.h"
#include "trip/settings.h"
#include "trip/trip.h"
#include "trip/trip_store.h"

namespace vx {

enum class CellClick { None, Marked, Unmarked, PeriodStart, PeriodEnd };

class DiaryModel {
  public:
    explicit DiaryModel(DiaryTexts texts = {}) : texts_(std::move(texts)) {}

    void SetTexts(DiaryTexts texts) { texts_ = std::move(texts); }
    const DiaryTexts& texts() const { return texts_; }

    // Builds the table for an activation: summaries missing in the store are rebuilt from the
    // DEO files first (trip is the buffer they are opened into; progress reports them). From
    // the main window the order becomes list order and all marks are cleared; other
    // activations keep order and marks while the list has as many entries as before.
    SummaryRebuild Activate(RiderTrips& trips, const Settings& settings, Trip& trip,
                            bool from_main_window, const DiaryProgress& progress = {},
                            InfoList* info = nullptr);
    // Builds the table again from the list and store as they are (no file access).
    void Rebuild(const RiderTrips& trips, const Settings& settings);

    const DiaryGrid& grid() const { return grid_; }
    const std::vector<int>& order() const { return order_; }
    // The list index an entry row shows; none for title, unit, empty and sum rows.
    std::optional<std::size_t> EntryOfRow(int row) const;
    std::optional<int> RowOfEntry(std::size_t index) const;
    // The list line of an entry row, or null.
    const std::string* LineOfRow(const TripList& list, int row) const;
    int TopRow(int visible_rows) const;
    std::string Caption(const Settings& settings) const;

    // Sorting by an entry of the sort list, and by a double click on a grid column's title
    // (ascending first, then alternating while the same column is double-clicked).
    void Sort(SortKey key, bool ascending, const RiderTrips& trips, const Settings& settings);
    void SortByTitle(int grid_column, const RiderTrips& trips, const Settings& settings);
    bool InDateOrder() const { return sort_key_ == SortKey::Date; }
    SortKey sort_key() const { return sort_key_; }
    bool sort_ascending() const { return sort_ascending_; }

    // Marks, per entry (they follow their trips through sorting).
    bool IsMarked(int row) const;
    const DiaryMarks& marks() const { return marks_; }
    void SetMarks(DiaryMarks marks);
    void ClearMarks();
    // A click in the date cell marks the row, a click in another cell unmarks it; while the
    // period is chosen by clicks, date cells set its start and end instead.
    CellClick ClickCell(int row, int grid_column, const TripList& list);
    // The lines of the marked entries in row order (the selection hand-over).
    std::vector<std::string> MarkedLines(const TripList& list) const;

    // The select-all button: pressed marks the entries of the sport filter within the period,
    // released unmarks all. A right click steps the sport filter.
    void ToggleSelectAll(const TripList& list);
    bool select_all_pressed() const { return select_all_pressed_; }
    void StepSportFilter() { sport_filter_ = NextSportFilter(sport_filter_); }
    int sport_filter() const { return sport_filter_; }
    std::string SelectAllHint(const Settings& settings) const;

    // The period (F2 panel, the main window's first request, or F3 clicks).
    void SetPeriod(DiaryPeriod period) { period_ = std::move(period); }
    const DiaryPeriod& period() const { return period_; }
    void SetListPeriod(const TripList& list) { period_ = ListPeriod(list); }
    // F3: only while the table is in date order; false otherwise.
    bool BeginPeriodPick();
    PeriodPick period_pick() const { return pick_; }
    // The texts to show while choosing: "Selective" and "click start date" / "click end date".
    std::string PeriodPickPrompt() const;

    // F1: marks exactly the entries that hold the text; returns how many.
    std::size_t Search(const TripList& list, const std::string& text);

    // The calendar's day and week marks: list order, then exactly the entries of the day or
    // week marked (for a week the select-all button is released). Returns the first marked
    // row, or none (the diary then stays closed).
    std::optional<int> MarkDay(const TripList& list, double date);
    std::optional<int> MarkWeek(const TripList& list, double monday);

    // Commands. Each keeps order and marks fitting the changed list and rebuilds the table.
    NoteSave SaveNote(RiderTrips& trips, const Settings& settings, int row, const std::string& note,
                      const std::string& comment2, int kind, Trip& trip);
    ManualEntrySave AddEntry(RiderTrips& trips, const Settings& settings, const ManualEntry& e);
    ManualEntrySave EditEntry(RiderTrips& trips, const Settings& settings, int row,
                              const ManualEntry& e);
    // Erase (after the confirmation): clears the marks first. Returns the released number.
    int Erase(RiderTrips& trips, const Settings& settings, int row);
    // The single-trip commands: clear the marks, then open the row's trip.
    DiaryTripOpen OpenTrip(const RiderTrips& trips, const Settings& settings, int row, Trip& trip);
    bool OpenTrip2(const RiderTrips& trips, const Settings& settings, int row, Trip& second,
                   std::string* message = nullptr);
    // The summary overlay; the row then shows its numbers without the trailing blank.
    SummaryOverlay ShowSummaryOverlay(RiderTrips& trips, const Settings& settings,
                                      const SummaryLabels& labels, int row, Trip& trip);

  private:
    void ResetOrder(const RiderTrips& trips);
    void UseListOrder(std::size_t entries);
    // Keeps marks and order fitting after the line at from moved to to (from or to none for a
    // removed or added line).
    void MoveEntry(std::optional<std::size_t> from, std::optional<std::size_t> to,
                   const RiderTrips& trips);

    DiaryTexts texts_;
    DiaryGrid grid_;
    std::vector<int> order_;
    DiaryMarks marks_;
    DiaryPeriod period_;
    std::string pick_start_;
    PeriodPick pick_ = PeriodPick::Off;
    int sport_filter_ = 0;
    bool select_all_pressed_ = false;
    SortKey sort_key_ = SortKey::Date;
    bool sort_ascending_ = true;
    std::optional<int> title_column_;  // the grid column double-clicked last
};

}  // namespace vx
