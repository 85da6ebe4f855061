#include "views/ui/trip_plot.h"

#include <QMouseEvent>
#include <QPainter>

namespace vx {

namespace {

QColor ColourOf(std::int32_t c) {
    return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

// A 1-pixel curve with every segment's both end pixels set (Bresenham): the picture depends
// only on the set of segments, so a column's samples reduced to first, extremes and last give
// the same pixels as all of them. Vertical runs are filled at once.
void PaintThinPolyline(QPainter& p, const std::vector<PixelPoint>& pts, const QColor& colour,
                       std::vector<QPoint>& scratch) {
    scratch.clear();
    for (std::size_t i = 0; i + 1 < pts.size(); ++i) {
        int x0 = pts[i].x, y0 = pts[i].y;
        const int x1 = pts[i + 1].x, y1 = pts[i + 1].y;
        if (x0 == x1) {
            p.fillRect(x0, std::min(y0, y1), 1, std::abs(y1 - y0) + 1, colour);
            continue;
        }
        const int dx = std::abs(x1 - x0), sx = x0 < x1 ? 1 : -1;
        const int dy = -std::abs(y1 - y0), sy = y0 < y1 ? 1 : -1;
        int err = dx + dy;
        for (;;) {
            scratch.emplace_back(x0, y0);
            if (x0 == x1 && y0 == y1) break;
            const int e2 = 2 * err;
            if (e2 >= dy) {
                err += dy;
                x0 += sx;
            }
            if (e2 <= dx) {
                err += dx;
                y0 += sy;
            }
        }
    }
    if (pts.size() == 1) scratch.emplace_back(pts[0].x, pts[0].y);
    p.setPen(QPen(colour, 1));
    p.drawPoints(scratch.data(), static_cast<int>(scratch.size()));
}

}  // namespace

void PaintTripScene(QImage& image, const TripViewScene& scene) {
    QPainter p(&image);
    p.fillRect(image.rect(), ColourOf(scene.background));
    const PlotArea& plot = scene.plot;
    if (plot.empty()) return;
    const QFontMetrics fm(p.font());
    // horizontal grid and the x-axis ticks with their grid lines and labels
    p.setPen(QPen(ColourOf(scene.grid_colour), 1));
    for (int y : scene.grid_y) p.drawLine(PlotArea::kLeft, y, plot.right(), y);
    QFont small = p.font();
    small.setPointSize(6);
    const QFont normal = p.font();
    for (const AxisTick& t : scene.ticks) {
        if (t.grid) {
            p.setPen(QPen(ColourOf(scene.grid_colour), 1));
            p.drawLine(t.x, PlotArea::kTop, t.x, plot.bottom());
        }
        p.setPen(QPen(ColourOf(scene.text_colour), 1));
        p.drawLine(t.x, plot.bottom(), t.x, plot.bottom() + (t.half ? 3 : 6));
        if (!t.label.empty()) {
            p.setFont(t.half ? small : normal);
            p.drawText(t.label_x, plot.bottom() + 8 + fm.ascent(), QString::fromStdString(t.label));
            p.setFont(normal);
        }
    }
    p.setPen(QPen(ColourOf(scene.text_colour), 1));
    p.drawRect(PlotArea::kLeft, PlotArea::kTop, plot.width, plot.height);
    for (const ValueLabel& l : scene.labels) {
        p.setPen(ColourOf(l.colour));
        p.drawText(l.x, l.y + l.line_offset * fm.height() + fm.ascent() / 2,
                   QString::fromStdString(l.text));
    }
    // curves: a 1-pixel pen draws the grouped columns exactly as every sample would
    p.setClipRect(PlotArea::kLeft, PlotArea::kTop, plot.width + 1, plot.height + 1);
    std::vector<QPoint> points;
    for (const CurvePolyline& c : scene.curves) {
        if (c.points.size() < 2) continue;
        if (c.pen_width <= 1) {
            PaintThinPolyline(p, c.points, ColourOf(c.colour), points);
            continue;
        }
        points.resize(c.points.size());
        for (std::size_t i = 0; i < c.points.size(); ++i)
            points[i] = QPoint(c.points[i].x, c.points[i].y);
        p.setPen(QPen(ColourOf(c.colour), c.pen_width));
        p.drawPolyline(points.data(), static_cast<int>(points.size()));
    }
    if (scene.climb_zero_y) {
        p.setPen(QPen(ColourOf(scene.climb_zero_colour), 3));
        p.drawLine(PlotArea::kLeft, *scene.climb_zero_y, plot.right(), *scene.climb_zero_y);
    }
    p.setClipping(false);
    for (const ThresholdMark& t : scene.thresholds) {
        p.setPen(QPen(ColourOf(t.colour), 1, Qt::DotLine));
        p.drawLine(PlotArea::kLeft, t.y, plot.right(), t.y);
        p.drawText(40, t.y - 2, QString::fromStdString(t.label));
    }
}

TripPlot::TripPlot(TripViewModel& model, QWidget* parent) : QWidget(parent), model_(model) {
    setObjectName(QStringLiteral("Show1"));
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
}

const QImage& TripPlot::image() {
    if (scene_dirty_ || image_.size() != size()) {
        image_ = QImage(std::max(1, width()), std::max(1, height()), QImage::Format_RGB32);
        image_.setDevicePixelRatio(1);
        PaintTripScene(image_, model_.Scene());
        scene_dirty_ = false;
        ++scene_paints_;
    }
    return image_;
}

void TripPlot::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, image());
    const TripViewOverlay& o = model_.Overlay();
    const PlotArea& plot = model_.Scene().plot;
    p.setPen(QPen(QColor(0, 255, 255), 2));
    if (o.start_marker_x)
        p.drawLine(*o.start_marker_x, PlotArea::kTop, *o.start_marker_x, plot.bottom());
    if (o.end_marker_x) p.drawLine(*o.end_marker_x, PlotArea::kTop, *o.end_marker_x, plot.bottom());
}

void TripPlot::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    model_.SetImageSize(width(), height());
    model_.SetClockLabelWidth(fontMetrics().horizontalAdvance(QStringLiteral("00:00")));
    scene_dirty_ = true;
}

void TripPlot::mousePressEvent(QMouseEvent* e) {
    const QPoint pos = e->position().toPoint();
    const ViewUpdate u = model_.MouseDown(
        pos.x(), pos.y(), e->button() == Qt::RightButton ? MouseButton::Right : MouseButton::Left);
    if (u.repaint == Repaint::Scene) scene_dirty_ = true;
    if (u.repaint != Repaint::None) update();
    if (onUpdate) onUpdate(u);
}

void TripPlot::mouseMoveEvent(QMouseEvent* e) {
    const QPoint pos = e->position().toPoint();
    const ViewUpdate u = model_.MouseMove(pos.x(), pos.y());
    if (u.repaint == Repaint::Scene) scene_dirty_ = true;
    if (u.repaint != Repaint::None) update();
    if (onUpdate) onUpdate(u);
}

}  // namespace vx
