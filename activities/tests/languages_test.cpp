// SPDX-License-Identifier: GPL-3.0-or-later
// Every screen read as the class and a screen reader meet it, in every language: the
// title screen (also as it asks whether to leave), the first menu, the five menus, and
// each activity with its list of keys, its blank screen, a new problem, and each kind
// with its solution fully shown. What is read: every showing control's caption, its
// accessible name, description and value, the screen's own, and every notice spoken.
//
// In every language, no caption with words is drawn smaller than in English unless it
// still stands at 12 points or more, and each screen's list of keys fits on it.
//
// In the pseudo-language (translations/pseudo_translation.cpp) every text of the code is
// a third longer and marked ⟦so⟧: a text with letters outside the marks never went
// through a translation, and a number with a decimal point outside them never through
// the language's numbers; and the sizes are held to the same rule as above. The pass
// names what it finds with its screen. What is not yet mended is listed in
// untranslated_leftovers.txt, one a line: the pass reports it, and fails on anything
// else it finds and on a listed line it no longer finds.

#include "activities.h"
#include "activity_form.h"
#include "language.h"
#include "menu_forms.h"
#include "overlays.h"
#include "random.h"
#include "screen_harness.h"
#include "screens.h"
#include "timer.h"
#include "title_form.h"
#include "twips.h"

#include <QAccessible>
#include <QFile>
#include <QtTest>

using namespace shell;

using shell::testing::click;

namespace {

// Problems made of each kind: enough that a leftover in some problems only is met.
constexpr int kProblemsPerKind = 4;

// A text met on a screen at a moment of the pass ("fourrules", "Option2 solution").
struct Met {
    QString screen, moment, text;
    bool spoken = false; // a problem or answer sentence, or a notice
};

// The smallest size each caption with words is drawn at over the pass, by "screen
// control[index]", with the caption drawn so.
struct Drawn {
    QString screen, caption;
    int px = 0;
};
using Sizes = QMap<QString, Drawn>;

// Everything one pass over the screens met.
struct Pass {
    QList<Met> texts;
    Sizes sizes;
    QMap<QString, QString> unfit; // each screen whose list of keys is cut, and how
};

// Where the pass stands, for the notices the screen reader is sent.
struct Place {
    Pass* pass = nullptr;
    QString screen, moment;
};
Place& place() {
    static Place now;
    return now;
}

// Every notice a screen reader would speak, as it is sent: a notification is spoken as
// it starts showing. (The offscreen platform sends no accessibility events: the widgets'
// own events tell.)
class NoticeRecorder : public QObject {
protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() != QEvent::Show || place().pass == nullptr) {
            return false;
        }
        QAccessibleInterface* shown = QAccessible::queryAccessibleInterface(object);
        if (shown && shown->role() == QAccessible::Notification) {
            place().pass->texts.append(
                {place().screen, place().moment + " notice", shown->text(QAccessible::Name), true});
        }
        return false;
    }
};

void at(const Form& form, const QString& moment) {
    place().screen = form.name();
    place().moment = moment;
}

// Reads the form as it shows now.
void read(const Form& form, const QString& moment, Pass& pass) {
    at(form, moment);
    const auto add = [&](const QString& text, bool spoken = false) {
        if (!text.trimmed().isEmpty()) {
            pass.texts.append({form.name(), moment, text, spoken});
        }
    };
    const auto measure = [&](const QWidget* control, const QString& caption, const QFont& drawn) {
        if (!caption.contains(QRegularExpression("[^\\W\\d_]"))) {
            return;
        }
        const auto* as_control = dynamic_cast<const Control*>(control);
        const QString key = QString("%1 %2[%3]")
                                .arg(form.name(), control->objectName())
                                .arg(as_control ? as_control->index() : -1);
        if (!pass.sizes.contains(key) || drawn.pixelSize() < pass.sizes[key].px) {
            pass.sizes[key] = {form.name(), caption, drawn.pixelSize()};
        }
    };
    QList<QWidget*> widgets = form.findChildren<QWidget*>();
    widgets.prepend(const_cast<Form*>(&form));
    for (QWidget* widget : widgets) {
        if (widget != &form && !widget->isVisibleTo(&form)) {
            continue;
        }
        if (QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(widget)) {
            for (const auto kind :
                 {QAccessible::Name, QAccessible::Description, QAccessible::Value}) {
                add(reader->text(kind), widget == &form && kind == QAccessible::Description);
            }
        }
        if (const auto* label = dynamic_cast<const Label*>(widget)) {
            add(label->shown_text());
            measure(label, label->shown_text(), label->caption_font());
        } else if (const auto* option = dynamic_cast<const OptionButton*>(widget)) {
            add(option->text());
            measure(option, option->text(), option->caption_font());
        } else if (const auto* button = dynamic_cast<const CommandButton*>(widget)) {
            add(button->caption());
            measure(button, button->caption(), button->caption_font());
        } else if (const auto* frame = dynamic_cast<const Frame*>(widget)) {
            add(frame->caption());
            measure(frame, frame->caption(), frame->caption_font());
        }
    }
}

