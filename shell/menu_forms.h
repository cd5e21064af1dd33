#pragma once

namespace shell {

// Makes the first menu screen intro0 and the menu screens menu1 to menu5 known to the
// screen registry.
void register_menu_forms();

} // namespace shell
