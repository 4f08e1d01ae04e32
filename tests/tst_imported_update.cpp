// The update of a freshly imported MusicXML document with the layout of a
// source score: what lands on which element when the two are paired by
// position, and the new score that results.
#include "model/credit.h"
#include "model/directive.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/note.h"
#include "model/page.h"
#include "model/score.h"
#include "model/voice.h"
#include "support/modelbuilder.h"
#include "support/partwisetext.h"
#include "support/testenvironment.h"

#include "view/scene.h"
#include <QDomDocument>
#include <QFile>
#include <QPointF>
#include <QRegularExpression>

namespace tst_imported_update {

using namespace TestSupport;

namespace {

// The imported form of a score file: its tarn- elements gone.
QString withoutLayout(QString text)
{
    static const QRegularExpression empty(QStringLiteral("<tarn-[a-z-]+[^>]*/>"));
    static const QRegularExpression filled(QStringLiteral("<(tarn-[a-z-]+)[^>]*>[^<]*</\\1>"));
    return text.remove(empty).remove(filled);
}

QStringList withoutLayout(const QStringList &bodies)
{
    QStringList result;
    for (const QString &body : bodies)
        result << withoutLayout(body);
    return result;
}

QString measures(int count, const QString &extra)
{
    QString text;
    for (int m = 1; m <= count; ++m)
        text += measureXml(m, noteXml(QStringLiteral("C")) + extra);
    return text;
}

QString oneMeasure(const QString &content)
{
    return measureXml(1, content);
}

// The element at `path` of a document: "part/measure" indices, then child
// tags, each "tag" (the first) or "tag:n" (the n-th, from 0).
QDomElement elementAt(const QDomDocument &document, const QString &path)
{
    const QStringList steps = path.split(QLatin1Char('/'));
    const QDomElement part =
        document.elementsByTagName(QStringLiteral("part")).at(steps.at(0).toInt()).toElement();
    QDomElement element =
        part.elementsByTagName(QStringLiteral("measure")).at(steps.at(1).toInt()).toElement();
    for (int i = 2; i < steps.size() && !element.isNull(); ++i) {
        const QStringList tagIndex = steps.at(i).split(QLatin1Char(':'));
        element = element.firstChildElement(tagIndex.at(0));
        for (int n = tagIndex.value(1).toInt(); n > 0 && !element.isNull(); --n)
            element = element.nextSiblingElement(tagIndex.at(0));
    }
    return element;
}

// The tarn- children of `element`: "tag[attr=value ...]text", in order.
QString layoutOf(const QDomElement &element)
{
    QStringList result;
    for (QDomElement e = element.firstChildElement(); !e.isNull(); e = e.nextSiblingElement()) {
        if (!e.tagName().startsWith(QLatin1String("tarn-")))
            continue;
        QStringList attributes;
        const QDomNamedNodeMap map = e.attributes();
        for (int k = 0; k < map.count(); ++k)
            attributes << map.item(k).nodeName() + QLatin1Char('=') + map.item(k).nodeValue();
        attributes.sort();
        const QString own =
            attributes.isEmpty()
                ? QString()
                : QLatin1Char('[') + attributes.join(QLatin1Char(' ')) + QLatin1Char(']');
        result << e.tagName() + own + e.text();
    }
    return result.join(QLatin1Char(' '));
}

QStringList childTags(const QDomElement &element)
{
    QStringList tags;
    for (QDomElement e = element.firstChildElement(); !e.isNull(); e = e.nextSiblingElement())
        tags << e.tagName();
    return tags;
}

// The revised score after its update from `source`.
std::unique_ptr<Score> updated(const Score &source, const QString &revised)
{
    auto score = loadedScore(revised);
    if (!score)
        qFatal("the revised document does not load");
    score->updateImportedMusicXML(&source);
    return score;
}

QDomDocument documentOf(const Score &score)
{
    QDomDocument document;
    if (!document.setContent(score.documentText))
        qFatal("the updated text is not XML");
    return document;
}

const QString moved = QStringLiteral("<tarn-offset x=\"1\" y=\"2\"/>");
const QString movedLayout = QStringLiteral("tarn-offset[x=1 y=2]");
const QString scaled = QStringLiteral("<tarn-scale scale=\"1.5\"/>");
const QString scaledLayout = QStringLiteral("tarn-scale[scale=1.5]");

QString notations(const QString &content)
{
    return QStringLiteral("<notations>") + content + QStringLiteral("</notations>");
}

QString words(const QString &text, const QString &layout = QString())
{
    return QStringLiteral("<direction><direction-type><words>%1%2</words></direction-type>"
                          "</direction>")
        .arg(text, layout);
}

// A credit of the given type ("" none) whose words are `text` followed by
// `layout`.
QString creditXml(const QString &text, const QString &type = QString(),
                  const QString &layout = QString())
{
    const QString typeXml =
        type.isEmpty() ? QString() : QStringLiteral("<credit-type>%1</credit-type>").arg(type);
    return QStringLiteral("<credit page=\"1\">%1<credit-words>%2%3</credit-words></credit>\n")
        .arg(typeXml, text, layout);
}

// A one-measure score with `credits` before its part list.
QString withCredits(const QStringList &credits)
{
    QString text = partwiseText({plainMeasures(1)});
    return text.insert(text.indexOf(QStringLiteral("<part-list")), credits.join(QString()));
}

QString backup()
{
    return QStringLiteral("<backup><duration>1</duration></backup>");
}

} // namespace

class TestImportedUpdate : public QObject
{
    Q_OBJECT

private slots:
    void layoutLandsByPosition_data();
    void layoutLandsByPosition();
    void directivesWrittenAsFingerings();
    void onlyDirectiveDeletedLeavesEmptyTechnical();
    void newScoreTakesTheLayout();
    void creditsPairByText_data();
    void creditsPairByText();
};

void TestImportedUpdate::layoutLandsByPosition_data()
{
    QTest::addColumn<QStringList>("source");
    QTest::addColumn<QStringList>("revised"); // empty: the source without its layout
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("layout");

    const QString scaleAndBreak =
        QStringLiteral("<tarn-userscale>1.25</tarn-userscale><tarn-pagebreak-nonfit/>");
    const QStringList twoParts = {measures(1, scaleAndBreak), plainMeasures(1)};
    QTest::newRow("measure scale and break, first part")
        << twoParts << QStringList() << "0/0"
        << "tarn-userscale1.25 tarn-pagebreak-nonfit";
    QTest::newRow("measure scale and break, second part") << twoParts << QStringList() << "1/0"
                                                          << "";
    QTest::newRow("measure without layout")
        << QStringList{plainMeasures(1)} << QStringList() << "0/0"
        << "";

    const QStringList twelve = {measures(12, "<tarn-linebreak/>")};
    const QStringList fourteen = {plainMeasures(14)};
    QTest::newRow("12 against 14, measure 12") << twelve << fourteen << "0/11"
                                               << "tarn-linebreak";
    QTest::newRow("12 against 14, measure 13") << twelve << fourteen << "0/12"
                                               << "";
    QTest::newRow("12 against 14, measure 14") << twelve << fourteen << "0/13"
                                               << "";

    const QString fermata =
        oneMeasure(noteXml("C", 1, notations("<fermata>" + moved + "</fermata>")));
    QTest::newRow("3 parts against 2: the second amended")
        << QStringList{fermata, fermata, fermata}
        << QStringList{withoutLayout(fermata), withoutLayout(fermata)}
        << "1/0/note/notations/fermata" << movedLayout;
    QTest::newRow("1 part against 2: the second untouched")
        << QStringList{fermata} << QStringList{withoutLayout(fermata), withoutLayout(fermata)}
        << "1/0/note/notations/fermata"
        << "";

    const QString twoBeforeVoice2 = oneMeasure(
        QStringLiteral("<direction><direction-type><words>a</words></direction-type>"
                       "<direction-type><words>a2</words></direction-type></direction>") +
        words("b", "<tarn-offset x=\"3\" y=\"4\"/>") + noteXml("C", 2));
    QTest::newRow("directions before a voice-2 note, the second")
        << QStringList{twoBeforeVoice2} << QStringList() << "0/0/direction:1/direction-type/words"
        << "tarn-offset[x=3 y=4]";
    QTest::newRow("directions before a voice-2 note, the first")
        << QStringList{twoBeforeVoice2} << QStringList() << "0/0/direction:0/direction-type/words"
        << "";
    const QString beforeBackup = oneMeasure(words("w", moved) + backup() + noteXml("C", 2));
    QTest::newRow("directions before a backup before any note")
        << QStringList{beforeBackup} << QStringList() << "0/0/direction/direction-type/words"
        << movedLayout;

    const QString ending = QStringLiteral("<barline location=\"%1\"><ending number=\"1\" "
                                          "type=\"%2\"/></barline>");
    const QString endingStart = oneMeasure(ending.arg("left", "start") + noteXml("C"));
    // The reader's default offset of an unmoved ending, kept as it was.
    QTest::newRow("ending start never moved")
        << QStringList{endingStart} << QStringList() << "0/0/barline/ending"
        << "tarn-offset[x=0.1 y=0.2]";
    QTest::newRow("ending start moved")
        << QStringList{oneMeasure(
               QStringLiteral("<barline location=\"left\"><ending number=\"1\" type=\"start\">") +
               moved + "</ending></barline>" + noteXml("C"))}
        << QStringList() << "0/0/barline/ending" << movedLayout;
    QTest::newRow("ending added in the revision")
        << QStringList{plainMeasures(1)} << QStringList{withoutLayout(endingStart)}
        << "0/0/barline/ending"
        << "";
    QTest::newRow("ending stop") << QStringList{oneMeasure(noteXml("C") +
                                                           ending.arg("right", "stop"))}
                                 << QStringList() << "0/0/barline/ending"
                                 << "";

    const QString fermataMoved = "<fermata>" + moved + "</fermata>";
    QTest::newRow("tremolo stop is not paired")
        << QStringList{oneMeasure(
               noteXml("C", 1,
                       notations("<ornaments><tremolo type=\"stop\">3</tremolo></ornaments>" +
                                 fermataMoved)))}
        << QStringList() << "0/0/note/notations/fermata" << movedLayout;
    QTest::newRow("tremolo single is paired")
        << QStringList{oneMeasure(
               noteXml("C", 1,
                       notations("<ornaments><tremolo type=\"single\">3" + scaled +
                                 "</tremolo></ornaments>" + fermataMoved)))}
        << QStringList() << "0/0/note/notations/fermata" << movedLayout;
    QTest::newRow("tremolo without type is single")
        << QStringList{oneMeasure(noteXml("C", 1,
                                          notations("<ornaments><tremolo>3" + scaled +
                                                    "</tremolo></ornaments>" + fermataMoved)))}
        << QStringList() << "0/0/note/notations/ornaments/tremolo" << scaledLayout;
    QTest::newRow("breath mark before a staccato")
        << QStringList{oneMeasure(noteXml("C", 1,
                                          notations("<articulations><breath-mark/><staccato>" +
                                                    moved + "</staccato></articulations>")))}
        << QStringList() << "0/0/note/notations/articulations/staccato" << movedLayout;
    const QString slurStop = noteXml("D", 1, notations("<slur type=\"stop\" number=\"1\"/>"));
    QTest::newRow("tuplet before a slur")
        << QStringList{oneMeasure(
               noteXml("C", 1,
                       notations("<tuplet type=\"start\"/><slur type=\"start\" number=\"1\">" +
                                 moved + "</slur>")) +
               slurStop)}
        << QStringList() << "0/0/note/notations/slur" << movedLayout;
    QTest::newRow("slur without number takes its place")
        << QStringList{oneMeasure(
               noteXml("C", 1,
                       notations("<slur type=\"start\"/><fermata>" + scaled + "</fermata>")) +
               noteXml("D", 1, notations("<slur type=\"stop\"/>")))}
        << QStringList() << "0/0/note/notations/fermata" << scaledLayout;
    QTest::newRow("slur numbered 7 takes its place")
        << QStringList{oneMeasure(noteXml(
               "C", 1,
               notations("<slur type=\"start\" number=\"7\"/><fermata>" + scaled + "</fermata>")))}
        << QStringList() << "0/0/note/notations/fermata" << scaledLayout;
    QTest::newRow("slur start: offset, placement, end heights, visibility")
        << QStringList{oneMeasure(
               noteXml("C", 1,
                       notations("<slur type=\"start\" number=\"1\">" + moved +
                                 "<tarn-slur-control y1=\"0.5\" y2=\"0\"/>"
                                 "<tarn-slur-placement placement=\"below\"/>"
                                 "<tarn-visibility visibility=\"invisible\"/></slur>")) +
               slurStop)}
        << QStringList() << "0/0/note/notations/slur"
        << "tarn-offset[x=1 y=2] tarn-slur-placement[placement=below] "
           "tarn-slur-control[y1=0.5 y2=0] tarn-visibility[visibility=invisible]";
    QTest::newRow("marks of a second notations")
        << QStringList{oneMeasure(
               noteXml("C", 1,
                       notations("<fermata/>") + notations("<articulations><accent>" + moved +
                                                           "</accent></articulations>")))}
        << QStringList() << "0/0/note/notations:1/articulations/accent" << movedLayout;
    QTest::newRow("note without voice pairs with voice 1")
        << QStringList{fermata} << QStringList{oneMeasure(noteXml("C", 0, notations("<fermata/>")))}
        << "0/0/note/notations/fermata" << movedLayout;
    QTest::newRow("note beyond the source voice")
        << QStringList{fermata}
        << QStringList{oneMeasure(noteXml("C", 1, notations("<fermata/>")) +
                                  noteXml("D", 1, notations("<fermata/>")))}
        << "0/0/note:1/notations/fermata"
        << "";
    QTest::newRow("note's own layout")
        << QStringList{oneMeasure(
               noteXml("C", 1,
                       "<tarn-octave-instruction-offset x=\"0.5\" y=\"-1\"/>"
                       "<tarn-note-shift major=\"2\" sub=\"0\"/><tarn-tie-reverse/>"))}
        << QStringList() << "0/0/note"
        << "tarn-octave-instruction-offset[x=0.5 y=-1] tarn-note-shift[major=2 sub=0] "
           "tarn-tie-reverse";
    QTest::newRow("moved fingering")
        << QStringList{oneMeasure(
               noteXml("C", 1,
                       notations("<technical><fingering>1</fingering><fingering>2" + moved +
                                 "</fingering></technical>")))}
        << QStringList() << "0/0/note/notations/technical/fingering:1" << movedLayout;
    QTest::newRow("moved up-bow")
        << QStringList{oneMeasure(
               noteXml("C", 1, notations("<technical><up-bow>" + moved + "</up-bow></technical>")))}
        << QStringList() << "0/0/note/notations/technical/up-bow" << movedLayout;
    QTest::newRow("moved fingering in a second notations")
        << QStringList{oneMeasure(
               noteXml("C", 1,
                       notations("<fermata/>") + notations("<technical><fingering>1" + moved +
                                                           "</fingering></technical>")))}
        << QStringList() << "0/0/note/notations:1/technical/fingering"
        << "";
    QTest::newRow("moved second lyric")
        << QStringList{oneMeasure(noteXml(
               "C", 1,
               "<lyric number=\"1\"><text>sa</text></lyric><lyric number=\"2\"><text>ku</text>" +
                   moved + "</lyric>"))}
        << QStringList() << "0/0/note/lyric:1" << movedLayout;
}

void TestImportedUpdate::layoutLandsByPosition()
{
    QFETCH(QStringList, source);
    QFETCH(QStringList, revised);
    QFETCH(QString, path);
    QFETCH(QString, layout);
    auto sourceScore = loadedScore(partwiseText(source));
    QVERIFY(sourceScore);
    const auto score =
        updated(*sourceScore, partwiseText(revised.isEmpty() ? withoutLayout(source) : revised));
    const QDomElement element = elementAt(documentOf(*score), path);
    QVERIFY2(!element.isNull(), qPrintable(path));
    QCOMPARE(layoutOf(element), layout);
}

void TestImportedUpdate::directivesWrittenAsFingerings()
{
    const QString directives = notations("<technical><fingering>.pizz" + moved +
                                         "</fingering><fingering>.noPrev</fingering></technical>");
    auto source = loadedScore(partwiseText({oneMeasure(noteXml("C", 1, directives))}));
    QVERIFY(source);
    Note *note = source->measures.at(0)->parts.at(0)->voices.at(0)->notes.at(0);
    QCOMPARE(note->directives.size(), 2);
    note->directives.at(1)->deleted = true;

    const auto score = updated(
        *source, partwiseText({oneMeasure(noteXml(
                     "C", 1, "<lyric number=\"1\"><text>sa</text></lyric><tarn-tie-reverse/>"))}));
    const QDomElement element = elementAt(documentOf(*score), "0/0/note");
    // The new notations stands where MusicXML wants it, before the lyric.
    QCOMPARE(childTags(element), QStringList({"pitch", "duration", "voice", "type", "notations",
                                              "lyric", "tarn-tie-reverse"}));
    const QDomElement technical = element.firstChildElement("notations");
    QCOMPARE(childTags(technical), QStringList({"technical"}));
    const QDomElement fingering = technical.firstChildElement().firstChildElement();
    QCOMPARE(childTags(technical.firstChildElement()), QStringList({"fingering"}));
    QCOMPARE(fingering.firstChild().nodeValue(), QStringLiteral(".pizz"));
    QCOMPARE(layoutOf(fingering), movedLayout);
    // Read back as the directive it was.
    const Note *read = score->measures.at(0)->parts.at(0)->voices.at(0)->notes.at(0);
    QCOMPARE(read->directives.size(), 1);
    QCOMPARE(read->directives.at(0)->text, QStringLiteral(".pizz"));
    QVERIFY(read->directives.at(0)->moved);
}

void TestImportedUpdate::onlyDirectiveDeletedLeavesEmptyTechnical()
{
    const QString directive = notations("<technical><fingering>.pizz</fingering></technical>");
    auto source = loadedScore(partwiseText({oneMeasure(noteXml("C", 1, directive))}));
    QVERIFY(source);
    source->measures.at(0)->parts.at(0)->voices.at(0)->notes.at(0)->directives.at(0)->deleted =
        true;
    const auto score =
        updated(*source, partwiseText({oneMeasure(noteXml("C", 1, notations("<fermata/>")))}));
    const QDomElement element = elementAt(documentOf(*score), "0/0/note/notations");
    QCOMPARE(childTags(element), QStringList({"fermata", "technical"}));
    QVERIFY(!element.firstChildElement("technical").hasChildNodes());
}

void TestImportedUpdate::newScoreTakesTheLayout()
{
    const QString layout = "<tarn-userscale>1.25</tarn-userscale><tarn-linebreak/>";
    auto source =
        loadedScore(partwiseText({measures(2, layout), plainMeasures(2)}, {"Sakura{3,4}"}));
    QVERIFY(source);
    source->page->measurePerLine = 3;
    const QString sourceDump = dumpModel(source.get());

    auto score = loadedScore(partwiseText({plainMeasures(3), plainMeasures(3)}, {"Sakura"}));
    QVERIFY(score);
    score->filePath = QStringLiteral("/scores/piece_update.tnsx");
    score->updateImportedMusicXML(source.get());

    QCOMPARE(score->filePath, QStringLiteral("/scores/piece_update.tnsx"));
    QVERIFY(score->changed);
    // The model was read again from the amended text.
    QCOMPARE(score->measures.size(), 3);
    QCOMPARE(score->measures.at(1)->userScale, 1.25);
    QCOMPARE(score->measures.at(1)->userBreakType, 1);
    QCOMPARE(score->measures.at(2)->userScale, 1.0);
    QCOMPARE(score->page->measurePerLine, 3);
    QVERIFY(score->credits.at(0)->moved);
    QCOMPARE(score->partElements.at(0).ownerDocument(), score->document);
    QVERIFY(!score->documentText.isEmpty());
    const QDomElement root = documentOf(*score).documentElement();
    QCOMPARE(root.firstChildElement().tagName(), QStringLiteral("tarn-property"));
    QVERIFY(!root.firstChildElement("tarn-page").isNull());
    QVERIFY(!root.firstChildElement("tarn-style").isNull());
    // ... and drawn.
    QVERIFY(!score->scene->items().isEmpty());
    QCOMPARE(dumpModel(source.get()), sourceDump);
}

void TestImportedUpdate::creditsPairByText_data()
{
    QTest::addColumn<QStringList>("source");
    QTest::addColumn<QString>("revised");
    QTest::addColumn<QList<QPointF>>("offsets"); // of the revised credits, in order

    const QString titleMoved = QStringLiteral("<tarn-offset x=\"5\" y=\"-3\"/>");
    const QString composerMoved = QStringLiteral("<tarn-offset x=\"-2\" y=\"1\"/>");
    const QPointF title(5, -3);
    const QPointF composer(-2, 1);
    QFile museScore(fixturePath(QStringLiteral("update/update-CreditsReordered.musicxml")));
    QVERIFY(museScore.open(QIODevice::ReadOnly));
    QTest::newRow("round trip through MuseScore")
        << QStringList{creditXml("Sakura Sakura", "", titleMoved),
                       creditXml("Traditional", "", composerMoved)}
        << QString::fromUtf8(museScore.readAll()) << QList<QPointF>{composer, title};
    QTest::newRow("title revised: paired by type")
        << QStringList{creditXml("Sakura", "title", titleMoved),
                       creditXml("Traditional", "composer", composerMoved)}
        << withCredits({creditXml("Traditional", "composer"), creditXml("Sakura Sakura", "title")})
        << QList<QPointF>{composer, title};
    QTest::newRow("neither text nor type: by position")
        << QStringList{creditXml("A", "", titleMoved), creditXml("B", "", composerMoved)}
        << withCredits({creditXml("C"), creditXml("D")}) << QList<QPointF>{title, composer};
    QTest::newRow("all empty") << QStringList{creditXml("", "", titleMoved), creditXml("")}
                               << withCredits({creditXml(""), creditXml("")})
                               << QList<QPointF>{title, QPointF()};
    QTest::newRow("a credit added before the title")
        << QStringList{creditXml("Sakura", "", titleMoved)}
        << withCredits({creditXml("Words by"), creditXml("Sakura")})
        << QList<QPointF>{QPointF(), title};
}

void TestImportedUpdate::creditsPairByText()
{
    QFETCH(QStringList, source);
    QFETCH(QString, revised);
    QFETCH(QList<QPointF>, offsets);
    auto sourceScore = loadedScore(withCredits(source));
    QVERIFY(sourceScore);
    const auto score = updated(*sourceScore, revised);
    QCOMPARE(score->credits.size(), offsets.size());
    for (int i = 0; i < offsets.size(); ++i) {
        const Credit *credit = score->credits.at(i);
        QCOMPARE(QPointF(credit->x, credit->y), offsets.at(i));
        QCOMPARE(credit->moved, !offsets.at(i).isNull());
    }
}

VELMORA_TEST_MAIN(TestImportedUpdate)

} // namespace tst_imported_update
#include "tst_imported_update.moc"
