// Window captions that carry the help hint at their right end.
#pragma once

#include <functional>
#include <string>

namespace vx {

constexpr const char* kHelpHint = "[F5 -> Info]";

// The title, blanks and the help hint, with as many blanks as fit into the window width less
// a reserve of 3 frame heights + 10; text_width measures a text in the caption font.
std::string PadCaption(const std::string& title, int window_width, int frame_height,
                       const std::function<int(const std::string&)>& text_width);

}  // namespace vx
