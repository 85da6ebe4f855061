// The single-trip view without its window: the view state (range, axis, interaction mode,
// visible curves, threshold lines, keyboard cursor, summary panel), the prepared channels, and
// what a window has to paint: a cached scene (axes, labels, curves as polylines, threshold
// lines) rebuilt only when something but the mouse changed, and the overlay (markers,
// readouts) that follows the mouse.
//
// A window calls, in this order: Open() each time it becomes active (after MarkFreshTrip()
// when a new trip was loaded), SetImageSize() and SetClockLabelWidth() on every resize,
// Scene() and Overlay() to paint, and the commands, MouseDown/MouseMove and KeyDown as the user
// acts; each returns what must be repainted. Close() writes the trip back when needed.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "analysis/summary_labels.h"
#include "trip/settings.h"
#include "trip/trip.h"
#include "views/curve_channels.h"
#include "views/trip_view_axes.h"
#include "views/trip_view_curves.h"
#include "views/trip_view_keys.h"
#include "views/trip_view_range.h"
#include "views/trip_view_readout.h"
#include "views/trip_view_scales.h"
#include "views/trip_view_settings.h"

namespace vx {

enum class Interaction {
    Idle,
    ZoomStart,     // choosing the start of a zoom
    ZoomEnd,       // choosing its end
    SectionStart,  // choosing a section
    SectionEnd,
};

struct CurvePolyline {
    TripCurve curve = TripCurve::Power;
    std::int32_t colour = 0;  // red in the lowest byte
    int pen_width = 1;
    std::vector<PixelPoint> points;
};

// Everything drawn into the cached image, in drawing order: background, horizontal grid,
// x-axis ticks with their grid lines and labels, the axis frame, value labels, curves, the
// climb rate's zero line, threshold lines.
struct TripViewScene {
    PlotArea plot;  // nothing but the background when plot.empty()
    AxisMode mode = AxisMode::Time;
    std::int32_t background = 0;
    std::int32_t grid_colour = 0;
    std::int32_t text_colour = 0;
    std::vector<int> grid_y;
    std::vector<AxisTick> ticks;
    std::vector<ValueLabel> labels;
    std::vector<CurvePolyline> curves;
    std::optional<int> climb_zero_y;  // a 3 px line in the climb rate's colour
    std::int32_t climb_zero_colour = 0;
    std::vector<ThresholdMark> thresholds;  // dotted across the plot
};

// Drawn over the scene; follows the mouse and the keyboard cursor.
struct TripViewOverlay {
    std::optional<int> start_marker_x;  // vertical aqua bars over the plot height
    std::optional<int> end_marker_x;
    std::string time_text;             // S_Time
    std::string start_diff_text;       // S_STime, while the end of a choice is picked
    bool default_panel_shown = false;  // SB_GRUND at the point of the right click
    int default_panel_x = 0;
    int default_panel_y = 0;
};

enum class Repaint { None, Overlay, Scene };

// Requests the view passes on to other windows.
enum class ViewRequest {
    None,
    SectionChosen,  // section() holds the two samples
    MetreTripStart,
    MetreTripPart,
    MetreTripEnd,
    Help,  // page kTripViewHelpPage
    DiaryStatistics,
    NoteText,
};

struct ViewUpdate {
    bool consumed = true;  // keys: false when the key is not the view's
    Repaint repaint = Repaint::None;
    ViewRequest request = ViewRequest::None;
    std::optional<PixelPoint> pointer;  // move the mouse pointer here (keyboard cursor)
};

enum class MouseButton { Left, Right };

struct CloseOutcome {
    bool written = false;
    std::string error;  // "Cannot open output file.\n" when the write failed
};

class TripViewModel {
  public:
    // The trip and settings stay owned by the caller and must outlive the model.
    TripViewModel(Trip& trip, Settings& settings);

    // A new trip was loaded into the trip object: the next Open() shows it whole with the
    // visibility of its sport type.
    void MarkFreshTrip() { fresh_ = true; }
    // Every time the window becomes active: checks the curve scale, computes the force zones
    // and all channels, and on a fresh trip the range and the visibility.
    void Open();

    void SetImageSize(int width, int height);
    // The pixel width of the text "00:00" in the axis font (tick spacing of the time axis).
    void SetClockLabelWidth(int width);
    // Draw each curve through every sample instead of grouping a pixel column's samples.
    void SetGroupColumns(bool group);

    const TripViewScene& Scene();
    const TripViewOverlay& Overlay() const { return overlay_; }

