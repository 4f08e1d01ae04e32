// Staff-notation details where ink meets ink, read from the drawn scene of
// real files in both writing directions: accidentals keep a gap from the
// heads of their chord, from each other and from the notes of other voices,
// a clef changed inside a measure keeps clear of the next head, slurs keep
// clear of tempo and other texts, and a tuplet number keeps clear of stems,
// beams and the number of a tuplet nested in it. Boxes are the glyphs' ink, not the
// advance boxes the glyphs are set by.
#include "layout/alignitem.h"
#include "model/direction.h"
#include "model/glyphitem.h"
#include "model/itemtags.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/notation.h"
#include "model/note.h"
#include "model/notefonts.h"
#include "model/page.h"
#include "model/part.h"
#include "model/score.h"
#include "model/voice.h"
#include "support/scorefile.h"
#include "support/testenvironment.h"
#include "view/scene.h"

#include <QGraphicsPathItem>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QtTest>

#include <map>
#include <memory>
#include <tuple>

namespace tst_staff_details {

namespace {

const QStringList accidentalIds = {
    QStringLiteral("Natural"),      QStringLiteral("Sharp"),      QStringLiteral("DoubleSharp"),
    QStringLiteral("Flat"),         QStringLiteral("DoubleFlat"), QStringLiteral("NaturalFlat"),
    QStringLiteral("NaturalSharp"),
};

// The glyph id without its grace and vertical suffixes.
QString baseId(QString id)
{
    for (const char *suffix : {"_V", "_Grace"}) {
        if (id.endsWith(QLatin1String(suffix)))
            id.chop(int(qstrlen(suffix)));
    }
    return id;
}

bool isAccidental(const AlignItem *item)
{
    return accidentalIds.contains(baseId(item->glyphId));
}

// The scene rectangle a glyph item inks: its filled and stroked shapes, not
// the box it is set by. Empty for an item that draws nothing.
QRectF inkRect(const QGraphicsItem *item)
{
    const auto *glyph = dynamic_cast<const GlyphItem *>(item);
    if (!glyph || !item->isVisible() || glyph->inkRect().isEmpty())
        return {};
    return item->sceneTransform().mapRect(glyph->inkRect());
}

// How far apart two rectangles stand: the larger of the gaps along and
// across, negative by the smaller overlap when they overlap.
double gapBetween(const QRectF &a, const QRectF &b)
{
    const double alongX = std::max(a.left() - b.right(), b.left() - a.right());
    const double alongY = std::max(a.top() - b.bottom(), b.top() - a.bottom());
    return std::max(alongX, alongY);
}

// A file of the MusicXML test suite, or of this project's own fixtures
// when the name holds a folder.
QString fixture(const char *name)
{
    const QString file = QString::fromLatin1(name);
    return TestSupport::fixturePath(file.contains(QLatin1Char('/'))
                                        ? file
                                        : QStringLiteral("corpus/lilypond-musicxml-testsuite/") +
                                              file);
}

// Calls `visit(measure index, part, voice)` for every drawn voice.
template <class Visit> void forEachVoice(const Score &score, Visit visit)
{
    for (int m = 0; m < score.displayedMeasures.size(); ++m) {
        const Measure *measure = score.displayedMeasures.at(m);
        for (int p = 0; p < measure->parts.size(); ++p) {
            for (const Voice *voice : measure->parts.at(p)->voices)
                visit(m, p, voice);
        }
    }
}

// A staff space of the score's first part, in scene units.
double staffSpace(const Score &score)
{
    return 0.25 * score.parts.first()->noteFontSize * score.page->scaleFactor;
}

} // namespace

class TestStaffDetails : public QObject
{
    Q_OBJECT

private slots:
    void accidentalsClearOfHeads_data();
    void accidentalsClearOfHeads();
    void accidentalsClearOfOtherVoices_data();
    void accidentalsClearOfOtherVoices();
    void clefChangeClearOfNextNote_data();
    void clefChangeClearOfNextNote();
    void slursClearOfTexts_data();
    void slursClearOfTexts();
    void tupletNumbersClearOfNotes_data();
    void tupletNumbersClearOfNotes();
};

void TestStaffDetails::accidentalsClearOfHeads_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("horizontal");
    for (const bool horizontal : {true, false}) {
        const char *direction = horizontal ? "horizontal" : "vertical";
        for (const char *name :
             {"staff/21x-Chords-AccidentalColumns.xml", "21h-Chord-Accidentals.xml",
              "01a-Pitches-Pitches.xml", "01e-Pitches-ParenthesizedAccidentals.xml"})
            QTest::addRow("%s, %s", name, direction) << fixture(name) << horizontal;
    }
}

