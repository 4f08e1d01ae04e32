// Credit texts and part names on whole regenerations: default credit sizes,
// where credits stand in the header area in both writing directions, the
// text directions and "."-texts, user offsets from the header corner, tags,
// the header frame; part names' sizes and their upright or turned forms;
// and the Japanese corpus score's PDF carrying its Japanese font and text.
#include "drawing/mytextitem.h"
#include "layout/creditplaces.h"
#include "model/credit.h"
#include "model/itemtags.h"
#include "model/notefonts.h"
#include "model/page.h"
#include "model/part.h"
#include "model/score.h"
#include "model/style.h"
#include "support/messagecapture.h"
#include "support/pdftools.h"
#include "support/scorefile.h"
#include "support/testenvironment.h"
#include "support/voicescore.h"
#include "view/scene.h"

#include <QDomDocument>
#include <QFile>
#include <QFontMetrics>
#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

namespace tst_credit_items {

using TestSupport::VoiceScore;

namespace {

bool near(double a, double b)
{
    return std::abs(a - b) < 1e-6;
}

template <class T> QList<T *> sceneItems(const Score &score)
{
    QList<T *> found;
    const QList<QGraphicsItem *> items = score.scene->items(Qt::AscendingOrder);
    for (QGraphicsItem *item : items) {
        if (auto *t = dynamic_cast<T *>(item))
            found.append(t);
    }
    return found;
}

// A one-part score with a header area on its first page.
struct CreditScore
{
    explicit CreditScore(bool horizontal) : f(horizontal)
    {
        f.addPart(QStringLiteral("Shakuhachi"), NotationStyle::KinkoSimple);
        f.addMeasure();
        f.addNotes(0, QStringLiteral("D4/4 F4/4 G4/4 A4/4"));
        f.score.page->titleFirstPageTop = true;
        f.score.page->headerAreaWidth = 40.0;
    }
    Credit *add(const QString &text, int rotation = 0)
    {
        auto *credit = new Credit(text);
        credit->font = f.score.style->defaultFont;
        credit->rotation = rotation;
        f.score.credits.append(credit);
        return credit;
    }
    MyTextItem *item(int index) const
    {
        return dynamic_cast<MyTextItem *>(f.score.credits.at(index)->item);
    }
    QRectF header() const { return f.score.page->headerAreaRect; }
    // Every credit-words of `credits` (the XML of credit elements), read
    // as a file gives them.
    void read(const QString &credits)
    {
        QVERIFY(document.setContent(QStringLiteral("<c>") + credits + QStringLiteral("</c>")));
        for (QDomElement credit = document.documentElement().firstChildElement(); !credit.isNull();
             credit = credit.nextSiblingElement())
            f.score.parseCredit(credit);
        // Drawn without the document, as the renderer draws.
        for (Credit *read : std::as_const(f.score.credits))
            read->element = QDomElement();
    }

