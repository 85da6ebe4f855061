// The label texts of the summary lines L0..L12. Default-constructed they hold the English
// texts; the program fills them from its language tables. Texts are UTF-8.
#pragma once

#include <string>

namespace vx {

struct SummaryLabels {
    std::string time = "Time";
    std::string distance = "Distance";
    std::string altitude_difference = "Altitude difference";
    std::string altitude = "Altitude";
    std::string work = "Work";
    std::string hr = "HR";
    std::string average = "Average";
    std::string total_distance = "Total distance";
    std::string select_distance = "Select distance";
    std::string speed = "Speed";
    std::string gradient = "Gradient";
};

}  // namespace vx
