#include "menu_forms.h"

namespace shell {

void register_menu_forms() {}

} // namespace shell
