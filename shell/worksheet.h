// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

class QPagedPaintDevice;

namespace shell {

// What a worksheet holds: `count` problems of one kind of one activity, numbered, each
// with its code, and unless `answers` is off an answer key on a page of its own.
struct Worksheet {
    QString screen;
    int kind = 0;
    int count = 10;
    // The problems follow from it; the same seed gives the same sheet.
    std::uint32_t seed = 0;
    // The seed of the first problem, when it is given (the problem on the board).
    std::optional<std::uint32_t> first;
    bool answers = true;
};

inline constexpr int kMostWorksheetProblems = 500;

// The problems of a sheet, drawn from its seed as Next draws them: no problem repeats the
// one before it.
struct SheetProblem {
    std::uint32_t seed = 0;
    QString code;
    QString problem; // the screen reader's problem sentence, its code at the end
    QString answer;  // its answer sentence
};

// Makes the sheet's problems on a screen of the activity built for paper (never shown).
class SheetMaker {
public:
    explicit SheetMaker(const Worksheet& sheet);
    ~SheetMaker();
    SheetMaker(const SheetMaker&) = delete;
    SheetMaker& operator=(const SheetMaker&) = delete;

    const std::vector<SheetProblem>& problems() const { return problems_; }
    // The activity's title, and the caption of the kind (empty without kinds).
    QString title() const;
    QString kind_caption() const;
    // The sheet on pages of the device (a PDF writer or a printer), which has its page
    // size and resolution set.
    void paint(QPagedPaintDevice& device);
    // One line a problem: "1. Problem: ... Code 24P-1-K7QM. Answer: ...".
    QString text() const;

private:
    struct Parts;
    Worksheet sheet_;
    std::vector<SheetProblem> problems_;
    Parts* parts_;
};

// Writes the sheet to `path` as a PDF (A4, or Letter where the locale's paper is Letter)
// or as text, through a temporary file that takes the name only once it is whole. On
// failure returns one line that says why, in the teacher's language.
std::optional<QString> write_worksheet(const Worksheet& sheet, const QString& path, bool as_text);

// A seed from the clock, for a sheet asked for without one.
std::uint32_t clock_seed();

} // namespace shell