// Each accidental stands a clear gap from every head of its chord, and the
// accidentals of a chord, in their columns, do not touch each other.
void TestStaffDetails::accidentalsClearOfHeads()
{
    QFETCH(QString, path);
    QFETCH(bool, horizontal);
    const std::unique_ptr<Score> score =
        TestSupport::generatedScore(path, NotationStyle::StaffNotation, horizontal);
    QVERIFY(score);
    const double space = staffSpace(*score);
    const double headGap = 0.15 * space;
    const double neighbourGap = 0.1 * space;
    QStringList faults;
    int chords = 0;
    double closest = 1e9;
    forEachVoice(*score, [&](int m, int p, const Voice *voice) {
        QList<QRectF> accidentals;
        const QList<AlignItem *> &items = voice->alignItems;
        for (int i = 0; i < items.size(); ++i) {
            const AlignItem *item = items.at(i);
            if (isAccidental(item)) {
                const QRectF ink = inkRect(item->graphicsItem);
                if (!ink.isEmpty())
                    accidentals.append(ink);
                continue;
            }
            const QGraphicsItem *glyph = item->graphicsItem;
            if (accidentals.isEmpty() || !glyph || glyph->data(TagType).toInt() != NoteItem)
                continue;
            // The chord's heads follow its accidentals.
            QList<QRectF> heads;
            for (; i < items.size() && items.at(i)->graphicsItem &&
                   items.at(i)->graphicsItem->data(TagType).toInt() == NoteItem &&
                   !items.at(i)->glyphId.startsWith(QLatin1String("Dot"));
                 ++i)
                heads.append(inkRect(items.at(i)->graphicsItem));
            --i;
            ++chords;
            const QString where = QStringLiteral("measure %1 part %2 item %3").arg(m).arg(p).arg(i);
            for (int a = 0; a < accidentals.size(); ++a) {
                for (const QRectF &head : std::as_const(heads)) {
                    const double gap = gapBetween(accidentals.at(a), head);
                    closest = std::min(closest, gap / space);
                    if (gap < headGap)
                        faults << QStringLiteral("%1: accidental %2 %3 staff spaces from a head")
                                      .arg(where)
                                      .arg(a)
                                      .arg(gap / space, 0, 'f', 2);
                }
                for (int b = a + 1; b < accidentals.size(); ++b) {
                    const double gap = gapBetween(accidentals.at(a), accidentals.at(b));
                    if (gap < neighbourGap)
                        faults << QStringLiteral("%1: accidentals %2 and %3 %4 staff spaces apart")
                                      .arg(where)
                                      .arg(a)
                                      .arg(b)
                                      .arg(gap / space, 0, 'f', 2);
                }
            }
            accidentals.clear();
        }
    });
    qInfo() << chords << "chords with accidentals; the nearest accidental stands" << closest
            << "staff spaces from a head";
    QVERIFY(chords > 0);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.mid(0, 20).join(QLatin1Char('\n'))));
}

void TestStaffDetails::accidentalsClearOfOtherVoices_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("horizontal");
    for (const bool horizontal : {true, false}) {
        const char *direction = horizontal ? "horizontal" : "vertical";
        for (const char *name : {"42b-MultiVoice-MidMeasureClefChange.xml",
                                 "corpus/w3c-examples/musicxml/tutorial-apres-un-reve.xml",
                                 "corpus/w3c-examples/musicxml/tutorial-chopin-prelude.xml"})
            QTest::addRow("%s, %s", name, direction) << fixture(name) << horizontal;
    }
}

