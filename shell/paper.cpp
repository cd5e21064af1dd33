// SPDX-License-Identifier: GPL-3.0-or-later
// Widgets painted onto paper: a paint device whose engine hands every drawing on to the
// page's painter, with the colours of the print palette.
#include "paper.h"

#include "colours.h"
#include "twips.h"

#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QWidget>

#include <algorithm>

namespace shell {

namespace {

bool is_screen_blue(const QColor& colour) {
    // The screens' blues, and the pale blues and greys near them, are the screen itself.
    return colour.blue() > 150 && colour.red() < 120 && colour.green() < 200;
}

// A colour's hue at a lightness, keeping its saturation.
QColor at_lightness(const QColor& colour, double lightness) {
    const QColor hsl = colour.toHsl();
    return QColor::fromHslF(std::max<float>(0, hsl.hslHueF()), hsl.hslSaturationF(),
                            float(lightness), colour.alphaF());
}

} // namespace

QColor paper_ink(const QColor& colour) {
    const QColor hsv = colour.toHsv();
    const bool yellow = hsv.hue() >= 45 && hsv.hue() <= 70;
    // Text and lines of no strong hue, and the screens' yellow text, are black.
    if (hsv.saturation() < 90 || yellow) {
        return QColor(0, 0, 0, colour.alpha());
    }
    return luminance(colour) > 0.08 ? at_lightness(colour, 0.3) : colour;
}

QColor paper_ground(const QColor& colour) {
    if (colour.alpha() == 0) {
        return colour;
    }
    const QColor hsv = colour.toHsv();
    if (hsv.value() < 40 || is_screen_blue(colour) || hsv.saturation() < 40) {
        return QColor(255, 255, 255, colour.alpha());
    }
    return at_lightness(colour, 0.9);
}

namespace {

// Hands everything drawn on it to the page's painter: the device's pixels mapped by
// `base` onto the page, clipped to the device's `area`, colours through the palette.
class PaperEngine final : public QPaintEngine {
public:
    PaperEngine(QPainter& page, const QTransform& base, const QRect& area)
        : QPaintEngine(AllFeatures), page_(page), base_(base), area_(area) {}

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    Type type() const override { return User; }

    void updateState(const QPaintEngineState& state) override {
        const DirtyFlags flags = state.state();
        if (flags & DirtyTransform) {
            transform_ = state.transform();
            transform_dirty_ = true;
        }
        if (flags & DirtyPen) {
            QPen pen = state.pen();
            pen.setColor(paper_ink(pen.color()));
            page_.setPen(pen);
        }
        if (flags & DirtyBrush) {
            page_.setBrush(ground_brush(state.brush()));
        }
        if (flags & DirtyBrushOrigin) {
            page_.setBrushOrigin(state.brushOrigin());
        }
        if (flags & DirtyBackground) {
            page_.setBackground(ground_brush(state.backgroundBrush()));
        }
        if (flags & DirtyBackgroundMode) {
            page_.setBackgroundMode(state.backgroundMode());
        }
        if (flags & DirtyHints) {
            page_.setRenderHints(state.renderHints());
        }
        if (flags & DirtyOpacity) {
            page_.setOpacity(state.opacity());
        }
        if (flags & DirtyClipEnabled) {
            clip_enabled_ = state.isClipEnabled();
            clip_dirty_ = true;
        }
        if (flags & DirtyClipRegion) {
            QPainterPath path;
            path.addRegion(transform_.map(state.clipRegion()));
            clip_to(path, state.clipOperation());
        }
        if (flags & DirtyClipPath) {
            clip_to(transform_.map(state.clipPath()), state.clipOperation());
        }
    }

