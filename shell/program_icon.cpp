// SPDX-License-Identifier: GPL-3.0-or-later
#include "program_icon.h"

#include "program_icon_svg.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace shell {

const QIcon& program_icon() {
    static const QIcon* const icon = [] {
        auto* drawn = new QIcon;
        QSvgRenderer renderer{QByteArray(kProgramIconSvg)};
        // The sizes of title bars, taskbars and window switchers; each window sends all of
        // them to an X server, so there are no more than these.
        for (const int size : {16, 24, 32, 48, 64}) {
            QPixmap pixmap(size, size);
            pixmap.fill(Qt::transparent);
            QPainter painter(&pixmap);
            renderer.render(&painter);
            painter.end();
            drawn->addPixmap(pixmap);
        }
        return drawn;
    }();
    return *icon;
}

} // namespace shell
