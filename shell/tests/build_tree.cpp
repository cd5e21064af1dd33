// SPDX-License-Identifier: GPL-3.0-or-later
// Linked into every screen test: the test starts in the top folder of its build tree,
// where the build painted the pictures and where the program itself runs, so that it
// finds them from whatever folder it was started.

#include <QDir>

namespace {

[[maybe_unused]] const bool in_build_tree = QDir::setCurrent(QStringLiteral(CHALKLINE_BUILD_TREE));

} // namespace
