// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings.h"

#include "lessons.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QUrl>

#include <cstdio>
#include <optional>
#include <vector>

namespace shell {

namespace {

// The context of the settings' texts in the translations.
struct Settings {
    Q_DECLARE_TR_FUNCTIONS(Settings)
};

constexpr const char* kGeneral = "General";
constexpr const char* kLocked = "locked";
constexpr const char* kRelativePath = "Chalkline/chalkline.conf";
// A settings file is a few lines; a larger one is not the program's.
constexpr qint64 kMaxFileBytes = 1 << 20;

constexpr chalkline::ActivitySetting kFullScreen{
    .key = "fullScreen", .design = "false", .words = {"false", "true"}};
constexpr chalkline::ActivitySetting kScreen{.key = "screen", .design = "0", .low = 0, .high = 99};
// The General keys whose values are not a setting of the usual form.
constexpr const char* kLanguage = "language";
constexpr const char* kLaunch = "launch";
constexpr const char* kWebAddress = "webAddress";

// Something in a file that the program passed over.
struct Problem {
    enum What { Unreadable, UnknownGroup, UnknownKey, BadValue } what;
    QString file;
    QString group;
    QString key;
    QString value;
    QString reason; // Unreadable: why; BadValue: what the key takes
};

struct Store {
    bool loaded = false;
    std::vector<chalkline::LessonActivity> activities;
    QString user_file;
    bool user_writable = true;
    // "group/key" as the program spells them, to the value as its setting writes it.
    QMap<QString, QString> school;
    QMap<QString, bool> locked;
    QMap<QString, QString> user;
    std::vector<Problem> problems;
    bool write_failed = false;
};

Store& store() {
    static Store s;
    return s;
}

QString path_key(const QString& group, const QString& key) {
    return group + '/' + key;
}

bool same(const QString& a, const QString& b) {
    return QString::compare(a, b, Qt::CaseInsensitive) == 0;
}

const chalkline::LessonActivity* activity_named(const QString& name) {
    for (const chalkline::LessonActivity& activity : store().activities) {
        if (same(QString::fromStdString(activity.name), name)) {
            return &activity;
        }
    }
    return nullptr;
}

// The rules of a group's keys: General's, or an activity's kind and own settings.
std::vector<chalkline::ActivitySetting> rules_of(const QString& group) {
    if (group == kGeneral) {
        return {kFullScreen, kScreen, {.key = kLanguage}, {.key = kLaunch}, {.key = kWebAddress}};
    }
    const chalkline::LessonActivity* activity = activity_named(group);
    std::vector<chalkline::ActivitySetting> rules = {chalkline::kind_setting(*activity)};
    rules.insert(rules.end(), activity->settings.begin(), activity->settings.end());
    return rules;
}

// The value as the program keeps it, or nothing with what the key takes.
std::optional<QString> checked(const chalkline::ActivitySetting& rule, const QString& value,
                               QString& takes) {
    const QString key = text_of(rule.key);
    if (key == kLanguage) {
        static const QRegularExpression code("^[A-Za-z]{2,3}([_-][A-Za-z]{2})?$");
        takes = Settings::tr("language takes a language's code, such as fr or de_CH, not '%1'")
                    .arg(value);
        return code.match(value).hasMatch() ? std::optional(value) : std::nullopt;
    }
    if (key == kLaunch) {
        takes = Settings::tr("launch takes an activity's name, one of %1; not '%2'")
                    .arg(activity_names(), value);
        const chalkline::LessonActivity* activity = activity_named(value);
        return activity ? std::optional(QString::fromStdString(activity->name)) : std::nullopt;
    }
    if (key == kWebAddress) {
        takes = Settings::tr("webAddress takes an address that starts with https:// or http://, "
                             "not '%1'")
                    .arg(value);
        const QUrl url(value, QUrl::StrictMode);
        const bool web = url.isValid() && !url.host().isEmpty() &&
                         (url.scheme() == "https" || url.scheme() == "http");
        return web ? std::optional(url.toString()) : std::nullopt;
    }
    takes = setting_fault(rule, value);
    const std::optional<std::string> accepted = chalkline::accepted(rule, value.toStdString());
    return accepted ? std::optional(QString::fromStdString(*accepted)) : std::nullopt;
}

// A value as QSettings gives it back: "2,5" is read as a list of two.
QString variant_text(const QVariant& value) {
    return value.typeId() == QMetaType::QStringList ? value.toStringList().join(',')
                                                    : value.toString();
}

QString unreadable_reason(const QString& path) {
    const QFileInfo info(path);
    if (info.isDir()) {
        return Settings::tr("it is a folder");
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return file.errorString();
    }
    if (file.size() > kMaxFileBytes) {
        return Settings::tr("it is larger than 1 MiB");
    }
    const QByteArray bytes = file.readAll();
    if (bytes.contains('\0') || !QByteArrayView(bytes).isValidUtf8()) {
        return Settings::tr("it is not a text file");
    }
    QSettings settings(path, QSettings::IniFormat);
    return settings.status() == QSettings::NoError ? QString()
                                                   : Settings::tr("it is not a settings file");
}

// Reads one group of a file: each key the group takes, with its value checked; `locked`
// in the school's file.
void read_group(QSettings& file, const QString& path, const QString& group, bool school) {
    Store& s = store();
    const std::vector<chalkline::ActivitySetting> rules = rules_of(group);
    QStringList locked_keys;
    for (const QString& written : file.childKeys()) {
        if (school && same(written, kLocked)) {
            locked_keys = file.value(written).toStringList();
            continue;
        }
        const auto rule = std::find_if(rules.begin(), rules.end(), [&](const auto& r) {
            return same(text_of(r.key), written);
        });
        if (rule == rules.end()) {
            s.problems.push_back({Problem::UnknownKey, path, group, written, {}, {}});
            continue;
        }
        const QString key = text_of(rule->key);
        const QString raw = variant_text(file.value(written)).trimmed();
        QString takes;
        const std::optional<QString> value = checked(*rule, raw, takes);
        if (!value) {
            s.problems.push_back({Problem::BadValue, path, group, written, raw, takes});
            continue;
        }
        QMap<QString, QString>& values = school ? s.school : s.user;
        // The first school file that gives a key holds it, as the folders of
        // XDG_CONFIG_DIRS come first to last.
        if (!school || !values.contains(path_key(group, key))) {
            values.insert(path_key(group, key), *value);
        }
    }
    for (const QString& name : locked_keys) {
        const QString trimmed = name.trimmed();
        if (same(trimmed, "true")) {
            for (const chalkline::ActivitySetting& rule : rules) {
                const QString key = text_of(rule.key);
                if (s.school.contains(path_key(group, key))) {
                    s.locked.insert(path_key(group, key), true);
                }
            }
            continue;
        }
        const auto rule = std::find_if(rules.begin(), rules.end(), [&](const auto& r) {
            return same(text_of(r.key), trimmed);
        });
        if (rule == rules.end()) {
            if (!same(trimmed, "false")) {
                s.problems.push_back({Problem::UnknownKey, path, group, trimmed, {}, {}});
            }
            continue;
        }
        s.locked.insert(path_key(group, text_of(rule->key)), true);
    }
}

// Reads a whole file, if there is one; false when it is there but cannot be read.
bool read_file(const QString& path, bool school) {
    if (!QFileInfo::exists(path)) {
        return true;
    }
    if (const QString reason = unreadable_reason(path); !reason.isEmpty()) {
        store().problems.push_back({Problem::Unreadable, path, {}, {}, {}, reason});
        return false;
    }
    QSettings file(path, QSettings::IniFormat);
    read_group(file, path, kGeneral, school);
    for (const QString& group : file.childGroups()) {
        const chalkline::LessonActivity* activity = activity_named(group);
        if (!activity) {
            store().problems.push_back({Problem::UnknownGroup, path, group, {}, {}, {}});
            continue;
        }
        file.beginGroup(group);
        read_group(file, path, QString::fromStdString(activity->name), school);
        file.endGroup();
    }
    return true;
}

QStringList config_folders() {
    return QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation);
}

// The spelling the file already has for a group or key, so that writing replaces it.
QString as_written(const QStringList& written, const QString& name) {
    for (const QString& w : written) {
        if (same(w, name)) {
            return w;
        }
    }
    return name;
}

} // namespace

