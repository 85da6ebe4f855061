// Start-up of the program without its windows: paths, settings, the language start file, the
// current rider's trips; and the trip file given on the command line.
#pragma once

#include <string>

#include "app/app_state.h"

namespace vx {

constexpr const char* kAppTitle = "Velomatix_2014";

// Builds the paths for the data root, reads the settings over the defaults, applies and
// deletes "LANG.TXT", loads the current rider's trip list and summary store and gives every
// one of the five riders without a name of at least 2 characters its "RIDER_n" name.
void StartUp(AppState& app, const std::string& base);

// The path in a start argument: the text between the first pair of double quotes, else the
// whole argument; blanks around it are dropped. Empty when the argument is blank.
std::string StartFilePath(const std::string& argument);

struct StartFileResult {
    bool open_view = false;  // the trip loaded with at least 60 records
    std::string message;     // a line for the info list when it did not
};

// Reads the start file into the current trip. A file that is missing, a folder, damaged or
// shorter than 60 records leaves a message and a normal start.
StartFileResult LoadStartFile(AppState& app, const std::string& path);

}  // namespace vx