// An accidental of one voice touches no head, stem, beam or ledger line of
// another voice of its staff (in the prelude, a natural of the lower voice
// beside the upper voice's ledger lines).
void TestStaffDetails::accidentalsClearOfOtherVoices()
{
    QFETCH(QString, path);
    QFETCH(bool, horizontal);
    const std::unique_ptr<Score> score =
        TestSupport::generatedScore(path, NotationStyle::StaffNotation, horizontal);
    QVERIFY(score);
    const double space = staffSpace(*score);
    // The ink of each voice of each measure and part: its accidentals, and
    // its heads, stems, flags and beams, as the scene tags them.
    struct VoiceInk
    {
        QList<QRectF> accidentals, notes;
    };
    std::map<std::tuple<int, int, int>, VoiceInk> voices;
    for (const QGraphicsItem *item : score->scene->items()) {
        const int type = itemTag(item, TagType);
        if (!item->isVisible() || (type != NoteItem && type != NotePartItem))
            continue;
        const auto *glyph = dynamic_cast<const GlyphItem *>(item);
        VoiceInk &ink =
            voices[{itemTag(item, TagMeasure), itemTag(item, TagPart), itemTag(item, TagVoice)}];
        if (glyph && accidentalIds.contains(baseId(glyph->elementId())))
            ink.accidentals.append(inkRect(item));
        else if (!glyph || !glyph->elementId().startsWith(QLatin1String("Dot")))
            ink.notes.append(glyph ? inkRect(item) : item->sceneBoundingRect());
    }
    QStringList faults;
    int checked = 0;
    for (const auto &[key, a] : voices) {
        for (const auto &[otherKey, b] : voices) {
            const auto [measure, part, voice] = key;
            if (std::get<0>(otherKey) != measure || std::get<1>(otherKey) != part ||
                std::get<2>(otherKey) == voice)
                continue;
            for (const QRectF &accidental : a.accidentals) {
                for (const QRectF &note : b.notes) {
                    if (accidental.isEmpty() || note.isEmpty())
                        continue;
                    ++checked;
                    const double gap = gapBetween(accidental, note);
                    if (gap < 0.1 * space)
                        faults << QStringLiteral("measure %1 part %2: an accidental at (%3, %4) "
                                                 "%5 staff spaces from another voice's note")
                                      .arg(measure)
                                      .arg(part)
                                      .arg(accidental.x(), 0, 'f', 1)
                                      .arg(accidental.y(), 0, 'f', 1)
                                      .arg(gap / space, 0, 'f', 2);
                }
            }
        }
    }
    QVERIFY(checked > 0);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.mid(0, 20).join(QLatin1Char('\n'))));
}

void TestStaffDetails::clefChangeClearOfNextNote_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("horizontal");
    for (const bool horizontal : {true, false}) {
        const char *direction = horizontal ? "horizontal" : "vertical";
        for (const char *name :
             {"46c-Midmeasure-Clef.xml", "42b-MultiVoice-MidMeasureClefChange.xml"})
            QTest::addRow("%s, %s", name, direction) << fixture(name) << horizontal;
    }
}

