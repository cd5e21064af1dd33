// SPDX-License-Identifier: GPL-3.0-or-later
// The teacher's language: which one is chosen, the numbers and signs as each language
// writes them, and the command line in it. Runs in the build folder, where the
// translations are.

#include "activity_table.h"
#include "command_line.h"
#include "language.h"

#include <QtTest>

using namespace shell;

class LanguageTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { use_language("en"); }

    void choice_of_language() {
        const struct {
            const char *all, *messages, *lang, *language;
            QStringList arguments;
            const char* chosen;
        } rows[] = {
            {"", "", "", "", {"chalkline"}, "en"},
            {"", "", "de_DE.UTF-8", "", {"chalkline"}, "de_DE"},
            {"", "es_ES.UTF-8", "de_DE.UTF-8", "", {"chalkline"}, "es_ES"},
            {"", "", "de_DE.UTF-8", "fr:de", {"chalkline"}, "fr"},
            // LC_ALL=C is plain English whatever LANGUAGE says, as for the C library.
            {"C", "", "de_DE.UTF-8", "fr", {"chalkline"}, "en"},
            {"fr_FR.UTF-8@euro", "", "", "", {"chalkline"}, "fr_FR"},
            {"C", "", "", "fr", {"chalkline", "-f", "--lang", "es"}, "es"},
            {"", "", "", "de", {"chalkline", "--lang=fr"}, "fr"},
        };
        for (const auto& row : rows) {
            qputenv("LC_ALL", row.all);
            qputenv("LC_MESSAGES", row.messages);
            qputenv("LANG", row.lang);
            qputenv("LANGUAGE", row.language);
            QCOMPARE(requested_language(row.arguments), QString(row.chosen));
        }
        qputenv("LC_ALL", "C");
    }

    // The logic writes "2.51", "-3", "3 x 4"; each language shows them its own way,
    // and English exactly as written. Words with an x in them stay words.
    void numbers_and_signs_per_language() {
        const QStringList texts = {
            "2.51",  "-0.5", "1 3/4", "3 x 4 = 12",    "12 ÷ 3", "x",  "(2 + 3) x -4",
            "x = 4", "x 10", "x - 1", "Version 1.0 x", "exact",  "75%"};
        const struct {
            const char* language;
            QStringList shown;
        } rows[] = {
            {"en", texts},
            {"fr",
             {"2,51", "-0,5", "1 3/4", "3 × 4 = 12", "12 ÷ 3", "×", "(2 + 3) × -4", "x = 4", "× 10",
              "x - 1", "Version 1,0 x", "exact", "75%"}},
            {"de",
             {"2,51", "-0,5", "1 3/4", "3 · 4 = 12", "12 : 3", "·", "(2 + 3) · -4", "x = 4", "· 10",
              "x - 1", "Version 1,0 x", "exact", "75%"}},
            {"es_ES",
             {"2,51", "-0,5", "1 3/4", "3 × 4 = 12", "12 : 3", "×", "(2 + 3) × -4", "x = 4", "× 10",
              "x - 1", "Version 1,0 x", "exact", "75%"}},
        };
        for (const auto& row : rows) {
            QCOMPARE(use_language(row.language), QString(row.language) != "en");
            for (qsizetype i = 0; i < texts.size(); ++i) {
                QCOMPARE(reader_text(texts[i]), row.shown[i]);
            }
        }
        // A language without a translation stays English, numbers and all.
        QVERIFY(!use_language("ja"));
        QCOMPARE(reader_text("2.51"), QString("2.51"));
        QCOMPARE(current_language(), QString("en"));
    }

    // --help and the errors of the command line come in the language; --lang is an
    // option, not a mistake.
    void command_line_in_the_language() {
        // --help lists the registered activities under their titles.
        register_activity({.screen = "matchthetarget", .menu = 1, .title = "Match the Target"});
        const QString english = help_text();
        QVERIFY(use_language("fr"));
        QVERIFY(help_text().startsWith("Utilisation : chalkline"));
        QVERIFY(help_text().contains("Atteindre la cible"));
        const StartRequest wrong =
            read_command_line({"chalkline", "--lang", "fr", "--screen", "x"});
        QCOMPARE(wrong.exit_status, std::optional<int>(2));
        QVERIFY(wrong.output.contains("--screen attend un numéro d'écran"));
        QCOMPARE(read_command_line({"chalkline", "--lang", "de"}).exit_status, std::nullopt);
        use_language("en");
        QCOMPARE(help_text(), english);
    }
};

QTEST_MAIN(LanguageTest)
#include "language_test.moc"
