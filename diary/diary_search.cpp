// Case-insensitive search over the trip list lines.
#include "diary/diary_search.h"

#include "diary/diary_sort.h"

namespace vx {

namespace {

std::string_view Trim(std::string_view s) {
    const char* blanks = " \t\r\n";
    const std::size_t a = s.find_first_not_of(blanks);
    if (a == std::string_view::npos) return {};
    return s.substr(a, s.find_last_not_of(blanks) - a + 1);
}

}  // namespace

DiaryMarks SearchMarks(const TripList& list, std::string_view text) {
    DiaryMarks marks(list.entry_count(), false);
    const std::string wanted = DiaryUpper(Trim(text));
    if (wanted.empty()) return marks;
    for (std::size_t i = 0; i < marks.size(); ++i)
        marks[i] = DiaryUpper(list.lines[i]).find(wanted) != std::string::npos;
    return marks;
}

}  // namespace vx
