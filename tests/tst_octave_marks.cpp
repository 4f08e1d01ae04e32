// Shakuhachi octave-instruction marks: a first note by its key alone, a
// later one against the note at the same place of the chord before it, the
// names that never carry a mark, the rest run that forgets the previous
// note, the double quote, and the notes named "Prev" that keep their mark.
#include "model/measure.h"
#include "model/mepart.h"
#include "model/note.h"
#include "model/part.h"
#include "model/score.h"
#include "model/voice.h"
#include "support/modelbuilder.h"
#include "support/testenvironment.h"

#include <QRegularExpression>

namespace tst_octave_marks {

namespace {

const QString oldMark = QStringLiteral("old");

// Notes written as "[+]key[:Name][!]" ("+" a chord member, "!" the note
// carries ".otsuDoubleQuote") or "r" (a rest), measures separated by "|".
// Keys and names are set directly, as the naming passes would leave them;
// every note starts with the mark "old".
QList<Note *> buildVoice(TestSupport::ModelBuilder &builder, int part, int voice,
                         const QString &spec, bool newMeasures = true)
{
    static const QRegularExpression notePattern(QStringLiteral(R"(^(\+)?(-?\d+)(?::(\w+))?(!)?$)"));
    QList<Note *> notes;
    const QStringList measures = spec.split(QLatin1Char('|'));
    for (int m = 0; m < measures.size(); ++m) {
        const QStringList tokens = measures.at(m).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        QStringList builderTokens;
        for (const QString &token : tokens) {
            if (token == QLatin1String("r"))
                builderTokens << QStringLiteral("r/16");
            else
                builderTokens << (token.startsWith(QLatin1Char('+')) ? "+C4/16" : "C4/16");
        }
        if (newMeasures)
            builder.addMeasure();
        const QList<Note *> added = builder.addNotes(part, voice, builderTokens.join(' '));
        for (int i = 0; i < tokens.size(); ++i) {
            Note *note = added.at(i);
            note->octaveInstMark = oldMark;
            if (note->rest) {
                note->pitchIndex = -46;
                continue;
            }
            const QRegularExpressionMatch match = notePattern.match(tokens.at(i));
            if (!match.hasMatch())
                qFatal("bad note \"%s\"", qPrintable(tokens.at(i)));
            note->pitchIndex = match.captured(2).toInt();
            note->noteName = match.captured(3).isEmpty() ? QStringLiteral("X") : match.captured(3);
            note->otsuDoubleQuote = !match.captured(4).isEmpty();
        }
        notes += added;
    }
    return notes;
}

QStringList marksOf(const QList<Note *> &notes)
{
    QStringList marks;
    for (const Note *note : notes)
        marks << (note->octaveInstMark.isEmpty() ? QStringLiteral("-") : note->octaveInstMark);
    return marks;
}

} // namespace

class TestOctaveMarks : public QObject
{
    Q_OBJECT

private slots:
    void marksVoice_data();
    void marksVoice();
    void otherStylesGetNone_data();
    void otherStylesGetNone();
    void doubleQuoteStaysInItsVoice();
    void marksFollowNamedPitches();
};

void TestOctaveMarks::marksVoice_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<QString>("notes");
    QTest::addColumn<QString>("marks");