    // Commands of the command strip.
    bool DistanceAxisAvailable() const;  // the last sample has a distance
    Repaint ShowDistanceAxis();          // SB_DT; nothing without a distance
    Repaint ShowTimeAxis();              // SB_DD
    Repaint ShowWholeTrip();             // SB_FT
    Repaint PageBackward();              // SB_L
    Repaint PageForward();               // SB_R
    Repaint ZoomIn();                    // SB_ZI left; None when refused
    Repaint ZoomOut();                   // SB_ZI right
    Repaint StartZoomSelection();        // SB_ZV; time axis only
    Repaint StartSectionSelection();     // SB_AT; time axis only
    // Commands that exist only on the time axis (zoom selection, section, gradient, loupe).
    bool TimeAxisCommandsEnabled() const { return mode_ == AxisMode::Time; }
    Repaint SetCurveShown(TripCurve curve, bool shown);
    Repaint ToggleCurve(TripCurve curve);
    // SB_GRUND: the main curves' visibility becomes the rider's default (the caller writes the
    // settings file).
    void ApplyVisibilityAsDefault();
    // SB_AW: the summary of the whole trip into the summary panel.
    void ShowTripSummary(const SummaryLabels& labels);
    SummaryPanel& summary() { return summary_; }

    // The curve settings panel (P_EIN_SK) of a curve type with a button.
    std::optional<CurveSettingsForm> OpenCurveSettings(int curve_type);
    // A smoothing entry chosen in the open panel applies at once.
    Repaint ChooseSmoothing(int level);
    // BU_OK: stores the form; on success the panel closes, the trip is marked for writing back
    // and the caller writes the settings file.
    FormCheck AcceptCurveSettings(const CurveSettingsForm& form);
    // BU_NO: closes the panel; a changed smoothing level is put back.
    Repaint DiscardCurveSettings();

    ViewUpdate MouseDown(int x, int y, MouseButton button);
    ViewUpdate MouseMove(int x, int y);
    ViewUpdate KeyDown(ViewKey key, int digit = 0);

    // Closing: the fresh-trip flag is set; with rewrite_pending the trip is written to path
    // (an empty path, a trip that came from no file, writes nothing).
    CloseOutcome Close(const std::string& path);

    // State, for the window and the tests.
    const ViewRange& range() const { return range_; }
    AxisMode axis_mode() const { return mode_; }
    Interaction interaction() const { return interaction_; }
    const CurveVisibility& visibility() const { return visible_; }
    ThresholdLines& threshold_lines() { return thresholds_; }
    std::int32_t cursor() const { return cursor_; }
    std::int32_t choice_start() const { return choice_start_; }
    std::pair<std::int32_t, std::int32_t> section() const { return section_; }
    const CurveChannels& channels() const { return channels_; }
    const XMapping& mapping() const { return mapping_; }
    bool marker_shown() const;
    SportButtons sport_buttons() const;

  private:
    CurveSource Source() const { return CurveSourceOf(trip_); }
    DisplayFactors Factors() const { return FactorsFromUnitFlags(settings_.unit_flags); }
    void Invalidate() { dirty_ = true; }
    void UpdateMapping();
    void BuildScene();
    void ConfirmSample(std::int32_t sample, ViewUpdate& update);
    void ShowCursorReadouts(std::int32_t sample, int marker_x);
    void ClearMarkers();
    void SetRange(const ViewRange& range);

    Trip& trip_;
    Settings& settings_;
    CurveChannels channels_;
    bool fresh_ = true;
    bool dirty_ = true;
    bool group_columns_ = true;
    int clock_label_width_ = 30;

    PlotArea plot_ = PlotAreaOf(0, 0);
    XMapping mapping_;
    ViewRange range_;
    AxisMode mode_ = AxisMode::Time;
    Interaction interaction_ = Interaction::Idle;
    CurveVisibility visible_{};
    ThresholdLines thresholds_{};
    bool relative_power_hr_ = false;  // the relative power/heart-rate display
    std::int32_t cursor_ = 1;
    std::int32_t choice_start_ = 0;
    std::pair<std::int32_t, std::int32_t> section_{0, 0};
    bool section_chosen_ = false;
    TripViewKeys keys_;
    SummaryPanel summary_;
    std::optional<CurveSettingsForm> panel_;
    int panel_smoothing_at_open_ = 0;

    TripViewScene scene_;
    TripViewOverlay overlay_;
    std::vector<int> xs_;  // x of each drawn sample, reused between redraws
};

}  // namespace vx
