// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The way through the program that the benchmark drives with real keys, shared by the
// probe, which presses them, and the bare program, which answers them as Chalkline does.
// Standard C++ only: the probe links no Qt.

#include <array>
#include <string_view>

namespace bench {

// One move: on screen `from`, the keys (X key names, one space apart) whose last one
// leaves it for screen `to`; the keys before it move the keyboard focus to the entry
// that opens `to`. `caption` is the name of the window the keys then reach.
struct Step {
    std::string_view from;
    std::string_view keys;
    std::string_view to;
    std::string_view caption;
};

inline constexpr std::string_view kTitleScreen = "Titlefrm";
inline constexpr std::string_view kMenuCaption = "Chalkline";

// The title screen's OK: the first menu after the title's key.
inline constexpr Step kTitleStep{"Titlefrm", "Return", "intro0", kMenuCaption};

// One round, from the first menu back to it: into every menu, into an activity on each
// (their focus order is the titles, the links to the other menus, then Exit; Up from no
// focus starts at Exit), out to the title screen that asks whether to leave, and back.
inline constexpr std::array<Step, 22> kRound = {{
    {"intro0", "Down Return", "menu1", kMenuCaption},
    {"menu1", "Down Return", "matchthetarget", "Match the Target"},
    {"matchthetarget", "Escape", "menu1", kMenuCaption},
    {"menu1", "Down Down Return", "Magicsquares", "Magic Squares"},
    {"Magicsquares", "Escape", "menu1", kMenuCaption},
    {"menu1", "Down Down Down Down Down Return", "ordering", "Ordering"},
    {"ordering", "Escape", "menu1", kMenuCaption},
    {"menu1", "Up Up Up Up Up Return", "menu2", kMenuCaption},
    {"menu2", "Down Down Down Down Down Return", "fastmental", "Mental Arithmetic"},
    {"fastmental", "Escape", "menu2", kMenuCaption},
    {"menu2", "Up Up Up Up Return", "menu3", kMenuCaption},
    {"menu3", "Down Return", "fourrules", "The Four Rules"},
    {"fourrules", "Escape", "menu3", kMenuCaption},
    {"menu3", "Up Up Up Return", "menu4", kMenuCaption},
    {"menu4", "Down Down Down Return", "quadratic", "Quadratic Factors"},
    {"quadratic", "Escape", "menu4", kMenuCaption},
    {"menu4", "Up Up Return", "menu5", kMenuCaption},
    {"menu5", "Down Down Return", "fibonacci", "The Fibonacci Sequence"},
    {"fibonacci", "Escape", "menu5", kMenuCaption},
    {"menu5", "Escape", "intro0", kMenuCaption},
    {"intro0", "Escape", "Titlefrm", kMenuCaption},
    {"Titlefrm", "Return", "intro0", kMenuCaption},
}};

// The screen where the tile of the drag figure lies, and the tile.
inline constexpr std::string_view kDragScreen = "Magicsquares";
inline constexpr std::string_view kDragTile = "Label10";

} // namespace bench
