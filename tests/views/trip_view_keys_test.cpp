#include "views/trip_view_keys.h"

#include <gtest/gtest.h>

namespace vx {
namespace {

TEST(TripViewKeys, SequencesOfKeys) {
    const KeyContext idle{true, false, false};
    const KeyContext marker{true, true, false};
    const KeyContext distance{false, true, false};
    const KeyContext section{true, false, true};
    struct Step {
        ViewKey key;
        int digit;
        KeyContext context;
        KeyOutcome expect;
        bool f1_after;
    } steps[] = {
        {ViewKey::F1, 0, idle, {true, KeyCommand::None, 0}, true},
        {ViewKey::Digit, 4, idle, {true, KeyCommand::SetSmoothing, 4}, false},
        {ViewKey::Digit, 4, idle, {false, KeyCommand::None, 0}, false},  // digits alone: not ours
        {ViewKey::F1, 0, idle, {true, KeyCommand::None, 0}, true},
        {ViewKey::F5, 0, idle, {true, KeyCommand::Help, 11}, true},  // F keys keep the F1 state
        {ViewKey::Digit, 0, idle, {true, KeyCommand::SetSmoothing, 0}, false},
        {ViewKey::F1, 0, marker, {true, KeyCommand::None, 0}, true},
        {ViewKey::Left, 0, marker, {true, KeyCommand::None, 0}, false},  // only ends F1
        {ViewKey::Left, 0, marker, {true, KeyCommand::MoveCursor, -1}, false},
        {ViewKey::Right, 0, marker, {true, KeyCommand::MoveCursor, 1}, false},
        {ViewKey::Up, 0, marker, {true, KeyCommand::MoveCursor, -15}, false},
        {ViewKey::Down, 0, marker, {true, KeyCommand::MoveCursor, 15}, false},
        {ViewKey::PageUp, 0, marker, {true, KeyCommand::MoveCursor, -60}, false},
        {ViewKey::PageDown, 0, marker, {true, KeyCommand::MoveCursor, 60}, false},
        {ViewKey::Enter, 0, marker, {true, KeyCommand::ConfirmCursor, 0}, false},
        {ViewKey::Left, 0, idle, {false, KeyCommand::None, 0}, false},  // no marker shown
        {ViewKey::Enter, 0, distance, {false, KeyCommand::None, 0}, false},
        {ViewKey::PageDown, 0, distance, {false, KeyCommand::None, 0}, false},
        {ViewKey::F3, 0, idle, {true, KeyCommand::None, 0}, false},
        {ViewKey::F3, 0, section, {true, KeyCommand::MetreTripPart, 0}, false},
        {ViewKey::F2, 0, idle, {true, KeyCommand::MetreTripStart, 0}, false},
        {ViewKey::F4, 0, idle, {true, KeyCommand::MetreTripEnd, 0}, false},
        {ViewKey::F6, 0, idle, {true, KeyCommand::ThresholdLinesOff, 0}, false},
        {ViewKey::F7, 0, idle, {true, KeyCommand::DiaryStatistics, 0}, false},
        {ViewKey::F8, 0, idle, {true, KeyCommand::NoteText, 0}, false},
        {ViewKey::F9, 0, idle, {true, KeyCommand::HideModelledPower, 0}, false},
        {ViewKey::Other, 0, idle, {false, KeyCommand::None, 0}, false},
    };
    TripViewKeys keys;
    int n = 0;
    for (const Step& s : steps) {
        EXPECT_EQ(keys.Press(s.key, s.digit, s.context), s.expect) << "step " << n;
        EXPECT_EQ(keys.f1_pending(), s.f1_after) << "step " << n;
        ++n;
    }
}

}  // namespace
}  // namespace vx