// A clef changed inside a measure keeps half a staff space or more from the
// note after it: its accidentals and its heads.
void TestStaffDetails::clefChangeClearOfNextNote()
{
    QFETCH(QString, path);
    QFETCH(bool, horizontal);
    const std::unique_ptr<Score> score =
        TestSupport::generatedScore(path, NotationStyle::StaffNotation, horizontal);
    QVERIFY(score);
    const double space = staffSpace(*score);
    QStringList faults;
    int clefs = 0;
    forEachVoice(*score, [&](int m, int p, const Voice *voice) {
        const QList<AlignItem *> &items = voice->alignItems;
        for (int i = 0; i < items.size(); ++i) {
            if (!items.at(i)->glyphId.startsWith(QLatin1String("Clef")))
                continue;
            const QRectF clef = inkRect(items.at(i)->graphicsItem);
            if (clef.isEmpty())
                continue;
            ++clefs;
            // The note's accidentals, then its heads up to its stem.
            for (int j = i + 1; j < items.size(); ++j) {
                const AlignItem *next = items.at(j);
                const bool head =
                    next->graphicsItem && next->graphicsItem->data(TagType).toInt() == NoteItem;
                if (!head && !isAccidental(next))
                    break;
                const double gap = gapBetween(clef, inkRect(next->graphicsItem));
                if (gap < 0.5 * space)
                    faults << QStringLiteral(
                                  "measure %1 part %2: %3 stands %4 staff spaces from %5")
                                  .arg(m)
                                  .arg(p)
                                  .arg(items.at(i)->glyphId)
                                  .arg(gap / space, 0, 'f', 2)
                                  .arg(next->glyphId);
            }
        }
    });
    QVERIFY(clefs > 0);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

void TestStaffDetails::slursClearOfTexts_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("horizontal");
    for (const bool horizontal : {true, false}) {
        const char *direction = horizontal ? "horizontal" : "vertical";
        for (const char *name :
             {"notations/31x-Directions-EdgeCases.xml", "staff/31x-Directions-TempoOverSlurs.xml"})
            QTest::addRow("%s, %s", name, direction) << fixture(name) << horizontal;
    }
}

// No slur runs through a tempo mark, words or a dynamic: the text stands
// beyond the slur's arc.
void TestStaffDetails::slursClearOfTexts()
{
    QFETCH(QString, path);
    QFETCH(bool, horizontal);
    const std::unique_ptr<Score> score =
        TestSupport::generatedScore(path, NotationStyle::StaffNotation, horizontal);
    QVERIFY(score);
    // Text boxes hold the font's whole ascent and descent: a slur that only
    // grazes their edge passes clear of the letters.
    const double edge = 0.3 * score->page->scaleFactor;
    QList<QPair<QString, QRectF>> texts;
    QList<const QGraphicsPathItem *> slurs;
    for (const Measure *measure : std::as_const(score->measures)) {
        for (const MePart *cell : measure->parts) {
            for (const Voice *voice : cell->voices) {
                for (const Direction *direction : voice->shownDirections()) {
                    const QGraphicsItem *item = direction->item;
                    const int kind = direction->kind;
                    if (item && item->isVisible() &&
                        (kind == DirectionKind::Words || kind == DirectionKind::Metronome ||
                         kind == DirectionKind::Dynamics))
                        texts.append({direction->text, item->sceneBoundingRect().adjusted(
                                                           edge, edge, -edge, -edge)});
                }
                for (const Note *note : voice->notes) {
                    for (const Notation *notation : note->notations) {
                        const auto *slur = dynamic_cast<const QGraphicsPathItem *>(notation->item);
                        if (notation->kind == NotationKind::Slur && slur && slur->isVisible())
                            slurs.append(slur);
                    }
                }
            }
        }
    }
    QStringList faults;
    for (const QGraphicsPathItem *slur : std::as_const(slurs)) {
        const QPainterPath ink = slur->sceneTransform().map(slur->path());
        for (const auto &[text, box] : std::as_const(texts)) {
            if (ink.intersects(box))
                faults << QStringLiteral("a slur runs through '%1'").arg(text);
        }
    }
    QVERIFY(!slurs.isEmpty() && !texts.isEmpty());
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

void TestStaffDetails::tupletNumbersClearOfNotes_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("horizontal");
    for (const bool horizontal : {true, false}) {
        const char *direction = horizontal ? "horizontal" : "vertical";
        for (const char *name :
             {"23a-Tuplets.xml", "23b-Tuplets-Styles.xml", "23c-Tuplet-Display-NonStandard.xml",
              "23d-Tuplets-Nested.xml", "23e-Tuplets-Tremolo.xml",
              "staff/23x-Tuplets-NestedThreeDeep.xml"})
            QTest::addRow("%s, %s", name, direction) << fixture(name) << horizontal;
    }
}

