// The diary's state and the commands that change it.
#include "diary/diary_model.h"

#include <algorithm>

#include "diary/diary_search.h"

namespace vx {

SummaryRebuild DiaryModel::Activate(RiderTrips& trips, const Settings& settings, Trip& trip,
                                    bool from_main_window, const DiaryProgress& progress,
                                    InfoList* info) {
    const SummaryRebuild r = RebuildMissingSummaries(trips, settings, trip, progress, info);
    const std::size_t n = trips.list.entry_count();
    if (from_main_window) {
        sort_key_ = SortKey::Date;
        sort_ascending_ = true;
        title_column_.reset();
        marks_.assign(n, false);
        select_all_pressed_ = false;
        ResetOrder(trips);
    } else if (order_.size() != n || marks_.size() != n) {
        marks_.assign(n, false);
        ResetOrder(trips);
    }
    pick_ = PeriodPick::Off;
    Rebuild(trips, settings);
    return r;
}

void DiaryModel::Rebuild(const RiderTrips& trips, const Settings& settings) {
    if (order_.size() != trips.list.entry_count()) ResetOrder(trips);
    if (marks_.size() != trips.list.entry_count()) marks_.assign(trips.list.entry_count(), false);
    grid_ = BuildDiaryGrid(trips.list, trips.store, order_, settings, texts_);
}

void DiaryModel::ResetOrder(const RiderTrips& trips) {
    order_ = SortedOrder(sort_key_, sort_ascending_, trips.list, trips.store);
}

std::optional<std::size_t> DiaryModel::EntryOfRow(int row) const {
    const int r = row - kDiaryFirstEntryRow;
    if (r < 0 || static_cast<std::size_t>(r) >= order_.size()) return std::nullopt;
    return static_cast<std::size_t>(order_[r]);
}

std::optional<int> DiaryModel::RowOfEntry(std::size_t index) const {
    for (std::size_t r = 0; r < order_.size(); ++r)
        if (static_cast<std::size_t>(order_[r]) == index)
            return kDiaryFirstEntryRow + static_cast<int>(r);
    return std::nullopt;
}

const std::string* DiaryModel::LineOfRow(const TripList& list, int row) const {
    const std::optional<std::size_t> i = EntryOfRow(row);
    if (!i || *i >= list.entry_count()) return nullptr;
    return &list.lines[*i];
}

int DiaryModel::TopRow(int visible_rows) const {
    return DiaryTopRow(grid_.entry_count, visible_rows, grid_.rows);
}

std::string DiaryModel::Caption(const Settings& settings) const {
    return DiaryCaption(texts_, settings.rider_folder);
}

void DiaryModel::Sort(SortKey key, bool ascending, const RiderTrips& trips,
                      const Settings& settings) {
    sort_key_ = key;
    sort_ascending_ = ascending;
    title_column_.reset();
    ResetOrder(trips);
    Rebuild(trips, settings);
}

void DiaryModel::SortByTitle(int grid_column, const RiderTrips& trips, const Settings& settings) {
    if (grid_column < 0 || grid_column >= kDiaryGridColumns) return;
    const std::optional<SortKey> key = SortKeyOfColumn(grid_.column_map[grid_column]);
    if (!key) return;
    const bool ascending = title_column_ == grid_column ? !sort_ascending_ : true;
    Sort(*key, ascending, trips, settings);
    title_column_ = grid_column;
}

bool DiaryModel::IsMarked(int row) const {
    const std::optional<std::size_t> i = EntryOfRow(row);
    return i && *i < marks_.size() && marks_[*i];
}

void DiaryModel::SetMarks(DiaryMarks marks) {
    marks.resize(order_.size(), false);
    marks_ = std::move(marks);
}

void DiaryModel::ClearMarks() {
    std::fill(marks_.begin(), marks_.end(), false);
}

CellClick DiaryModel::ClickCell(int row, int grid_column, const TripList& list) {
    const std::optional<std::size_t> i = EntryOfRow(row);
    if (!i || *i >= marks_.size() || *i >= list.entry_count()) return CellClick::None;
    if (grid_column == 0 && pick_ != PeriodPick::Off) {
        const std::string& line = list.lines[*i];
        if (pick_ == PeriodPick::WaitStart) {
            pick_start_ = line.substr(0, 8);
            pick_ = PeriodPick::WaitEnd;
            return CellClick::PeriodStart;
        }
        period_ = MakePeriod(pick_start_, line);
        pick_ = PeriodPick::Off;
        return CellClick::PeriodEnd;
    }
    marks_[*i] = grid_column == 0;
    return grid_column == 0 ? CellClick::Marked : CellClick::Unmarked;
}

std::vector<std::string> DiaryModel::MarkedLines(const TripList& list) const {
    std::vector<std::string> lines;
    for (int index : order_)
        if (static_cast<std::size_t>(index) < marks_.size() && marks_[index] &&
            static_cast<std::size_t>(index) < list.entry_count())
            lines.push_back(list.lines[index]);
    return lines;
}

void DiaryModel::ToggleSelectAll(const TripList& list) {
    select_all_pressed_ = !select_all_pressed_;
    if (select_all_pressed_)
        SetMarks(SelectAllMarks(list, period_, sport_filter_));
    else
        ClearMarks();
}

std::string DiaryModel::SelectAllHint(const Settings& settings) const {
    return vx::SelectAllHint(texts_, period_, settings.unit_flags);
}

bool DiaryModel::BeginPeriodPick() {
    if (!InDateOrder()) return false;
    pick_ = PeriodPick::WaitStart;
    return true;
}

std::string DiaryModel::PeriodPickPrompt() const {
    switch (pick_) {
        case PeriodPick::WaitStart:
            return texts_.selective + " / " + texts_.click_start_date;
        case PeriodPick::WaitEnd:
            return texts_.selective + " / " + texts_.click_end_date;
        default:
            return {};
    }
}

std::size_t DiaryModel::Search(const TripList& list, const std::string& text) {
    SetMarks(SearchMarks(list, text));
    return static_cast<std::size_t>(std::count(marks_.begin(), marks_.end(), true));
}

namespace {

std::optional<int> FirstMarkedRow(const DiaryMarks& marks) {
    for (std::size_t i = 0; i < marks.size(); ++i)
        if (marks[i]) return kDiaryFirstEntryRow + static_cast<int>(i);
    return std::nullopt;
}

}  // namespace

void DiaryModel::UseListOrder(std::size_t entries) {
    sort_key_ = SortKey::Date;
    sort_ascending_ = true;
    title_column_.reset();
    order_.resize(entries);
    for (std::size_t i = 0; i < entries; ++i) order_[i] = static_cast<int>(i);
}

std::optional<int> DiaryModel::MarkDay(const TripList& list, double date) {
    UseListOrder(list.entry_count());
    SetMarks(DayMarks(list, date));
    return FirstMarkedRow(marks_);
}

std::optional<int> DiaryModel::MarkWeek(const TripList& list, double monday) {
    UseListOrder(list.entry_count());
    select_all_pressed_ = false;
    SetMarks(WeekMarks(list, monday));
    return FirstMarkedRow(marks_);
}

void DiaryModel::MoveEntry(std::optional<std::size_t> from, std::optional<std::size_t> to,
                           const RiderTrips& trips) {
    bool mark = false;
    if (from && *from < marks_.size()) {
        mark = marks_[*from];
        marks_.erase(marks_.begin() + static_cast<long>(*from));
    }
    if (to) marks_.insert(marks_.begin() + static_cast<long>(std::min(*to, marks_.size())), mark);
    marks_.resize(trips.list.entry_count(), false);
    // The sort in force is applied again, so a moved or new entry takes its place.
    ResetOrder(trips);
}

NoteSave DiaryModel::SaveNote(RiderTrips& trips, const Settings& settings, int row,
                              const std::string& note, const std::string& comment2, int kind,
                              Trip& trip) {
    const std::optional<std::size_t> i = EntryOfRow(row);
    if (!i) return {};
    NoteSave r = SaveDiaryNote(trips, *i, note, comment2, kind, settings, trip);
    if (r.ok) MoveEntry(*i, r.index, trips);
    Rebuild(trips, settings);
    return r;
}

ManualEntrySave DiaryModel::AddEntry(RiderTrips& trips, const Settings& settings,
                                     const ManualEntry& e) {
    ManualEntrySave r = AddManualEntry(trips, settings, e);
    if (r.ok) MoveEntry(std::nullopt, r.index, trips);
    Rebuild(trips, settings);
    return r;
}

ManualEntrySave DiaryModel::EditEntry(RiderTrips& trips, const Settings& settings, int row,
                                      const ManualEntry& e) {
    const std::optional<std::size_t> i = EntryOfRow(row);
    if (!i) return {};
    ManualEntrySave r = EditManualEntry(trips, settings, *i, e);
    if (r.ok) MoveEntry(*i, r.index, trips);
    Rebuild(trips, settings);
    return r;
}

int DiaryModel::Erase(RiderTrips& trips, const Settings& settings, int row) {
    ClearMarks();
    const std::optional<std::size_t> i = EntryOfRow(row);
    if (!i || *i >= trips.list.entry_count()) return 0;
    const int n = EraseDiaryEntry(trips, *i);
    MoveEntry(*i, std::nullopt, trips);
    Rebuild(trips, settings);
    return n;
}

DiaryTripOpen DiaryModel::OpenTrip(const RiderTrips& trips, const Settings& settings, int row,
                                   Trip& trip) {
    ClearMarks();
    const std::string* line = LineOfRow(trips.list, row);
    if (!line) return {};
    return OpenDiaryTrip(trips, *line, settings, trip);
}

bool DiaryModel::OpenTrip2(const RiderTrips& trips, const Settings& settings, int row, Trip& second,
                           std::string* message) {
    const std::string* line = LineOfRow(trips.list, row);
    if (!line) return false;
    return OpenDiaryTrip2(trips, *line, settings, second, message);
}

SummaryOverlay DiaryModel::ShowSummaryOverlay(RiderTrips& trips, const Settings& settings,
                                              const SummaryLabels& labels, int row, Trip& trip) {
    const std::string* line = LineOfRow(trips.list, row);
    if (!line) return {};
    const std::string copy = *line;
    SummaryOverlay r = OpenSummaryOverlay(trips, copy, settings, labels, trip);
    if (r.ok) RefreshEntryRow(grid_, row, copy, trips.store, settings, texts_, false);
    return r;
}

}  // namespace vx
