// Notations and directions through a whole load: the corpus files of
// notations and directions, hand-made fixtures of the direction edge cases
// and of marks with the user's offsets, and octave-shift lines that span
// measures.
#include "app/version.h"
#include "drawing/octshift.h"
#include "model/direction.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/notation.h"
#include "model/note.h"
#include "model/part.h"
#include "model/score.h"
#include "model/voice.h"
#include "support/testenvironment.h"

#include <QFile>
#include <QRegularExpression>

#include <memory>

namespace tst_notations_loading {

namespace {

QString readText(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    return QString::fromUtf8(file.readAll());
}

QString corpus(const QString &name)
{
    return readText(TestSupport::fixturePath("corpus/lilypond-musicxml-testsuite/" + name));
}

QString fixture(const QString &name)
{
    return readText(TestSupport::sourcePath("tests/fixtures/notations/" + name));
}

// Null when the document was refused.
std::unique_ptr<Score> tryLoad(const QString &text)
{
    auto score = std::make_unique<Score>(QString::fromLatin1(Velmora::programVersion), 1, false);
    score->documentText = text;
    if (!score->parseScoreXml(false))
        return nullptr;
    return score;
}

std::unique_ptr<Score> load(const QString &text)
{
    auto score = tryLoad(text);
    if (!score)
        qFatal("the document was refused");
    return score;
}

Voice *voiceOf(const Score &score, int measure, int part, int voice)
{
    return score.measures.at(measure)->parts.at(part)->voices.use(voice);
}

// Every note of part 0 in document order of measures and voices.
QList<Note *> allNotes(const Score &score)
{
    QList<Note *> notes;
    for (const Measure *measure : score.measures) {
        for (const Voice *voice : measure->parts.at(0)->voices)
            notes += voice->notes;
    }
    return notes;
}

QString directionSummary(const QList<Direction *> &directions)
{
    QStringList parts;
    for (const Direction *direction : directions) {
        QString part = QStringLiteral("%1:%2@%3")
                           .arg(direction->kind)
                           .arg(direction->text)
                           .arg(direction->noteIndex);
        if (direction->number)
            part += QStringLiteral("#%1").arg(direction->number);
        if (direction->lineType)
            part += QStringLiteral(" L%1").arg(direction->lineType);
        parts << part;
    }
    return parts.join(QStringLiteral(" | "));
}

// Kind, then the x offset of a moved mark.
QString notationSummary(const Note *note)
{
    QStringList parts;
    for (const Notation *notation : note->notations)
        parts << QString::number(notation->kind) +
                     (notation->moved ? QStringLiteral("(%1)").arg(notation->x) : QString());
    return parts.join(QLatin1Char(' '));
}

} // namespace

class TestNotationsLoading : public QObject
{
    Q_OBJECT

private slots:
    void corpusNotations();
    void corpusDirections();
    void directionEdgeCases();
    void tiesGivenOnlyAsNotations();
    void directionStaffAboveEightRefusesTheLoad();
    void notationOffsetsPairWithTheirMarks();
    void octaveShiftAcrossMeasures_data();
    void octaveShiftAcrossMeasures();
};

void TestNotationsLoading::corpusNotations()
{
    const auto score = load(corpus("32a-Notations.xml"));
    QStringList kinds;
    for (const Note *note : allNotes(*score)) {
        for (const Notation *notation : note->notations)
            kinds << QString::number(notation->kind) + (notation->inverted ? "i" : "");
    }
    QCOMPARE(kinds.join(' '), QStringLiteral("0 0i 0 0 0 3 14 1 5 13 2 15 16 17 4 11 -1 12 8 9 "
                                             "10 4 0 14 1 3 5 1"));
    // The tremolo without type is a single tremolo of 3 strokes.
    const QList<Note *> notes = allNotes(*score);
    const auto tremolo = std::find_if(notes.begin(), notes.end(), [](const Note *note) {
        return !note->notations.isEmpty() && note->notations.first()->kind == 10;
    });
    QVERIFY(tremolo != notes.end());
    QCOMPARE((*tremolo)->tremoloType, 3);
    QCOMPARE((*tremolo)->tremoloMarks, 3);

    const auto multiple = load(corpus("32c-MultipleNotationChildren.xml"));
    for (const Note *note : allNotes(*multiple))
        QCOMPARE(notationSummary(note), QStringLiteral("1 3"));
}

void TestNotationsLoading::corpusDirections()
{
    const auto score = load(corpus("31a-Directions.xml"));
    QList<Direction *> directions;
    for (const Measure *measure : score->measures) {
        for (const Voice *voice : measure->parts.at(0)->voices)
            directions += voice->directions;
    }
    QStringList dynamics;
    QStringList lines;
    QStringList tempi;
    for (Direction *direction : std::as_const(directions)) {
        if (direction->kind == 0)
            dynamics << direction->text;
        else if (direction->kind == 17 || direction->kind == 18)
            lines << QStringLiteral("%1#%2 L%3")
                         .arg(direction->kind)
                         .arg(direction->number)
                         .arg(direction->lineType);
        else if (direction->kind == 9)
            tempi << direction->text;
    }
    // pppp and beyond, and other-dynamics, make no direction.
    QCOMPARE(dynamics.join(' '), QStringLiteral("p pp ppp f ff fff mp mf sf sfp sfpp fp rf rfz "
                                                "sfz sffz fz"));
    QCOMPARE(lines.join(QStringLiteral(", ")),
             QStringLiteral("17#5 L2, 18#5 L2, 17#0 L0, 18#0 L0"));
    QCOMPARE(tempi, QStringList{QStringLiteral("Q = 60")});
}

void TestNotationsLoading::directionEdgeCases()
{
    const auto score = load(fixture("31x-Directions-EdgeCases.xml"));
    const Voice *voice = voiceOf(*score, 0, 0, 0);
    QCOMPARE(directionSummary(voice->directions),
             QStringLiteral("0:f@0 | 0:p@0 | 4:diminuendo@0#1 | 9:Q = 72@1 | 12:Fine@-2 | "
                            "1:rit.@2 | 17:~@2 | 17:@3#5 L3 | 5:nothing@-2#1 | 18:@-2#5 L2 | "
                            "18:@-2"));
    QCOMPARE(voice->notes.size(), 4);
    QCOMPARE(voice->notes.at(0)->slurs[0], 1);
    QCOMPARE(voice->notes.at(1)->slurs[0], 3);
    QCOMPARE(voice->notes.at(2)->slurs[0], 2);
}

void TestNotationsLoading::tiesGivenOnlyAsNotations()
{
    // The file writes its ties only as `tied`: a cross-voice tie, ties into
    // a chord and a let-ring tie, which reaches no later note.
    const auto score = load(corpus("33k-Tie-Types.xml"));
    QStringList kinds;
    for (const Note *note : allNotes(*score))
        kinds << QString::number(note->tie);
    QCOMPARE(kinds.join(QLatin1Char(' ')),
             QStringLiteral("1 0 0 1 2 0 0 0 0 2 0 0 1 1 1 2 2 2 0 0 0 0 0"));
}

void TestNotationsLoading::directionStaffAboveEightRefusesTheLoad()
{
    QString text = fixture("31x-Directions-EdgeCases.xml");
    const QString fine = QStringLiteral("<direction-type><words>Fine</words></direction-type>");
    QVERIFY(text.contains(fine));
    text.replace(fine, fine + "<staff>9</staff>");
    TestSupport::prompter().reset();
    QVERIFY(!tryLoad(text));
    const QStringList warnings = TestSupport::prompter().texts("warning");
    QCOMPARE(warnings.size(), 1);
    QVERIFY2(warnings.first().endsWith("Staff number exceeded the maximum. Staff Number 9 "
                                       "(Maximum Staff Number 8)"),
             qPrintable(warnings.first()));
    QVERIFY(!warnings.first().contains("Sorry"));
}

void TestNotationsLoading::notationOffsetsPairWithTheirMarks()
{
    const auto score = load(fixture("32x-MultipleNotationChildren-Offsets.xml"));
    const QList<Note *> notes = voiceOf(*score, 0, 0, 0)->notes;
    QCOMPARE(notes.size(), 3);
    QCOMPARE(notationSummary(notes.at(0)), QStringLiteral("1(1) 6 3(2)"));
    QCOMPARE(notes.at(0)->slurs[0], 1);
    QCOMPARE(notationSummary(notes.at(1)), QStringLiteral("6 0(3)"));
    QCOMPARE(notes.at(1)->slurs[0], 2);
    QCOMPARE(notationSummary(notes.at(2)), QStringLiteral("-1 3(4)"));
    for (int slur : notes.at(2)->slurs)
        QCOMPARE(slur, 0);
}

void TestNotationsLoading::octaveShiftAcrossMeasures_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<int>("steps");
    QTest::addColumn<bool>("stopAtMeasureStart");
    QTest::addColumn<QString>("measure5");

