// SPDX-License-Identifier: GPL-3.0-or-later
#include "lesson.h"

#include <algorithm>

namespace chalkline {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// The length of the UTF-8 sequence that starts the text, or 0 when it is not one: a
// stray continuation byte, a sequence cut short, an overlong form, a surrogate or a code
// point past U+10FFFF. Control characters other than tab and carriage return are not text
// either: they are what a binary file is made of.
std::size_t utf8_length(std::string_view text) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char first = byte(0);
    if (first < 0x80) {
        return first >= 0x20 || first == '\t' || first == '\r' ? 1 : 0;
    }
    std::size_t length = 0;
    unsigned int code = 0;
    if ((first & 0xE0) == 0xC0) {
        length = 2;
        code = first & 0x1F;
    } else if ((first & 0xF0) == 0xE0) {
        length = 3;
        code = first & 0x0F;
    } else if ((first & 0xF8) == 0xF0) {
        length = 4;
        code = first & 0x07;
    } else {
        return 0;
    }
    if (text.size() < length) {
        return 0;
    }
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80) {
            return 0;
        }
        code = code << 6 | (byte(i) & 0x3F);
    }
    constexpr unsigned int kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < kSmallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        return 0;
    }
    return length;
}

bool is_text(std::string_view line) {
    while (!line.empty()) {
        const std::size_t length = utf8_length(line);
        if (length == 0) {
            return false;
        }
        line.remove_prefix(length);
    }
    return true;
}

// The words of a line, apart by spaces and tabs, up to a comment.
std::vector<std::string_view> words_of(std::string_view line) {
    std::vector<std::string_view> words;
    std::size_t at = 0;
    while (at < line.size()) {
        at = line.find_first_not_of(" \t\r", at);
        if (at == std::string_view::npos || line[at] == '#') {
            break;
        }
        const std::size_t end = std::min(line.find_first_of(" \t\r", at), line.size());
        words.push_back(line.substr(at, end - at));
        at = end;
    }
    return words;
}

LessonReading refusal(LessonFault fault, int line, std::string_view part = {},
                      std::string activity = {}) {
    LessonReading reading;
    reading.error = LessonError{
        .fault = fault, .line = line, .part = std::string(part), .activity = std::move(activity)};
    return reading;
}

const LessonActivity* named(std::span<const LessonActivity> activities, std::string_view name) {
    const auto found =
        std::find_if(activities.begin(), activities.end(),
                     [&](const LessonActivity& a) { return same_key(a.name, name); });
    return found == activities.end() ? nullptr : &*found;
}

const LessonActivity* with_prefix(std::span<const LessonActivity> activities,
                                  std::string_view prefix) {
    const auto found =
        std::find_if(activities.begin(), activities.end(), [&](const LessonActivity& a) {
            return !a.code_prefix.empty() && a.code_prefix == prefix;
        });
    return found == activities.end() ? nullptr : &*found;
}

} // namespace

ActivitySetting kind_setting(const LessonActivity& activity) {
    return {.key = "kind", .design = "1", .low = 1, .high = std::max(1, activity.kinds)};
}

ActivitySetting count_setting() {
    return {.key = "count", .design = "1", .low = 1, .high = kLessonMaxCount};
}

LessonReading read_lesson(std::string_view text, std::span<const LessonActivity> activities) {
    if (text.size() > kLessonMaxBytes) {
        return refusal(LessonFault::TooLarge, 0);
    }
    if (text.starts_with(kByteOrderMark)) {
        text.remove_prefix(kByteOrderMark.size());
    }
    LessonReading reading;
    int number = 0;
    while (!text.empty()) {
        ++number;
        const std::size_t end = std::min(text.find('\n'), text.size());
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        if (!is_text(line)) {
            return refusal(LessonFault::NotText, number);
        }
        const std::vector<std::string_view> words = words_of(line);
        if (words.empty()) {
            continue;
        }

        LessonStep step;
        step.line = number;
        const LessonActivity* activity = nullptr;
        std::size_t next = 1;
        if (same_key(words[0], "open")) {
            // The code may be typed with spaces between its parts: every word up to the
            // first setting is the code's.
            std::string code_text;
            for (; next < words.size() && words[next].find('=') == std::string_view::npos; ++next) {
                code_text += std::string(code_text.empty() ? "" : " ") + std::string(words[next]);
            }
            LessonError error{.fault = LessonFault::BadCode, .line = number, .part = code_text};
            error.code = read_code(code_text, [&](std::string_view prefix) -> std::optional<int> {
                const LessonActivity* found = with_prefix(activities, prefix);
                return found ? std::optional<int>(std::max(1, found->kinds)) : std::nullopt;
            });
            if (!error.code.code) {
                reading.error = error;
                return reading;
            }
            activity = with_prefix(activities, error.code.code->activity);
            step.kind = error.code.code->kind;
            step.seed = error.code.code->seed;
        } else {
            activity = named(activities, words[0]);
            if (!activity) {
                return refusal(LessonFault::UnknownActivity, number, words[0]);
            }
        }
        step.activity = activity->name;

        std::vector<std::string_view> given;
        for (; next < words.size(); ++next) {
            const std::string_view word = words[next];
            const std::size_t equals = word.find('=');
            if (equals == std::string_view::npos || equals == 0) {
                return refusal(LessonFault::NotASetting, number, word, activity->name);
            }
            const std::string_view key = word.substr(0, equals);
            const std::string_view value = word.substr(equals + 1);
            if (std::any_of(given.begin(), given.end(),
                            [&](std::string_view k) { return same_key(k, key); })) {
                return refusal(LessonFault::Repeated, number, key, activity->name);
            }
            given.push_back(key);
            const bool kind = same_key(key, "kind");
            const bool count = same_key(key, "count");
            if ((kind || count) && step.seed) {
                return refusal(LessonFault::NotWithCode, number, key, activity->name);
            }
            std::optional<ActivitySetting> rule;
            if (kind) {
                rule = kind_setting(*activity);
            } else if (count) {
                rule = count_setting();
            } else {
                const auto own = std::find_if(
                    activity->settings.begin(), activity->settings.end(),
                    [&](const ActivitySetting& setting) { return same_key(setting.key, key); });
                if (own != activity->settings.end()) {
                    rule = *own;
                }
            }
            if (!rule) {
                return refusal(LessonFault::UnknownSetting, number, key, activity->name);
            }
            const std::optional<std::string> value_read = accepted(*rule, value);
            if (!value_read) {
                LessonReading refused =
                    refusal(LessonFault::BadValue, number, value, activity->name);
                refused.error->setting = *rule;
                return refused;
            }
            if (kind) {
                step.kind = std::stoi(*value_read) - 1;
            } else if (count) {
                step.count = std::stoi(*value_read);
            } else {
                step.settings.emplace_back(std::string(rule->key), *value_read);
            }
        }
        reading.steps.push_back(std::move(step));
    }
    if (reading.steps.empty()) {
        return refusal(LessonFault::Empty, 0);
    }
    return reading;
}

std::string lesson_line(const LessonStep& step) {
    std::string line = step.activity;
    if (step.kind) {
        line += " kind=" + std::to_string(*step.kind + 1);
    }
    for (const auto& [key, value] : step.settings) {
        line += ' ' + key + '=' + value;
    }
    if (step.count != 1) {
        line += " count=" + std::to_string(step.count);
    }
    return line;
}

} // namespace chalkline