QString user_settings_file() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(kRelativePath);
}

QString school_settings_file() {
    const QStringList folders = config_folders();
    return QDir(folders.size() > 1 ? folders[1] : QString("/etc/xdg")).filePath(kRelativePath);
}

void load_settings(std::span<const chalkline::LessonActivity> activities, bool with_user_file) {
    Store& s = store();
    s = Store{};
    s.activities.assign(activities.begin(), activities.end());
    s.user_file = user_settings_file();
    const QStringList folders = config_folders();
    for (qsizetype i = 1; i < folders.size(); ++i) {
        read_file(QDir(folders[i]).filePath(kRelativePath), true);
    }
    if (with_user_file) {
        // A file the program cannot read is not written over either.
        s.user_writable = read_file(s.user_file, false);
    }
    s.loaded = true;
}

bool settings_loaded() {
    return store().loaded;
}

QStringList settings_problems() {
    QStringList lines;
    for (const Problem& p : store().problems) {
        switch (p.what) {
        case Problem::Unreadable:
            lines << Settings::tr("chalkline: cannot read the settings file %1: %2; its "
                                  "settings are ignored")
                         .arg(p.file, p.reason);
            break;
        case Problem::UnknownGroup:
            lines << Settings::tr("chalkline: %1: there is no activity [%2]; its settings are "
                                  "ignored")
                         .arg(p.file, p.group);
            break;
        case Problem::UnknownKey:
            lines << Settings::tr("chalkline: %1: [%2] has no setting '%3'; it is ignored")
                         .arg(p.file, p.group, p.key);
            break;
        case Problem::BadValue:
            lines << Settings::tr("chalkline: %1: [%2] %3; it is ignored")
                         .arg(p.file, p.group, p.reason);
            break;
        }
    }
    return lines;
}

