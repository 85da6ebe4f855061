#include "views/trip_view_keys.h"

namespace vx {

namespace {

bool IsFunctionKey(ViewKey key) {
    return key >= ViewKey::F1 && key <= ViewKey::F9;
}

int CursorStep(ViewKey key) {
    switch (key) {
        case ViewKey::PageUp:
            return -60;
        case ViewKey::PageDown:
            return 60;
        case ViewKey::Left:
            return -1;
        case ViewKey::Right:
            return 1;
        case ViewKey::Up:
            return -15;
        case ViewKey::Down:
            return 15;
        default:
            return 0;
    }
}

}  // namespace

KeyOutcome TripViewKeys::Press(ViewKey key, int digit, const KeyContext& context) {
    if (f1_pending_ && !IsFunctionKey(key)) {
        // A digit completes F1; any other key only ends the F1 state.
        f1_pending_ = false;
        if (key == ViewKey::Digit && digit >= 0 && digit <= 9)
            return {true, KeyCommand::SetSmoothing, digit};
        return {true, KeyCommand::None, 0};
    }
    switch (key) {
        case ViewKey::F1:
            f1_pending_ = true;
            return {true, KeyCommand::None, 0};
        case ViewKey::F2:
            return {true, KeyCommand::MetreTripStart, 0};
        case ViewKey::F3:
            return {true, context.section_chosen ? KeyCommand::MetreTripPart : KeyCommand::None, 0};
        case ViewKey::F4:
            return {true, KeyCommand::MetreTripEnd, 0};
        case ViewKey::F5:
            return {true, KeyCommand::Help, kTripViewHelpPage};
        case ViewKey::F6:
            return {true, KeyCommand::ThresholdLinesOff, 0};
        case ViewKey::F7:
            return {true, KeyCommand::DiaryStatistics, 0};
        case ViewKey::F8:
            return {true, KeyCommand::NoteText, 0};
        case ViewKey::F9:
            return {true, KeyCommand::HideModelledPower, 0};
        case ViewKey::Enter:
            if (!context.time_axis || !context.marker_shown) return {};
            return {true, KeyCommand::ConfirmCursor, 0};
        case ViewKey::Digit:
        case ViewKey::Other:
            return {};
        default:
            break;
    }
    if (!context.time_axis || !context.marker_shown) return {};
    return {true, KeyCommand::MoveCursor, CursorStep(key)};
}

}  // namespace vx
