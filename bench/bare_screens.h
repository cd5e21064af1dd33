// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QJsonObject>
#include <QWidget>

namespace shell {
class Form;
}

namespace bench {

// A record of a loaded and painted Chalkline screen: its widgets with their places,
// texts, fonts and colours, and its pictures with the sizes they are drawn at.
QJsonObject record_screen(const shell::Form& form);

// What a bare Qt program would show for the record: the same widgets as plain Qt
// widgets, the same pictures read with QPixmap and smoothly scaled once per size. The
// screen is built hidden; full_screen says how the original was shown.
QWidget* build_bare_screen(const QJsonObject& record);
bool recorded_full_screen(const QJsonObject& record);

} // namespace bench