    QTest::newRow("down (8va)") << "down" << -7 << false << "s s s 0 | s s | 0";
    QTest::newRow("up (8vb)") << "up" << 7 << false << "s s s 0 | s s | 0";
    // The stop moved before measure 5's first note ends the shift where
    // that measure starts.
    QTest::newRow("stop before the first note") << "down" << -7 << true << "0 0 0 0 | 0 0 | 0";
}

void TestNotationsLoading::octaveShiftAcrossMeasures()
{
    QFETCH(QString, type);
    QFETCH(int, steps);
    QFETCH(bool, stopAtMeasureStart);
    QFETCH(QString, measure5);
    QString text = fixture("33x-OctaveShift-AcrossMeasures.xml");
    text.replace(QStringLiteral("<octave-shift type=\"down\""),
                 QStringLiteral("<octave-shift type=\"%1\"").arg(type));
    if (stopAtMeasureStart) {
        static const QRegularExpression stop(
            QStringLiteral("<direction>\\s*<direction-type><octave-shift type=\"stop\"[^>]*>"
                           "</direction-type>\\s*</direction>"));
        const QRegularExpressionMatch match = stop.match(text);
        QVERIFY(match.hasMatch());
        const QString direction = match.captured();
        text.remove(match.capturedStart(), match.capturedLength());
        const QString measure = QStringLiteral("<measure number=\"5\">");
        QVERIFY(text.contains(measure));
        text.replace(measure, measure + direction);
    }
    const auto score = load(text);
    QCOMPARE(score->measures.size(), 6);

    // Per measure: the steps of voice 1's four quarters, voice 2's two
    // halves and voice 5's whole note; "s" stands for `steps`.
    const QStringList expected = {
        "0 0 0 0 | 0 0 | 0",
        "0 0 0 0 | 0 0 | 0",
        "0 s s s | 0 s | 0",
        "s s s s | s s | 0",
        measure5,
        "0 0 0 0 | 0 0 | 0",
    };
    for (int m = 0; m < 6; ++m) {
        QStringList groups;
        for (int voice : {0, 1, 4}) {
            QStringList values;
            for (const Note *note : voiceOf(*score, m, 0, voice)->notes) {
                QVERIFY(note->octaveShiftSteps == 0 || note->octaveShiftSteps == steps);
                values << (note->octaveShiftSteps ? QStringLiteral("s") : QStringLiteral("0"));
            }
            groups << values.join(' ');
        }
        QCOMPARE(groups.join(QStringLiteral(" | ")), expected.at(m));
    }
    // The drawing pairs the stop with its start too: no line is left open.
    score->generateScore();
    QVERIFY(!score->parts.first()->octShift->startSlots[0].startMeasure);
}

VELMORA_TEST_MAIN(TestNotationsLoading)

} // namespace tst_notations_loading
#include "tst_notations_loading.moc"
