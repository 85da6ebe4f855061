// The keys of the single-trip view: F1 followed by a digit sets the smoothing of power,
// cadence, speed and heart rate; F2 .. F9 open panels or switch displays; the cursor keys move
// the keyboard cursor and Enter confirms it while a start or end marker is shown.
#pragma once

namespace vx {

enum class ViewKey {
    F1,
    F2,
    F3,
    F4,
    F5,
    F6,
    F7,
    F8,
    F9,
    PageUp,
    PageDown,
    Left,
    Right,
    Up,
    Down,
    Enter,
    Digit,  // 0 .. 9, with the digit passed beside it
    Other,
};

constexpr int kTripViewHelpPage = 11;

enum class KeyCommand {
    None,
    SetSmoothing,       // value: the digit, for power, cadence, speed and heart rate
    MetreTripStart,     // F2 "SHOW TRIP START"
    MetreTripPart,      // F3 "SHOW TRIP PART", only while a section is chosen
    MetreTripEnd,       // F4 "SHOW TRIP END"
    Help,               // F5, value: the help page
    ThresholdLinesOff,  // F6
    DiaryStatistics,    // F7
    NoteText,           // F8
    HideModelledPower,  // F9
    MoveCursor,         // value: the step in samples
    ConfirmCursor,      // Enter
};

struct KeyContext {
    bool time_axis = true;
    bool marker_shown = false;  // a start or end marker is being placed
    bool section_chosen = false;
};

struct KeyOutcome {
    bool consumed = false;  // every handled key is consumed
    KeyCommand command = KeyCommand::None;
    int value = 0;
    bool operator==(const KeyOutcome&) const = default;
};

// The F1 state lives between key presses; everything else comes from the context.
class TripViewKeys {
  public:
    KeyOutcome Press(ViewKey key, int digit, const KeyContext& context);
    bool f1_pending() const { return f1_pending_; }
    void Reset() { f1_pending_ = false; }

  private:
    bool f1_pending_ = false;
};

}  // namespace vx
