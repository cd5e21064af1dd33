// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QJsonObject>

namespace shell {
class Form;
}

namespace bench {

// A record of a loaded and painted Chalkline screen, for the bare program to show the
// same: the window it is shown in (place, full screen, caption), its design area, back
// colour and background picture, and its widgets with their places, texts, fonts,
// colours, pictures and places in the keyboard's focus order.
QJsonObject record_screen(shell::Form& form);

} // namespace bench
