// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Where Ctrl+S keeps a picture of the board, and under what name.

#include <QDateTime>
#include <QImage>
#include <QString>

namespace shell {

// The user's pictures folder (XDG), or the home folder where there is none.
QString board_folder();

// "The 24 Puzzle 2026-03-05 14-07-31.png": the screen's name and the time, with nothing
// a file system could refuse (no "/", no ":").
QString board_file_name(const QString& screen, const QDateTime& when);

// Writes the picture as a PNG file of that name in the folder, whole or not at all; a
// name already taken gets " (2)", " (3)" ... The path written, or why nothing was.
struct SavedBoard {
    QString path;
    QString error;
};
SavedBoard save_board_picture(const QImage& picture, const QString& folder, const QString& name);

} // namespace shell
