// SPDX-License-Identifier: GPL-3.0-or-later
#include "ink.h"

#include "accessibility.h"
#include "board_file.h"
#include "input_filter.h"
#include "keys.h"
#include "pen_strip.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QTabletEvent>
#include <QTimer>
#include <QTouchEvent>

#include <array>
#include <cmath>
#include <cstdio>

namespace shell {

namespace {

// The context of the pen's texts in the translations.
struct Ink {
    Q_DECLARE_TR_FUNCTIONS(Ink)
};

// The width of a stroke in twips: about 6 pixels on a board of 1920 by 1080.
constexpr int kInkWidth = 50;
// How near the eraser must come to a stroke to take it, in twips.
constexpr int kEraserReach = 150 + kInkWidth / 2;
// How long the line that says where the board went stays.
constexpr int kStatusMs = 6000;

// The picture of the finished strokes holds four colours and a coverage: 16 bits a
// pixel are enough, and keep it to 12 MiB on a screen of 3840 by 2160.
constexpr QImage::Format kPictureFormat = QImage::Format_ARGB4444_Premultiplied;

// The picture's pixels are drawn on the screen a band of rows at a time, widened to
// 32 bits by table: the toolkit's own widening of this format is slower than the
// drawing it feeds, and a band keeps the widened copy small.
constexpr int kBandRows = 64;

const std::array<quint32, 65536>& widened() {
    static const auto table = [] {
        std::array<quint32, 65536> wide{};
        for (quint32 v = 0; v < wide.size(); ++v) {
            wide[v] = ((v >> 12 & 15) * 17) << 24 | ((v >> 8 & 15) * 17) << 16 |
                      ((v >> 4 & 15) * 17) << 8 | (v & 15) * 17;
        }
        return wide;
    }();
    return table;
}

// Draws the part of the picture (in its pixels) at `target` (in the painter's).
void draw_picture(QPainter& painter, const QImage& picture, const QRect& part, QPointF target,
                  qreal dpr) {
    const auto& wide = widened();
    QImage band(part.width(), std::min(kBandRows, part.height()),
                QImage::Format_ARGB32_Premultiplied);
    band.setDevicePixelRatio(dpr);
    for (int top = part.top(); top <= part.bottom(); top += kBandRows) {
        const int rows = std::min(kBandRows, part.bottom() + 1 - top);
        quint16 any = 0;
        for (int row = 0; row < rows; ++row) {
            const auto* in =
                reinterpret_cast<const quint16*>(picture.constScanLine(top + row)) + part.left();
            auto* out = reinterpret_cast<quint32*>(band.scanLine(row));
            for (int x = 0; x < part.width(); ++x) {
                any |= in[x];
                out[x] = wide[in[x]];
            }
        }
        if (any) {
            painter.drawImage(target + QPointF(0, (top - part.top()) / dpr), band,
                              QRect(0, 0, part.width(), rows));
        }
    }
}

QPointF at(InkPoint p) {
    return {double(p.x), double(p.y)};
}
QPointF mid(InkPoint a, InkPoint b) {
    return (at(a) + at(b)) / 2;
}

// A stroke is smoothed through the midpoints of its points: from the first point, a
// curve about each point to the midpoint of it and the next, and a line to the last.
// The piece that the point `k` (from 2) adds to a stroke is the curve about point k-1,
// so that a stroke drawn piece by piece looks as it does drawn whole.
QPainterPath piece(const std::vector<InkPoint>& points, std::size_t k) {
    QPainterPath path(k == 2 ? at(points[0]) : mid(points[k - 2], points[k - 1]));
    path.quadTo(at(points[k - 1]), mid(points[k - 1], points[k]));
    return path;
}

// The last piece, to the pen: from the last midpoint (or the first point) to the last.
QPainterPath tail(const std::vector<InkPoint>& points) {
    const std::size_t n = points.size() - 1;
    QPainterPath path(n <= 1 ? at(points[0]) : mid(points[n - 1], points[n]));
    path.lineTo(at(points[n]));
    return path;
}

QPainterPath whole(const std::vector<InkPoint>& points) {
    QPainterPath path(at(points[0]));
    for (std::size_t k = 2; k < points.size(); ++k) {
        path.quadTo(at(points[k - 1]), mid(points[k - 1], points[k]));
    }
    path.lineTo(at(points.back()));
    return path;
}

// The pieces of a stroke that come near the box, as they are drawn whole: drawing a
// stroke again where some ink went costs what lies there, not the whole stroke.
QPainterPath near(const std::vector<InkPoint>& points, const InkBox& box) {
    if (points.size() < 3) {
        return whole(points);
    }
    const auto meets = [&box](std::initializer_list<QPointF> corners) {
        InkBox around;
        for (const QPointF& c : corners) {
            around.include(ink_point(c.x(), c.y()));
        }
        return around.grown(1).meets(box);
    };
    QPainterPath path;
    for (std::size_t k = 2; k < points.size(); ++k) {
        const QPointF from = k == 2 ? at(points[0]) : mid(points[k - 2], points[k - 1]);
        const QPointF to = mid(points[k - 1], points[k]);
        if (meets({from, at(points[k - 1]), to})) {
            path.moveTo(from);
            path.quadTo(at(points[k - 1]), to);
        }
    }
    const QPointF last = mid(points[points.size() - 2], points.back());
    if (meets({last, at(points.back())})) {
        path.moveTo(last);
        path.lineTo(at(points.back()));
    }
    return path;
}

QPen ink_pen(int colour) {
    return QPen(pen_colour(colour), kInkWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// Strokes a path in twips onto a painter that draws in pixels. A stroke of one point is
// a dot.
void paint_path(QPainter& painter, const QPainterPath& path, int colour) {
    painter.setPen(ink_pen(colour));
    painter.setBrush(Qt::NoBrush);
    if (path.elementCount() == 2 && path.elementAt(0) == path.elementAt(1)) {
        painter.drawPoint(path.elementAt(0));
    } else {
        painter.drawPath(path);
    }
}

InkBox box_of(const QPainterPath& path) {
    const QRectF r = path.controlPointRect();
    InkBox box;
    box.include(ink_point(r.left(), r.top()));
    box.include(ink_point(r.right(), r.bottom()));
    return box;
}

std::vector<KeyBinding> pen_keys(InkLayer* layer) {
    const QPointer<InkLayer> ink(layer);
    const auto with = [ink](void (InkLayer::*action)()) {
        return [ink, action](int) {
            if (ink) {
                (ink->*action)();
            }
        };
    };
    QList<QKeyCombination> colours;
    for (int i = 0; i < kPenColours; ++i) {
        colours << QKeyCombination(Qt::AltModifier, Qt::Key(Qt::Key_1 + i));
    }
    return {
        {{Qt::Key_P},
         Ink::tr("P"),
         Ink::tr("pen on and off: write over the screen"),
         with(&InkLayer::toggle_pen)},
        {colours, Ink::tr("Alt+1 to Alt+4"), Ink::tr("pen in white, yellow, red or black"),
         [ink](int which) {
             if (ink) {
                 ink->choose_colour(which);
             }
         }},
        {{Qt::Key_E},
         Ink::tr("E"),
         Ink::tr("eraser: takes away a stroke it touches"),
         with(&InkLayer::choose_eraser)},
        {{Qt::Key_C}, Ink::tr("C"), Ink::tr("clear the ink"), with(&InkLayer::clear_board)},
        {{QKeyCombination(Qt::ControlModifier, Qt::Key_Z)},
         Ink::tr("Ctrl+Z"),
         Ink::tr("take back the last stroke, erasing or clearing"),
         with(&InkLayer::undo)},
        {{QKeyCombination(Qt::ControlModifier, Qt::Key_S)},
         Ink::tr("Ctrl+S"),
         Ink::tr("save the board as a picture"),
         with(&InkLayer::save_board)},
    };
}

} // namespace

QColor pen_colour(int index) {
    static const QColor kColours[kPenColours] = {kWhite, kYellow, {187, 0, 0}, kBlack};
    return kColours[std::clamp(index, 0, kPenColours - 1)];
}

QString pen_colour_name(int index) {
    static const char* const kNames[kPenColours] = {
        QT_TRANSLATE_NOOP("Ink", "White pen"), QT_TRANSLATE_NOOP("Ink", "Yellow pen"),
        QT_TRANSLATE_NOOP("Ink", "Red pen"), QT_TRANSLATE_NOOP("Ink", "Black pen")};
    return Ink::tr(kNames[std::clamp(index, 0, kPenColours - 1)]);
}

namespace {
int g_colour = 0;
} // namespace

int InkLayer::colour() {
    return g_colour;
}

InkLayer::InkLayer(Form& form) : QWidget(&form), form_(form) {
    setObjectName("ink");
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    strip_ = new PenStrip(form, *this);
    status_ = new QLabel(&form);
    status_->setObjectName("inkstatus");
    status_->setFocusPolicy(Qt::NoFocus);
    status_->setAttribute(Qt::WA_TransparentForMouseEvents);
    status_->hide();
    status_timer_ = new QTimer(this);
    status_timer_->setSingleShot(true);
    connect(status_timer_, &QTimer::timeout, status_, &QWidget::hide);
    form.stage()->installEventFilter(this);
    follow_stage();
    show();
    raise();
    strip_->raise();
    ScreenKeys::of(form).add(pen_keys(this));
}

// ---- The pen's tools ----

void InkLayer::set_mode(PenMode mode) {
    if (mode == mode_) {
        return;
    }
    if (mode_ == PenMode::Off) {
        // A press or a drag in hand on the screen ends where it started: the pointer
        // now writes.
        let_go(form_);
    }
    finish_stroke();
    pressed_ = false;
    if (eraser_at_.x() >= 0) {
        update(QRect(eraser_at_.toPoint(), QSize())
                   .adjusted(-px(kEraserReach) - 2, -px(kEraserReach) - 2, px(kEraserReach) + 2,
                             px(kEraserReach) + 2));
        eraser_at_ = {-1, -1};
    }
    mode_ = mode;
    const bool on = mode != PenMode::Off;
    setAttribute(Qt::WA_TransparentForMouseEvents, !on);
    setAttribute(Qt::WA_AcceptTouchEvents, on);
    if (on) {
        setCursor(Qt::CrossCursor);
    } else {
        unsetCursor();
    }
    strip_->show_state(mode_, g_colour);
}

void InkLayer::toggle_pen() {
    const bool on = mode_ == PenMode::Off;
    set_mode(on ? PenMode::Draw : PenMode::Off);
    announce(on ? Ink::tr("Pen on") : Ink::tr("Pen off"));
}

void InkLayer::choose_colour(int index) {
    g_colour = std::clamp(index, 0, kPenColours - 1);
    set_mode(PenMode::Draw);
    strip_->show_state(mode_, g_colour);
    announce(pen_colour_name(g_colour));
}

void InkLayer::choose_eraser() {
    set_mode(PenMode::Erase);
    announce(Ink::tr("Eraser"));
}

void InkLayer::clear_board() {
    finish_stroke();
    ink_changed(sheet_.clear());
    announce(Ink::tr("Board cleared"));
}

void InkLayer::undo() {
    finish_stroke();
    if (const auto box = sheet_.undo()) {
        ink_changed(*box);
        announce(Ink::tr("Undone"));
    }
}

void InkLayer::forget() {
    const InkBox box = inked_;
    sheet_.forget();
    pressed_ = false;
    ink_changed(box);
}

void InkLayer::reset() {
    forget();
    set_mode(PenMode::Off);
    status_->hide();
}

void InkLayer::save_board() {
    finish_stroke();
    // The board as the class sees it, without the pen's own strip and lines.
    const bool strip_shown = strip_->isVisible();
    strip_->hide();
    status_->hide();
    const QImage picture = form_.grab(form_.stage()->geometry()).toImage();
    strip_->setVisible(strip_shown);
    const QString screen =
        form_.accessibleName().isEmpty() ? form_.caption() : form_.accessibleName();
    const QString folder = board_folder();
    const SavedBoard saved =
        save_board_picture(picture, folder, board_file_name(screen, QDateTime::currentDateTime()));
    if (saved.error.isEmpty()) {
        // The name first: a reader says it before the long folder.
        const QFileInfo file(saved.path);
        const QString text = Ink::tr("Saved as %1 in %2")
                                 .arg(file.fileName(), QDir::toNativeSeparators(file.path()));
        show_status(text);
        announce(text);
        return;
    }
    const QString text = Ink::tr("The board was not saved in %1: %2")
                             .arg(QDir::toNativeSeparators(folder), saved.error);
    std::fprintf(stderr, "chalkline: %s\n", qPrintable(text));
    show_status(text);
    announce(text);
}

void InkLayer::announce(const QString& text) {
    if (!announcer_) {
        announcer_ = new Announcer(&form_);
    }
    announcer_->announce(text);
}

void InkLayer::show_status(const QString& text) {
    QFont font("Tahoma");
    font.setPixelSize(font_px(10));
    status_->setFont(font);
    status_->setStyleSheet(QString("color: white; background: rgba(0, 0, 0, 190); padding: %1px")
                               .arg(reference_px(3)));
    const QRect stage = form_.stage()->geometry();
    status_->setText(
        QFontMetrics(font).elidedText(text, Qt::ElideMiddle, stage.width() - reference_px(20)));
    status_->adjustSize();
    status_->move(stage.left() + reference_px(4),
                  stage.bottom() + 1 - status_->height() - reference_px(4));
    status_->show();
    status_->raise();
    status_timer_->start(kStatusMs);
}

QString InkLayer::status() const {
    return status_->isVisible() ? status_->text() : QString();
}

// ---- Following the screen ----

bool InkLayer::eventFilter(QObject* watched, QEvent* event) {
    if (watched == form_.stage() &&
        (event->type() == QEvent::Move || event->type() == QEvent::Resize)) {
        follow_stage();
    }
    return false;
}

void InkLayer::follow_stage() {
    setGeometry(form_.stage()->geometry());
    strip_->place(form_.stage()->geometry());
    if (status_->isVisible()) {
        status_->hide();
    }
    // The strokes are drawn again at the new scale when next painted.
    if (picture_.size() != device(rect()).size()) {
        picture_ = QImage();
    }
}

QPointF InkLayer::twips(QPointF pixels) const {
    return pixels * twips_per_pixel();
}

QRect InkLayer::pixels(const InkBox& box) const {
    if (box.empty()) {
        return {};
    }
    const double tpp = twips_per_pixel();
    const double reach = kInkWidth / 2.0 + 2 * tpp;
    return QRectF(QPointF((box.left - reach) / tpp, (box.top - reach) / tpp),
                  QPointF((box.right + reach) / tpp, (box.bottom + reach) / tpp))
        .toAlignedRect();
}

QRect InkLayer::device(const QRect& logical) const {
    const qreal dpr = devicePixelRatioF();
    return QRectF(logical.x() * dpr, logical.y() * dpr, logical.width() * dpr,
                  logical.height() * dpr)
        .toAlignedRect();
}

QRect InkLayer::tail_rect() const {
    const InkStroke* stroke = sheet_.current();
    return stroke ? pixels(box_of(tail(stroke->points))) : QRect();
}

// ---- Drawing ----

void InkLayer::ensure_picture() {
    const QSize size = device(rect()).size();
    if (picture_.size() == size || sheet_.empty() || size.isEmpty()) {
        return;
    }
    picture_ = QImage(size, kPictureFormat);
    picture_.fill(Qt::transparent);
    draw_all();
}

void InkLayer::draw_all() {
    QPainter painter(&picture_);
    painter.setRenderHint(QPainter::Antialiasing);
    const double scale = devicePixelRatioF() / twips_per_pixel();
    painter.scale(scale, scale);
    sheet_.for_each_shown(
        [&](const InkStroke& stroke) { paint_path(painter, whole(stroke.points), stroke.colour); });
}

void InkLayer::draw_again(const InkBox& box) {
    if (picture_.isNull() || box.empty()) {
        return;
    }
    const QRect area = device(pixels(box)) & picture_.rect();
    QPainter painter(&picture_);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(area, Qt::transparent);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.setClipRect(area);
    painter.setRenderHint(QPainter::Antialiasing);
    const double scale = devicePixelRatioF() / twips_per_pixel();
    painter.scale(scale, scale);
    const InkBox reach = box.grown(kInkWidth);
    sheet_.for_each_shown([&](const InkStroke& stroke) {
        if (stroke.box.meets(reach)) {
            paint_path(painter, near(stroke.points, reach), stroke.colour);
        }
    });
}

void InkLayer::draw_newest_piece() {
    const InkStroke* stroke = sheet_.current();
    if (!stroke || stroke->points.size() < 3 || picture_.isNull()) {
        return;
    }
    QPainter painter(&picture_);
    painter.setRenderHint(QPainter::Antialiasing);
    const double scale = devicePixelRatioF() / twips_per_pixel();
    painter.scale(scale, scale);
    paint_path(painter, piece(stroke->points, stroke->points.size() - 1), stroke->colour);
}

void InkLayer::ink_changed(const InkBox& box) {
    inked_ = sheet_.box();
    if (sheet_.empty() && !sheet_.drawing()) {
        // No ink, no picture: an empty board costs no memory.
        picture_ = QImage();
    } else {
        draw_again(box);
    }
    update(pixels(box));
}

void InkLayer::paintEvent(QPaintEvent* event) {
    if (sheet_.empty() && eraser_at_.x() < 0) {
        return;
    }
    QPainter painter(this);
    if (!sheet_.empty()) {
        ensure_picture();
        const QRect inked = pixels(inked_);
        for (const QRect& area : event->region()) {
            const QRect part = area & inked;
            if (!part.isEmpty()) {
                draw_picture(painter, picture_, device(part) & picture_.rect(), part.topLeft(),
                             devicePixelRatioF());
            }
        }
    }
    painter.setRenderHint(QPainter::Antialiasing);
    const double scale = 1 / twips_per_pixel();
    if (const InkStroke* stroke = sheet_.current()) {
        painter.save();
        painter.scale(scale, scale);
        paint_path(painter, tail(stroke->points), stroke->colour);
        painter.restore();
    }
    if (eraser_at_.x() >= 0) {
        const double r = kEraserReach * scale;
        painter.setPen(QPen(kWhite, reference_px(2)));
        painter.setBrush(QColor(255, 255, 255, 60));
        painter.drawEllipse(eraser_at_, r, r);
    }
}

// ---- The pen's gestures ----

void InkLayer::press_at(QPointF point) {
    pressed_ = true;
    const InkPoint p = ink_point(twips(point).x(), twips(point).y());
    if (mode_ == PenMode::Erase) {
        last_erased_at_ = p;
        move_to(point);
        return;
    }
    finish_stroke();
    if (!sheet_.begin(p, g_colour)) {
        pressed_ = false;
        show_status(Ink::tr("The board is full: clear some ink to write more"));
        return;
    }
    ensure_picture();
    inked_.include(p);
    update(tail_rect());
}

void InkLayer::move_to(QPointF point) {
    if (!pressed_) {
        return;
    }
    last_at_ = point;
    const InkPoint p = ink_point(twips(point).x(), twips(point).y());
    if (mode_ == PenMode::Erase) {
        const double r = kEraserReach / twips_per_pixel() + 2;
        const QPointF before = eraser_at_;
        eraser_at_ = point;
        update(QRectF(point - QPointF(r, r), point + QPointF(r, r)).toAlignedRect());
        if (before.x() >= 0) {
            update(QRectF(before - QPointF(r, r), before + QPointF(r, r)).toAlignedRect());
        }
        InkBox gone;
        for (const InkBox& box : sheet_.erase(last_erased_at_, p, kEraserReach)) {
            gone.include(box);
        }
        last_erased_at_ = p;
        if (!gone.empty()) {
            ink_changed(gone);
        }
        return;
    }
    const InkStroke* stroke = sheet_.current();
    if (!stroke) {
        return;
    }
    QRect changed = tail_rect();
    InkBox tail_box = box_of(tail(stroke->points));
    tail_box.include(p);
    const std::size_t before = stroke->points.size();
    const InkSheet::Growth growth = sheet_.extend(p);
    if (!growth.kept) {
        return;
    }
    inked_.include(p);
    if (growth.split) {
        // The stroke that reached its length was finished (and simplified): it is drawn
        // whole, and the new one starts at the pen.
        draw_again(tail_box);
        changed |= tail_rect();
    } else if (before >= 2) {
        draw_newest_piece();
        changed |= pixels(box_of(piece(stroke->points, stroke->points.size() - 1)));
    }
    update(changed | tail_rect());
}

void InkLayer::release_at(QPointF point) {
    if (!pressed_) {
        return;
    }
    move_to(point);
    pressed_ = false;
    if (mode_ == PenMode::Erase) {
        const QPointF was = eraser_at_;
        eraser_at_ = {-1, -1};
        const double r = kEraserReach / twips_per_pixel() + 2;
        update(QRectF(was - QPointF(r, r), was + QPointF(r, r)).toAlignedRect());
        return;
    }
    finish_stroke();
}

void InkLayer::finish_stroke() {
    const InkStroke* stroke = sheet_.current();
    if (!stroke) {
        return;
    }
    const QRect changed = tail_rect();
    if (!picture_.isNull()) {
        QPainter painter(&picture_);
        painter.setRenderHint(QPainter::Antialiasing);
        const double scale = devicePixelRatioF() / twips_per_pixel();
        painter.scale(scale, scale);
        paint_path(painter, tail(stroke->points), stroke->colour);
    }
    sheet_.end();
    update(changed);
}

void InkLayer::add_stroke(const std::vector<QPointF>& points, int colour) {
    if (points.empty() || !sheet_.begin(ink_point(points[0].x(), points[0].y()), colour)) {
        return;
    }
    for (const QPointF& p : points) {
        sheet_.extend(ink_point(p.x(), p.y()));
    }
    sheet_.end();
    inked_ = sheet_.box();
    picture_ = QImage();
    update(pixels(inked_));
}

std::size_t InkLayer::ink_bytes() const {
    return sheet_.bytes() + std::size_t(picture_.sizeInBytes());
}

void InkLayer::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        press_at(event->position());
    }
}

void InkLayer::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() & Qt::LeftButton) {
        move_to(event->position());
    }
}

