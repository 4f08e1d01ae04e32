// The reader of one MusicXML note element: what each child sets, the
// codes of its tables, lyrics with their text option and tarn-offset, the
// program's per-note elements, the voices given to voice names, and the
// refusal of voices and staves the model cannot hold.
#include "app/version.h"
#include "document/voicenumbering.h"
#include "model/lyrics.h"
#include "model/note.h"
#include "model/score.h"
#include "support/messagecapture.h"
#include "support/testenvironment.h"

#include <memory>

namespace tst_note_parser {

namespace {

QDomElement noteElement(QDomDocument &document, const QString &children)
{
    const QString xml = QStringLiteral("<note>%1</note>").arg(children);
    if (!document.setContent(xml))
        qFatal("fixture is not XML: %s", qPrintable(xml));
    return document.documentElement();
}

QString beamsText(const Note &note)
{
    QStringList codes;
    for (int code : note.beamTypes)
        codes << QString::number(code);
    return codes.join(QLatin1Char(' '));
}

// The fields a row checks, by name.
QVariant noteValue(const Note &note, const QString &field)
{
    if (field == "chord")
        return note.chord;
    if (field == "rest")
        return note.rest;
    if (field == "grace")
        return QStringLiteral("%1 %2").arg(note.grace).arg(note.graceSlash);
    if (field == "pitch")
        return QStringLiteral("%1 %2 %3").arg(note.step).arg(note.alter).arg(note.octave);
    if (field == "duration")
        return note.duration;
    if (field == "voice")
        return note.voice;
    if (field == "staff")
        return note.staff;
    if (field == "tie")
        return note.tie;
    if (field == "type")
        return note.noteType;
    if (field == "accidental")
        return note.accidental;
    if (field == "stem")
        return note.stem;
    if (field == "dots")
        return note.dots;
    if (field == "beams")
        return beamsText(note);
    if (field == "tuplet")
        return QStringLiteral("%1 %2 %3")
            .arg(note.timeModification)
            .arg(note.actualNotes)
            .arg(note.normalNotes);
    if (field == "octaveInst")
        return QStringLiteral("%1 %2 %3")
            .arg(note.octaveInstMoved)
            .arg(note.octaveInstOffsetX)
            .arg(note.octaveInstOffsetY);
    if (field == "shift")
        return QStringLiteral("%1 %2").arg(note.noteShiftMajor).arg(note.noteShiftSub);
    if (field == "tieReverse")
        return note.tieReverse;
    qFatal("unknown field %s", qPrintable(field));
}

} // namespace

class TestNoteParser : public QObject
{
    Q_OBJECT

private slots:
    void fields_data();
    void fields();
    void lyrics_data();
    void lyrics();
    void namedVoices_data();
    void namedVoices();
    void refusedVoicesAndStaves_data();
    void refusedVoicesAndStaves();
};

void TestNoteParser::fields_data()
{
    QTest::addColumn<QString>("children");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QVariant>("expected");

    const QString pitch = "<pitch><step>B</step><alter>-1</alter><octave>4</octave></pitch>";
    QTest::newRow("pitch") << pitch << "pitch" << QVariant("B -1 4");
    QTest::newRow("pitch without alter") << "<pitch><step>C</step><octave>5</octave></pitch>"
                                         << "pitch" << QVariant("C 0 5");
    QTest::newRow("microtone alter reads 0")
        << "<pitch><step>C</step><alter>0.5</alter><octave>5</octave></pitch>"
        << "pitch" << QVariant("C 0 5");
    QTest::newRow("chord") << "<chord/>" + pitch << "chord" << QVariant(true);
    QTest::newRow("rest without type keeps type 0") << "<rest/><duration>16</duration>"
                                                    << "type" << QVariant(0);
    QTest::newRow("rest with type") << "<rest/><type>quarter</type>"
                                    << "type" << QVariant(4);
    QTest::newRow("rest flag") << "<rest measure=\"yes\"/>"
                               << "rest" << QVariant(true);
    QTest::newRow("grace with slash") << "<grace slash=\"yes\"/>"
                                      << "grace" << QVariant("1 1");
    QTest::newRow("grace slash no") << "<grace slash=\"no\"/>"
                                    << "grace" << QVariant("1 0");
    QTest::newRow("duration") << "<duration>12</duration>"
                              << "duration" << QVariant(12);
    QTest::newRow("duration not a number") << "<duration>x</duration>"
                                           << "duration" << QVariant(0);
    QTest::newRow("voice 32 loads") << "<voice>32</voice>"
                                    << "voice" << QVariant(32);
    QTest::newRow("staff 8 is index 7") << "<staff>8</staff>"
                                        << "staff" << QVariant(7);
    QTest::newRow("tie stop then start") << "<tie type=\"stop\"/><tie type=\"start\"/>"
                                         << "tie" << QVariant(3);
    QTest::newRow("tie start then stop") << "<tie type=\"start\"/><tie type=\"stop\"/>"
                                         << "tie" << QVariant(3);
    QTest::newRow("tie start alone") << "<tie type=\"start\"/>"
                                     << "tie" << QVariant(1);
    QTest::newRow("tie stop alone") << "<tie type=\"stop\"/>"
                                    << "tie" << QVariant(2);
    QTest::newRow("type 16th") << "<type>16th</type>"
                               << "type" << QVariant(16);
    QTest::newRow("type breve") << "<type>half</type><type>breve</type>"
                                << "type" << QVariant(0);
    QTest::newRow("type unknown word") << "<type>half</type><type>long</type>"
                                       << "type" << QVariant(2);
    QTest::newRow("accidental") << "<accidental>natural-sharp</accidental>"
                                << "accidental" << QVariant(7);
    QTest::newRow("stem down") << "<stem>down</stem>"
                               << "stem" << QVariant(2);
    QTest::newRow("stem none keeps 0") << "<stem>none</stem>"
                                       << "stem" << QVariant(0);
    QTest::newRow("two dots") << "<dot/><dot/>"
                              << "dots" << QVariant(2);
    QTest::newRow("beams by number")
        << "<beam number=\"1\">begin</beam><beam number=\"2\">forward hook</beam>"
        << "beams" << QVariant("1 4 0 0 0");
    QTest::newRow("beam without number is beam 1")
        << "<beam>begin</beam><beam number=\"2\">begin</beam>"
        << "beams" << QVariant("1 1 0 0 0");
    QTest::newRow("beam number out of range is ignored")
        << "<beam number=\"0\">end</beam><beam number=\"6\">end</beam>"
           "<beam number=\"-2147483648\">end</beam><beam number=\"5\">continue</beam>"
        << "beams" << QVariant("0 0 0 0 2");
    QTest::newRow("tuplet")
        << "<time-modification><actual-notes>3</actual-notes><normal-notes>2</normal-notes>"
           "</time-modification>"
        << "tuplet" << QVariant("1 3 2");
    QTest::newRow("octave instruction offset")
        << "<tarn-octave-instruction-offset x=\"1.5\" y=\"-2\"/>"
        << "octaveInst" << QVariant("1 1.5 -2");
    QTest::newRow("note shift") << "<tarn-note-shift major=\"0.25\" sub=\"-1\"/>"
                                << "shift" << QVariant("0.25 -1");
    const QString tied = QStringLiteral("<notations><tied type=\"%1\"/></notations>");
    QTest::newRow("tied start alone") << tied.arg("start") << "tie" << QVariant(1);
    QTest::newRow("tied stop alone") << tied.arg("stop") << "tie" << QVariant(2);
    QTest::newRow("tied continue is stop and start")
        << tied.arg("continue") << "tie" << QVariant(3);
    QTest::newRow("tied let-ring ties to nothing") << tied.arg("let-ring") << "tie" << QVariant(0);
    QTest::newRow("tied start then stop") << "<notations><tied type=\"start\"/>"
                                             "<tied type=\"stop\"/></notations>"
                                          << "tie" << QVariant(3);
    QTest::newRow("tied stop and start in two notations")
        << tied.arg("stop") + tied.arg("start") << "tie" << QVariant(3);
    QTest::newRow("tied stop with let-ring") << "<notations><tied type=\"stop\"/>"
                                                "<tied type=\"let-ring\"/></notations>"
                                             << "tie" << QVariant(2);
    // Files with both elements read from `tie` alone, as they always did.
    QTest::newRow("tie and tied start")
        << "<tie type=\"start\"/>" + tied.arg("start") << "tie" << QVariant(1);
    QTest::newRow("tie and tied stop then start")
        << "<tie type=\"stop\"/><tie type=\"start\"/><notations><tied type=\"stop\"/>"
           "<tied type=\"start\"/></notations>"
        << "tie" << QVariant(3);
    QTest::newRow("tie wins over a differing tied")
        << "<tie type=\"stop\"/>" + tied.arg("start") << "tie" << QVariant(2);
    QTest::newRow("tie reverse") << "<tarn-tie-reverse/>"
                                 << "tieReverse" << QVariant(true);
}

void TestNoteParser::fields()
{
    QFETCH(QString, children);
    QFETCH(QString, field);
    QFETCH(QVariant, expected);
    Score score(Velmora::programVersion, 0, false);
    QDomDocument document;
    Note note;
    QVERIFY(score.parseMeasureNote(&note, noteElement(document, children)));
    QCOMPARE(noteValue(note, field).toString(), expected.toString());
}

void TestNoteParser::lyrics_data()
{
    QTest::addColumn<QString>("lyric");
    QTest::addColumn<QString>("expected"); // number syllabic text moved x y

    QTest::newRow("plain") << "<lyric number=\"1\"><syllabic>begin</syllabic><text>sa</text>"
                              "</lyric>"
                           << "1 1 sa 0 0 0";
    QTest::newRow("text offset option")
        << "<lyric number=\"2\"><syllabic>end</syllabic><text>sa{1.5,-2}</text></lyric>"
        << "2 3 sa 1 1.5 -2";
    QTest::newRow("tarn-offset wins over the option")
        << "<lyric number=\"1\"><text>sa{1.5,-2}</text><tarn-offset x=\"3\" y=\"4\"/></lyric>"
        << "1 0 sa 1 3 4";
    QTest::newRow("no number takes its place among the lyrics, unknown syllabic kept")
        << "<lyric><syllabic>single</syllabic><text>ka</text></lyric>"
        << "1 0 ka 0 0 0";
    QTest::newRow("a name in place of a number takes its place")
        << "<lyric number=\"iij\"><text>TRA</text></lyric>"
        << "1 0 TRA 0 0 0";
    QTest::newRow("zero takes its place") << "<lyric number=\"0\"><text>ka</text></lyric>"
                                          << "1 0 ka 0 0 0";
    QTest::newRow("font option is not an offset")
        << "<lyric number=\"1\"><text>ka{f:Arial,12}</text></lyric>"
        << "1 0 ka{f:Arial,12} 0 0 0";
}

void TestNoteParser::lyrics()
{
    QFETCH(QString, lyric);
    QFETCH(QString, expected);
    Score score(Velmora::programVersion, 0, false);
    QDomDocument document;
    Note note;
    const QDomElement element =
        noteElement(document, lyric + "<lyric number=\"9\"><text>x</text></lyric>");
    QVERIFY(score.parseMeasureNote(&note, element));
    QCOMPARE(note.lyrics.size(), 2);
    const Lyrics *first = note.lyrics.first();
    QCOMPARE(QStringLiteral("%1 %2 %3 %4 %5 %6")
                 .arg(first->number)
                 .arg(first->syllabic)
                 .arg(first->text)
                 .arg(first->moved)
                 .arg(first->x)
                 .arg(first->y),
             expected);
    QCOMPARE(first->element, element.firstChildElement("lyric"));
    QCOMPARE(note.lyrics.at(1)->number, 9);
}

void TestNoteParser::namedVoices_data()
{
    // Notes of one part in document order, each "voice" or "voice@staff";
    // the voice index each is given (-1: none left, refused).
    QTest::addColumn<QStringList>("notes");
    QTest::addColumn<QList<int>>("indices");

    QTest::newRow("names take the voices numbers leave free")
        << QStringList{"1", "X", "2", "Y"} << QList<int>{0, 2, 1, 3};
    QTest::newRow("in order of first appearance")
        << QStringList{"Y", "X", "Y", "X"} << QList<int>{0, 1, 0, 1};
    QTest::newRow("the voices of the note's staff first")
        << QStringList{"X@2", "Y@1", "Z@2"} << QList<int>{4, 0, 5};
    QTest::newRow("a full staff gives the lowest free voice")
        << QStringList{"1@2", "2@2", "3@2", "4@2", "X@2"} << QList<int>{0, 1, 2, 3, 4};
    QTest::newRow("numbers and a missing voice stay as written")
        << QStringList{"", "32", " 7 ", "0"} << QList<int>{0, 31, 6, -1};
    QStringList full;
    QList<int> numbered;
    for (int v = 1; v <= 32; ++v) {
        full << QString::number(v);
        numbered << v - 1;
    }
    QTest::newRow("no voice left") << full + QStringList{"X"} << numbered + QList<int>{-1};
}

void TestNoteParser::namedVoices()
{
    QFETCH(QStringList, notes);
    QFETCH(QList<int>, indices);
    QString measure;
    for (const QString &note : notes) {
        const QString voice = note.section(QLatin1Char('@'), 0, 0);
        const QString staff = note.section(QLatin1Char('@'), 1, 1);
        measure += QStringLiteral("<note>%1%2</note>")
                       .arg(voice.isEmpty() ? QString() : "<voice>" + voice + "</voice>",
                            staff.isEmpty() ? QString() : "<staff>" + staff + "</staff>");
    }
    QDomDocument document;
    QVERIFY(document.setContent("<part><measure>" + measure + "</measure></part>"));
    const VoiceNumbering voices(document.documentElement());
    QList<int> given;
    for (QDomElement note = document.documentElement().firstChildElement().firstChildElement();
         !note.isNull(); note = note.nextSiblingElement())
        given << voices.voiceIndexOf(note);
    QCOMPARE(given, indices);

    // The note reader takes the same voices from the part the note is in.
    Score score(Velmora::programVersion, 0, false);
    QDomElement last = document.documentElement().firstChildElement().lastChildElement();
    Note note;
    QCOMPARE(score.parseMeasureNote(&note, last), indices.last() >= 0);
    if (indices.last() >= 0)
        QCOMPARE(note.voice, indices.last() + 1);
}

void TestNoteParser::refusedVoicesAndStaves_data()
{
    QTest::addColumn<QString>("children");
    QTest::addColumn<QString>("warning");

    const QString voice =
        "Voice number exceeded the maximum. (Voice Number %1)! (Maximum Voice 32)";
    const QString staff =
        "Staff number exceeded the maximum. (Staff Number %1)! (Maximum Staff Number 8)";
    QTest::newRow("voice 33") << "<voice>33</voice>" << voice.arg("33");
    QTest::newRow("voice 0") << "<voice>0</voice>" << voice.arg("0");
    QTest::newRow("voice beyond an int")
        << "<voice>99999999999</voice>" << voice.arg("99999999999");
    QTest::newRow("staff 9") << "<staff>9</staff>" << staff.arg("9");
    QTest::newRow("staff 0") << "<staff>0</staff>" << staff.arg("0");
    QTest::newRow("staff negative") << "<staff>-3</staff>" << staff.arg("-3");
    QTest::newRow("staff lowest int") << "<staff>-2147483648</staff>" << staff.arg("-2147483648");
}

void TestNoteParser::refusedVoicesAndStaves()
{
    QFETCH(QString, children);
    QFETCH(QString, warning);
    Score score(Velmora::programVersion, 0, false);
    QDomDocument document;
    Note note;
    QString refusal;
    QVERIFY(!score.parseMeasureNote(&note, noteElement(document, children), &refusal));
    QCOMPARE(refusal, warning);
    QVERIFY(!refusal.contains("Sorry"));
}

VELMORA_TEST_MAIN(TestNoteParser)

} // namespace tst_note_parser
#include "tst_note_parser.moc"
