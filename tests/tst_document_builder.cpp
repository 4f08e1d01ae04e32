// The whole-document builder: the layout of a built document, builds that
// repeat without change, the user's adjustments surviving a save and a
// reload, what each output mode writes, the mends for documents whose
// parts or marks outrun the model, and the round trip of the whole corpus.
#include "app/version.h"
#include "document/scorexmlmode.h"
#include "model/credit.h"
#include "model/direction.h"
#include "model/directive.h"
#include "model/fingering.h"
#include "model/lyrics.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/notation.h"
#include "model/note.h"
#include "model/part.h"
#include "model/score.h"
#include "model/stopped.h"
#include "model/style.h"
#include "model/upbow.h"
#include "model/voice.h"
#include "support/modelbuilder.h"
#include "support/testenvironment.h"

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <memory>

namespace tst_document_builder {

namespace {

std::unique_ptr<Score> newScore()
{
    return std::make_unique<Score>(QString::fromLatin1(Velmora::programVersion), 1, false);
}

QString readText(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    return QString::fromUtf8(file.readAll());
}

QString fixture(const QString &name)
{
    return readText(TestSupport::sourcePath(QStringLiteral("tests/fixtures/writer/") + name));
}

QString editableItems()
{
    return fixture(QStringLiteral("Writer-EditableItems.xml"));
}

// The score loaded from `text`, or null when the loader refused it.
std::unique_ptr<Score> loaded(const QString &text)
{
    auto score = newScore();
    score->documentText = text;
    if (!score->parseScoreXml(false))
        return nullptr;
    return score;
}

// Saved in `mode`, then loaded again as a new score.
std::unique_ptr<Score> reloaded(Score &score, ScoreXmlMode mode = ScoreXmlMode::ScoreFile)
{
    return loaded(score.buildScoreXml(mode));
}

// Only the time of the build differs between two builds of one model.
QString withoutUpdateTime(QString text)
{
    static const QRegularExpression time(
        QStringLiteral("<last-update-date-time>[^<]*</last-update-date-time>"));
    return text.replace(time, QString());
}

// Each `fingering` of the first note as its text and its attributes, sorted
// by name: "1 placement=below substitution=yes".
QStringList fingeringsWithAttributes(const QString &text)
{
    QDomDocument document;
    if (!document.setContent(text))
        qFatal("built text is not XML");
    QStringList result;
    const QDomElement note = document.elementsByTagName("note").at(0).toElement();
    const QDomNodeList fingerings = note.elementsByTagName("fingering");
    for (int i = 0; i < fingerings.size(); ++i) {
        const QDomElement fingering = fingerings.at(i).toElement();
        QStringList attributes;
        const QDomNamedNodeMap map = fingering.attributes();
        for (int k = 0; k < map.count(); ++k)
            attributes << map.item(k).nodeName() + QLatin1Char('=') + map.item(k).nodeValue();
        attributes.sort();
        QString own;
        for (QDomNode n = fingering.firstChild(); !n.isNull(); n = n.nextSibling())
            own += n.isText() ? n.toText().data() : QString();
        result << (QStringList{own} + attributes).join(QLatin1Char(' '));
    }
    return result;
}

QDomDocument parsed(const QString &text)
{
    QDomDocument document;
    if (!document.setContent(text))
        qFatal("built text is not XML");
    return document;
}

QStringList childTags(const QDomElement &element)
{
    QStringList tags;
    for (QDomElement e = element.firstChildElement(); !e.isNull(); e = e.nextSiblingElement())
        tags << e.tagName();
    return tags;
}

QList<QDomElement> elementsNamed(const QDomNode &root, const QString &tag)
{
    QList<QDomElement> result;
    const QDomNodeList list = root.toElement().isNull() ? root.toDocument().elementsByTagName(tag)
                                                        : root.toElement().elementsByTagName(tag);
    for (int i = 0; i < list.size(); ++i)
        result << list.at(i).toElement();
    return result;
}

// Measure `m` of part `p` of a built document.
QDomElement measureElement(const QDomDocument &document, int p, int m)
{
    return elementsNamed(elementsNamed(document, QStringLiteral("part")).at(p),
                         QStringLiteral("measure"))
        .at(m);
}

// Note `n` (in document order) of measure `m` of part `p`.
QDomElement noteElement(const QDomDocument &document, int p, int m, int n)
{
    return elementsNamed(measureElement(document, p, m), QStringLiteral("note")).at(n);
}

// The extension elements that stand twice under one parent, as
// "parent/tag" texts.
QStringList repeatedExtensions(const QDomElement &element)
{
    QStringList repeated;
    QStringList seen;
    for (QDomElement child = element.firstChildElement(); !child.isNull();
         child = child.nextSiblingElement()) {
        const QString tag = child.tagName();
        if (tag.startsWith(QLatin1String("tarn-"))) {
            if (seen.contains(tag))
                repeated << element.tagName() + QLatin1Char('/') + tag;
            seen << tag;
        }
        repeated << repeatedExtensions(child);
    }
    return repeated;
}

Note *noteOf(Score &score, int m, int p, int v, int n)
{
    return score.measures.at(m)->parts.at(p)->voices.at(v)->notes.at(n);
}

// Positions as written (float, 8 significant digits); scales with 3.
QString pos(double value)
{
    return QString::number(double(float(value)), 'g', 8);
}

QString offsetText(const UserOffset &offset)
{
    return offset.moved ? QStringLiteral("(%1, %2)").arg(pos(offset.x), pos(offset.y))
                        : QStringLiteral("unmoved");
}

// Awkward values, so that a writer with too few digits shows.
constexpr double editX = 192.345987654321;
constexpr double editY = -0.76948798123456;

enum class Edit
{
    LyricOffset,
    LyricOffsetAtOrigin,
    CreditOffset,
    CreditRotation,
    CreditFont,
    OctaveInstOffset,
    NoteShift,
    TieReverse,
    MeasureUserScale,
    Break,
    EndingOffset,
    NotationOffset,
    NotationOffsetAtOrigin,
    NotationScale,
    NotationVisibility,
    SlurPlacement,
    SlurControl,
    FingeringOffset,
    DirectiveOffset,
    DirectiveScale,
    MarkOffset,
    DirectionOffset,
    DirectionScale,
    DirectionFont,
    DirectionRotation,
    DirectionVisibility,
};

// Target 0.. a mark of the first note; 100.. one of the first note of the
// second measure.
Notation *notationAt(Score &score, int target)
{
    return noteOf(score, target / 100, 0, 0, 0)->notations.at(target % 100);
}

// Target 0.. a direction of the first measure; 100.. of the second.
Direction *directionAt(Score &score, int target)
{
    return score.measures.at(target / 100)->parts.at(0)->voices.at(0)->directions.at(target % 100);
}

void applyEdit(Score &score, Edit edit, int target, int value)
{
    Note *note = noteOf(score, 0, 0, 0, 0);
    switch (edit) {
    case Edit::NotationOffset:
        notationAt(score, target)->setOffset(editX, editY);
        break;
    case Edit::NotationOffsetAtOrigin:
        notationAt(score, target)->setOffset(0.0, 0.0);
        break;
    case Edit::NotationScale:
        notationAt(score, target)->scale = 1.2345;
        break;
    case Edit::NotationVisibility:
        notationAt(score, target)->visibility = value;
        break;
    case Edit::SlurPlacement:
        notationAt(score, target)->userPlacement = value;
        break;
    case Edit::SlurControl:
        notationAt(score, target)->slurControlY1 = editX;
        notationAt(score, target)->slurControlY2 = value == 0 ? 0.0 : editY;
        break;
    case Edit::FingeringOffset:
        note->fingerings.at(0)->setOffset(editX, editY);
        break;
    case Edit::DirectiveOffset:
        note->directives.at(0)->setOffset(editX, editY);
        break;
    case Edit::DirectiveScale:
        note->directives.at(0)->scale = 0.6789;
        break;
    case Edit::MarkOffset:
        if (target == 0)
            note->upBow->setOffset(editX, editY);
        else
            note->stopped->setOffset(editY, editX);
        break;
    case Edit::DirectionOffset:
        directionAt(score, target)->setOffset(editX, editY);
        break;
    case Edit::DirectionScale:
        directionAt(score, target)->scale = 1.777;
        break;
    case Edit::DirectionFont:
        directionAt(score, target)->font = QFont(QStringLiteral("FreeSerif"), 17);
        directionAt(score, target)->fontGiven = true;
        break;
    case Edit::DirectionRotation:
        directionAt(score, target)->rotation = value;
        break;
    case Edit::DirectionVisibility:
        directionAt(score, target)->visibility = value;
        break;
    case Edit::LyricOffset:
        note->lyrics.at(1)->setOffset(editX, editY);
        break;
    case Edit::LyricOffsetAtOrigin:
        note->lyrics.at(0)->setOffset(0.0, 0.0);
        break;
    case Edit::CreditOffset:
        score.credits.at(1)->setOffset(editX, editY);
        break;
    case Edit::CreditRotation:
        score.credits.at(2)->rotation = value;
        break;
    case Edit::CreditFont:
        score.credits.at(0)->font = QFont(QStringLiteral("FreeSerif"), 21);
        score.credits.at(0)->fontGiven = true;
        break;
    case Edit::OctaveInstOffset:
        note->setOctaveInstOffset(editX, editY);
        break;
    case Edit::NoteShift:
        note->noteShiftMajor = editX;
        note->noteShiftSub = editY;
        break;
    case Edit::TieReverse:
        noteOf(score, 1, 0, 0, 0)->tieReverse = true;
        break;
    case Edit::MeasureUserScale:
        score.measures.at(1)->userScale = 1.2345;
        break;
    case Edit::Break:
        score.measures.at(1)->userBreakType = value;
        break;
    case Edit::EndingOffset:
        score.measures.at(0)->endingOffsetX = editX;
        score.measures.at(0)->endingOffsetY = editY;
        break;
    }
}

QString notationText(const Notation *n)
{
    return QStringLiteral("kind %1 %2 scale %3 vis %4 place %5 control %6/%7")
        .arg(n->kind)
        .arg(offsetText(*n), QString::number(n->scale, 'g', 3))
        .arg(n->visibility)
        .arg(n->userPlacement)
        .arg(pos(n->slurControlY1), pos(n->slurControlY2));
}

QString directionText(const Direction *d)
{
    return QStringLiteral("kind %1 %2 scale %3 font %4 rotation %5 vis %6")
        .arg(d->kind)
        .arg(offsetText(*d), QString::number(d->scale, 'g', 3),
             d->fontGiven ? d->font.toString() : QString())
        .arg(d->rotation)
        .arg(d->visibility);
}

// What the edit changed, as the model holds it.
QString describeEdit(Score &score, Edit edit)
{
    Note *note = noteOf(score, 0, 0, 0, 0);
    switch (edit) {
    case Edit::NotationOffset:
    case Edit::NotationOffsetAtOrigin:
    case Edit::NotationScale:
    case Edit::NotationVisibility:
    case Edit::SlurPlacement:
    case Edit::SlurControl: {
        QStringList texts;
        for (int m = 0; m < 2; ++m) {
            for (const Notation *n : std::as_const(noteOf(score, m, 0, 0, 0)->notations))
                texts << notationText(n);
        }
        return texts.join(QStringLiteral("; "));
    }
    case Edit::FingeringOffset:
    case Edit::DirectiveOffset:
    case Edit::DirectiveScale: {
        QStringList texts;
        for (const Fingering *f : std::as_const(note->fingerings))
            texts << f->text + QLatin1Char(' ') + offsetText(*f);
        for (const Directive *d : std::as_const(note->directives))
            texts << QStringLiteral("%1 %2 scale %3")
                         .arg(d->text, offsetText(*d), QString::number(d->scale, 'g', 3));
        return texts.join(QStringLiteral("; "));
    }
    case Edit::MarkOffset:
        return offsetText(*note->upBow) + QLatin1Char(' ') + offsetText(*note->stopped);
    case Edit::DirectionOffset:
    case Edit::DirectionScale:
    case Edit::DirectionFont:
    case Edit::DirectionRotation:
    case Edit::DirectionVisibility: {
        QStringList texts;
        for (int m = 0; m < 2; ++m) {
            const Voice *voice = score.measures.at(m)->parts.at(0)->voices.at(0);
            for (const Direction *d : voice->directions)
                texts << directionText(d);
        }
        return texts.join(QStringLiteral("; "));
    }
    case Edit::LyricOffset:
    case Edit::LyricOffsetAtOrigin: {
        QStringList lyrics;
        for (const Lyrics *lyric : std::as_const(note->lyrics))
            lyrics << lyric->text + QLatin1Char(' ') + offsetText(*lyric);
        return lyrics.join(QStringLiteral("; "));
    }
    case Edit::CreditOffset:
    case Edit::CreditRotation:
    case Edit::CreditFont: {
        QStringList texts;
        for (const Credit *credit : std::as_const(score.credits))
            texts << QStringLiteral("%1 %2 r%3 %4")
                         .arg(credit->text, offsetText(*credit))
                         .arg(credit->rotation)
                         .arg(credit->fontGiven ? credit->font.toString() : QString());
        return texts.join(QStringLiteral("; "));
    }
    case Edit::OctaveInstOffset:
        return QStringLiteral("%1 %2 %3")
            .arg(note->octaveInstMoved)
            .arg(pos(note->octaveInstOffsetX), pos(note->octaveInstOffsetY));
    case Edit::NoteShift:
        return pos(note->noteShiftMajor) + QLatin1Char(' ') + pos(note->noteShiftSub);
    case Edit::TieReverse:
        return QString::number(noteOf(score, 1, 0, 0, 0)->tieReverse);
    case Edit::MeasureUserScale:
    case Edit::Break:
    case Edit::EndingOffset: {
        QStringList texts;
        for (const Measure *measure : std::as_const(score.measures))
            texts << QStringLiteral("scale %1 break %2 ending (%3, %4)")
                         .arg(QString::number(measure->userScale, 'g', 3))
                         .arg(measure->userBreakType)
                         .arg(pos(measure->endingOffsetX), pos(measure->endingOffsetY));
        return texts.join(QStringLiteral("; "));
    }
    }
    return QString();
}

// What the model dump leaves out: per note its marks, texts and lyrics, per
// voice the adjustments of its directions.
QString marksDump(Score &score)
{
    QStringList lines;
    for (int m = 0; m < score.measures.size(); ++m) {
        const Measure *measure = score.measures.at(m);
        lines << QStringLiteral("measure %1 ending (%2, %3)")
                     .arg(m)
                     .arg(pos(measure->endingOffsetX), pos(measure->endingOffsetY));
        for (int p = 0; p < measure->parts.size(); ++p) {
            for (int v = 0; v < MePart::voiceCount; ++v) {
                const Voice *voice = measure->parts.at(p)->voices.at(v);
                for (const Direction *d : voice->directions)
                    lines << QStringLiteral(" %1/%2 direction ").arg(p).arg(v) + directionText(d);
                for (const Note *note : voice->notes) {
                    QStringList parts;
                    for (const Notation *n : note->notations)
                        parts << notationText(n);
                    for (const Fingering *f : note->fingerings)
                        parts << QStringLiteral("fingering ") + f->text;
                    for (const Directive *d : note->directives)
                        parts << QStringLiteral("directive ") + d->text;
                    for (const Lyrics *l : note->lyrics)
                        parts << QStringLiteral("lyric %1 %2 %3")
                                     .arg(l->number)
                                     .arg(l->text)
                                     .arg(l->syllabic);
                    parts << QStringLiteral("flags %1%2%3 up %4 stopped %5")
                                 .arg(note->noPrev)
                                 .arg(note->hajiki)
                                 .arg(note->visible)
                                 .arg(note->upBow != nullptr)
                                 .arg(note->stopped != nullptr);
                    lines << QStringLiteral(" %1/%2 note ").arg(p).arg(v) +
                                 parts.join(QStringLiteral(", "));
                }
            }
        }
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace


class TestDocumentBuilder : public QObject
{
    Q_OBJECT

private slots:
    void documentLayout();
    void buildsRepeatWithoutChange();
    void encodingDeclarationIsUtf8();
    void documentWithoutScoreIsUnchanged();
    void userEditsSurvive_data();
    void userEditsSurvive();
    void pitchChangeReachesPitch();
    void deletedLyricAndDirectiveAreNotWritten();
    void measureLevelElementsOnlyInFirstPart();
    void notationAdjustments();
    void fingeringTextsByMode_data();
    void fingeringTextsByMode();
    void fingeringAttributesSurvive_data();
    void fingeringAttributesSurvive();
    void exportKeepsTheDeclaration();
    void newDirectiveMakesNotationsBeforeLyrics();
    void directionsPairPerVoice();
    void staffLyricFontInMode4();
    void plainExportHasNoExtensionElements();
    void partsBeyondTheModelAreSkipped();
    void namedVoicesKeepTheirNotes();
    void marksBeyondTheNotationsAreSkipped();
    void pairingFollowsTheReader();
    void corpusRoundTrip();
};

void TestDocumentBuilder::documentLayout()
{
    auto score = loaded(editableItems());
    QVERIFY(score);
    const QString text = score->buildScoreXml(ScoreXmlMode::ScoreFile);

    QVERIFY2(text.startsWith(QStringLiteral(
                 "<?xml version='1.0' encoding='UTF-8'?>\n"
                 "<!DOCTYPE score-partwise PUBLIC '-//Recordare//DTD MusicXML 3.1 Partwise//EN' "
                 "'http://www.musicxml.org/dtds/partwise.dtd'>\n")),
             qPrintable(text.left(300)));
    // One space per level.
    QVERIFY(text.contains(QStringLiteral("\n <tarn-property>\n  <creation-program ")));
    QVERIFY(text.contains(QStringLiteral("\n  <score-part id=\"P1\">\n   <part-name>")));

    const QDomDocument document = parsed(text);
    const QDomElement root = document.documentElement();
    const QStringList tags = childTags(root);
    QCOMPARE(tags.first(), QStringLiteral("tarn-property"));
    QCOMPARE(tags.mid(1, 5),
             (QStringList{"identification", "defaults", "credit", "credit", "part-list"}));
    QCOMPARE(tags.mid(tags.size() - 4), (QStringList{"part", "part", "tarn-page", "tarn-style"}));
    for (const QDomElement &scorePart : elementsNamed(root, QStringLiteral("score-part")))
        QCOMPARE(childTags(scorePart).last(), QStringLiteral("tarn-part"));
    const QDomElement lyricFont =
        root.firstChildElement("defaults").firstChildElement("lyric-font");
    // The score file keeps the document's own lyric font.
    QCOMPARE(lyricFont.attribute("font-family"), QStringLiteral("Arial"));
    QCOMPARE(lyricFont.attribute("font-size"), QStringLiteral("10"));
    // The document's own comment stays where it was.
    const qsizetype comment = text.indexOf(QStringLiteral("<!--\n  Writer-EditableItems"));
    QVERIFY(comment > 0 && comment < text.indexOf(QStringLiteral("<score-partwise")));
}

void TestDocumentBuilder::buildsRepeatWithoutChange()
{
    auto score = loaded(editableItems());
    QVERIFY(score);
    noteOf(*score, 0, 0, 0, 0)->setOctaveInstOffset(1.5, 2.5);
    score->measures.at(1)->userBreakType = 2;
    score->credits.at(0)->setOffset(3.0, 4.0);
    const QString first = score->buildScoreXml(ScoreXmlMode::ScoreFile);
    const QString second = score->buildScoreXml(ScoreXmlMode::ScoreFile);
    QCOMPARE(withoutUpdateTime(second), withoutUpdateTime(first));
    QVERIFY(repeatedExtensions(parsed(second).documentElement()).isEmpty());

    // A reloaded score file builds to the same text, so nothing accumulates
    // over saves.
    auto again = loaded(second);
    QVERIFY(again);
    const QString third = again->buildScoreXml(ScoreXmlMode::ScoreFile);
    QCOMPARE(withoutUpdateTime(third), withoutUpdateTime(first));
    QCOMPARE(third.count(QStringLiteral("<tarn-pagebreak/>")), 1);
}

void TestDocumentBuilder::encodingDeclarationIsUtf8()
{
    // A UTF-16 file has been decoded through its byte-order mark; the
    // declaration still names UTF-16, but the text is saved as UTF-8.
    QString text = editableItems();
    text.replace(QStringLiteral("encoding=\"UTF-8\""), QStringLiteral("encoding=\"UTF-16\""));
    auto score = loaded(text);
    QVERIFY(score);
    const QString built = score->buildScoreXml(ScoreXmlMode::ScoreFile);
    QVERIFY2(built.startsWith(QStringLiteral("<?xml version='1.0' encoding='UTF-8'")),
             qPrintable(built.left(80)));
    QVERIFY(loaded(QString::fromUtf8(built.toUtf8())));
}

void TestDocumentBuilder::documentWithoutScoreIsUnchanged()
{
    auto score = newScore();
    QVERIFY(score->setXmlContent(QStringLiteral("<score-timewise><part/></score-timewise>")));
    const QString before = score->document.toString(1);
    QCOMPARE(score->buildScoreXml(ScoreXmlMode::ScoreFile), before);
}

void TestDocumentBuilder::userEditsSurvive_data()
{
    // Marks of the first note: 0 slur, 1 fermata, 2 staccato, 3 trill,
    // 4 wavy line; of the second measure's first note: 100 slur stop, 101
    // wavy-line stop. Directions of the first measure: 0 words, 1 f, 2 p;
    // of the second: 100 octave shift, 101 wedge.
    QTest::addColumn<Edit>("edit");
    QTest::addColumn<int>("target");
    QTest::addColumn<int>("value");
    QTest::newRow("lyric offset") << Edit::LyricOffset << 0 << 0;
    QTest::newRow("lyric moved to the origin") << Edit::LyricOffsetAtOrigin << 0 << 0;
    QTest::newRow("credit offset") << Edit::CreditOffset << 0 << 0;
    QTest::newRow("credit rotation horizontal") << Edit::CreditRotation << 0 << 1;
    QTest::newRow("credit rotation vertical") << Edit::CreditRotation << 0 << 2;
    QTest::newRow("credit rotation vertical writing") << Edit::CreditRotation << 0 << 3;
    QTest::newRow("credit font") << Edit::CreditFont << 0 << 0;
    QTest::newRow("octave-instruction offset") << Edit::OctaveInstOffset << 0 << 0;
    QTest::newRow("note shift") << Edit::NoteShift << 0 << 0;
    QTest::newRow("tie reversal") << Edit::TieReverse << 0 << 0;
    QTest::newRow("measure user scale") << Edit::MeasureUserScale << 0 << 0;
    for (int type = 1; type <= 6; ++type)
        QTest::addRow("break type %d", type) << Edit::Break << 0 << type;
    QTest::newRow("ending offset") << Edit::EndingOffset << 0 << 0;
    QTest::newRow("fermata offset") << Edit::NotationOffset << 1 << 0;
    QTest::newRow("staccato moved to the origin") << Edit::NotationOffsetAtOrigin << 2 << 0;
    QTest::newRow("trill offset") << Edit::NotationOffset << 3 << 0;
    QTest::newRow("staccato scale") << Edit::NotationScale << 2 << 0;
    QTest::newRow("fermata scale") << Edit::NotationScale << 1 << 0;
    QTest::newRow("trill invisible") << Edit::NotationVisibility << 3 << 2;
    QTest::newRow("fermata visible") << Edit::NotationVisibility << 1 << 1;
    QTest::newRow("wavy line invisible") << Edit::NotationVisibility << 4 << 2;
    QTest::newRow("wavy line stop visible") << Edit::NotationVisibility << 101 << 1;
    QTest::newRow("wavy line offset") << Edit::NotationOffset << 4 << 0;
    QTest::newRow("slur offset") << Edit::NotationOffset << 0 << 0;
    QTest::newRow("slur stop offset") << Edit::NotationOffset << 100 << 0;
    QTest::newRow("slur above") << Edit::SlurPlacement << 0 << 1;
    QTest::newRow("slur below") << Edit::SlurPlacement << 0 << 2;
    QTest::newRow("slur control, one end") << Edit::SlurControl << 0 << 0;
    QTest::newRow("slur control, both ends") << Edit::SlurControl << 0 << 1;
    QTest::newRow("slur invisible") << Edit::NotationVisibility << 0 << 2;
    QTest::newRow("fingering offset") << Edit::FingeringOffset << 0 << 0;
    QTest::newRow("directive offset") << Edit::DirectiveOffset << 0 << 0;
    QTest::newRow("directive scale") << Edit::DirectiveScale << 0 << 0;
    QTest::newRow("up-bow offset") << Edit::MarkOffset << 0 << 0;
    QTest::newRow("stopped offset") << Edit::MarkOffset << 1 << 0;
    QTest::newRow("words offset") << Edit::DirectionOffset << 0 << 0;
    QTest::newRow("dynamics offset") << Edit::DirectionOffset << 2 << 0;
    QTest::newRow("octave shift offset") << Edit::DirectionOffset << 100 << 0;
    QTest::newRow("wedge offset") << Edit::DirectionOffset << 101 << 0;
    QTest::newRow("words scale") << Edit::DirectionScale << 0 << 0;
    QTest::newRow("dynamics scale") << Edit::DirectionScale << 1 << 0;
    QTest::newRow("words font") << Edit::DirectionFont << 0 << 0;
    for (int rotation = 1; rotation <= 3; ++rotation)
        QTest::addRow("words rotation %d", rotation) << Edit::DirectionRotation << 0 << rotation;
    QTest::newRow("words invisible") << Edit::DirectionVisibility << 0 << 2;
    QTest::newRow("octave shift visible") << Edit::DirectionVisibility << 100 << 1;
}

void TestDocumentBuilder::userEditsSurvive()
{
    QFETCH(Edit, edit);
    QFETCH(int, target);
    QFETCH(int, value);
    auto score = loaded(editableItems());
    QVERIFY(score);
    const QString before = describeEdit(*score, edit);
    applyEdit(*score, edit, target, value);
    const QString edited = describeEdit(*score, edit);
    QVERIFY2(edited != before, qPrintable(edited));

    auto saved = reloaded(*score);
    QVERIFY(saved);
    QCOMPARE(describeEdit(*saved, edit), edited);
    // And through a second save, which starts from the score file.
    auto savedAgain = reloaded(*saved);
    QVERIFY(savedAgain);
    QCOMPARE(describeEdit(*savedAgain, edit), edited);
}

void TestDocumentBuilder::pitchChangeReachesPitch()
{
    auto score = loaded(editableItems());
    QVERIFY(score);
    Note *note = noteOf(*score, 0, 0, 0, 0);
    note->step = QStringLiteral("G");
    note->alter = 1;
    note->octave = 5;
    Note *flat = noteOf(*score, 1, 0, 0, 0);
    flat->alter = 0;
    const QDomDocument document = parsed(score->buildScoreXml(ScoreXmlMode::ScoreFile));

    const QDomElement pitch = noteElement(document, 0, 0, 0).firstChildElement("pitch");
    QCOMPARE(childTags(pitch), (QStringList{"step", "alter", "octave"}));
    QCOMPARE(pitch.firstChildElement("step").text(), QStringLiteral("G"));
    QCOMPARE(pitch.firstChildElement("alter").text(), QStringLiteral("1"));
    QCOMPARE(pitch.firstChildElement("octave").text(), QStringLiteral("5"));
    // The pitch keeps its place among the note's children.
    QCOMPARE(childTags(noteElement(document, 0, 0, 0)).first(), QStringLiteral("pitch"));
    QCOMPARE(childTags(noteElement(document, 0, 1, 0).firstChildElement("pitch")),
             (QStringList{"step", "octave"}));
    // A rest gets none.
    QVERIFY(noteElement(document, 0, 0, 1).firstChildElement("pitch").isNull());
    QVERIFY(!noteElement(document, 0, 0, 1).firstChildElement("rest").isNull());
}

void TestDocumentBuilder::deletedLyricAndDirectiveAreNotWritten()
{
    auto score = loaded(editableItems());
    QVERIFY(score);
    Note *note = noteOf(*score, 0, 0, 0, 0);
    note->lyrics.at(0)->deleted = true;
    note->lyrics.at(1)->setOffset(1.0, 2.0);
    auto *kept = new Directive;
    kept->text = QStringLiteral(".pizz");
    auto *deleted = new Directive;
    deleted->text = QStringLiteral(".longRepeat{2}");
    deleted->deleted = true;
    qDeleteAll(note->directives);
    note->directives = {kept, deleted};

    for (int build = 0; build < 2; ++build) {
        const QDomDocument document = parsed(score->buildScoreXml(ScoreXmlMode::ScoreFile));
        const QDomElement element = noteElement(document, 0, 0, 0);
        const QList<QDomElement> lyrics = elementsNamed(element, QStringLiteral("lyric"));
        QCOMPARE(lyrics.size(), 1);
        QCOMPARE(lyrics.at(0).attribute("number"), QStringLiteral("2"));
        QCOMPARE(childTags(lyrics.at(0)).last(), QStringLiteral("tarn-offset"));
        QStringList fingerings;
        for (const QDomElement &f : elementsNamed(element, QStringLiteral("fingering")))
            fingerings << f.text();
        QVERIFY2(fingerings.contains(".pizz") && !fingerings.contains(".longRepeat{2}"),
                 qPrintable(fingerings.join(',')));
    }
    // The model keeps the deleted lyric, so an undo can bring it back.
    QCOMPARE(note->lyrics.size(), 2);
}

void TestDocumentBuilder::measureLevelElementsOnlyInFirstPart()
{
    auto score = loaded(editableItems());
    QVERIFY(score);
    const QDomDocument plain = parsed(score->buildScoreXml(ScoreXmlMode::ScoreFile));
    // Scale 1.0 and no break: nothing at measure level.
    QCOMPARE(childTags(measureElement(plain, 0, 1)).filter("tarn-").size(), 0);

    score->measures.at(1)->userScale = 0.85;
    score->measures.at(1)->userBreakType = 4;
    const QDomDocument document = parsed(score->buildScoreXml(ScoreXmlMode::ScoreFile));
    QCOMPARE(childTags(measureElement(document, 0, 1)).mid(4),
             (QStringList{"tarn-userscale", "tarn-linebreak-nonfit"}));
    QCOMPARE(measureElement(document, 0, 1).firstChildElement("tarn-userscale").text(),
             QStringLiteral("0.85"));
    QCOMPARE(childTags(measureElement(document, 1, 1)), QStringList{"note"});
    // The ending offset is written for every part, moved or not.
    for (int p = 0; p < 2; ++p) {
        const QDomElement ending =
            measureElement(document, p, 0).firstChildElement("barline").firstChildElement("ending");
        QCOMPARE(childTags(ending), QStringList{"tarn-offset"});
    }
}

void TestDocumentBuilder::notationAdjustments()
{
    auto score = loaded(editableItems());
    QVERIFY(score);
    Note *note = noteOf(*score, 0, 0, 0, 0);
    // The fixture's note has, in order: slur, fermata, staccato, trill.
    qDeleteAll(note->notations);
    note->notations.clear();
    for (int i = 0; i < 4; ++i)
        note->notations << new Notation;
    Notation *slur = note->notations.at(0);
    slur->setOffset(editX, editY);
    slur->userPlacement = 2;
    slur->slurControlY1 = 1.25;
    slur->visibility = 2;
    slur->scale = 2.0; // a slur has no scale of its own
    note->notations.at(1)->setOffset(0.0, 0.0);
    note->notations.at(2)->scale = 1.331;
    note->notations.at(3)->visibility = 1;

    const QDomElement element =
        noteElement(parsed(score->buildScoreXml(ScoreXmlMode::ScoreFile)), 0, 0, 0);
    const QDomElement notations = element.firstChildElement("notations");
    const QDomElement slurElement = notations.firstChildElement("slur");
    QCOMPARE(childTags(slurElement), (QStringList{"tarn-offset", "tarn-slur-placement",
                                                  "tarn-slur-control", "tarn-visibility"}));
    const QDomElement offset = slurElement.firstChildElement("tarn-offset");
    QCOMPARE(offset.attribute("x"), QStringLiteral("192.34599"));
    QCOMPARE(offset.attribute("y"), QStringLiteral("-0.76948798"));
    QCOMPARE(slurElement.firstChildElement("tarn-slur-placement").attribute("placement"),
             QStringLiteral("below"));
    const QDomElement control = slurElement.firstChildElement("tarn-slur-control");
    QCOMPARE(control.attribute("y1"), QStringLiteral("1.25"));
    QCOMPARE(control.attribute("y2"), QStringLiteral("0"));
    QCOMPARE(slurElement.firstChildElement("tarn-visibility").attribute("visibility"),
             QStringLiteral("invisible"));

    const QDomElement fermataOffset =
        notations.firstChildElement("fermata").firstChildElement("tarn-offset");
    QCOMPARE(fermataOffset.attribute("x"), QStringLiteral("0"));
    QCOMPARE(fermataOffset.attribute("y"), QStringLiteral("0"));
    const QDomElement staccato =
        notations.firstChildElement("articulations").firstChildElement("staccato");
    QCOMPARE(childTags(staccato), QStringList{"tarn-scale"});
    QCOMPARE(staccato.firstChildElement("tarn-scale").attribute("scale"), QStringLiteral("1.33"));
    const QDomElement trill = notations.firstChildElement("ornaments").firstChildElement();
    QCOMPARE(trill.firstChildElement("tarn-visibility").attribute("visibility"),
             QStringLiteral("visible"));
    // The slur stop of the next measure pairs with that note's own list,
    // which holds nothing here.
    QVERIFY(noteElement(parsed(score->buildScoreXml(ScoreXmlMode::ScoreFile)), 0, 1, 0)
                .firstChildElement("notations")
                .firstChildElement("slur")
                .firstChildElement()
                .isNull());
}

void TestDocumentBuilder::fingeringTextsByMode_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("plain MusicXML") << int(ScoreXmlMode::PlainMusicXml) << QStringList{"1/2"};
    QTest::newRow("score file") << int(ScoreXmlMode::ScoreFile) << QStringList{"1", "2", ".noPrev"};
    QTest::newRow("note-name rewrite")
        << int(ScoreXmlMode::NoteNameRewrite) << QStringList{"1", "2", ".noPrev"};
}

void TestDocumentBuilder::fingeringTextsByMode()
{
    QFETCH(int, mode);
    QFETCH(QStringList, texts);
    auto score = loaded(editableItems());
    QVERIFY(score);
    Note *note = noteOf(*score, 0, 0, 0, 0);
    qDeleteAll(note->fingerings);
    note->fingerings.clear();
    for (const char *text : {"1", "2"}) {
        auto *finger = new Fingering;
        finger->text = QLatin1String(text);
        note->fingerings << finger;
    }
    note->fingerings.at(1)->setOffset(0.5, 0.25);
    qDeleteAll(note->directives);
    auto *directive = new Directive;
    directive->text = QStringLiteral(".noPrev");
    directive->scale = 1.5;
    note->directives = {directive};

    const QDomElement element =
        noteElement(parsed(score->buildScoreXml(ScoreXmlMode(mode))), 0, 0, 0);
    const QDomElement technical =
        element.firstChildElement("notations").firstChildElement("technical");
    QStringList written;
    for (const QDomElement &f : elementsNamed(technical, QStringLiteral("fingering"))) {
        QString own;
        for (QDomNode n = f.firstChild(); !n.isNull(); n = n.nextSibling())
            own += n.isText() ? n.toText().data() : QString();
        written << own;
    }
    QCOMPARE(written, texts);
    // The other technical marks stay, before the texts; `technical` is the
    // last child of `notations`.
    QCOMPARE(childTags(technical).mid(0, 2), (QStringList{"up-bow", "stopped"}));
    QCOMPARE(childTags(element.firstChildElement("notations")).last(), QStringLiteral("technical"));
    if (mode != int(ScoreXmlMode::PlainMusicXml)) {
        const QList<QDomElement> f = elementsNamed(technical, QStringLiteral("fingering"));
        QCOMPARE(childTags(f.at(0)), QStringList());
        QCOMPARE(childTags(f.at(1)), QStringList{"tarn-offset"});
        QCOMPARE(childTags(f.at(2)), QStringList{"tarn-scale"});
    }
}

void TestDocumentBuilder::fingeringAttributesSurvive_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QStringList>("written");
    QTest::newRow("score file") << int(ScoreXmlMode::ScoreFile)
                                << QStringList{"1 placement=below substitution=yes",
                                               "2 alternate=yes font-size=8",
                                               ".noPrev placement=above"};
    QTest::newRow("plain MusicXML")
        << int(ScoreXmlMode::PlainMusicXml) << QStringList{"1/2 placement=below substitution=yes"};
}

void TestDocumentBuilder::fingeringAttributesSurvive()
{
    QFETCH(int, mode);
    QFETCH(QStringList, written);
    auto score = loaded(fixture(QStringLiteral("Writer-FingeringAttributes.xml")));
    QVERIFY(score);
    noteOf(*score, 0, 0, 0, 0)->fingerings.at(1)->setOffset(0.5, 0.5);
    QCOMPARE(fingeringsWithAttributes(score->buildScoreXml(ScoreXmlMode(mode))), written);

    // A saved score file keeps them for the next build: the attributes
    // travel with the texts, not with the source file.
    auto source = loaded(fixture(QStringLiteral("Writer-FingeringAttributes.xml")));
    auto saved = reloaded(*source);
    QVERIFY(saved);
    saved = reloaded(*saved);
    QVERIFY(saved);
    QCOMPARE(fingeringsWithAttributes(saved->buildScoreXml(ScoreXmlMode(mode))), written);
}

void TestDocumentBuilder::exportKeepsTheDeclaration()
{
    auto score = loaded(fixture(QStringLiteral("Writer-FingeringAttributes.xml")));
    QVERIFY(score);
    const QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("plain.musicxml"));
    QVERIFY(score->exportMusicXMLFile(path, ScoreXmlMode::PlainMusicXml));
    const QString exported = readText(path);
    QVERIFY2(exported.startsWith(QStringLiteral(
                 "<?xml version='1.0' encoding='UTF-8'?>\n"
                 "<!DOCTYPE score-partwise PUBLIC '-//Recordare//DTD MusicXML 3.1 Partwise//EN' "
                 "'http://www.musicxml.org/dtds/partwise.dtd'>\n")),
             qPrintable(exported.left(300)));
    QCOMPARE(fingeringsWithAttributes(exported),
             QStringList{"1/2 placement=below substitution=yes"});
    // The score's own document keeps its declaration too.
    QCOMPARE(score->document.doctype().publicId(),
             QStringLiteral("-//Recordare//DTD MusicXML 3.1 Partwise//EN"));
}

void TestDocumentBuilder::newDirectiveMakesNotationsBeforeLyrics()
{
    auto score = loaded(editableItems());
    QVERIFY(score);
    // Part 2's first note has a lyric and no notations.
    Note *note = noteOf(*score, 0, 1, 0, 0);
    auto *directive = new Directive;
    directive->text = QStringLiteral("'Ro'");
    directive->setOffset(0.5, 0.5);
    note->directives << directive;
    const QString built = score->buildScoreXml(ScoreXmlMode::ScoreFile);
    QCOMPARE(childTags(noteElement(parsed(built), 1, 0, 0)),
             (QStringList{"pitch", "duration", "voice", "type", "notations", "lyric"}));
    auto saved = loaded(built);
    QVERIFY(saved);
    const Note *again = noteOf(*saved, 0, 1, 0, 0);
    QCOMPARE(again->directives.size(), 1);
    QCOMPARE(again->directives.at(0)->text, QStringLiteral("'Ro'"));
    QCOMPARE(offsetText(*again->directives.at(0)), QStringLiteral("(0.5, 0.5)"));
    QCOMPARE(again->directName, QStringLiteral("Ro"));
    QCOMPARE(again->lyrics.size(), 1);
}

void TestDocumentBuilder::directionsPairPerVoice()
{
    auto score = loaded(editableItems());
    QVERIFY(score);
    // Part 2: the "pizz." words follow a backup and stand before the voice 2
    // note, so they belong to voice 2.
    Voice *voice2 = score->measures.at(0)->parts.at(1)->voices.use(1);
    QCOMPARE(voice2->directions.size(), 1);
    voice2->directions.at(0)->setOffset(1.0, -1.0);
    const QDomDocument document = parsed(score->buildScoreXml(ScoreXmlMode::ScoreFile));
    const QDomElement words = measureElement(document, 1, 0)
                                  .firstChildElement("direction")
                                  .firstChildElement("direction-type")
                                  .firstChildElement("words");
    QCOMPARE(childTags(words), QStringList{"tarn-offset"});
    QCOMPARE(words.firstChildElement("tarn-offset").attribute("y"), QStringLiteral("-1"));
}

void TestDocumentBuilder::staffLyricFontInMode4()
{
    auto score = loaded(editableItems());
    QVERIFY(score);
    score->parts.at(0)->lyricsOutput = false;
    const QFont first = score->parts.at(0)->lyricsFont;
    const QFont second = score->parts.at(1)->lyricsFont;
    score->buildScoreXml(ScoreXmlMode::ScoreFile);
    QCOMPARE(score->parts.at(1)->lyricsFont, second);

    const QDomDocument document = parsed(score->buildScoreXml(ScoreXmlMode::NoteNameRewrite));
    QCOMPARE(score->parts.at(0)->lyricsFont, first);
    QCOMPARE(score->parts.at(1)->lyricsFont.family(), QStringLiteral("VelmoraStaff"));
    QVERIFY(!score->parts.at(1)->lyricsFont.italic());
    const QDomElement tarnPart = elementsNamed(document, QStringLiteral("tarn-part")).at(1);
    QVERIFY2(tarnPart.text().contains(QStringLiteral("VelmoraStaff")), qPrintable(tarnPart.text()));
}

void TestDocumentBuilder::plainExportHasNoExtensionElements()
{
    auto score = loaded(editableItems());
    QVERIFY(score);
    noteOf(*score, 0, 0, 0, 0)->setOctaveInstOffset(1.0, 1.0);
    noteOf(*score, 0, 0, 0, 0)->lyrics.at(0)->setOffset(1.0, 1.0);
    score->measures.at(0)->userBreakType = 1;
    score->credits.at(0)->setOffset(1.0, 1.0);
    const QString built = score->buildScoreXml(ScoreXmlMode::PlainMusicXml);
    // The build itself writes the mode-independent elements ...
    QVERIFY(built.contains(QStringLiteral("<tarn-linebreak/>")));
    // ... which the export strips, everywhere.
    score->removeExtensionElements(score->document.documentElement());
    const QString exported = score->document.toString(1);
    QVERIFY2(!exported.contains(QStringLiteral("<tarn-")), qPrintable(exported));
    // Ordinary lyrics of the re-imported file keep their font.
    QVERIFY(
        exported.contains(QStringLiteral("<lyric-font font-family=\"Arial\" font-size=\"10\"/>")));
    auto again = loaded(exported);
    QVERIFY(again);
    for (const Part *part : std::as_const(again->parts))
        QCOMPARE(part->lyricsFont.family(), QStringLiteral("Arial"));
}

void TestDocumentBuilder::partsBeyondTheModelAreSkipped()
{
    const QString path =
        TestSupport::fixturePath("corpus/lilypond-musicxml-testsuite/41h-TooManyParts.xml");
    auto score = loaded(readText(path));
    QVERIFY(score);
    QCOMPARE(score->parts.size(), 1);
    const auto partTexts = [&score] {
        QStringList texts;
        for (const QDomElement &part : elementsNamed(score->document, QStringLiteral("part"))) {
            QString text;
            QTextStream stream(&text);
            part.save(stream, -1);
            texts << text;
        }
        return texts;
    };
    const QStringList before = partTexts();
    QVERIFY(before.size() > 1);
    score->measures.at(0)->userBreakType = 1;
    score->buildScoreXml(ScoreXmlMode::ScoreFile);
    const QStringList after = partTexts();
    QVERIFY(after.at(0).contains(QStringLiteral("<tarn-linebreak/>")));
    QCOMPARE(after.mid(1), before.mid(1));
}

void TestDocumentBuilder::marksBeyondTheNotationsAreSkipped()
{
    const QString path = TestSupport::fixturePath(
        "corpus/lilypond-musicxml-testsuite/32c-MultipleNotationChildren.xml");
    auto score = loaded(readText(path));
    QVERIFY(score);
    // One Notation for a note with two marks: the first mark takes it, the
    // second stays as it is.
    Note *note = noteOf(*score, 0, 0, 0, 0);
    qDeleteAll(note->notations);
    note->notations = {new Notation};
    note->notations.at(0)->visibility = 2;
    const QDomElement element =
        noteElement(parsed(score->buildScoreXml(ScoreXmlMode::ScoreFile)), 0, 0, 0);
    const QList<QDomElement> visibilities =
        elementsNamed(element, QStringLiteral("tarn-visibility"));
    QCOMPARE(visibilities.size(), 1);
    QCOMPARE(visibilities.at(0).parentNode().toElement().tagName(), QStringLiteral("staccato"));
}

void TestDocumentBuilder::pairingFollowsTheReader()
{
    // A note with two `notations`: an unnumbered slur (slur 1), a slur
    // numbered 7 (read as a mark without a slot, which keeps its place) and
    // a fingering in the first, a fermata and two texts in the second.
    auto score = loaded(QStringLiteral(
        "<score-partwise><part-list><score-part id=\"P1\"><part-name>P</part-name>"
        "</score-part></part-list><part id=\"P1\"><measure number=\"1\"><note><pitch><step>C"
        "</step><octave>4</octave></pitch><duration>4</duration><voice>1</voice><type>whole"
        "</type><notations><slur type=\"start\"/><slur number=\"7\" type=\"start\"/>"
        "<technical><fingering>1</fingering></technical></notations><notations><fermata/>"
        "<technical><fingering>2</fingering><fingering>.noPrev</fingering></technical>"
        "</notations></note></measure></part></score-partwise>"));
    QVERIFY(score);
    Note *note = noteOf(*score, 0, 0, 0, 0);
    QCOMPARE(note->notations.size(), 3);
    QCOMPARE(note->fingerings.size(), 2);
    note->notations.at(0)->setOffset(1.0, 1.0);
    note->notations.at(2)->setOffset(3.0, 3.0);
    note->fingerings.at(1)->setOffset(4.0, 4.0);

    const QString built = score->buildScoreXml(ScoreXmlMode::ScoreFile);
    const QDomElement element = noteElement(parsed(built), 0, 0, 0);
    const QList<QDomElement> notations = elementsNamed(element, QStringLiteral("notations"));
    QCOMPARE(notations.size(), 2);
    QCOMPARE(childTags(notations.at(0)), (QStringList{"slur", "slur", "technical"}));
    QCOMPARE(childTags(notations.at(1)), QStringList{"fermata"});
    QCOMPARE(childTags(notations.at(0).firstChildElement("slur")), QStringList{"tarn-offset"});
    QCOMPARE(childTags(notations.at(0).firstChildElement("slur").nextSiblingElement()),
             QStringList());
    QCOMPARE(notations.at(1).firstChildElement().firstChildElement().attribute("x"),
             QStringLiteral("3"));

    auto saved = loaded(built);
    QVERIFY(saved);
    Note *again = noteOf(*saved, 0, 0, 0, 0);
    QCOMPARE(again->notations.size(), 3);
    QCOMPARE(offsetText(*again->notations.at(0)), QStringLiteral("(1, 1)"));
    QCOMPARE(offsetText(*again->notations.at(1)), QStringLiteral("unmoved"));
    QCOMPARE(offsetText(*again->notations.at(2)), QStringLiteral("(3, 3)"));
    QCOMPARE(again->fingerings.size(), 2);
    QCOMPARE(offsetText(*again->fingerings.at(1)), QStringLiteral("(4, 4)"));
    QCOMPARE(again->directives.size(), 1);
    QVERIFY(again->noPrev);
}

void TestDocumentBuilder::namedVoicesKeepTheirNotes()
{
    const QString path = TestSupport::fixturePath(
        "corpus/lilypond-musicxml-testsuite/21i-Chord-DifferentVoices.xml");
    auto score = loaded(readText(path));
    QVERIFY(score);
    // "X" and "Y" take the staff's first two voices, in that order.
    const auto pitches = [](Score &s, int voice) {
        QStringList texts;
        for (const Note *note : s.measures.at(0)->parts.at(0)->voices.at(voice)->notes)
            texts << note->step + QString::number(note->octave);
        return texts.join(QLatin1Char(' '));
    };
    QCOMPARE(pitches(*score, 0), QStringLiteral("E5 C5"));
    QCOMPARE(pitches(*score, 1), QStringLiteral("A4 F4"));

    noteOf(*score, 0, 0, 1, 1)->setOctaveInstOffset(1.5, -2.5);
    const QString text = score->buildScoreXml(ScoreXmlMode::ScoreFile);
    const QDomElement f4 = noteElement(parsed(text), 0, 0, 3);
    QCOMPARE(f4.firstChildElement("voice").text(), QStringLiteral("Y"));
    QVERIFY(!f4.firstChildElement("tarn-octave-instruction-offset").isNull());
    auto saved = loaded(text);
    QVERIFY(saved);
    const Note *again = noteOf(*saved, 0, 0, 1, 1);
    QCOMPARE(again->step, QStringLiteral("F"));
    QVERIFY(again->octaveInstMoved);
    QCOMPARE(again->octaveInstOffsetX, 1.5);
    QCOMPARE(again->octaveInstOffsetY, -2.5);
}

void TestDocumentBuilder::corpusRoundTrip()
{
    QDirIterator files(TestSupport::fixturePath("corpus"), QDir::Files,
                       QDirIterator::Subdirectories);
    int roundTrips = 0;
    while (files.hasNext()) {
        const QString path = files.next();
        TestSupport::prompter().reset();
        auto score = loaded(readText(path));
        if (!score)
            continue;
        const QString dump = TestSupport::dumpModel(score.get()) + marksDump(*score);
        const QString first = score->buildScoreXml(ScoreXmlMode::ScoreFile);
        auto saved = loaded(first);
        QVERIFY2(saved, qPrintable(path));
        QVERIFY2(TestSupport::dumpModel(saved.get()) + marksDump(*saved) == dump, qPrintable(path));
        const QString second = saved->buildScoreXml(ScoreXmlMode::ScoreFile);
        // Every rights element of the source survives the save.
        QVERIFY2(first.count(QStringLiteral("<rights")) ==
                     readText(path).count(QStringLiteral("<rights")),
                 qPrintable(path));
        QVERIFY2(withoutUpdateTime(second) == withoutUpdateTime(first), qPrintable(path));
        ++roundTrips;
    }
    qInfo("%d corpus files saved and reloaded", roundTrips);
    QVERIFY(roundTrips > 0);
}

VELMORA_TEST_MAIN(TestDocumentBuilder)

} // namespace tst_document_builder
#include "tst_document_builder.moc"