// Runs the screen's timers, as time would, until its answer is read out (bounded: a
// reveal that never ends is read where it stands).
void run_reveal(ActivityForm& form) {
    const QString answer = QCoreApplication::translate("ActivityForm", "Answer: %1").arg("");
    for (int round = 0; round < 2000 && !form.sentence().contains(answer); ++round) {
        for (Timer* timer : form.timers()) {
            timer->fire();
        }
    }
}

void leave_every_screen() {
    for (Form* form : loaded_forms()) {
        unload_form(form->name());
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void read_activity(ActivityForm& form, Pass& pass) {
    read(form, "shown", pass);
    at(form, "keys");
    show_key_help(form);
    read(form, "keys", pass);
    if (const QRect panel = key_list_panel(form); !form.rect().contains(panel)) {
        pass.unfit[form.name()] = QString("%1 by %2 px on a screen of %3 by %4")
                                      .arg(panel.width())
                                      .arg(panel.height())
                                      .arg(form.width())
                                      .arg(form.height());
    }
    close_overlay(form);
    at(form, "blank");
    show_blank(form);
    close_overlay(form);

    at(form, "next");
    click(form.cmdgo);
    read(form, "next", pass);
    QList<OptionButton*> kinds;
    for (OptionButton* option : form.findChildren<OptionButton*>()) {
        if (option->isVisibleTo(&form)) {
            kinds << option;
        }
    }
    // Each kind (a screen without kinds, its own) with a few problems, each solved.
    for (qsizetype i = 0; i < std::max<qsizetype>(kinds.size(), 1); ++i) {
        const QString kind = kinds.isEmpty() ? QString() : kinds[i]->objectName() + ' ';
        if (!kinds.isEmpty()) {
            at(form, kind + "problem");
            click(kinds[i]);
            read(form, kind + "problem", pass);
        }
        for (int round = 0; round < kProblemsPerKind; ++round) {
            if (round > 0) {
                at(form, kind + "next");
                click(form.cmdgo);
                read(form, kind + "next", pass);
            }
            at(form, kind + "solution");
            click(form.cmdsoln);
            run_reveal(form);
            read(form, kind + "solution", pass);
        }
    }
}

// One pass over every screen in the language in use, meeting the same problems each time.
Pass read_every_screen() {
    chalkline::ClockRandom::fix_start(20261208);
    Pass pass;
    place().pass = &pass;
    Form* title = show_form("Titlefrm");
    read(*title, "shown", pass);
    auto* first = static_cast<MenuScreen*>(show_form("intro0"));
    unload_form("Titlefrm");
    read(*first, "shown", pass);
    // Exit on the first menu: the title screen asks whether to leave.
    at(*first, "exit");
    click(first->exit_button);
    read(*loaded_form("Titlefrm"), "leaving", pass);
    leave_every_screen();
    for (int menu = 1; menu <= 5; ++menu) {
        read(*show_form(QString("menu%1").arg(menu)), "shown", pass);
        leave_every_screen();
    }
    for (const ActivityInfo* entry : chalkline::activities()) {
        read_activity(*static_cast<ActivityForm*>(show_form(entry->screen)), pass);
        leave_every_screen();
    }
    place().pass = nullptr;
    chalkline::ClockRandom::fix_start(std::nullopt);
    return pass;
}

// What does not fit in a language, by what the list of leftovers writes for it ("fdp
// too small: Decimals", "fdp too wide: the list of keys"), with how: each caption drawn
// smaller than in English and below 12 points, and each list of keys cut by its screen.
QMap<QString, QString> unfit(const Pass& english, const Pass& translated) {
    QMap<QString, QString> found;
    for (auto it = translated.sizes.begin(); it != translated.sizes.end(); ++it) {
        // "x" has a letter, its "×" none: captions are compared where both have.
        if (!english.sizes.contains(it.key())) {
            continue;
        }
        const Drawn& before = english.sizes[it.key()];
        const int least = std::min(before.px, font_px(12));
        if (it->px < least) {
            found[QString("%1 too small: %2").arg(it->screen, before.caption)] =
                QString("%1 '%2' %3 px, at least %4")
                    .arg(it.key(), it->caption)
                    .arg(it->px)
                    .arg(least);
        }
    }
    for (auto it = translated.unfit.begin(); it != translated.unfit.end(); ++it) {
        found[it.key() + " too wide: the list of keys"] = it.value();
    }
    return found;
}

// The signs a sentence for the screen reader holds where a word should be: a voice at
// its usual settings drops "?" and reads ";", "-" or "(" as punctuation. A "?" that ends
// a question (after a word), a hyphen inside a word and a colon before a space are
// punctuation.
QStringList bare_signs(const QString& sentence) {
    static const QRegularExpression sign(
        "[;+\\x{2212}\\x{00D7}\\x{00F7}\\x{00B7}=\\x{00B2}\\x{00B3}\\x{221A}%\\x{25A1}()/*\\x{00B1}"
        "\\x{2070}-\\x{2079}<>\\[\\]]|(?<!\\p{L})-|-(?!\\p{L})|\\d:\\d|(?<!\\p{L})\\?|\\?(?=\\S)");
    QStringList found;
    for (auto it = sign.globalMatch(sentence); it.hasNext();) {
        found << it.next().captured();
    }
    return found;
}

// ---- The marks of the pseudo-language ----

// Words that may stand outside the marks: names, web addresses and problem codes (what
// is left of a code once the digits at its ends are taken off, and its characters as the
// reader spells them, one by one: capitals and digits without I, L and O), and on some
// screens the letters of algebra, numerals, a cipher's alphabet and a symbol face's arrow, each
// pattern the whole word (for the screens, its letters alone: "(a + b)(a" is "ba").
struct Allowed {
    QRegularExpression screen, word;
};
const QList<Allowed>& allowed() {
    static const QList<Allowed> words = {
        {QRegularExpression(""), QRegularExpression("^(Chalkline|[\\w-]+(\\.[\\w-]+)+(/\\S*)?)$")},
        {QRegularExpression(""), QRegularExpression("^[2-9A-HJKMNP-Z]+(-[1-9A-HJKMNP-Z]*)*$")},
        {QRegularExpression("^roman$"), QRegularExpression("^[IVXLCDM]+$")},
        {QRegularExpression("^affine$"), QRegularExpression("^([A-Z]+|x|y|mod)$")},
        {QRegularExpression("^quadratic$"), QRegularExpression("^x+$")},
        {QRegularExpression("^pythagorean$"), QRegularExpression("^[abcmn]+$")},
        {QRegularExpression("^(rightangled|substitution)$"), QRegularExpression("^[abc]+$")},
        // Wingdings draws its arrow as the letter è.
        {QRegularExpression("^ordering$"), QRegularExpression("^è$")},
    };
    return words;
}

bool allowed_word(const QString& screen, const QString& word) {
    static const QRegularExpression other("\\P{L}");
    const QString letters = QString(word).remove(other);
    return std::any_of(allowed().begin(), allowed().end(), [&](const Allowed& entry) {
        return entry.screen.match(screen).hasMatch() &&
               (entry.word.match(word).hasMatch() ||
                (!entry.screen.pattern().isEmpty() && entry.word.match(letters).hasMatch()));
    });
}

// The stretches of a text outside the marks. Marks may hold marks: a translated word put
// into a translated sentence.
QStringList unmarked(const QString& text) {
    QStringList stretches{QString()};
    int depth = 0;
    for (const QChar c : text) {
        if (c == QChar(0x27E6)) {
            if (depth++ == 0) {
                stretches << QString();
            }
        } else if (c == QChar(0x27E7)) {
            depth = std::max(0, depth - 1);
        } else if (depth == 0) {
            stretches.last() += c;
        }
    }
    return stretches;
}

// What a text shows that no translation wrote, as the list of leftovers writes it: the
// words of each stretch outside the marks, numbers and signs left out and a word said
// twice running said once ("The sum is 45" is "The sum is", "3 x 4 x 5" is "x"); and
// "#.#" where a number outside the marks has a decimal point.
QStringList leftovers(const QString& screen, const QString& text) {
    static const QRegularExpression space("\\s+");
    static const QRegularExpression ends("^\\P{L}+|\\P{L}+$");
    static const QRegularExpression point("\\d\\.\\d");
    QStringList found;
    bool pointed = false;
    for (const QString& stretch : unmarked(text)) {
        QStringList words;
        for (const QString& token : stretch.split(space, Qt::SkipEmptyParts)) {
            pointed = pointed || token.contains(point);
            const QString word = QString(token).remove(ends);
            if (!word.isEmpty() && !allowed_word(screen, word) &&
                (words.isEmpty() || words.last() != word)) {
                words << word;
            }
        }
        if (!words.isEmpty()) {
            found << words.join(' ');
        }
    }
    if (pointed) {
        found << "#.#";
    }
    return found;
}

// The list of leftovers not yet mended: "screen text" a line.
QSet<QString> listed_leftovers() {
    QFile file(CHALKLINE_LEFTOVERS);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        qFatal("cannot read %s", CHALKLINE_LEFTOVERS);
    }
    QSet<QString> lines;
    for (const QString& line : QString::fromUtf8(file.readAll()).split('\n')) {
        if (!line.trimmed().isEmpty() && !line.startsWith("# ") && line != "#") {
            lines << line.simplified();
        }
    }
    return lines;
}

} // namespace