    const QString rests7 = QStringLiteral("r r r r r r r");
    const QString none7 = QStringLiteral("- - - - - - -");
    // clang-format off
    QTest::newRow("first 4")              << 0 << "4" << "Otsu";
    QTest::newRow("first 18")             << 0 << "18" << "Kan";
    QTest::newRow("first 30")             << 0 << "30" << "-";
    QTest::newRow("first 1")              << 0 << "1" << "-";
    QTest::newRow("first 15")             << 0 << "15" << "Otsu";
    QTest::newRow("first 15 RoMeri")      << 0 << "15:RoMeri" << "Kan";
    QTest::newRow("first 16")             << 0 << "16" << "Kan";
    QTest::newRow("first 16 I Kinko")     << 1 << "16:I" << "Otsu";
    QTest::newRow("first 16 I Tozan")     << 2 << "16:I" << "Kan";
    QTest::newRow("first 16 Hi Tozan")    << 3 << "16:Hi" << "Otsu";
    QTest::newRow("first 27, 28")         << 0 << "27 | 28" << "Kan -";
    QTest::newRow("9 to 21")              << 0 << "9 21" << "Otsu Kan";
    QTest::newRow("14 to 17")             << 0 << "14 17" << "Otsu -";
    QTest::newRow("21 to 9")              << 0 << "21 9" << "Kan Otsu";
    QTest::newRow("17 to 13")             << 0 << "17 13" << "Kan -";
    QTest::newRow("13 to 5")              << 0 << "13 5" << "Otsu Otsu";
    QTest::newRow("5 to 30")              << 0 << "5 30" << "Otsu -";
    QTest::newRow("21 to 1")              << 0 << "21 1" << "Kan -";
    QTest::newRow("21 to 15")             << 0 << "21 15" << "Kan Otsu";
    QTest::newRow("21 to 15 RoMeri")      << 0 << "21 15:RoMeri" << "Kan -";
    QTest::newRow("19 to 15")             << 0 << "19 15" << "Kan -";
    QTest::newRow("17 to 25")             << 0 << "17 25" << "Kan Kan";
    QTest::newRow("20 to 25")             << 0 << "20 25" << "Kan -";
    QTest::newRow("12 to 5 RoMeri")       << 0 << "12 5:RoMeri" << "Otsu -";
    QTest::newRow("5 to 6")               << 0 << "5 6" << "Otsu -";
    QTest::newRow("across measures")      << 2 << "9 | 21 | 9" << "Otsu Kan Otsu";
    QTest::newRow("Ri in Kinko")          << 0 << "4 18:Ri 18:Hi" << "Otsu - -";
    QTest::newRow("Ri and Hi in Tozan")   << 2 << "4 18:Ri 4 18:Hi" << "Otsu - Otsu Kan";
    QTest::newRow("I at 16 from low")     << 0 << "10 16:I" << "Otsu -";
    QTest::newRow("I at 16 from high")    << 0 << "22 16:I" << "Kan Otsu";
    QTest::newRow("HiGo at 28 from low")  << 1 << "10 28:HiGo" << "Otsu Kan";
    QTest::newRow("I at 28 from high")    << 0 << "22 28:I" << "Kan -";
    QTest::newRow("Hi at 16 in Tozan")    << 2 << "22 16:Hi 10 16:Hi" << "Kan Otsu Otsu -";
    QTest::newRow("Hi at 16 in Kinko")    << 0 << "22 16:Hi" << "Kan -";
    QTest::newRow("eight rests forget")   << 0 << "21 " + rests7 + " r 22" << "Kan " + none7 + " - Kan";
    QTest::newRow("seven rests do not")   << 0 << "21 " + rests7 + " 22" << "Kan " + none7 + " -";
    QTest::newRow("rest run over measures") << 0 << "21 r r r | r r r r r 22" << "Kan - - - - - - - - Kan";
    QTest::newRow("two after three")      << 0 << "13 +9 +20 21 +5" << "Otsu Otsu Kan Kan -";
    QTest::newRow("three after one")      << 0 << "13 21 +5 +17" << "Otsu Kan Otsu -";
    QTest::newRow("double quote")         << 0 << "4 6 5! 16" << "Otsu - DoubleQuote KanWhite";
    QTest::newRow("double quote, no Kan") << 0 << "4 6 5! 13" << "Otsu - DoubleQuote -";
    QTest::newRow("double quote, low")    << 0 << "4 6 5! 11" << "Otsu - - -";
    QTest::newRow("double quote on first") << 0 << "5! 16" << "Otsu Kan";
    QTest::newRow("double quote, chord after") << 0 << "4 6 5! 16 +18" << "Otsu - - Kan Kan";
    QTest::newRow("double quote in chord") << 0 << "4 6 +5! 16" << "Otsu - - Kan";
    QTest::newRow("Prev keeps its mark")  << 0 << "4 16:Prev 17" << "Otsu old Kan";
    // clang-format on
}