QString forget_user_settings() {
    const QString path = user_settings_file();
    if (!QFileInfo::exists(path) || QFile::remove(path)) {
        store().user.clear();
        return {};
    }
    return Settings::tr("chalkline: cannot remove the settings file %1").arg(path);
}

QString setting(const QString& group, const QString& key) {
    const Store& s = store();
    const QString at = path_key(group, key);
    if (!s.locked.value(at) && s.user.contains(at)) {
        return s.user.value(at);
    }
    return s.school.value(at);
}

bool setting_locked(const QString& group, const QString& key) {
    return store().locked.value(path_key(group, key));
}

void remember_setting(const QString& group, const QString& key, const QString& value,
                      const QString& design) {
    Store& s = store();
    const QString at = path_key(group, key);
    if (!s.loaded || !s.user_writable || s.locked.value(at)) {
        return;
    }
    const QString usual = s.school.contains(at) ? s.school.value(at) : design;
    if (value == usual ? !s.user.contains(at) : s.user.value(at) == value) {
        return;
    }
    QSettings file(s.user_file, QSettings::IniFormat);
    QString written_key = key;
    if (group != kGeneral) {
        file.beginGroup(as_written(file.childGroups(), group));
    }
    written_key = as_written(file.childKeys(), key);
    if (value == usual) {
        file.remove(written_key);
        s.user.remove(at);
    } else {
        file.setValue(written_key, value);
        s.user.insert(at, value);
    }
    if (group != kGeneral) {
        file.endGroup();
    }
    file.sync();
    if (file.status() != QSettings::NoError && !s.write_failed) {
        s.write_failed = true;
        std::fputs(qPrintable(Settings::tr("chalkline: cannot write the settings file %1; the "
                                           "settings of this session will not be kept\n")
                                  .arg(s.user_file)),
                   stderr);
    }
}

} // namespace shell
