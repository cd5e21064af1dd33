// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls.h"
#include "timer.h"

#include <QPointer>
#include <QScreen>
#include <QWidget>

#include <functional>
#include <optional>
#include <vector>

namespace shell {

// A label of a screen's design, as a table row.
struct LabelSpec {
    QString name;
    int index = -1;
    double left = 0, top = 0, width = 0, height = 0;
    QString caption;
    FontSpec font{};
    QColor fore = kYellow;
    bool opaque = false;
    QColor back = kBlack;
    bool border = false;
    Qt::Alignment align = Qt::AlignHCenter | Qt::AlignTop;
    bool visible = true;
    bool enabled = true;
};

// A screen: named controls shown in the program's window (program_window.h), one
// screen at a time. The constructor builds the design state; Form_Load runs once per
// load, when the form is first shown or touched.
//
// The form fills the window. Its controls stand on the stage, a child that covers
// exactly the design area: in a window the stage is the whole client area, the window
// being the design size; full screen, the window covers the screen and the stage is
// centred on it, with black margins around. Controls given the form as their parent
// are put on the stage. The window's size, place and caption are the shown form's.
class Form : public QWidget {
public:
    // The client area is width by height twips.
    Form(const QString& name, double width, double height);
    ~Form() override;

    QString name() const { return objectName(); }

    virtual void Form_Load() {}
    // Runs once as the form is unloaded, before its timers stop and it is discarded.
    virtual void Form_Unload() {}
    virtual void Form_MouseMove(const MouseArgs&) {}

    // Window properties, in twips where they are sizes.
    QString caption() const { return windowTitle(); }
    void set_caption(const QString& caption);
    QColor back_colour() const { return back_; }
    void set_back_colour(const QColor& colour);
    // Shown from the top left corner at its own size, decoded at that size; setting it
    // decodes it at once. Where it cannot be read, the back colour shows.
    const Picture& background_picture() const { return picture_; }
    void set_background_picture(const Picture& picture);
    // The background picture as it is drawn at the scale in use (empty without one).
    QPixmap background_as_drawn() const { return background_pixmap(); }
    double outer_width() const { return width_; }
    double outer_height() const { return height_; }
    void set_outer_size(double width, double height);
    double left_twips() const { return left_; }
    double top_twips() const { return top_; }
    void set_left(double twips);
    void set_top(double twips);

    // The area every control stands on, and its top left corner in the window's pixels.
    QWidget* stage() const { return stage_; }
    QPoint design_origin() const { return stage_->pos(); }
    // The rule that places the window on a desktop (style_form's, the title screen's),
    // run again when the window opens on another screen than the one it was placed for.
    void set_placement(std::function<void(Form&)> rule) { placement_ = std::move(rule); }
    // Shows the form in the program's window as the display asks: a window of the
    // design size at the form's place on the screen in use, or full screen on it.
    void present();
    // Whether the program's window shows this form.
    bool is_shown() const;

    // Controls by name, without regard to letter case. `control` finds a single control
    // (not an element of an array); `element` finds element index of an array.
    Control* control(const QString& name) const;
    Control* element(const QString& name, int index) const;
    template <class T> T* get(const QString& name) const { return dynamic_cast<T*>(control(name)); }
    template <class T> T* get(const QString& name, int index) const {
        return dynamic_cast<T*>(element(name, index));
    }
    // Elements present in an array, by index.
    std::vector<Control*> elements(const QString& name) const;

    // Creates element index of the label array name as a copy of element 0, invisible.
    Label* load_element(const QString& name, int index);

    // Builds a control of the design. Array elements of the design pass their index.
    template <class T, class... Args> T* add(QWidget* parent, const QString& name, Args&&... args) {
        auto* control =
            new T(parent && parent != this ? parent : stage_, name, std::forward<Args>(args)...);
        control->setObjectName(name);
        return control;
    }
    template <class T> T* add_element(QWidget* parent, const QString& name, int index) {
        auto* control = add<T>(parent, name);
        control->set_index(index);
        return control;
    }
    Label* add_label(QWidget* parent, const LabelSpec& design);
    Timer* add_timer(const QString& name, int interval_ms, bool enabled);
    Timer* timer(const QString& name) const;
    // Every timer of the form, in the order added.
    std::vector<Timer*> timers() const;

    // Stops every timer for good; the registry calls it on unload.
    void kill_timers();
    // Holds every timer where it is while a cover hides the screen, and lets them go on
    // from there (timer.h).
    void pause_timers(bool paused);

    // A screen is left once a move has shown another screen or unloaded it. From then on
    // it takes no input: the keyboard layer drops its clicks and drags and passes its
    // keys on to the screen in use.
    bool is_left() const { return left_behind_; }
    // Puts every control back to its twips after the twips factor has changed.
    void apply_scale();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QPixmap background_pixmap() const;
    // Sizes the form (the design in a window, the window full screen), the program's
    // window with it while it shows the form, and centres the stage.
    void fit_stage();
    // Centres the stage on the form as it stands (a window's client area is the stage).
    void centre_stage();
    // Moves the window to its place in twips on the screen that place is for.
    void move_window();
    // Moves it there, or places it afresh when that place is for another screen or scale.
    void place_window();

    QWidget* stage_ = nullptr;
    QColor back_{192, 192, 192};
    Picture picture_;
    double width_ = 0, height_ = 0, left_ = 0, top_ = 0;
    std::function<void(Form&)> placement_;
    // The screen and the scale the place in twips was worked out for.
    struct PlacedFor {
        QPointer<QScreen> screen;
        double twips_per_pixel = 0;
    } placed_for_;
    // Where the window stood before it went full screen, to come back to exactly.
    struct WindowPlace {
        QPoint corner;
        QPointer<QScreen> screen;
    };
    std::optional<WindowPlace> window_place_;
    bool left_behind_ = false;

    friend Form* show_form(const QString& name);
    friend void unload_form(const QString& name);
};

// The part of a background picture that shows on a stage of that size (pixels at the
// scale in use), decoded for painting at the device pixel ratio; the picture cache keeps
// it, so a screen about to open can have its picture ready before it is asked for.
QPixmap background_for(const Picture& picture, QSize stage, qreal dpr);
// Whether drawing it now needs no decode.
bool background_ready(const Picture& picture, QSize stage, qreal dpr);

} // namespace shell
