// SPDX-License-Identifier: GPL-3.0-or-later
// Makes the pseudo-language the tests read every screen in: from a translation file
// (its English sources), a translation file of the code "pseudo" in which every run of
// words between placeholders is accented, lengthened by a third and wrapped in ⟦ ⟧, so
// that any text on a screen with letters outside those marks was never translated, and
// every caption is tried with a third more to fit. The placeholders (%1, %n, %L1) stay
// outside the marks, so that what a screen puts into them is judged on its own.
//
//   pseudo_translation IN.ts OUT.ts

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <algorithm>
#include <cstdio>

namespace {

// The marks around translated words.
const QString kOpen = QString(QChar(0x27E6));
const QString kClose = QString(QChar(0x27E7));

// The multiplication and division signs stay signs that every screen can use.
const QHash<QString, QString> kSigns = {{"x", QString(QChar(0x00D7))},
                                        {QString(QChar(0x00F7)), QString(QChar(0x00F7))}};

// Each letter with an accent where the Latin-1 and Latin Extended-A letters have one.
QChar accented(QChar letter) {
    static const QString plain = "aceinostuyzACEINOSTUYZgGhHjJkKlLrRwW";
    static const QString marked = QString::fromUtf8("åçéîñöšţûýžÅÇÉÎÑÖŠŢÛÝŽĝĜĥĤĵĴķĶļĻŕŔŵŴ");
    const qsizetype at = plain.indexOf(letter);
    return at < 0 ? letter : marked[at];
}

bool vowel(QChar c) {
    return QString("aeiouyAEIOUY").contains(c);
}

// Words accented and, with their two marks, a third longer: vowels are doubled first,
// then other letters, along the text, until it has grown by a third.
QString lengthened(const QString& words) {
    const qsizetype extra = std::max<qsizetype>(0, (words.size() + 2) / 3 - 2);
    QList<qsizetype> candidates;
    for (const bool vowels : {true, false}) {
        for (qsizetype i = 0; i < words.size(); ++i) {
            if (words[i].isLetter() && vowel(words[i]) == vowels) {
                candidates << i;
            }
        }
    }
    QList<int> copies(words.size(), 1);
    for (qsizetype n = 0; n < extra && !candidates.isEmpty(); ++n) {
        ++copies[candidates[n % candidates.size()]];
    }
    QString out;
    for (qsizetype i = 0; i < words.size(); ++i) {
        const QChar c = words[i];
        out += QString(copies[i], c.isLetter() ? accented(c) : c);
    }
    return out;
}

// A text of the code in the pseudo-language: each stretch between placeholders that has
// a letter is lengthened and marked; its spaces at either end stay outside the marks.
QString pseudo(const QString& source) {
    static const QRegularExpression placeholder("%(L?[0-9]{1,2}|L?n)");
    QString out;
    qsizetype from = 0;
    const auto words = [&out](const QString& stretch) {
        if (!stretch.contains(QRegularExpression("[^\\W\\d_]"))) {
            out += stretch;
            return;
        }
        const qsizetype start =
            stretch.size() - QString(stretch).remove(QRegularExpression("^\\s+")).size();
        const qsizetype end = QString(stretch).remove(QRegularExpression("\\s+$")).size();
        out += stretch.left(start) + kOpen + lengthened(stretch.mid(start, end - start)) + kClose +
               stretch.mid(end);
    };
    for (auto it = placeholder.globalMatch(source); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        words(source.mid(from, match.capturedStart() - from));
        out += match.captured();
        from = match.capturedEnd();
    }
    words(source.mid(from));
    return out;
}

struct Message {
    QString source, comment;
    bool numerus = false;
};

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fputs("usage: pseudo_translation IN.ts OUT.ts\n", stderr);
        return 2;
    }
    QFile in(QString::fromLocal8Bit(argv[1]));
    if (!in.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "pseudo_translation: cannot read %s\n", argv[1]);
        return 2;
    }
    // Each context with its messages, in the order of the file.
    QList<QPair<QString, QList<Message>>> contexts;
    QXmlStreamReader reader(&in);
    Message message;
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        const auto name = reader.name();
        if (name == u"context") {
            contexts.emplaceBack();
        } else if (name == u"name" && !contexts.isEmpty()) {
            contexts.last().first = reader.readElementText();
        } else if (name == u"message") {
            message = {};
            message.numerus = reader.attributes().value("numerus") == u"yes";
        } else if (name == u"source") {
            message.source = reader.readElementText();
            contexts.last().second.append(message);
        } else if (name == u"comment" && !contexts.isEmpty() && !contexts.last().second.isEmpty()) {
            contexts.last().second.last().comment = reader.readElementText();
        }
    }
    if (reader.hasError() || contexts.isEmpty()) {
        std::fprintf(stderr, "pseudo_translation: %s is not a translation file: %s\n", argv[1],
                     qPrintable(reader.errorString()));
        return 2;
    }

    QFile out(QString::fromLocal8Bit(argv[2]));
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "pseudo_translation: cannot write %s\n", argv[2]);
        return 2;
    }
    QXmlStreamWriter writer(&out);
    writer.setAutoFormatting(true);
    writer.writeStartDocument();
    writer.writeDTD("<!DOCTYPE TS>");
    writer.writeStartElement("TS");
    writer.writeAttribute("version", "2.1");
    // English plural rules: one form for 1, another for the rest.
    writer.writeAttribute("language", "en");
    for (const auto& [context, messages] : contexts) {
        writer.writeStartElement("context");
        writer.writeTextElement("name", context);
        for (const Message& m : messages) {
            writer.writeStartElement("message");
            if (m.numerus) {
                writer.writeAttribute("numerus", "yes");
            }
            writer.writeTextElement("source", m.source);
            if (!m.comment.isEmpty()) {
                writer.writeTextElement("comment", m.comment);
            }
            const QString text = context == "Numbers" && kSigns.contains(m.source)
                                     ? kSigns[m.source]
                                     : pseudo(m.source);
            if (m.numerus) {
                writer.writeStartElement("translation");
                writer.writeTextElement("numerusform", text);
                writer.writeTextElement("numerusform", text);
                writer.writeEndElement();
            } else {
                writer.writeTextElement("translation", text);
            }
            writer.writeEndElement();
        }
        writer.writeEndElement();
    }
    writer.writeEndElement();
    writer.writeEndDocument();
    return out.error() == QFileDevice::NoError ? 0 : 1;
}
