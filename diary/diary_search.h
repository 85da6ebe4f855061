// The diary's search (F1): marks the entries whose list line holds a text, whatever its case.
#pragma once

#include <string_view>

#include "diary/diary_selection.h"
#include "trip/trip_list.h"

namespace vx {

// The text, trimmed and in upper case, is looked for in every entry line in upper case; the
// entries that hold it are marked, every other one unmarked. An empty text marks nothing.
DiaryMarks SearchMarks(const TripList& list, std::string_view text);

}  // namespace vx