    void drawPath(const QPainterPath& path) override {
        prepare();
        page_.drawPath(path);
    }
    void drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) override {
        prepare();
        if (mode == PolylineMode) {
            page_.drawPolyline(points, count);
        } else {
            page_.drawPolygon(points, count,
                              mode == WindingMode ? Qt::WindingFill : Qt::OddEvenFill);
        }
    }
    void drawPixmap(const QRectF& rect, const QPixmap& pixmap, const QRectF& source) override {
        prepare();
        page_.drawPixmap(rect, pixmap, source);
    }
    void drawImage(const QRectF& rect, const QImage& image, const QRectF& source,
                   Qt::ImageConversionFlags flags) override {
        prepare();
        page_.drawImage(rect, image, source, flags);
    }
    // Text goes on as text, in the font the widget laid it out in.
    void drawTextItem(const QPointF& at, const QTextItem& text) override {
        prepare();
        page_.drawTextItem(at, text);
    }

private:
    static QBrush ground_brush(QBrush brush) {
        if (brush.style() != Qt::NoBrush && brush.style() < Qt::LinearGradientPattern) {
            brush.setColor(paper_ground(brush.color()));
        }
        return brush;
    }

    void clip_to(const QPainterPath& path, Qt::ClipOperation operation) {
        clip_dirty_ = true;
        switch (operation) {
        case Qt::NoClip:
            clip_enabled_ = false;
            clip_ = QPainterPath();
            break;
        case Qt::ReplaceClip:
            clip_enabled_ = true;
            clip_ = path;
            break;
        case Qt::IntersectClip:
            clip_enabled_ = true;
            clip_ = clip_.isEmpty() ? path : clip_.intersected(path);
            break;
        }
    }

    // The page's painter takes the clip (always within the area, and within the system
    // clip the widget sets for each of its children) and the transform of the drawing,
    // each only when it has changed: a board draws hundreds of captions.
    void prepare() {
        const QRegion system = systemClip();
        if (clip_dirty_ || system != system_) {
            system_ = system;
            QRegion bounds(area_);
            if (!system.isEmpty()) {
                bounds &= system;
            }
            page_.setTransform(base_);
            page_.setClipRegion(bounds);
            if (clip_enabled_ && !clip_.isEmpty()) {
                page_.setClipPath(clip_, Qt::IntersectClip);
            }
            clip_dirty_ = false;
            transform_dirty_ = true;
        }
        if (transform_dirty_) {
            page_.setTransform(transform_ * base_);
            transform_dirty_ = false;
        }
    }

    QPainter& page_;
    QTransform base_;
    QRect area_;
    QTransform transform_;
    bool transform_dirty_ = true;
    bool clip_enabled_ = false;
    bool clip_dirty_ = true;
    QPainterPath clip_;
    QRegion system_;
};

// A device of the widget's size in pixels, at the screen's dots per inch, whose every
// drawing goes to the page.
class PaperDevice final : public QPaintDevice {
public:
    PaperDevice(const QWidget& widget, PaperEngine& engine) : widget_(widget), engine_(engine) {}
    QPaintEngine* paintEngine() const override { return &engine_; }

protected:
    int metric(PaintDeviceMetric metric) const override {
        switch (metric) {
        case PdmWidth:
            return widget_.width();
        case PdmHeight:
            return widget_.height();
        case PdmWidthMM:
            return widget_.widthMM();
        case PdmHeightMM:
            return widget_.heightMM();
        case PdmNumColors:
            return INT_MAX;
        case PdmDepth:
            return 32;
        case PdmDpiX:
        case PdmPhysicalDpiX:
            return widget_.logicalDpiX();
        case PdmDpiY:
        case PdmPhysicalDpiY:
            return widget_.logicalDpiY();
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return int(devicePixelRatioFScale());
        }
        return 0;
    }

private:
    const QWidget& widget_;
    PaperEngine& engine_;
};

} // namespace

void paint_on_paper(QPainter& page, QWidget& widget, const QRect& area, const QRectF& target) {
    if (area.isEmpty() || target.isEmpty()) {
        return;
    }
    const double scale = std::min(target.width() / area.width(), target.height() / area.height());
    const QPointF corner = target.center() - QPointF(area.width(), area.height()) * scale / 2;
    QTransform base = page.transform();
    base = QTransform::fromTranslate(-area.left(), -area.top()) *
           QTransform::fromScale(scale, scale) * QTransform::fromTranslate(corner.x(), corner.y()) *
           base;
    page.save();
    PaperEngine engine(page, base, area);
    PaperDevice device(widget, engine);
    widget.render(&device, area.topLeft(), QRegion(area), QWidget::DrawChildren);
    page.restore();
}

} // namespace shell
