// The folder layout below the program's data root, and where the data root is.
#pragma once

#include <optional>
#include <string>

#include "trip/settings.h"

namespace vx {

// All paths and names are UTF-8.
struct Paths {
    std::string base;              // the data root
    std::string data;              // base/DATA
    std::string rider_folder;      // base/DATA/<rider>
    std::string trip_list;         // <rider folder>/<rider>.T_L
    std::string summary_store;     // <rider folder>/<rider>.T_D
    std::string collection_folder;
    std::string collection_list;
    std::string grd_data;          // program data folder
    std::string settings_file;     // GRD_DATA_01.GRD
    std::string mail_settings;
    std::string mail_message;
    std::string power_model;
    std::string help_base;         // + language code + page file name
    std::string help_marker;       // exists when help is installed
    std::string garmin_no_blanks;  // formed and listed only
    std::string control_text;
    std::string lang_file;
};

// Forms every path for the rider and creates the GRD_DATA folder, and the rider's folder
// when the rider has a name of its own (not "NEW", not one of "RIDER_1".."RIDER_5").
// The trip list, summary store, GARMIN_NO_BLANKS.DAT and help paths go to info.
Paths BuildPaths(const std::string& base, const std::string& rider_name, InfoList* info);

// True for the names that stand for "no rider folder yet".
bool IsPlaceholderRiderName(const std::string& rider_name);

// --data DIR when given; else the executable's folder when a DATA folder stands beside it;
// else $XDG_DATA_HOME/velomatix (~/.local/share/velomatix).
std::string ResolveDataRoot(const std::optional<std::string>& data_option,
                            const std::string& executable_dir);
std::string ExecutableDir();

}  // namespace vx