    VoiceScore f;
    QDomDocument document;
};

// A credit element: its type (none when empty), its words with their
// layout hints.
QString credit(const QString &type, const QString &words, const QString &hints = QString())
{
    const QString typed =
        type.isEmpty() ? QString() : QStringLiteral("<credit-type>%1</credit-type>").arg(type);
    return QStringLiteral("<credit page=\"1\">%1<credit-words %2>%3</credit-words></credit>")
        .arg(typed, hints, words);
}

// Width and height of a text on one line, as the placement measures it.
QSizeF extent(const MyTextItem *item)
{
    const QRect r = QFontMetrics(item->font).boundingRect(item->text);
    return QSizeF(r.right() - r.left() + 1, r.bottom() - r.top() + 1);
}

} // namespace

class TestCreditItems : public QObject
{
    Q_OBJECT

private slots:
    void init() { TestSupport::prompter().reset(); }
    void creditsWithoutFontTakeTheDefaultSizes();
    void creditsAreTaggedMovableItems();
    void creditsTakeThePlaceOfTheirRole_data();
    void creditsTakeThePlaceOfTheirRole();
    void creditOfAComposerFirstFileDrawsByRole();
    void creditsBeyondTheHeaderAreLeftOut();
    void creditsStandAroundTheHeader_data();
    void creditsStandAroundTheHeader();
    void textDirections_data();
    void textDirections();
    void movedCreditCountsFromTheHeaderCorner_data();
    void movedCreditCountsFromTheHeaderCorner();
    void headerFrame_data();
    void headerFrame();
    void partNames_data();
    void partNames();
    void textKeepsItsSceneSizeOnAnyDevice_data();
    void textKeepsItsSceneSizeOnAnyDevice();
    void japaneseScorePdfCarriesItsText_data();
    void japaneseScorePdfCarriesItsText();
};

void TestCreditItems::creditsWithoutFontTakeTheDefaultSizes()
{
    CreditScore t(true);
    for (int i = 0; i < 6; ++i)
        t.add(QStringLiteral("Credit %1").arg(i));
    Credit *own = t.add(QStringLiteral("Own font"));
    own->font.setPointSize(11);
    own->fontGiven = true;
    t.f.score.generateScore();
    QList<int> sizes;
    for (int i = 0; i < t.f.score.credits.size(); ++i)
        sizes << t.item(i)->font.pointSize();
    QCOMPARE(sizes, (QList<int>{36, 24, 24, 18, 18, 18, 11}));
    // The model keeps the credit's own font.
    QCOMPARE(t.f.score.credits.at(0)->font.pointSize(), t.f.score.style->defaultFont.pointSize());
}

void TestCreditItems::creditsAreTaggedMovableItems()
{
    CreditScore t(false);
    t.add(QStringLiteral("Title"));
    t.add(QStringLiteral("Composer"));
    t.f.score.generateScore();
    for (int i = 0; i < 2; ++i) {
        MyTextItem *item = t.item(i);
        QVERIFY(item);
        QVERIFY(item->scene() == t.f.score.scene);
        QCOMPARE(item->data(TagType).toInt(), int(CreditItem));
        QCOMPARE(itemTag(item, TagCredit), i);
        QVERIFY(item->flags() & QGraphicsItem::ItemIsMovable);
        QVERIFY(item->flags() & QGraphicsItem::ItemIsSelectable);
        QVERIFY(item->acceptHoverEvents());
    }
}

void TestCreditItems::creditsTakeThePlaceOfTheirRole_data()
{
    using namespace CreditPlaces;
    QTest::addColumn<QString>("credits");
    QTest::addColumn<QList<int>>("places");
    // MuseScore 3's hints: the title large, centred and highest; the
    // composer right-justified under it; the rights at the page's foot.
    const QString title = QStringLiteral(R"(font-size="22" justify="center" default-y="1600")");
    const QString subtitle = QStringLiteral(R"(font-size="16" justify="center" default-y="1500")");
    const QString composer = QStringLiteral(R"(font-size="12" justify="right" default-y="1450")");
    const QString poet = QStringLiteral(R"(font-size="12" justify="left" default-y="1450")");
    const QString rights = QStringLiteral(R"(font-size="8" justify="center" default-y="100")");
    QTest::newRow("typed, composer before title")
        << credit("composer", "K. Yatsuhashi") + credit("title", "Rokudan") +
               credit("rights", "(c)") + credit("lyricist", "anon.")
        << QList<int>{Composer, Title, Foot, Lyricist};
    QTest::newRow("typed subtitle and arranger")
        << credit("arranger", "arr.") + credit("subtitle", "for koto") + credit("title", "T")
        << QList<int>{Foot, Subtitle, Title};
    QTest::newRow("typed, title first: as before")
        << credit("title", "T") + credit("composer", "C") + credit("subtitle", "S")
        << QList<int>{Title, Subtitle, Composer};
    QTest::newRow("an unknown type keeps its order")
        << credit("title", "T") + credit("page number", "1") + credit("composer", "C")
        << QList<int>{Title, Subtitle, Composer};
    QTest::newRow("hints: composer before title")
        << credit("", "C", composer) + credit("", "T", title) + credit("", "(c)", rights)
        << QList<int>{Composer, Title, Foot};
    QTest::newRow("hints: poet and subtitle before title")
        << credit("", "P", poet) + credit("", "S", subtitle) + credit("", "T", title)
        << QList<int>{Lyricist, Subtitle, Title};
    QTest::newRow("hints agree with the order: as before")
        << credit("", "T", title) + credit("", "(c)", rights) + credit("", "C", composer)
        << QList<int>{Title, Subtitle, Composer};
    QTest::newRow("no clear title: the order")
        << credit("", "C", composer) + credit("", "P", poet) << QList<int>{Title, Subtitle};
    QTest::newRow("two of the largest size: the order")
        << credit("", "C", title) + credit("", "T", title) << QList<int>{Title, Subtitle};
    QTest::newRow("the largest not at the top: the order")
        << credit("", "C", composer) + credit("", "T", R"(font-size="30" justify="center" default-y="1000")")
        << QList<int>{Title, Subtitle};
    QTest::newRow("no hints: the order")
        << credit("", "A") + credit("", "B") + credit("", "C") + credit("", "D") +
               credit("", "E") + credit("", "F") + credit("", "G")
        << QList<int>{Title, Subtitle, Composer, Lyricist, Foot, Corner, Corner};
}

void TestCreditItems::creditsTakeThePlaceOfTheirRole()
{
    QFETCH(QString, credits);
    QFETCH(QList<int>, places);
    CreditScore t(true);
    t.read(credits);
    QCOMPARE(CreditPlaces::places(t.f.score.credits), places);
}

// The title of a file that gives its composer first stands centred and
// largest, the composer at the header's far end, in both directions.
void TestCreditItems::creditOfAComposerFirstFileDrawsByRole()
{
    for (const bool horizontal : {true, false}) {
        CreditScore t(horizontal);
        t.read(credit("composer", "Composer") + credit("title", "Title"));
        t.f.score.generateScore();
        MyTextItem *composer = t.item(0);
        MyTextItem *title = t.item(1);
        QCOMPARE(title->font.pointSize(), 36);
        QCOMPARE(composer->font.pointSize(), 24);
        const double s = t.f.score.page->scaleFactor;
        const QRectF header = t.header();
        const QRectF box = title->sceneBoundingRect();
        if (horizontal) {
            QVERIFY(std::abs(box.center().x() - header.center().x() * s) < 1.0);
            QVERIFY(composer->sceneBoundingRect().right() > box.right());
        } else {
            QVERIFY(std::abs(box.center().y() - header.center().y() * s) < 1.0);
            QVERIFY(composer->sceneBoundingRect().bottom() > box.bottom());
        }
    }
}

// Thirty titles: those the header can hold stand apart inside the sheet,
// the rest are left out with one log line.
void TestCreditItems::creditsBeyondTheHeaderAreLeftOut()
{
    for (const bool horizontal : {true, false}) {
        CreditScore t(horizontal);
        QString credits;
        for (int i = 0; i < 30; ++i)
            credits += credit("title", QStringLiteral("Title %1").arg(i));
        t.read(credits);
        TestSupport::MessageCapture log;
        t.f.score.generateScore();
        QList<QRectF> shown;
        for (int i = 0; i < 30; ++i) {
            if (t.item(i)->isVisible())
                shown << t.item(i)->sceneBoundingRect();
        }
        QVERIFY(shown.size() > 1 && shown.size() < 30);
        const double s = t.f.score.page->scaleFactor;
        const QRectF sheet(0.0, 0.0, t.f.score.page->pageWidth * s, t.f.score.page->pageHeight * s);
        for (int i = 0; i < shown.size(); ++i) {
            QVERIFY(sheet.contains(shown.at(i)));
            for (int j = i + 1; j < shown.size(); ++j)
                QVERIFY(!shown.at(i).intersects(shown.at(j)));
        }
        const QString line = QStringLiteral("credits: %1 of 30 left out, no room for them in the "
                                            "header")
                                 .arg(30 - shown.size());
        QCOMPARE(log.count(line), 1);
    }
}

void TestCreditItems::creditsStandAroundTheHeader_data()
{
    QTest::addColumn<bool>("horizontal");
    QTest::newRow("horizontal") << true;
    QTest::newRow("vertical") << false;
}

void TestCreditItems::creditsStandAroundTheHeader()
{
    QFETCH(bool, horizontal);
    CreditScore t(horizontal);
    for (int i = 0; i < 7; ++i)
        t.add(QStringLiteral("Credit text %1").arg(i));
    t.add(QStringLiteral(".越後獅子"));
    t.f.score.generateScore();
    const double s = t.f.score.page->scaleFactor;
    const QRectF header = t.header();
    QVERIFY(header.width() > 0 && header.height() > 0);
    const double cx = (header.x() + header.width() / 2) * s;
    const double cy = (header.y() + header.height() / 2) * s;

    MyTextItem *title = t.item(0);
    const QSizeF e = extent(title);
    if (horizontal) {
        // Centred across the header, its foot on the middle line.
        QVERIFY(near(title->x() + e.width() / 2, cx));
        QVERIFY(near(title->y(), cy - e.height()));
        // The subtitle below the middle line, the composer at the far end.
        QVERIFY(t.item(1)->y() > cy);
        QVERIFY(near(t.item(2)->x() + extent(t.item(2)).width(),
                     (header.x() + header.width()) * s - 15));
    } else {
        // Turned by 90 degrees and centred down the header.
        QCOMPARE(title->rotation(), 90.0);
        QVERIFY(near(title->x(), cx + e.height()));
        QVERIFY(near(title->y(), cy - e.width() / 2));
        // The "."-credit stands upright, without its dot.
        MyTextItem *upright = t.item(7);
        QVERIFY(upright->vertical);
        QCOMPARE(upright->rotation(), 0.0);
        QCOMPARE(upright->text, QStringLiteral("越後獅子"));
    }
    // Credits 5 and later start from one corner and are stacked apart,
    // away from the header's start.
    const QRectF fifth = t.item(5)->sceneBoundingRect();
    const QRectF sixth = t.item(6)->sceneBoundingRect();
    QVERIFY(!fifth.intersects(sixth));
    if (horizontal)
        QVERIFY(near(sixth.left(), fifth.left()) && sixth.top() > fifth.bottom());
    else
        QVERIFY(near(sixth.top(), fifth.top()) && sixth.right() < fifth.left());
    QVERIFY(t.item(4)->pos() != t.item(5)->pos());
}

void TestCreditItems::textDirections_data()
{
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("direction");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("upright");
    QTest::addColumn<double>("rotation");
    QTest::newRow("horizontal direction on a vertical page")
        << false << "Title" << 1 << "Title" << false << 0.0;
    QTest::newRow("vertical direction on a horizontal page")
        << true << "Title" << 2 << "Title" << false << 90.0;
    QTest::newRow("vertical writing") << true << QStringLiteral("題（一）") << 3
                                      << QStringLiteral("題\uFE35一\uFE36") << true << 0.0;
    QTest::newRow("dotted on a horizontal page")
        << true << ".Title" << 0 << "Title" << false << 0.0;
    QTest::newRow("dotted on a vertical page") << false << QStringLiteral(".題（一）") << 0
                                               << QStringLiteral("題\uFE35一\uFE36") << true << 0.0;
    QTest::newRow("plain on a vertical page") << false << "Title" << 0 << "Title" << false << 90.0;
}

void TestCreditItems::textDirections()
{
    QFETCH(bool, horizontal);
    QFETCH(QString, text);
    QFETCH(int, direction);
    QFETCH(QString, shown);
    QFETCH(bool, upright);
    QFETCH(double, rotation);
    CreditScore t(horizontal);
    t.add(text, direction);
    t.f.score.generateScore();
    MyTextItem *item = t.item(0);
    QCOMPARE(item->text, shown);
    QCOMPARE(item->vertical, upright);
    QCOMPARE(item->rotation(), rotation);
}

void TestCreditItems::movedCreditCountsFromTheHeaderCorner_data()
{
    QTest::addColumn<bool>("horizontal");
    QTest::newRow("horizontal") << true;
    QTest::newRow("vertical") << false;
}

void TestCreditItems::movedCreditCountsFromTheHeaderCorner()
{
    QFETCH(bool, horizontal);
    CreditScore t(horizontal);
    t.add(QStringLiteral("Title"))->setOffset(12.0, 7.0);
    t.f.score.generateScore();
    const double s = t.f.score.page->scaleFactor;
    const QRectF h = t.header();
    const QPointF expected = horizontal
                                 ? QPointF((h.x() + 12.0) * s, (h.y() + 7.0) * s)
                                 : QPointF((h.x() + h.width() - 7.0) * s, (h.y() + 12.0) * s);
    QVERIFY(near(t.item(0)->x(), expected.x()));
    QVERIFY(near(t.item(0)->y(), expected.y()));
}

void TestCreditItems::headerFrame_data()
{
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<bool>("titleTop");
    QTest::addColumn<bool>("frame");
    QTest::newRow("horizontal") << true << true << true;
    QTest::newRow("vertical") << false << true << true;
    QTest::newRow("no frame asked") << true << true << false;
    QTest::newRow("no header area") << false << false << true;
}

void TestCreditItems::headerFrame()
{
    QFETCH(bool, horizontal);
    QFETCH(bool, titleTop);
    QFETCH(bool, frame);
    CreditScore t(horizontal);
    Page *page = t.f.score.page;
    page->titleFirstPageTop = titleTop;
    page->drawHeaderAreaRectangle = frame;
    page->headerAreaRectangleLineWidth = 0.5;
    t.add(QStringLiteral("Title"));
    t.f.score.generateScore();
    QList<QGraphicsRectItem *> frames;
    for (QGraphicsRectItem *rect : sceneItems<QGraphicsRectItem>(t.f.score)) {
        if (rect->pen().color() == QColor(100, 100, 100))
            frames << rect;
    }
    QCOMPARE(frames.size(), titleTop && frame ? 1 : 0);
    if (frames.isEmpty())
        return;
    const double s = page->scaleFactor;
    const QRectF h = t.header();
    const QRectF drawn = frames.first()->mapRectToScene(frames.first()->rect());
    QVERIFY(near(drawn.x(), h.x() * s) && near(drawn.y(), h.y() * s));
    QVERIFY(near(drawn.width(), h.width() * s) && near(drawn.height(), h.height() * s));
    QCOMPARE(frames.first()->pen().width(), int(0.5 * s));
}

void TestCreditItems::partNames_data()
{
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<bool>("full");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("upright");
    QTest::addColumn<double>("rotation");
    QTest::newRow("vertical, dotted full name")
        << false << true << QStringLiteral(".尺八（一）") << QStringLiteral("尺八\uFE35一\uFE36")
        << true << 0.0;
    QTest::newRow("vertical, full name") << false << true << "Shakuhachi"
                                         << "Shakuhachi" << false << 90.0;
    QTest::newRow("vertical, dotted abbreviation")
        << false << false << QStringLiteral(".尺") << QStringLiteral("尺") << false << 0.0;
    QTest::newRow("horizontal, dotted full name") << true << true << QStringLiteral(".尺八（一）")
                                                  << QStringLiteral("尺八（一）") << false << 0.0;
    QTest::newRow("horizontal, abbreviation") << true << false << "Sh."
                                              << "Sh." << false << 0.0;
}

void TestCreditItems::partNames()
{
    QFETCH(bool, horizontal);
    QFETCH(bool, full);
    QFETCH(QString, name);
    QFETCH(QString, shown);
    QFETCH(bool, upright);
    QFETCH(double, rotation);
    CreditScore t(horizontal);
    Score &score = t.f.score;
    Part *part = score.parts.at(0);
    part->partName = part->partAbbreviation = name;
    part->noteFontSize = 6.0;
    const double s = score.page->scaleFactor;
    const QList<MyTextItem *> before = sceneItems<MyTextItem>(score);
    QCOMPARE(score.genPartNameItem(50.0, 60.0, 0, full), 1);
    MyTextItem *item = nullptr;
    for (MyTextItem *candidate : sceneItems<MyTextItem>(score)) {
        if (!before.contains(candidate))
            item = candidate;
    }
    QVERIFY(item);
    QCOMPARE(item->text, shown);
    QCOMPARE(item->vertical, upright);
    QCOMPARE(item->rotation(), rotation);
    QCOMPARE(item->font.pixelSize(), int((full ? 0.8 : 0.64) * 6.0 * s));
    QCOMPARE(item->data(TagType).toInt(), 0);

    // Offsets count in the height of one line of the name, also for a
    // name written character below character.
    const QRectF line = QFontMetricsF(item->font).boundingRect(item->text);
    // A full name (and a horizontal abbreviation) ends 1.8 mm in front of
    // the measure that starts the line.
    const double along = upright ? item->boundingRect().height() : item->boundingRect().width();
    if (!horizontal && full && upright) {
        QVERIFY(near(item->x(), 50.0 * s - 0.4 * line.height()));
        QVERIFY(near(item->y(), (60.0 - 1.8) * s - along));
    } else if (!horizontal && full) {
        QVERIFY(near(item->x(), 50.0 * s + 0.7 * line.height()));
        QVERIFY(near(item->y(), (60.0 - 1.8) * s - along));
    } else if (horizontal) {
        QVERIFY(near(item->x(), (50.0 - 1.8) * s - along));
        QVERIFY(near(item->y(), 60.0 * s - 0.7 * line.height()));
    }
}

void TestCreditItems::textKeepsItsSceneSizeOnAnyDevice_data()
{
    QTest::addColumn<int>("dpi");
    QTest::addColumn<bool>("vertical");
    QTest::newRow("72 dpi (SVG)") << 72 << false;
    QTest::newRow("600 dpi") << 600 << false;
    QTest::newRow("600 dpi, vertical") << 600 << true;
}

void TestCreditItems::textKeepsItsSceneSizeOnAnyDevice()
{
    QFETCH(int, dpi);
    QFETCH(bool, vertical);
    // A point-sized title rendered onto a device of another resolution
    // draws what the screen shows, as the exports need.
    QGraphicsScene scene;
    auto *item = new MyTextItem(QStringLiteral("越後獅子"), vertical);
    QFont font(QStringLiteral("IPAexGothic"));
    font.setPointSize(36);
    item->setFont(font);
    scene.addItem(item);
    const QRectF box = item->boundingRect();
    const int k = 3; // device pixels per scene unit
    auto inkAt = [&](int resolution) {
        QImage image(int(2 * k * box.width()), int(2 * k * box.height()), QImage::Format_RGB32);
        image.setDotsPerMeterX(int(resolution / 0.0254));
        image.setDotsPerMeterY(int(resolution / 0.0254));
        image.fill(Qt::white);
        QPainter painter(&image);
        scene.render(&painter, QRectF(image.rect()),
                     QRectF(0, 0, 2 * box.width(), 2 * box.height()));
        painter.end();
        QRect ink;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (qGray(image.pixel(x, y)) < 128)
                    ink |= QRect(x, y, 1, 1);
            }
        }
        return ink;
    };
    const QRect screen = inkAt(96);
    const QRect device = inkAt(dpi);
    QVERIFY(!screen.isEmpty());
    // The glyphs fill most of the item's extent on the screen ...
    QVERIFY(screen.width() > 0.6 * k * box.width());
    // ... and the same place on the other device.
    const QMargins d(device.left() - screen.left(), device.top() - screen.top(),
                     device.right() - screen.right(), device.bottom() - screen.bottom());
    QVERIFY2(std::abs(d.left()) <= 3 && std::abs(d.top()) <= 3 && std::abs(d.right()) <= 3 &&
                 std::abs(d.bottom()) <= 3,
             qPrintable(QStringLiteral("screen %1,%2 %3x%4; device %5,%6 %7x%8")
                            .arg(screen.x())
                            .arg(screen.y())
                            .arg(screen.width())
                            .arg(screen.height())
                            .arg(device.x())
                            .arg(device.y())
                            .arg(device.width())
                            .arg(device.height())));
}

