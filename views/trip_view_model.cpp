#include "views/trip_view_model.h"

#include <algorithm>

#include "trip/deo_file.h"
#include "views/curve_climb_rate.h"
#include "views/curve_force_zones.h"

namespace vx {

namespace {

constexpr int kSlotBackground = 0;
constexpr int kSlotGrid = 8;
constexpr int kSlotText = 9;
constexpr int kDefaultPanelBand = 40;  // a right click this close to the top shows SB_GRUND
constexpr int kPageBackBand = 25;      // clicks left of this page backward
constexpr int kPageForwardBand = 20;   // clicks this close to the right edge page forward
constexpr int kStartMarkerMinX = 36;
constexpr int kSmoothedByF1[] = {kCurvePower, kCurveCadence, kCurveSpeed, kCurveHeartRate};

std::uint8_t HeaderSportType(const Trip& trip) {
    return NormalizeSportType(trip.records[0].interval_no);
}

}  // namespace

TripViewModel::TripViewModel(Trip& trip, Settings& settings) : trip_(trip), settings_(settings) {
    range_ = WholeTrip(Source());
}

void TripViewModel::Open() {
    const CurveSource src = Source();
    MarkForceZones(src, settings_.current_zones(), channels_);
    ValidateCurveScale(trip_.curve_scale);
    PrepareChannels(src, settings_.smoothing, Factors().altitude_factor, channels_);
    if (channels_.altitude_axis) {
        trip_.curve_scale[0] = channels_.altitude_axis->max;
        settings_.curve_min[0] = channels_.altitude_axis->min;
    }
    if (fresh_) {
        range_ = WholeTrip(src);
        ApplyFreshTripVisibility(HeaderSportType(trip_), settings_.view_flags, visible_);
        fresh_ = false;
    }
    WidenRange(src, range_);
    mode_ = AxisMode::Time;
    interaction_ = Interaction::Idle;
    relative_power_hr_ = false;
    cursor_ = std::clamp(cursor_, 1, std::max(src.size() - 1, 1));
    keys_.Reset();
    ClearMarkers();
    UpdateMapping();
    Invalidate();
}

void TripViewModel::SetImageSize(int width, int height) {
    if (plot_.image_width == width && plot_.image_height == height) return;
    plot_ = PlotAreaOf(width, height);
    UpdateMapping();
    Invalidate();
}

void TripViewModel::SetClockLabelWidth(int width) {
    if (width == clock_label_width_) return;
    clock_label_width_ = width;
    Invalidate();
}

void TripViewModel::SetGroupColumns(bool group) {
    if (group == group_columns_) return;
    group_columns_ = group;
    Invalidate();
}

void TripViewModel::UpdateMapping() {
    mapping_ = XMappingOf(plot_, Source(), range_, mode_);
}

void TripViewModel::SetRange(const ViewRange& range) {
    range_ = range;
    UpdateMapping();
    Invalidate();
}

const TripViewScene& TripViewModel::Scene() {
    if (dirty_) BuildScene();
    dirty_ = false;
    return scene_;
}

void TripViewModel::BuildScene() {
    const CurveSource src = Source();
    const DisplayFactors factors = Factors();
    WidenRange(src, range_);
    AdjustScaleForRedraw(trip_.curve_scale, visible_);
    UpdateMapping();

    TripViewScene& s = scene_;
    s.plot = plot_;
    s.mode = mode_;
    s.background = settings_.colours[kSlotBackground];
    s.grid_colour = settings_.colours[kSlotGrid];
    s.text_colour = settings_.colours[kSlotText];
    s.grid_y.clear();
    s.ticks.clear();
    s.labels.clear();
    s.climb_zero_y.reset();
    s.thresholds.clear();
    if (plot_.empty()) {
        s.curves.clear();
        return;
    }

    s.grid_y = HorizontalGridLines(plot_);
    s.ticks = mode_ == AxisMode::Time
                  ? TimeAxisTicks(plot_, src, mapping_, clock_label_width_)
                  : DistanceAxisTicks(plot_, src, range_, factors.distance_factor);
    const ValueLabelInput labels{&trip_.curve_scale, &settings_.curve_min, &visible_,
                                 &settings_.colours, relative_power_hr_,   factors.fahrenheit};
    s.labels = ValueLabels(plot_, labels);

    if (Shown(visible_, TripCurve::ClimbRate))
        ComputeClimbRate(src, range_.first, std::min(range_.end, src.size()), channels_);
    const DrawnSamples drawn = DrawnSamplesOf(src, range_);
    SampleXPositions(src, mapping_, drawn, xs_);

    std::size_t used = 0;
    for (TripCurve curve : kCurveDrawOrder) {
        if (!Shown(visible_, curve)) continue;
        if (relative_power_hr_ && (curve == TripCurve::Power || curve == TripCurve::HeartRate))
            continue;
        if (used == s.curves.size()) s.curves.emplace_back();
        CurvePolyline& line = s.curves[used++];
        line.curve = curve;
        line.colour = CurveColour(curve, settings_.colours);
        line.pen_width = CurvePenWidth(curve);
        const CurveAxis axis = AxisOf(curve, trip_.curve_scale, settings_.curve_min, factors);
        CurvePoints(xs_, drawn.first, CurveValues(curve, channels_), axis, plot_, group_columns_,
                    line.points);
        if (curve == TripCurve::ClimbRate && axis.valid()) {
            s.climb_zero_y = CurveY(plot_, axis, 0);
            s.climb_zero_colour = line.colour;
        }
    }
    s.curves.resize(used);
    s.thresholds = ThresholdMarks(plot_, labels, thresholds_);
}

bool TripViewModel::DistanceAxisAvailable() const {
    return TripDistance(Source()) != 0;
}

Repaint TripViewModel::ShowDistanceAxis() {
    if (!DistanceAxisAvailable()) return Repaint::None;
    mode_ = AxisMode::Distance;
    interaction_ = Interaction::Idle;
    ClearMarkers();
    SyncDistanceWindow(Source(), range_);
    SetRange(range_);
    return Repaint::Scene;
}

Repaint TripViewModel::ShowTimeAxis() {
    mode_ = AxisMode::Time;
    SetRange(range_);
    return Repaint::Scene;
}

Repaint TripViewModel::ShowWholeTrip() {
    interaction_ = Interaction::Idle;
    ClearMarkers();
    SetRange(WholeTrip(Source()));
    return Repaint::Scene;
}

Repaint TripViewModel::PageBackward() {
    ViewRange r = range_;
    vx::PageBackward(Source(), mode_, r);
    SetRange(r);
    return Repaint::Scene;
}

Repaint TripViewModel::PageForward() {
    ViewRange r = range_;
    vx::PageForward(Source(), mode_, r);
    SetRange(r);
    return Repaint::Scene;
}

Repaint TripViewModel::ZoomIn() {
    ViewRange r = range_;
    if (!vx::ZoomIn(Source(), mode_, r)) return Repaint::None;
    SetRange(r);
    return Repaint::Scene;
}

Repaint TripViewModel::ZoomOut() {
    ViewRange r = range_;
    vx::ZoomOut(Source(), mode_, r);
    SetRange(r);
    return Repaint::Scene;
}

Repaint TripViewModel::StartZoomSelection() {
    if (mode_ != AxisMode::Time) return Repaint::None;
    interaction_ = Interaction::ZoomStart;
    cursor_ = std::clamp(std::max(range_.first, 1), 1, std::max(Source().size() - 1, 1));
    ClearMarkers();
    ShowCursorReadouts(cursor_, PointerXOfSample(mapping_, cursor_) + 1);
    return Repaint::Overlay;
}

Repaint TripViewModel::StartSectionSelection() {
    if (StartZoomSelection() == Repaint::None) return Repaint::None;
    interaction_ = Interaction::SectionStart;
    return Repaint::Overlay;
}

Repaint TripViewModel::SetCurveShown(TripCurve curve, bool shown) {
    Shown(visible_, curve) = shown;
    Invalidate();
    return Repaint::Scene;
}

Repaint TripViewModel::ToggleCurve(TripCurve curve) {
    return SetCurveShown(curve, !Shown(visible_, curve));
}

void TripViewModel::ApplyVisibilityAsDefault() {
    settings_.view_flags = StoreDefaultVisibility(settings_.view_flags, visible_);
}

void TripViewModel::ShowTripSummary(const SummaryLabels& labels) {
    summary_.ShowTrip(trip_, settings_, labels);
}

std::optional<CurveSettingsForm> TripViewModel::OpenCurveSettings(int curve_type) {
    panel_ = CurveSettingsFormOf(curve_type, {&visible_, &trip_.curve_scale, &settings_.curve_min,
                                              &thresholds_, &settings_.smoothing});
    if (panel_) panel_smoothing_at_open_ = panel_->smoothing_level;
    return panel_;
}

Repaint TripViewModel::ChooseSmoothing(int level) {
    if (!panel_ || !panel_->has_smoothing) return Repaint::None;
    level = std::clamp(level, 0, panel_->smoothing_entries - 1);
    panel_->smoothing_level = level;
    settings_.smoothing[static_cast<std::size_t>(panel_->curve_type)] = level;
    RecomputeCurve(Source(), panel_->curve_type, settings_.smoothing, channels_);
    Invalidate();
    return Repaint::Scene;
}

FormCheck TripViewModel::AcceptCurveSettings(const CurveSettingsForm& form) {
    const FormCheck check = AcceptCurveSettingsForm(
        form,
        {&visible_, &trip_.curve_scale, &settings_.curve_min, &thresholds_, &settings_.smoothing});
    if (!check.ok) return check;
    const auto type = static_cast<std::size_t>(form.curve_type);
    if (form.has_smoothing && form.smoothing_level != settings_.smoothing[type]) {
        settings_.smoothing[type] =
            std::clamp(form.smoothing_level, 0, std::max(form.smoothing_entries - 1, 0));
        RecomputeCurve(Source(), form.curve_type, settings_.smoothing, channels_);
    }
    settings_.curve_scale = trip_.curve_scale;
    trip_.rewrite_pending = true;
    panel_.reset();
    Invalidate();
    return check;
}

Repaint TripViewModel::DiscardCurveSettings() {
    if (!panel_) return Repaint::None;
    const auto type = static_cast<std::size_t>(panel_->curve_type);
    const bool changed =
        panel_->has_smoothing && settings_.smoothing[type] != panel_smoothing_at_open_;
    if (changed) {
        settings_.smoothing[type] = panel_smoothing_at_open_;
        RecomputeCurve(Source(), panel_->curve_type, settings_.smoothing, channels_);
        Invalidate();
    }
    panel_.reset();
    return changed ? Repaint::Scene : Repaint::None;
}

bool TripViewModel::marker_shown() const {
    return mode_ == AxisMode::Time && interaction_ != Interaction::Idle;
}

SportButtons TripViewModel::sport_buttons() const {
    return SportButtonsOf(HeaderSportType(trip_));
}

void TripViewModel::ClearMarkers() {
    overlay_.start_marker_x.reset();
    overlay_.end_marker_x.reset();
    overlay_.time_text.clear();
    overlay_.start_diff_text.clear();
}

void TripViewModel::ShowCursorReadouts(std::int32_t sample, int marker_x) {
    const CurveSource src = Source();
    const double df = Factors().distance_factor;
    cursor_ = sample;
    overlay_.time_text = CursorTimeText(src, sample, df);
    if (interaction_ == Interaction::ZoomEnd || interaction_ == Interaction::SectionEnd) {
        overlay_.end_marker_x = marker_x;
        overlay_.start_diff_text = StartDifferenceText(src, sample, choice_start_, df);
    } else {
        overlay_.start_marker_x = std::max(marker_x, kStartMarkerMinX);
        overlay_.start_diff_text.clear();
    }
}

void TripViewModel::ConfirmSample(std::int32_t sample, ViewUpdate& update) {
    switch (interaction_) {
        case Interaction::ZoomStart:
        case Interaction::SectionStart:
            choice_start_ = sample;
            interaction_ = interaction_ == Interaction::ZoomStart ? Interaction::ZoomEnd
                                                                  : Interaction::SectionEnd;
            update.repaint = Repaint::Overlay;
            return;
        case Interaction::ZoomEnd: {
            ViewRange r = range_;
            ZoomToSelection(Source(), choice_start_, sample, r);
            interaction_ = Interaction::Idle;
            ClearMarkers();
            SetRange(r);
            update.repaint = Repaint::Scene;
            return;
        }
        case Interaction::SectionEnd:
            section_ = {std::min(choice_start_, sample), std::max(choice_start_, sample)};
            section_chosen_ = true;
            interaction_ = Interaction::Idle;
            ClearMarkers();
            update.repaint = Repaint::Overlay;
            update.request = ViewRequest::SectionChosen;
            return;
        case Interaction::Idle:
            return;
    }
}

ViewUpdate TripViewModel::MouseDown(int x, int y, MouseButton button) {
    ViewUpdate update;
    if (button == MouseButton::Right && y < kDefaultPanelBand) {
        overlay_.default_panel_shown = true;
        overlay_.default_panel_x = x;
        overlay_.default_panel_y = y;
        update.repaint = Repaint::Overlay;
        return update;
    }
    if (overlay_.default_panel_shown) {
        overlay_.default_panel_shown = false;
        update.repaint = Repaint::Overlay;
    }
    if (button != MouseButton::Left) return update;
    if (marker_shown()) {
        const std::int32_t s = SampleAtX(plot_, mapping_, Source(), x);
        int mx = std::max(x, PlotArea::kLeft);
        if (mx > plot_.image_width - 15) mx = plot_.image_width - 13;
        ShowCursorReadouts(s, mx);
        ConfirmSample(s, update);
        return update;
    }
    if (interaction_ != Interaction::Idle) return update;
    if (x < kPageBackBand)
        update.repaint = PageBackward();
    else if (x > plot_.image_width - kPageForwardBand)
        update.repaint = PageForward();
    return update;
}

ViewUpdate TripViewModel::MouseMove(int x, int /*y*/) {
    ViewUpdate update;
    if (!marker_shown()) return update;
    int mx = std::max(x, PlotArea::kLeft);
    if (mx > plot_.image_width - 15) mx = plot_.image_width - 13;
    ShowCursorReadouts(SampleAtX(plot_, mapping_, Source(), x), mx);
    update.repaint = Repaint::Overlay;
    return update;
}

ViewUpdate TripViewModel::KeyDown(ViewKey key, int digit) {
    const KeyOutcome k =
        keys_.Press(key, digit, {mode_ == AxisMode::Time, marker_shown(), section_chosen_});
    ViewUpdate update;
    update.consumed = k.consumed;
    switch (k.command) {
        case KeyCommand::None:
            break;
        case KeyCommand::SetSmoothing:
            for (int type : kSmoothedByF1) {
                settings_.smoothing[static_cast<std::size_t>(type)] = k.value;
                RecomputeCurve(Source(), type, settings_.smoothing, channels_);
            }
            Invalidate();
            update.repaint = Repaint::Scene;
            break;
        case KeyCommand::MetreTripStart:
            update.request = ViewRequest::MetreTripStart;
            break;
        case KeyCommand::MetreTripPart:
            update.request = ViewRequest::MetreTripPart;
            break;
        case KeyCommand::MetreTripEnd:
            update.request = ViewRequest::MetreTripEnd;
            break;
        case KeyCommand::Help:
            update.request = ViewRequest::Help;
            break;
        case KeyCommand::ThresholdLinesOff:
            for (auto& pair : thresholds_)
                for (ThresholdLine& line : pair) line.on = false;
            Invalidate();
            update.repaint = Repaint::Scene;
            break;
        case KeyCommand::DiaryStatistics:
            update.request = ViewRequest::DiaryStatistics;
            break;
        case KeyCommand::NoteText:
            update.request = ViewRequest::NoteText;
            break;
        case KeyCommand::HideModelledPower:
            Invalidate();
            update.repaint = Repaint::Scene;
            break;
        case KeyCommand::MoveCursor: {
            const std::int32_t last = std::max(Source().size() - 1, 1);
            const std::int32_t s = std::clamp(cursor_ + k.value, 1, last);
            const int px = PointerXOfSample(mapping_, s);
            ShowCursorReadouts(s, px);
            update.pointer = PixelPoint{px, plot_.image_height / 2};
            update.repaint = Repaint::Overlay;
            break;
        }
        case KeyCommand::ConfirmCursor:
            ConfirmSample(cursor_, update);
            break;
    }
    return update;
}

CloseOutcome TripViewModel::Close(const std::string& path) {
    fresh_ = true;
    interaction_ = Interaction::Idle;
    ClearMarkers();
    overlay_.default_panel_shown = false;
    panel_.reset();
    CloseOutcome out;
    if (!trip_.rewrite_pending || path.empty()) return out;
    if (WriteTripPath(path, trip_)) {
        out.written = true;
        trip_.rewrite_pending = false;
    } else {
        out.error = "Cannot open output file.\n";
    }
    return out;
}

}  // namespace vx
