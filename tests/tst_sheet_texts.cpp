// Texts and marks around the music on real scores: octave marks under or
// beside their own note glyph, credits stacked apart inside the header and
// the sheet, part names and abbreviations inside the sheet and clear of the
// measure numbers, in both writing directions and every notation style.
#include "drawing/mytextitem.h"
#include "model/credit.h"
#include "model/itemtags.h"
#include "model/notefonts.h"
#include "model/page.h"
#include "model/part.h"
#include "model/score.h"
#include "support/scorefile.h"
#include "support/testenvironment.h"
#include "view/scene.h"

#include <QGraphicsItem>
#include <QMultiMap>
#include <QtTest>

#include <memory>

namespace {

// Scene units by which an item may reach past the edge it must keep to:
// a fraction of a millimetre, below any visible overlap.
constexpr double slack = 1.0;

std::unique_ptr<Score> loadScore(const QString &path, int style, bool horizontal)
{
    auto score = std::make_unique<Score>(QStringLiteral("5.3.1"), 0, false);
    if (!TestSupport::loadScoreFile(*score, path))
        return nullptr;
    for (Part *part : std::as_const(score->parts)) {
        part->notationStyle = style;
        part->noteFontName = NoteFonts::firstFontName(NoteFontFolder::path(style));
    }
    score->page->horizontal = horizontal;
    score->page->setPaperSize();
    score->generateScore();
    return score;
}

QList<QGraphicsItem *> taggedItems(const Score &score, int type)
{
    QList<QGraphicsItem *> found;
    const QList<QGraphicsItem *> items = score.scene->items(Qt::AscendingOrder);
    for (QGraphicsItem *item : items) {
        if (item->isVisible() && item->data(TagType).toInt() == type)
            found << item;
    }
    return found;
}

// The sheet that holds most of `box` (scene units).
QRectF sheetOf(const Score &score, const QRectF &box)
{
    const Page *page = score.page;
    const double s = page->scaleFactor;
    const QRectF all(page->scoreRect.x() * s, page->scoreRect.y() * s, page->scoreRect.width() * s,
                     page->scoreRect.height() * s);
    const double w = page->pageWidth * s;
    const double h = page->pageHeight * s;
    const QPointF c = box.center();
    if (page->horizontal && page->roll)
        return QRectF(all.x(), std::floor((c.y() - all.y()) / h) * h + all.y(), w, h);
    return QRectF(std::floor((c.x() - all.x()) / w) * w + all.x(), all.y(), w, h);
}

bool insideSheet(const Score &score, const QRectF &box)
{
    return sheetOf(score, box).adjusted(-slack, -slack, slack, slack).contains(box);
}

QString key(const QGraphicsItem *item)
{
    return QStringLiteral("%1/%2/%3/%4")
        .arg(item->data(TagMeasure).toInt())
        .arg(item->data(TagPart).toInt())
        .arg(item->data(TagVoice).toInt())
        .arg(item->data(TagNote).toInt());
}

} // namespace

class TestSheetTexts : public QObject
{
    Q_OBJECT

private slots:
    void init() { TestSupport::prompter().reset(); }
    void octaveMarksHangOnTheirNote_data();
    void octaveMarksHangOnTheirNote();
};

void TestSheetTexts::octaveMarksHangOnTheirNote_data()
{
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<int>("style");
    for (int style : {0, 1, 2, 3})
        for (bool horizontal : {true, false})
            QTest::addRow("style %d %s", style, horizontal ? "horizontal" : "vertical")
                << horizontal << style;
}

// Every octave mark of the sample lies beside its own note's glyph: over
// the glyph along the line and just off it across, never under another
// note's glyph, the time signature or a bar line.
void TestSheetTexts::octaveMarksHangOnTheirNote()
{
    QFETCH(bool, horizontal);
    QFETCH(int, style);
    auto score = loadScore(TestSupport::samplePath(), style, horizontal);
    QVERIFY(score);
    QMultiMap<QString, QRectF> glyphs;
    for (QGraphicsItem *glyph : taggedItems(*score, NoteItem))
        glyphs.insert(key(glyph), glyph->sceneBoundingRect());
    const QList<QGraphicsItem *> marks = taggedItems(*score, OctaveInstItem);
    QVERIFY(!marks.isEmpty());
    for (QGraphicsItem *mark : marks) {
        const QRectF box = mark->sceneBoundingRect();
        const QList<QRectF> own = glyphs.values(key(mark));
        QVERIFY2(!own.isEmpty(), qPrintable(key(mark)));
        QRectF note;
        for (const QRectF &r : own)
            note |= r;
        const double along = horizontal ? box.center().x() : box.center().y();
        const double from = horizontal ? note.left() : note.top();
        const double to = horizontal ? note.right() : note.bottom();
        QVERIFY2(along >= from - slack && along <= to + slack,
                 qPrintable(QStringLiteral("mark %1 at %2, note %3..%4")
                                .arg(key(mark))
                                .arg(along)
                                .arg(from)
                                .arg(to)));
        // Close across: within one mark's breadth of the glyph.
        const double gap = horizontal
                               ? std::max(box.top() - note.bottom(), note.top() - box.bottom())
                               : std::max(box.left() - note.right(), note.left() - box.right());
        const double breadth = horizontal ? box.height() : box.width();
        QVERIFY2(gap <= breadth, qPrintable(key(mark)));
        QVERIFY(insideSheet(*score, box));
    }
}

VELMORA_TEST_MAIN(TestSheetTexts)
#include "tst_sheet_texts.moc"