void InkLayer::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        release_at(event->position());
    }
}

// A stylus writes as the mouse does; taken here, the toolkit makes no mouse events of it.
void InkLayer::tabletEvent(QTabletEvent* event) {
    switch (event->type()) {
    case QEvent::TabletPress:
        press_at(event->position());
        break;
    case QEvent::TabletMove:
        if (event->buttons() != Qt::NoButton) {
            move_to(event->position());
        }
        break;
    case QEvent::TabletRelease:
        release_at(event->position());
        break;
    default:
        break;
    }
    event->accept();
}

// One finger writes; the others, and the palm, are passed over.
bool InkLayer::event(QEvent* event) {
    switch (event->type()) {
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel: {
        const auto* touch = static_cast<QTouchEvent*>(event);
        // The system took the touch away: the stroke ends where it had come to.
        if (event->type() == QEvent::TouchCancel) {
            if (pressed_) {
                release_at(mode_ == PenMode::Erase ? eraser_at_ : last_at_);
            }
            touch_id_ = -1;
            return true;
        }
        for (const QEventPoint& point : touch->points()) {
            if (touch_id_ < 0 && point.state() == QEventPoint::Pressed) {
                touch_id_ = point.id();
                press_at(point.position());
            } else if (point.id() == touch_id_) {
                if (point.state() == QEventPoint::Released) {
                    release_at(point.position());
                    touch_id_ = -1;
                } else {
                    move_to(point.position());
                }
            }
        }
        event->accept();
        return true;
    }
    default:
        return QWidget::event(event);
    }
}

// ---- The layer of a screen ----

InkLayer* ink_layer(const Form& form) {
    for (QObject* child : form.children()) {
        if (auto* layer = dynamic_cast<InkLayer*>(child)) {
            return layer;
        }
    }
    return nullptr;
}

InkLayer& start_ink(Form& form) {
    InkLayer* layer = ink_layer(form);
    if (!layer) {
        layer = new InkLayer(form);
    }
    layer->reset();
    return *layer;
}

void clear_ink(Form& form) {
    if (InkLayer* layer = ink_layer(form)) {
        layer->forget();
    }
}

} // namespace shell
