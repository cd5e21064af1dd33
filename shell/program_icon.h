// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>

namespace shell {

// The program's icon, the same drawing as the installed one (data/chalkline.svg, compiled
// in), for the windows, the taskbar and window switchers. Drawn once, at the sizes these
// ask for, and shared: each new icon a window was given would be kept by the platform and
// grow the memory with every screen shown.
const QIcon& program_icon();

} // namespace shell