void TestOctaveMarks::marksVoice()
{
    QFETCH(int, style);
    QFETCH(QString, notes);
    QFETCH(QString, marks);
    Score score(QStringLiteral("5.3.1"), 1, false);
    TestSupport::ModelBuilder builder(&score);
    builder.addPart(QStringLiteral("Shakuhachi"), style);
    const QList<Note *> built = buildVoice(builder, 0, 1, notes);
    score.setOctaveInstMarks();
    QCOMPARE(marksOf(built).join(QLatin1Char(' ')), marks);
}

void TestOctaveMarks::otherStylesGetNone_data()
{
    QTest::addColumn<int>("style");
    for (int style = 4; style <= 13; ++style)
        QTest::addRow("style %d", style) << style;
}

void TestOctaveMarks::otherStylesGetNone()
{
    QFETCH(int, style);
    Score score(QStringLiteral("5.3.1"), 1, false);
    TestSupport::ModelBuilder builder(&score);
    builder.addPart(QStringLiteral("Other"), style);
    const QList<Note *> built = buildVoice(builder, 0, 1, QStringLiteral("4 r 16:Prev 21 +9"));
    score.setOctaveInstMarks();
    QCOMPARE(marksOf(built), QStringList({"-", "-", "old", "-", "-"}));
}

// The previous chord is forgotten with its voice: the first note of voice
// 2 is judged as a first note, and a double-quote note at the end of voice
// 1 is not paired with it.
void TestOctaveMarks::doubleQuoteStaysInItsVoice()
{
    Score score(QStringLiteral("5.3.1"), 1, false);
    TestSupport::ModelBuilder builder(&score);
    builder.addPart(QStringLiteral("Kinko"), 0);
    const QList<Note *> voice1 = buildVoice(builder, 0, 1, QStringLiteral("4 6 5!"));
    const QList<Note *> voice2 = buildVoice(builder, 0, 2, QStringLiteral("16 18"), false);
    score.setOctaveInstMarks();
    QCOMPARE(marksOf(voice1), QStringList({"Otsu", "-", "-"}));
    QCOMPARE(marksOf(voice2), QStringList({"Kan", "-"}));
}

// Through the whole pass chain: keys and names come from the Kinko scale.
void TestOctaveMarks::marksFollowNamedPitches()
{
    Score score(QStringLiteral("5.3.1"), 1, false);
    TestSupport::ModelBuilder builder(&score);
    builder.addPart(QStringLiteral("Kinko"), 0);
    builder.addPart(QStringLiteral("Koto"), 5);
    builder.addMeasure();
    const QList<Note *> kinko = builder.addNotes(0, 1, QStringLiteral("D4/4 D5/4 r/4 D4/4"));
    const QList<Note *> koto = builder.addNotes(1, 1, QStringLiteral("D4/4 D5/4"));
    for (Note *note : koto)
        note->octaveInstMark = oldMark;
    score.SetNoteScales();
    score.setNoteNames();
    score.setOctaveInstMarks();
    QStringList names;
    for (const Note *note : kinko)
        names << note->noteName;
    QCOMPARE(names, QStringList({"Ro", "Ro", "", "Ro"}));
    QCOMPARE(marksOf(kinko), QStringList({"Otsu", "Kan", "-", "Otsu"}));
    QCOMPARE(marksOf(koto), QStringList({"-", "-"}));
}

VELMORA_TEST_MAIN(TestOctaveMarks)

} // namespace tst_octave_marks
#include "tst_octave_marks.moc"
