// Notes squeezed into a narrowed measure keep their proportions, and only
// the part whose own notes need it is squeezed: a string quartet whose
// first violin plays sixteen sixteenths a measure while the other three
// rest, four measures a line, in every notation style and both writing
// directions, beside the same quartet with one measure a line, where
// nothing is narrowed. Each note's glyphs are measured as the scene shows
// them.
#include "model/glyphitem.h"
#include "model/itemtags.h"
#include "model/page.h"
#include "model/score.h"
#include "support/scorefile.h"
#include "support/testenvironment.h"
#include "view/scene.h"

#include <QGraphicsItem>
#include <QSvgRenderer>
#include <QtTest>

#include <map>
#include <memory>
#include <tuple>

namespace tst_squeezed_glyphs {

namespace {

constexpr int styleCount = 14;

using NoteKey = std::tuple<int, int, int, int>; // measure, part, voice, note

QString quartet()
{
    return TestSupport::fixturePath(QStringLiteral("layout/layout-QuartetOneBusyPart.xml"));
}

// The box of every visible note's glyphs, by note, in millimetres.
std::map<NoteKey, QRectF> noteBoxes(const Score &score)
{
    const double s = score.page->scaleFactor;
    std::map<NoteKey, QRectF> boxes;
    const QList<QGraphicsItem *> items = score.scene->items();
    for (const QGraphicsItem *item : items) {
        if (!item->isVisible() || itemTag(item, TagType) != NoteItem)
            continue;
        const QRectF r = item->sceneBoundingRect();
        if (r.isEmpty())
            continue;
        const QRectF mm(r.x() / s, r.y() / s, r.width() / s, r.height() / s);
        QRectF &box = boxes[{itemTag(item, TagMeasure), itemTag(item, TagPart),
                             itemTag(item, TagVoice), itemTag(item, TagNote)}];
        box = box.isNull() ? mm : box.united(mm);
    }
    return boxes;
}

std::unique_ptr<Score> generated(int style, bool horizontal, int measuresPerLine)
{
    auto score = std::make_unique<Score>(QStringLiteral("test"), 1, false);
    if (!score->readMusicXmlFile(quartet()) || !score->parseScoreXml(false).has_value())
        return nullptr;
    score->page->measurePerLine = measuresPerLine;
    score->cleanOutput = true;
    TestSupport::generateInStyle(*score, style, horizontal);
    return score;
}

QString keyText(const NoteKey &key)
{
    return QStringLiteral("m%1 p%2 v%3 n%4")
        .arg(std::get<0>(key))
        .arg(std::get<1>(key))
        .arg(std::get<2>(key))
        .arg(std::get<3>(key));
}

} // namespace

class TestSqueezedGlyphs : public QObject
{
    Q_OBJECT

private slots:
    void squeezedNotesKeepTheirShape_data();
    void squeezedNotesKeepTheirShape();
    void compoundMarksStayLegible_data();
    void compoundMarksStayLegible();
};

void TestSqueezedGlyphs::squeezedNotesKeepTheirShape_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<bool>("horizontal");
    for (int style = 0; style < styleCount; ++style) {
        for (bool horizontal : {true, false})
            QTest::addRow("s%d %s", style, horizontal ? "h" : "v") << style << horizontal;
    }
}

void TestSqueezedGlyphs::squeezedNotesKeepTheirShape()
{
    QFETCH(int, style);
    QFETCH(bool, horizontal);
    const std::unique_ptr<Score> narrow = generated(style, horizontal, 4);
    const std::unique_ptr<Score> wide = generated(style, horizontal, 1);
    QVERIFY(narrow && wide);
    const std::map<NoteKey, QRectF> squeezed = noteBoxes(*narrow);
    const std::map<NoteKey, QRectF> natural = noteBoxes(*wide);
    QVERIFY(!natural.empty());

    int busy = 0;
    int smaller = 0;
    int resting = 0;
    QStringList faults;
    for (const auto &[key, box] : natural) {
        const auto found = squeezed.find(key);
        if (found == squeezed.end()) {
            faults.append(keyText(key) + QStringLiteral(" has no glyph when narrowed"));
            continue;
        }
        const QRectF &narrowBox = found->second;
        if (std::get<1>(key) == 0) {
            // The busy part: smaller, perhaps, but in proportion.
            ++busy;
            const double along =
                horizontal ? narrowBox.width() / box.width() : narrowBox.height() / box.height();
            smaller += along < 0.9;
            const double shape =
                (narrowBox.width() / narrowBox.height()) / (box.width() / box.height());
            if (std::abs(shape - 1.0) > 0.15)
                faults.append(QStringLiteral("%1: width/height %2 of the unsqueezed glyph's")
                                  .arg(keyText(key))
                                  .arg(shape, 0, 'f', 2));
        } else {
            // A resting part has room: its rests keep their size.
            ++resting;
            if (std::abs(narrowBox.width() - box.width()) > 0.02 * box.width() ||
                std::abs(narrowBox.height() - box.height()) > 0.02 * box.height())
                faults.append(QStringLiteral("%1: resting part drawn %2 x %3 mm, not %4 x %5")
                                  .arg(keyText(key))
                                  .arg(narrowBox.width(), 0, 'f', 2)
                                  .arg(narrowBox.height(), 0, 'f', 2)
                                  .arg(box.width(), 0, 'f', 2)
                                  .arg(box.height(), 0, 'f', 2));
        }
    }
    QCOMPARE(busy, 16 * 16);
    QCOMPARE(resting, 3 * 16 * 4);
    // The four measures a line do narrow the busy part, except in staff
    // notation written vertically, whose long columns hold them at size.
    if (style != 12 || horizontal)
        QVERIFY2(smaller > busy / 2, qPrintable(QStringLiteral("%1 of %2").arg(smaller).arg(busy)));
    QVERIFY2(faults.isEmpty(), qPrintable(QStringLiteral("%1 faults:\n").arg(faults.size()) +
                                          faults.mid(0, 12).join(QLatin1Char('\n'))));
}

