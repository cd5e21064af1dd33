// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader is given to say for what the screens show, in each language:
// signs and unknowns as words, numbers as the language writes them. Runs in the build
// folder, where the translations are.

#include "language.h"
#include "speech.h"

#include <QtTest>

using namespace shell;

class SpeechTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { use_language("en"); }

    void spoken_forms_per_language() {
        const QStringList shown = {
            "?53 + 80?? = 8906",  // hidden digits inside numbers
            "2, ?, □",            // lone unknowns
            "12 x 3 ÷ 4 - 1",     // the signs between numbers
            "+ -10",              // a negative number after a sign
            "1 4/63 - 3/4",       // a mixed number and a fraction
            "17.5%",              // a percentage, one number
            "(a + b)² = c³",      // brackets and powers
            "c = √74 ≈ 8.6",      // a root
            "0.16\u0307",         // a recurring decimal
            "y = 7x + 19",        // the letter x of an equation
            "right-angled; 2⁴",   // a hyphen, a ";" and another power
            "Leave the program?", // a question's mark
            "12 : 3",             // the division sign of some schools
            ": 4",                // leading an operation
        };
        const struct {
            const char* language;
            QStringList said;
        } rows[] = {
            {"en",
             {"blank 5 3 plus 8 0 blank blank equals 8906", "2, blank, blank",
              "12 times 3 divided by 4 minus 1", "plus minus 10", "1 and 4 over 63 minus 3 over 4",
              "17.5 percent", "open bracket a plus b close bracket squared equals c cubed",
              "c equals the square root of 74 is approximately 8.6", "0.16 recurring",
              "y equals 7 x plus 19", "right angled, 2 to the power of 4", "Leave the program?",
              "12 divided by 3", "divided by 4"}},
            {"fr",
             {"blanc 5 3 plus 8 0 blanc blanc égale 8906", "2, blanc, blanc",
              "12 fois 3 divisé par 4 moins 1", "plus moins 10", "1 et 4 sur 63 moins 3 sur 4",
              "17,5 pour cent",
              "parenthèse ouvrante a plus b parenthèse fermante au carré égale c au cube",
              "c égale la racine carrée de 74 est environ 8,6", "0,16 périodique",
              "y égale 7 x plus 19", "right angled, 2 puissance 4", "Leave the program?",
              "12 divisé par 3", "divisé par 4"}},
            {"de",
             {"leer 5 3 plus 8 0 leer leer gleich 8906", "2, leer, leer",
              "12 mal 3 geteilt durch 4 minus 1", "plus minus 10",
              "1 und 4 durch 63 minus 3 durch 4", "17,5 Prozent",
              "Klammer auf a plus b Klammer zu hoch 2 gleich c hoch 3",
              "c gleich die Wurzel aus 74 ist ungefähr 8,6", "0,16 periodisch",
              "y gleich 7 x plus 19", "right angled, 2 hoch 4", "Leave the program?",
              "12 geteilt durch 3", "geteilt durch 4"}},
            {"es",
             {"blanco 5 3 más 8 0 blanco blanco igual a 8906", "2, blanco, blanco",
              "12 por 3 dividido entre 4 menos 1", "más menos 10", "1 y 4 sobre 63 menos 3 sobre 4",
              "17,5 por ciento",
              "abre paréntesis a más b cierra paréntesis al cuadrado igual a c al cubo",
              "c igual a la raíz cuadrada de 74 es aproximadamente 8,6", "0,16 periódico",
              "y igual a 7 x más 19", "right angled, 2 elevado a 4", "Leave the program?",
              "12 dividido entre 3", "dividido entre 4"}},
        };
        for (const auto& row : rows) {
            use_language(row.language);
            for (qsizetype i = 0; i < shown.size(); ++i) {
                QCOMPARE(speech::words(shown[i]), row.said[i]);
                // What the screen draws in the language is read the same way.
                QCOMPARE(speech::words(reader_text(shown[i])), row.said[i]);
            }
        }
    }

    // The structures, and values said as the screens write them.
    void boards_places_and_values() {
        QCOMPARE(speech::rows({{"2", "19", "?"}, {"", "?", "-37"}}),
                 QString("row 1 has 2, 19, blank. row 2 has blank, blank, minus 37"));
        QCOMPARE(speech::at_place(3, 2, "45"), QString("row 3, place 2 is 45"));
        QCOMPARE(speech::roman("XXIII"), QString("Roman X X I I I"));
        QCOMPARE(speech::spelled("MINUS"), QString("M I N U S"));
        QCOMPARE(speech::number(chalkline::Fraction(-7, 4)), QString("minus 1 and 3 over 4"));
        QCOMPARE(speech::number(std::int64_t{-10}), QString("minus 10"));
        use_language("de");
        QCOMPARE(speech::number(2.5), QString("2,5"));
        QCOMPARE(speech::rows({{"?", "4.5"}}), QString("Reihe 1 hat leer, 4,5"));
    }
};

QTEST_MAIN(SpeechTest)
#include "speech_test.moc"
