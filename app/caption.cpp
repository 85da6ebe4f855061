#include "app/caption.h"

#include <algorithm>
#include <cstring>

namespace vx {

std::string PadCaption(const std::string& title, int window_width, int frame_height,
                       const std::function<int(const std::string&)>& text_width) {
    const int reserve = 3 * frame_height + 10;
    const int blank = std::max(1, text_width(" "));
    int blanks = (window_width - reserve - text_width(title) - text_width(kHelpHint)) / blank;
    const int limit =
        240 - static_cast<int>(title.size()) - static_cast<int>(std::strlen(kHelpHint));
    blanks = std::clamp(blanks, 0, std::max(0, limit));
    return title + std::string(static_cast<std::size_t>(blanks), ' ') + kHelpHint;
}

}  // namespace vx
