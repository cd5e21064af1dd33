// SPDX-License-Identifier: GPL-3.0-or-later
// Every screen in every language: the title screen, the menus and each activity with a
// problem and its solution shown. No caption with words is cut, or drawn smaller than in
// English unless it still stands at 12 points or more.

#include "activities.h"
#include "activity_form.h"
#include "language.h"
#include "menu_forms.h"
#include "screens.h"
#include "timer.h"
#include "title_form.h"
#include "twips.h"

#include <QtTest>

using namespace shell;

namespace {

void click(QWidget* widget) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

// The size each caption with words is drawn at, by "screen Label3[2] state".
using Sizes = QMap<QString, QPair<QString, int>>;

void measure(const Form& form, const QString& state, Sizes& sizes) {
    const auto add = [&](const QWidget* control, const QString& caption, const QFont& drawn) {
        if (!control->isVisibleTo(&form) || !caption.contains(QRegularExpression("[^\\W\\d_]"))) {
            return;
        }
        const auto* as_control = dynamic_cast<const Control*>(control);
        const QString key = QString("%1 %2[%3] %4")
                                .arg(form.name(), control->objectName())
                                .arg(as_control ? as_control->index() : -1)
                                .arg(state);
        sizes[key] = {reader_text(caption), drawn.pixelSize()};
    };
    for (const Label* label : form.findChildren<Label*>()) {
        add(label, label->caption(), label->caption_font());
    }
    for (const OptionButton* option : form.findChildren<OptionButton*>()) {
        add(option, option->text(), option->caption_font());
    }
    for (const CommandButton* button : form.findChildren<CommandButton*>()) {
        add(button, button->caption(), button->caption_font());
    }
}

// Every screen shown, and each activity with a problem and with its solution.
Sizes measure_every_screen() {
    QStringList screens = {"Titlefrm", "intro0"};
    for (int menu = 1; menu <= 5; ++menu) {
        screens << QString("menu%1").arg(menu);
    }
    for (const ActivityEntry& entry : chalkline::activities()) {
        screens << entry.screen;
    }
    Sizes sizes;
    for (const QString& screen : screens) {
        Form* form = show_form(screen);
        measure(*form, "shown", sizes);
        if (auto* activity = dynamic_cast<ActivityForm*>(form)) {
            click(activity->cmdgo);
            measure(*form, "problem", sizes);
            click(activity->cmdsoln);
            for (int round = 0; round < 2000; ++round) {
                for (Timer* timer : form->timers()) {
                    timer->fire();
                }
            }
            measure(*form, "solution", sizes);
        }
        unload_form(screen);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    return sizes;
}

} // namespace

class LanguagesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        register_title_form();
        register_menu_forms();
        chalkline::register_activities();
    }
    void cleanup() { use_language("en"); }

    void every_screen_fits_in_every_language() {
        const Sizes english = measure_every_screen();
        QVERIFY(english.size() > 100);
        QStringList shrunk;
        for (const char* language : {"fr", "de", "es"}) {
            QVERIFY(use_language(language));
            const Sizes translated = measure_every_screen();
            for (auto it = translated.begin(); it != translated.end(); ++it) {
                // "x" has a letter, its "×" none: captions are compared where both have.
                if (!english.contains(it.key())) {
                    continue;
                }
                const int least = std::min(english[it.key()].second, font_px(12));
                if (it->second < least) {
                    shrunk << QString("%1 %2 '%3' %4 px, at least %5")
                                  .arg(language, it.key(), it->first)
                                  .arg(it->second)
                                  .arg(least);
                }
            }
            // Each language shows its own words.
            QVERIFY(translated.value("menu1 Label3[0] shown").first != "Match the Target");
        }
        for (const QString& line : shrunk) {
            qWarning("%s", qPrintable(line));
        }
        QVERIFY2(shrunk.isEmpty(), "captions drawn too small, listed above");
    }
};

QTEST_MAIN(LanguagesTest)
#include "languages_test.moc"
