// SPDX-License-Identifier: GPL-3.0-or-later
#include "code_dialog.h"

#include "activity_form.h"
#include "display.h"
#include "handlers.h"
#include "problem_code.h"
#include "problem_codes.h"
#include "program.h"
#include "screens.h"
#include "worksheet.h"

#include <QApplication>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTimer>
#include <QVBoxLayout>

#include <cmath>

namespace shell {

namespace {

// The context of the dialogs' texts in the translations.
struct ProblemDialogs {
    Q_DECLARE_TR_FUNCTIONS(ProblemDialogs)
};

// Texts large enough to read at the board, growing with full screen.
QFont dialog_font(double points) {
    QFont font("DejaVu Sans");
    font.setPixelSize(int(std::lround(points * 96 / 72 * scale_factor())));
    return font;
}

// A fault in dark red, in the dialog's own font.
void set_fault_colour(QLabel* label) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor(176, 0, 0));
    label->setPalette(palette);
}

// The keys of the code pad: the kind's 1 and the characters of the codes, then rubbing
// out the last one.
constexpr int kPadColumns = 11;

class CodeDialog : public QDialog {
public:
    explicit CodeDialog(QWidget* parent) : QDialog(parent) {
        setObjectName("GoToProblem");
        setWindowTitle(ProblemDialogs::tr("Go to problem"));
        setFont(dialog_font(14));
        auto* layout = new QVBoxLayout(this);
        auto* prompt = new QLabel(ProblemDialogs::tr("The problem's code, as 24P-2-K7QM:"));
        layout->addWidget(prompt);
        code_ = new QLineEdit;
        code_->setObjectName("code");
        code_->setFont(dialog_font(24));
        code_->setMaxLength(16);
        prompt->setBuddy(code_);
        // Shown as the codes are written, whatever the case typed.
        connect(code_, &QLineEdit::textEdited, this, [this](const QString& text) {
            const int at = code_->cursorPosition();
            code_->setText(text.toUpper());
            code_->setCursorPosition(at);
        });
        layout->addWidget(code_);
        auto* pad = new QGridLayout;
        const QString keys =
            QString("1") + QString::fromLatin1(chalkline::kCodeAlphabet.data(),
                                               qsizetype(chalkline::kCodeAlphabet.size()));
        for (int i = 0; i < keys.size(); ++i) {
            auto* key = new QPushButton(keys.mid(i, 1));
            key->setFocusPolicy(Qt::NoFocus);
            key->setMinimumSize(dialog_font(14).pixelSize() * 2, dialog_font(14).pixelSize() * 2);
            connect(key, &QPushButton::clicked, this, [this, c = keys[i]] { type(c); });
            pad->addWidget(key, i / kPadColumns, i % kPadColumns);
        }
        auto* rub = new QPushButton(QString(QChar(0x232B)));
        rub->setAccessibleName(ProblemDialogs::tr("Rub out"));
        rub->setFocusPolicy(Qt::NoFocus);
        connect(rub, &QPushButton::clicked, this, [this] { code_->backspace(); });
        pad->addWidget(rub, int(keys.size()) / kPadColumns, int(keys.size()) % kPadColumns);
        layout->addLayout(pad);
        fault_ = new QLabel;
        fault_->setObjectName("fault");
        fault_->setWordWrap(true);
        set_fault_colour(fault_);
        layout->addWidget(fault_);
        auto* buttons = new QDialogButtonBox;
        buttons->addButton(ProblemDialogs::tr("Go"), QDialogButtonBox::AcceptRole);
        buttons->addButton(QDialogButtonBox::Cancel)->setText(ProblemDialogs::tr("Cancel"));
        connect(buttons, &QDialogButtonBox::accepted, this, [this] { go(); });
        connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
        layout->addWidget(buttons);
    }

    const std::optional<ProblemAddress>& address() const { return address_; }

private:
    void type(QChar c) {
        code_->insert(QString(c).toUpper());
        code_->setFocus();
    }
    void go() {
        const CodeReading reading = read_problem_code(code_->text());
        if (!reading.address) {
            fault_->setText(reading.fault);
            // A reader hears the dialog's new text (Orca reads it out); the focus stays in
            // the code to mend it.
            code_->setFocus();
            return;
        }
        address_ = reading.address;
        accept();
    }

    QLineEdit* code_;
    QLabel* fault_;
    std::optional<ProblemAddress> address_;
};

