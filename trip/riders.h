// The rider panel's operations on the settings: choosing, naming, attaching and deleting riders.
// The panel's widgets call these; saving the old trip list, building the paths, writing the
// settings and loading the new rider's lists follow a successful accept.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "trip/settings.h"

namespace vx {

// Entries of the rider list: 0..4 the riders, then "NEW", then the COLLECTION.
constexpr int kEntryNew = 5;
constexpr int kEntryCollection = 6;

// The name field's key filter: letters become upper case, a blank becomes "_"; only A-Z, 0-9,
// "_", backspace (8) and the umlauts Ä Ö Ü (ä ö ü become upper case) pass. Returns the key to
// insert, or 0 when the key is dropped.
char32_t FilterNameKey(char32_t key);
// The filter applied to a whole UTF-8 text; backspaces are dropped.
std::string FilterNameText(const std::string& utf8);

// What the panel holds when the accept button is pressed.
struct RiderPanelInput {
    int entry = 0;                        // chosen entry of the rider list
    std::optional<std::string> new_name;  // the name field (UTF-8), when a new name was entered
    std::optional<std::string> attached_folder;  // a folder chosen from the attach list (UTF-8)
    std::string weight_text;              // in the rider's weight unit
    std::string height_text;              // in m or ft by the length-unit flag
};

struct RiderAcceptResult {
    bool changed = false;         // false: nothing was stored, see message
    std::string message;          // why nothing changed
    bool new_rider_named = false;  // the zones-defined marks are to be cleared
    bool calendar_enabled = true;
};

RiderAcceptResult AcceptRider(Settings& s, const RiderPanelInput& in);

// Gives rider 0..4 back its default name, 75 kg and 1.75 m and makes it the current rider.
// Its folder and files stay on disk.
bool DeleteRider(Settings& s, int rider);

// Subfolders of the DATA folder that can be attached as the temporary rider (UTF-8, sorted).
std::vector<std::string> ListAttachableFolders(const std::string& data_folder);

// The rider panel's fields.
std::string FormatRiderWeight(const RiderRecord& r);
std::string FormatRiderHeight(const RiderRecord& r, std::uint8_t unit_flags);
std::string RiderWeightLabel(const RiderRecord& r);
std::string RiderHeightLabel(std::uint8_t unit_flags);

// A number typed into a field: decimal comma accepted, blanks around it ignored.
std::optional<double> ParseFieldNumber(const std::string& text);

}  // namespace vx