// A tuplet number touches no stem, beam, head or ledger line, nor the
// number of a tuplet nested in it or around it, and stays in its row.
void TestStaffDetails::tupletNumbersClearOfNotes()
{
    QFETCH(QString, path);
    QFETCH(bool, horizontal);
    const std::unique_ptr<Score> score =
        TestSupport::generatedScore(path, NotationStyle::StaffNotation, horizontal);
    QVERIFY(score);
    const QRegularExpression numberId(QStringLiteral("^\\d+_Italic(_V)?$"));
    QList<QRectF> numbers;
    QList<QRectF> ink;
    for (const QGraphicsItem *item : score->scene->items()) {
        if (!item->isVisible())
            continue;
        const auto *glyph = dynamic_cast<const GlyphItem *>(item);
        const int type = item->data(TagType).toInt();
        if (glyph && numberId.match(glyph->elementId()).hasMatch())
            numbers.append(inkRect(item));
        else if (type == NoteItem && glyph)
            ink.append(inkRect(item));
        else if (type == NotePartItem)
            ink.append(glyph ? inkRect(item) : item->sceneBoundingRect());
    }
    QStringList faults;
    const double space = staffSpace(*score);
    for (int a = 0; a < numbers.size(); ++a) {
        for (const QRectF &note : std::as_const(ink)) {
            if (!note.isEmpty() && gapBetween(numbers.at(a), note) < 0.05 * space)
                faults << QStringLiteral("a tuplet number at (%1, %2) touches note ink")
                              .arg(numbers.at(a).x(), 0, 'f', 1)
                              .arg(numbers.at(a).y(), 0, 'f', 1);
        }
        for (int b = a + 1; b < numbers.size(); ++b) {
            if (gapBetween(numbers.at(a), numbers.at(b)) < 0.1 * space)
                faults << QStringLiteral("tuplet numbers at (%1, %2) and (%3, %4) touch")
                              .arg(numbers.at(a).x(), 0, 'f', 1)
                              .arg(numbers.at(a).y(), 0, 'f', 1)
                              .arg(numbers.at(b).x(), 0, 'f', 1)
                              .arg(numbers.at(b).y(), 0, 'f', 1);
        }
    }
    QVERIFY(!numbers.isEmpty());
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));

    // In horizontal writing every number stays inside its part's row, so it
    // crosses no frame line into the next. A number belongs to the measure
    // at its place along whose row lies nearest across: on a page of
    // several lines, measures of other lines stand at the same place along.
    QStringList outside;
    const double s = score->page->scaleFactor;
    for (const QRectF &number : horizontal ? numbers : QList<QRectF>()) {
        double top = 0.0;
        double bottom = 0.0;
        double nearest = 1e12;
        for (const Measure *m : std::as_const(score->displayedMeasures)) {
            const double x = number.center().x();
            const double centre = m->getPartCenter(0) * s;
            if (x < m->originX * s || x >= (m->originX + m->width) * s ||
                std::abs(number.center().y() - centre) >= nearest)
                continue;
            nearest = std::abs(number.center().y() - centre);
            const MePart *cell = m->parts.first();
            top = centre - (0.5 * cell->partExtent + cell->directionBand) * s;
            bottom = centre + (0.5 * cell->partExtent + cell->directionBandBelow) * s;
        }
        if (nearest < 1e12 && (number.top() < top || number.bottom() > bottom))
            outside << QStringLiteral("a tuplet number at (%1, %2) leaves its row by %3 mm")
                           .arg(number.x(), 0, 'f', 1)
                           .arg(number.y(), 0, 'f', 1)
                           .arg(std::max(top - number.top(), number.bottom() - bottom) / s, 0, 'f',
                                2);
    }
    QVERIFY2(outside.isEmpty(), qPrintable(outside.join(QLatin1Char('\n'))));
}

VELMORA_TEST_MAIN(TestStaffDetails)

} // namespace tst_staff_details
#include "tst_staff_details.moc"
