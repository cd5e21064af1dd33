// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace shell {

class Form;

// The shared look of the menu and activity screens: the blue background, 12000 by 9000
// twips centred on the desktop (shifted 840 left on a desktop wider
// than the window), yellow text on Label5 to Label8 and Label17, and the status panel
// framestatus with cmdgo, cmdsoln and cmdexit at the lower right. Each step that finds
// no control of its name is skipped, so any screen can be styled.
void style_form(Form& form);

} // namespace shell
