#include "trip/paths.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "trip/file_io.h"

namespace vx {

bool IsPlaceholderRiderName(const std::string& rider_name) {
    return rider_name.empty() || rider_name == "NEW" || IsDefaultRiderName(rider_name);
}

Paths BuildPaths(const std::string& base, const std::string& rider_name, InfoList* info) {
    Paths p;
    const std::string& rider = rider_name;
    p.base = base;
    p.data = base + "/DATA";
    p.rider_folder = p.data + "/" + rider;
    p.trip_list = p.rider_folder + "/" + rider + ".T_L";
    p.summary_store = p.rider_folder + "/" + rider + ".T_D";
    p.collection_folder = p.data + "/COLLECTION";
    p.collection_list = p.collection_folder + "/COLLECTION.T_L";
    p.grd_data = p.data + "/GRD_DATA";
    p.settings_file = p.grd_data + "/GRD_DATA_01.GRD";
    p.mail_settings = p.grd_data + "/MAIL_SET.GRD";
    p.mail_message = p.grd_data + "/MAIL_MSG_MEMO.GRD";
    p.power_model = p.grd_data + "/POW_CALC.GRD";
    p.help_base = p.grd_data + "/HILFE/HILFE_";
    p.help_marker = p.help_base + "DE00.md";
    p.garmin_no_blanks = p.data + "/GARMIN_NO_BLANKS.DAT";
    p.control_text = base + "/CONTROLL_RECH.TXT";
    p.lang_file = base + "/LANG.TXT";

    if (!IsPlaceholderRiderName(rider_name)) MakeDirectories(p.rider_folder);
    if (!MakeDirectories(p.grd_data) && info)
        info->push_back("Cannot create the folder " + p.grd_data);
    if (info) {
        info->push_back(p.trip_list);
        info->push_back(p.summary_store);
        info->push_back(p.garmin_no_blanks);
        info->push_back(p.help_base);
    }
    return p;
}

std::string ResolveDataRoot(const std::optional<std::string>& data_option,
                            const std::string& executable_dir) {
    if (data_option && !data_option->empty()) return *data_option;
    if (!executable_dir.empty() && DirectoryExists(executable_dir + "/DATA")) return executable_dir;
    const char* xdg = std::getenv("XDG_DATA_HOME");
    if (xdg && *xdg == '/') return std::string(xdg) + "/velomatix";
    const char* home = std::getenv("HOME");
    return std::string(home && *home ? home : ".") + "/.local/share/velomatix";
}

std::string ExecutableDir() {
    std::error_code ec;
    auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : exe.parent_path().string();
}

}  // namespace vx