class LanguagesTest : public QObject {
    Q_OBJECT

    NoticeRecorder notices_;
    Pass english_;

private slots:
    void initTestCase() {
        register_title_form();
        register_menu_forms();
        chalkline::register_activities();
        qApp->installEventFilter(&notices_);
        english_ = read_every_screen();
        QVERIFY(english_.sizes.size() > 100);
    }
    void cleanup() { use_language("en"); }

    // Every problem and answer sentence and every notice, of every kind with its
    // solution, in words: no unknown, sign or structure left to a bare mark.
    void every_sentence_is_heard_in_words() {
        QMap<QString, QString> found;
        for (const Met& met : english_.texts) {
            if (const QStringList signs = bare_signs(met.text); met.spoken && !signs.isEmpty()) {
                found.insert(met.screen + ' ' + signs.join(' '),
                             QString("%1, %2: \"%3\"").arg(met.screen, met.moment, met.text));
            }
        }
        for (auto it = found.begin(); it != found.end(); ++it) {
            qWarning("%s", qPrintable(it.value()));
        }
        QVERIFY2(found.isEmpty(), "sentences holding bare signs, listed above");
    }

    // In the pseudo-language: every text through a translation, and every caption and
    // list of keys fitting with texts a third longer, but for the leftovers listed.
    void every_text_goes_through_a_translation_and_fits() {
        QVERIFY(use_language(kPseudoLanguage));
        const Pass pass = read_every_screen();
        QVERIFY2(std::any_of(pass.texts.begin(), pass.texts.end(),
                             [](const Met& met) { return met.moment.endsWith(" notice"); }),
                 "no notice to a screen reader was heard");
        // Each leftover found, with where it was first met.
        QMap<QString, QString> found = unfit(english_, pass);
        for (const Met& met : pass.texts) {
            for (const QString& leftover : leftovers(met.screen, met.text)) {
                const QString key = met.screen + ' ' + leftover;
                if (!found.contains(key)) {
                    found[key] = QString("%1, %2: \"%3\"").arg(met.screen, met.moment, met.text);
                }
            }
        }
        const QSet<QString> listed = listed_leftovers();
        QStringList unlisted, gone;
        for (auto it = found.begin(); it != found.end(); ++it) {
            if (listed.contains(it.key())) {
                qInfo("leftover: %s (%s)", qPrintable(it.key()), qPrintable(it.value()));
            } else {
                unlisted << QString("%1\n    %2").arg(it.key(), it.value());
            }
        }
        for (const QString& line : listed) {
            if (!found.contains(line)) {
                gone << line;
            }
        }
        for (const QString& line : unlisted) {
            qWarning("not in the language or not fitting: %s", qPrintable(line));
        }
        for (const QString& line : gone) {
            qWarning("listed as a leftover but no longer met: %s", qPrintable(line));
        }
        QVERIFY2(unlisted.isEmpty(), "texts outside the translations or not fitting, listed above");
        QVERIFY2(gone.isEmpty(), "take the leftovers mended, listed above, off the list");
    }

    void every_screen_fits_in_french_german_and_spanish() {
        QStringList problems;
        for (const char* language : {"fr", "de", "es"}) {
            QVERIFY(use_language(language));
            const Pass translated = read_every_screen();
            const QMap<QString, QString> found = unfit(english_, translated);
            for (auto it = found.begin(); it != found.end(); ++it) {
                problems << QString("%1 %2 (%3)").arg(language, it.key(), it.value());
            }
            // Each language shows its own words.
            QVERIFY(translated.sizes.value("menu1 Label3[0]").caption != "Match the Target");
        }
        for (const QString& line : problems) {
            qWarning("%s", qPrintable(line));
        }
        QVERIFY2(problems.isEmpty(), "captions drawn too small or cut, listed above");
    }
};

QTEST_MAIN(LanguagesTest)
#include "languages_test.moc"
