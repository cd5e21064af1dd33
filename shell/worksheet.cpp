// SPDX-License-Identifier: GPL-3.0-or-later
// Worksheets: the problems of one kind drawn on paper as the board draws them, with an
// answer key, or as the screen reader's sentences one a line.
#include "worksheet.h"

#include "activity_form.h"
#include "activity_table.h"
#include "language.h"
#include "paper.h"
#include "problem_code.h"
#include "problem_codes.h"
#include "random.h"
#include "twips.h"

#include <QCoreApplication>
#include <QDate>
#include <QDateTime>
#include <QFileInfo>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include <algorithm>
#include <cmath>
#include <memory>

#if defined(__GLIBC__)
#include <clocale>
#include <langinfo.h>
#endif

namespace shell {

namespace {

// The context of the worksheets' texts in the translations.
struct Worksheets {
    Q_DECLARE_TR_FUNCTIONS(Worksheets)
};

// The board is drawn at twice the reference scale, so that its captions are fitted to
// their boxes as finely as full screen fits them.
constexpr double kPaperTwipsPerPixel = 7.5;
// How often a problem that repeats the one before it is drawn again, as Next does.
constexpr int kRedraws = 20;

// The page in millimetres.
constexpr double kMargin = 15;
constexpr double kProblemHead = 8;
constexpr double kWorkSpace = 30;

// Whether the locale's paper is Letter: the C library's paper size where it has one,
// else the measurement system of the system's locale (the United States' is Letter).
bool letter_paper() {
#if defined(__GLIBC__) && defined(_NL_PAPER_WIDTH)
    const char* before = std::setlocale(LC_PAPER, nullptr);
    const std::string saved = before ? before : "C";
    if (std::setlocale(LC_PAPER, "")) {
        const auto width = reinterpret_cast<std::intptr_t>(nl_langinfo(_NL_PAPER_WIDTH));
        std::setlocale(LC_PAPER, saved.c_str());
        return width == 216;
    }
#endif
    return QLocale::system().measurementSystem() == QLocale::ImperialUSSystem;
}

// The factor of the screens while a sheet is made, and the one in force again after.
class PaperScale {
public:
    PaperScale() : saved_(twips_per_pixel()) { set_twips_per_pixel(kPaperTwipsPerPixel); }
    ~PaperScale() { set_twips_per_pixel(saved_); }
    PaperScale(const PaperScale&) = delete;
    PaperScale& operator=(const PaperScale&) = delete;

private:
    double saved_;
};

// Takes off the screen what is not the board: the status panel, the code (the sheet writes
// it beside the board), the options, the picture buttons, the scroll bars, and the frames
// left with nothing to show.
void hide_off_board(ActivityForm& form) {
    form.framestatus->set_visible(false);
    form.LabelCode->set_visible(false);
    const auto controls = form.stage()->findChildren<QWidget*>();
    for (QWidget* widget : controls) {
        if (dynamic_cast<OptionButton*>(widget) || dynamic_cast<PictureButton*>(widget) ||
            dynamic_cast<VScrollBar*>(widget)) {
            widget->hide();
        }
    }
    for (QWidget* widget : controls) {
        if (auto* frame = dynamic_cast<Frame*>(widget); frame && frame != form.framestatus) {
            const auto inside = frame->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
            if (!inside.isEmpty() && std::none_of(inside.begin(), inside.end(), [](QWidget* w) {
                    return w->isVisibleTo(w->parentWidget());
                })) {
                frame->hide();
            }
        }
    }
}

std::unique_ptr<ActivityForm> build_screen(const QString& screen) {
    const ActivityInfo* entry = activity_named(screen);
    if (!entry) {
        return nullptr;
    }
    std::unique_ptr<Form> form = entry->make();
    if (auto* activity = dynamic_cast<ActivityForm*>(form.get())) {
        form.release();
        return std::unique_ptr<ActivityForm>(activity);
    }
    return nullptr;
}

} // namespace

std::uint32_t clock_seed() {
    return std::uint32_t(QDateTime::currentMSecsSinceEpoch() % 4294967296LL);
}

struct SheetMaker::Parts {
    PaperScale scale;
    std::unique_ptr<ActivityForm> form;
};

SheetMaker::SheetMaker(const Worksheet& sheet) : sheet_(sheet), parts_(new Parts) {
    parts_->form = build_screen(sheet.screen);
    ActivityForm& form = *parts_->form;
    // No timer of the screen ticks: the sheet is made in one go, without the event loop.
    form.Form_Load();
    chalkline::SeededRandom random(sheet.seed);
    const auto draw = [&random] {
        return std::uint32_t(random.draw(0, int(chalkline::kSeedCount) - 1));
    };
    QString before;
    for (int i = 0; i < sheet.count; ++i) {
        std::uint32_t seed = i == 0 && sheet.first ? *sheet.first : draw();
        for (int tries = 0;; ++tries) {
            form.show_problem(sheet.kind, seed);
            // The whole problem, where the screen shows it in parts (a chain's rows).
            form.show_whole_problem();
            if (form.problem_sentence() != before || tries == kRedraws) {
                break;
            }
            seed = draw();
        }
        before = form.problem_sentence();
        SheetProblem problem;
        problem.seed = seed;
        problem.code = problem_code(form);
        problem.problem = form.problem_sentence();
        if (sheet.answers) {
            form.reveal_at_once();
            problem.answer = form.answer_sentence_shown();
        }
        problems_.push_back(problem);
    }
}

SheetMaker::~SheetMaker() {
    delete parts_;
}

QString SheetMaker::title() const {
    return parts_->form->caption();
}

QString SheetMaker::kind_caption() const {
    const auto* option = parts_->form->get<OptionButton>(QString("Option%1").arg(sheet_.kind + 1));
    return option ? option->text() : QString();
}

QString SheetMaker::text() const {
    QString text;
    for (std::size_t i = 0; i < problems_.size(); ++i) {
        const SheetProblem& p = problems_[i];
        // The numbers and signs as the language writes them, as on the board.
        QString line = Worksheets::tr("%1. Problem: %2 Code %3.")
                           .arg(i + 1)
                           .arg(reader_text(p.problem), p.code);
        if (!p.answer.isEmpty()) {
            line += ' ' + QCoreApplication::translate("ActivityForm", "Answer: %1")
                              .arg(reader_text(p.answer));
        }
        text += line + '\n';
    }
    return text;
}

void SheetMaker::paint(QPagedPaintDevice& device) {
    ActivityForm& form = *parts_->form;
    QPainter painter(&device);
    const double dpi = device.logicalDpiY();
    const double mm = dpi / 25.4;
    const QRectF page(0, 0, device.width(), device.height());
    const QRectF content = page.adjusted(kMargin * mm, kMargin * mm, -kMargin * mm, -kMargin * mm);
    const QLocale locale(current_language());

    const auto font = [&](double points, bool bold) {
        QFont f("DejaVu Sans");
        f.setPixelSize(std::max(1, int(std::lround(points / 72.0 * dpi))));
        f.setBold(bold);
        return f;
    };
    const QString title = form.caption();
    const QString kind = kind_caption();
    // The heading of a page: the activity and its kind, the date, a line for a name.
    const auto heading = [&](const QString& head, bool name_line) {
        painter.setPen(Qt::black);
        painter.setFont(font(16, true));
        const QRectF top(content.left(), content.top(), content.width(), 10 * mm);
        painter.drawText(top, Qt::AlignLeft | Qt::AlignVCenter, head);
        painter.setFont(font(10, false));
        const QString line =
            kind.isEmpty() ? locale.toString(QDate::currentDate(), QLocale::LongFormat)
                           : Worksheets::tr("%1, %2").arg(
                                 kind, locale.toString(QDate::currentDate(), QLocale::LongFormat));
        painter.drawText(QRectF(content.left(), top.bottom(), content.width(), 7 * mm),
                         Qt::AlignLeft | Qt::AlignVCenter, line);
        if (name_line) {
            painter.drawText(QRectF(content.left(), top.bottom(), content.width(), 7 * mm),
                             Qt::AlignRight | Qt::AlignVCenter,
                             Worksheets::tr("Name: ______________________"));
        }
        const double rule = top.bottom() + 9 * mm;
        painter.setPen(QPen(Qt::black, 0.3 * mm));
        painter.drawLine(QPointF(content.left(), rule), QPointF(content.right(), rule));
        return rule + 4 * mm;
    };

    // The boards are all drawn at one scale, as large as fits.
    const auto board_in_pixels = [&] {
        const QRectF twips = form.board_area();
        return QRect(px(twips.left()), px(twips.top()), px(twips.width()), px(twips.height()));
    };
    QRect board;
    const auto draw_board = [&](const QRectF& box) {
        form.show_whole_problem();
        hide_off_board(form);
        paint_on_paper(painter, *form.stage(), board, box);
    };
    const auto problem_head = [&](const QRectF& at, int number, const QString& code) {
        painter.setPen(Qt::black);
        painter.setFont(font(12, true));
        const QString label = Worksheets::tr("%1.").arg(number);
        painter.drawText(at, Qt::AlignLeft | Qt::AlignVCenter, label);
        const double indent = painter.fontMetrics().horizontalAdvance(label + "  ");
        painter.setFont(font(9, false));
        painter.drawText(at.adjusted(indent, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, code);
    };

    // Problems: one column, each with room to work below it.
    form.show_problem(sheet_.kind, problems_.front().seed);
    form.show_whole_problem();
    hide_off_board(form);
    board = board_in_pixels();
    const double aspect = double(board.width()) / std::max(1, board.height());
    double top = heading(title, true);
    const double rest = content.bottom() - top;
    double board_w = std::min(content.width() * 0.8, rest * 0.3 * aspect);
    double board_h = board_w / aspect;
    const double cell = kProblemHead * mm + board_h + std::max(kWorkSpace * mm, board_h * 0.4);
    for (std::size_t i = 0; i < problems_.size(); ++i) {
        if (top + cell > content.bottom() + 1) {
            device.newPage();
            top = content.top();
        }
        problem_head(QRectF(content.left(), top, content.width(), kProblemHead * mm), int(i + 1),
                     problems_[i].code);
        form.show_problem(sheet_.kind, problems_[i].seed);
        draw_board(QRectF(content.left() + 8 * mm, top + kProblemHead * mm, board_w, board_h));
        top += cell;
    }
    if (!sheet_.answers) {
        return;
    }
    // The answer key: two columns, the boards with their solutions shown.
    device.newPage();
    top = heading(Worksheets::tr("Answers: %1").arg(title), false);
    form.show_problem(sheet_.kind, problems_.front().seed);
    form.reveal_at_once();
    hide_off_board(form);
    board = board_in_pixels();
    const double key_aspect = double(board.width()) / std::max(1, board.height());
    const double column = content.width() / 2;
    board_w = std::min(column - 10 * mm, (content.bottom() - top) * 0.22 * key_aspect);
    board_h = board_w / key_aspect;
    const double key_cell = kProblemHead * mm + board_h + 5 * mm;
    for (std::size_t i = 0; i < problems_.size(); ++i) {
        const bool right = i % 2 == 1;
        if (!right && top + key_cell > content.bottom() + 1) {
            device.newPage();
            top = content.top();
        }
        const double left = content.left() + (right ? column : 0);
        problem_head(QRectF(left, top, column, kProblemHead * mm), int(i + 1), problems_[i].code);
        form.show_problem(sheet_.kind, problems_[i].seed);
        form.reveal_at_once();
        draw_board(QRectF(left + 4 * mm, top + kProblemHead * mm, board_w, board_h));
        if (right) {
            top += key_cell;
        }
    }
}

std::optional<QString> write_worksheet(const Worksheet& sheet, const QString& path, bool as_text) {
    QSaveFile file(path);
    const auto cannot_write = [&] {
        return Worksheets::tr("cannot write '%1': %2").arg(path, file.errorString());
    };
    const QFileInfo folder(QFileInfo(path).absolutePath());
    if (!folder.isDir()) {
        return Worksheets::tr("cannot write '%1': there is no folder '%2'")
            .arg(path, folder.filePath());
    }
    if (!file.open(QIODevice::WriteOnly)) {
        return cannot_write();
    }
    SheetMaker maker(sheet);
    if (as_text) {
        file.write(maker.text().toUtf8());
    } else {
        QPdfWriter writer(&file);
        writer.setResolution(600);
        writer.setPageSize(QPageSize(letter_paper() ? QPageSize::Letter : QPageSize::A4));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setCreator(QStringLiteral("Chalkline"));
        writer.setTitle(maker.title());
        maker.paint(writer);
    }
    if (!file.commit()) {
        return cannot_write();
    }
    return std::nullopt;
}

} // namespace shell