class WorksheetDialog : public QDialog {
public:
    explicit WorksheetDialog(ActivityForm& activity) : QDialog(&activity), activity_(activity) {
        setObjectName("Worksheet");
        setWindowTitle(ProblemDialogs::tr("Worksheet: %1").arg(activity.caption()));
        setFont(dialog_font(14));
        auto* layout = new QGridLayout(this);
        auto* count_label = new QLabel(ProblemDialogs::tr("Problems:"));
        count_ = new QSpinBox;
        count_->setObjectName("count");
        count_->setRange(1, kMostWorksheetProblems);
        count_->setValue(10);
        count_label->setBuddy(count_);
        layout->addWidget(count_label, 0, 0);
        layout->addWidget(count_, 0, 1);
        answers_ = new QCheckBox(ProblemDialogs::tr("With an answer key"));
        answers_->setObjectName("answers");
        answers_->setChecked(true);
        layout->addWidget(answers_, 1, 0, 1, 2);
        fault_ = new QLabel;
        fault_->setWordWrap(true);
        set_fault_colour(fault_);
        layout->addWidget(fault_, 2, 0, 1, 2);
        auto* buttons = new QDialogButtonBox;
        auto* save =
            buttons->addButton(ProblemDialogs::tr("Save as PDF..."), QDialogButtonBox::AcceptRole);
        auto* print =
            buttons->addButton(ProblemDialogs::tr("Print..."), QDialogButtonBox::ActionRole);
        buttons->addButton(QDialogButtonBox::Cancel)->setText(ProblemDialogs::tr("Cancel"));
        connect(save, &QPushButton::clicked, this, [this] { save_pdf(); });
        connect(print, &QPushButton::clicked, this, [this] { print_sheet(); });
        connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
        layout->addWidget(buttons, 3, 0, 1, 2);
    }

private:
    // The kind on show, the problem on the board first.
    Worksheet sheet() const {
        Worksheet sheet;
        sheet.screen = activity_.name();
        sheet.kind = activity_.kind();
        sheet.count = count_->value();
        sheet.seed = clock_seed();
        sheet.first = activity_.seed();
        sheet.answers = answers_->isChecked();
        return sheet;
    }

    void save_pdf() {
        const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        const QString suggested = folder + '/' + problem_code(activity_).replace('-', '_') + ".pdf";
        const QString path =
            QFileDialog::getSaveFileName(this, ProblemDialogs::tr("Save the worksheet"), suggested,
                                         ProblemDialogs::tr("PDF documents (*.pdf)"));
        if (path.isEmpty()) {
            return;
        }
        set_hourglass(true);
        const auto error = write_worksheet(sheet(), path, false);
        set_hourglass(false);
        if (error) {
            fault_->setText(*error);
            return;
        }
        accept();
    }

    void print_sheet() {
        QPrinter printer;
        QPrintDialog dialog(&printer, this);
        if (dialog.exec() != QDialog::Accepted) {
            return;
        }
        set_hourglass(true);
        SheetMaker maker(sheet());
        maker.paint(printer);
        set_hourglass(false);
        accept();
    }

    ActivityForm& activity_;
    QSpinBox* count_;
    QCheckBox* answers_;
    QLabel* fault_;
};

// Shows a dialog modal to the whole program, with the keyboard.
void show_dialog(QDialog* dialog) {
    dialog->setModal(true);
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
    // Again once the window system has mapped it, for a desktop without a window manager
    // (a kiosk session at the board).
    QTimer::singleShot(200, dialog, [dialog] { dialog->activateWindow(); });
}

} // namespace

// The dialogs open without an event loop of their own, so that input queued for the
// screen meanwhile is handled as ever; they go with their screen.
void ask_for_problem(Form& over) {
    auto* dialog = new CodeDialog(&over);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(dialog, &QDialog::accepted, dialog, [dialog] {
        // The problem comes once the dialog has gone: showing it may unload the screen
        // under the dialog.
        QTimer::singleShot(0, qApp, [address = *dialog->address()] {
            run_handler([&] { show_problem_at(address); });
        });
    });
    show_dialog(dialog);
}

KeyBinding go_to_problem_key(Form& form) {
    return {{QKeyCombination(Qt::ControlModifier, Qt::Key_G)},
            ProblemDialogs::tr("Ctrl+G"),
            ProblemDialogs::tr("go to a problem by its code"),
            [&form](int) { ask_for_problem(form); }};
}

void ask_for_worksheet(ActivityForm& activity) {
    auto* dialog = new WorksheetDialog(activity);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    show_dialog(dialog);
}

} // namespace shell