void TestCreditItems::japaneseScorePdfCarriesItsText_data()
{
    QTest::addColumn<bool>("horizontal");
    QTest::newRow("horizontal") << true;
    QTest::newRow("vertical") << false;
}

void TestCreditItems::japaneseScorePdfCarriesItsText()
{
    QFETCH(bool, horizontal);
    Score score(QStringLiteral("5.3.1"), 1, false);
    QVERIFY(TestSupport::loadScoreFile(
        score, TestSupport::fixturePath(QStringLiteral("corpus/japanese/Echigo_Jishi.xml"))));
    score.page->horizontal = horizontal;
    score.page->setPaperSize();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("echigo.pdf"));
    QVERIFY(score.exportPdfFile(path));

    // The fonts that stand in for the Windows families are embedded.
    const QString fonts = TestSupport::runTool(QStringLiteral("pdffonts"), {path});
    QVERIFY2(fonts.contains(QLatin1String("IPAex")) || fonts.contains(QLatin1String("IPA")),
             qPrintable(fonts));
    // Title and lyrics come out as text (one character a line when written
    // downwards), as the very characters the score holds: a search for
    // 獅子 finds the title, and no kanji reads back as the radical of the
    // same shape (子 and U+2F26 share their glyph in the free fonts).
    const QString text =
        TestSupport::runTool(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
    for (const QChar c : QStringLiteral("越後獅子オノガスガタ"))
        QVERIFY2(text.contains(c), qPrintable(QString(c)));
    if (horizontal)
        QVERIFY2(text.contains(QStringLiteral("越後獅子")), qPrintable(text.left(200)));
    for (const QChar c : text) {
        QVERIFY2(c.unicode() < 0x2E80 || c.unicode() > 0x2FDF,
                 qPrintable(QStringLiteral("radical U+%1").arg(c.unicode(), 4, 16)));
    }
}

VELMORA_TEST_MAIN(TestCreditItems)

} // namespace tst_credit_items
#include "tst_credit_items.moc"