void TestSqueezedGlyphs::compoundMarksStayLegible_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<int>("measuresPerLine");
    QTest::addColumn<bool>("roomForMarks");
    for (int style : {2, 3}) {
        // Four measures a column narrow the busy part's sixteenths; one
        // measure a line leaves them at size.
        QTest::addRow("s%d v, 4 a line", style) << style << false << 4 << true;
        QTest::addRow("s%d h, 1 a line", style) << style << true << 1 << true;
        // Four measures a line leave about 2.4 mm a sixteenth: marks of
        // 1.5 mm would need the compounds at nearly their full size and
        // leave the plain names beside them about a millimetre. The line
        // keeps its count; the compounds are drawn larger than their
        // neighbours, and the narrowing is logged.
        QTest::addRow("s%d h, 4 a line", style) << style << true << 4 << false;
    }
}

// The marks beside a compound note name (the 中 and メ of ツ中メ) stay at
// least 1.5 mm wide and tall where the line has the room, the compound in
// the proportions of its glyph, and its ink touches no other note's glyph.
// Where the line has not the room, each compound is drawn larger than the
// plain names of its measure and the measure is named in the log.
void TestSqueezedGlyphs::compoundMarksStayLegible()
{
    QFETCH(int, style);
    QFETCH(bool, horizontal);
    QFETCH(int, measuresPerLine);
    QFETCH(bool, roomForMarks);
    const std::unique_ptr<Score> score = generated(style, horizontal, measuresPerLine);
    QVERIFY(score);
    const double s = score->page->scaleFactor;
    QList<const GlyphItem *> compounds;
    QList<const GlyphItem *> notes;
    for (const QGraphicsItem *item : score->scene->items()) {
        const auto *glyph = dynamic_cast<const GlyphItem *>(item);
        if (!glyph || !item->isVisible() || itemTag(item, TagType) != NoteItem)
            continue;
        notes.append(glyph);
        if (glyph->elementId().contains(QLatin1String("ChuMeri")))
            compounds.append(glyph);
    }
    QVERIFY(!compounds.isEmpty());
    const auto ink = [](const GlyphItem *glyph) {
        return glyph->sceneTransform().mapRect(glyph->inkRect());
    };
    QStringList faults;
    double smallest = 1e9;
    for (const GlyphItem *glyph : std::as_const(compounds)) {
        const QTransform t = glyph->sceneTransform();
        for (const char *mark : {".mark", ".mark2"}) {
            const QRectF box =
                glyph->renderer()->boundsOnElement(glyph->elementId() + QLatin1String(mark));
            const double w = box.width() * t.m11() / s;
            const double h = box.height() * t.m22() / s;
            smallest = std::min({smallest, w, h});
            // To a hundredth of a millimetre.
            if (roomForMarks && (w < 1.49 || h < 1.49))
                faults << QStringLiteral("%1%2 drawn %3 x %4 mm")
                              .arg(glyph->elementId(), QLatin1String(mark))
                              .arg(w, 0, 'f', 2)
                              .arg(h, 0, 'f', 2);
        }
        if (std::abs(t.m11() / t.m22() - 1.0) > 0.01)
            faults << QStringLiteral("%1 drawn %2 wide for its height")
                          .arg(glyph->elementId())
                          .arg(t.m11() / t.m22(), 0, 'f', 2);
        const int measure = itemTag(glyph, TagMeasure);
        for (const GlyphItem *other : std::as_const(notes)) {
            if (other != glyph && ink(other).intersects(ink(glyph)))
                faults
                    << QStringLiteral("%1 touches %2").arg(glyph->elementId(), other->elementId());
            const bool plainBeside =
                itemTag(other, TagMeasure) == measure &&
                itemTag(other, TagPart) == itemTag(glyph, TagPart) &&
                !other->renderer()->elementExists(other->elementId() + QLatin1String(".mark"));
            if (!roomForMarks && plainBeside && other->sceneTransform().m22() >= 0.99 * t.m22())
                faults << QStringLiteral("%1 of measure %2 drawn no larger than %3")
                              .arg(glyph->elementId())
                              .arg(measure + 1)
                              .arg(other->elementId());
        }
        const QString narrowed = QStringLiteral("Measure %1 needs more room").arg(measure + 1);
        if (!roomForMarks && !score->logText.contains(narrowed))
            faults << QStringLiteral("measure %1 narrowed without a word").arg(measure + 1);
    }
    qInfo() << compounds.size() << "compound names; the smallest mark is" << smallest << "mm";
    QVERIFY2(faults.isEmpty(), qPrintable(QStringLiteral("%1 faults:\n").arg(faults.size()) +
                                          faults.mid(0, 12).join(QLatin1Char('\n'))));
}

VELMORA_TEST_MAIN(TestSqueezedGlyphs)

} // namespace tst_squeezed_glyphs
#include "tst_squeezed_glyphs.moc"
