// The plot of the single-trip view: the scene is painted once into a cached image; mouse
// moves repaint only the overlay (markers and readouts) over it.
#pragma once

#include <QImage>
#include <QWidget>
#include <functional>

#include "views/trip_view_model.h"

namespace vx {

// Paints a scene into an image of the scene's size.
void PaintTripScene(QImage& image, const TripViewScene& scene);

class TripPlot : public QWidget {
    Q_OBJECT
  public:
    TripPlot(TripViewModel& model, QWidget* parent);

    // The scene changed: the image is painted again before the next paint.
    void invalidateScene() {
        scene_dirty_ = true;
        update();
    }
    const QImage& image();

    std::function<void(const ViewUpdate&)> onUpdate;  // after a mouse event
    int scenePaints() const { return scene_paints_; }

  protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;

  private:
    TripViewModel& model_;
    QImage image_;
    bool scene_dirty_ = true;
    int scene_paints_ = 0;
};

}  // namespace vx
