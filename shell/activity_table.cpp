// SPDX-License-Identifier: GPL-3.0-or-later
#include "activity_table.h"
#include "screens.h"

#include <QCoreApplication>

#include <algorithm>
#include <vector>

namespace shell {

namespace {

std::vector<ActivityInfo>& rows() {
    static std::vector<ActivityInfo> table;
    return table;
}

bool same_screen(const QString& a, const QString& b) {
    return QString::compare(a, b, Qt::CaseInsensitive) == 0;
}

} // namespace

void register_activity(const ActivityInfo& record) {
    std::erase_if(rows(),
                  [&](const ActivityInfo& row) { return same_screen(row.screen, record.screen); });
    rows().push_back(record);
    if (record.make) {
        register_form(record.screen, record.make);
    }
}

QString ActivityInfo::caption() const {
    return QCoreApplication::translate("Activities", title);
}

QStringList ActivityInfo::kind_captions() const {
    QStringList captions;
    for (const char* kind : kinds) {
        if (kind != nullptr) {
            captions << QCoreApplication::translate("Kinds", kind);
        }
    }
    return captions;
}

int ActivityInfo::kind_count() const {
    return int(std::count_if(kinds.begin(), kinds.end(),
                             [](const char* kind) { return kind != nullptr; }));
}

QString ActivityInfo::menu_screen() const {
    return QString("menu%1").arg(menu);
}

void register_activities(std::span<const ActivityInfo* const> records) {
    for (const ActivityInfo* record : records) {
        register_activity(*record);
    }
}

const ActivityInfo* activity_at(int menu, int place) {
    const auto found = std::find_if(rows().begin(), rows().end(), [&](const ActivityInfo& row) {
        return row.menu == menu && row.place == place;
    });
    return found == rows().end() ? nullptr : &*found;
}

const ActivityInfo* activity_named(const QString& screen) {
    const auto found = std::find_if(rows().begin(), rows().end(), [&](const ActivityInfo& row) {
        return same_screen(row.screen, screen);
    });
    return found == rows().end() ? nullptr : &*found;
}

const ActivityInfo* activity_with_prefix(std::string_view prefix) {
    const auto found = std::find_if(rows().begin(), rows().end(), [&](const ActivityInfo& row) {
        return !prefix.empty() && prefix == row.code_prefix;
    });
    return found == rows().end() ? nullptr : &*found;
}

std::span<const ActivityInfo> registered_activities() {
    return rows();
}

QString menu_of(const QString& screen) {
    const ActivityInfo* row = activity_named(screen);
    return row ? row->menu_screen() : QString();
}

} // namespace shell
