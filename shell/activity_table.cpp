// SPDX-License-Identifier: GPL-3.0-or-later
#include "activity_table.h"
#include "screens.h"

#include <algorithm>
#include <vector>

namespace shell {

namespace {

std::vector<ActivityEntry>& rows() {
    static std::vector<ActivityEntry> table;
    return table;
}

bool same_screen(const QString& a, const QString& b) {
    return QString::compare(a, b, Qt::CaseInsensitive) == 0;
}

} // namespace

void register_activities(std::span<const ActivityEntry> table) {
    for (const ActivityEntry& entry : table) {
        std::erase_if(rows(), [&](const ActivityEntry& row) {
            return same_screen(row.screen, entry.screen);
        });
        rows().push_back(entry);
        register_form(entry.screen, entry.make);
    }
}

const ActivityEntry* activity_at(int menu, int index) {
    const auto found = std::find_if(rows().begin(), rows().end(), [&](const ActivityEntry& row) {
        return row.menu == menu && row.index == index;
    });
    return found == rows().end() ? nullptr : &*found;
}

std::span<const ActivityEntry> registered_activities() {
    return rows();
}

QString menu_of(const QString& screen) {
    for (const ActivityEntry& row : rows()) {
        if (same_screen(row.screen, screen)) {
            return QString("menu%1").arg(row.menu);
        }
    }
    return {};
}

} // namespace shell
