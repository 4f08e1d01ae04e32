// Hostile files, second round: mutants of eight small scores with the shapes
// that once slipped past the loader's guards. Names with an undeclared
// prefix, deep nesting behind such a name, comments and processing
// instructions inside texts, texts of megabytes, measures of the longest
// length repeated, and extreme numbers in the numeric elements and
// attributes the reader uses. Every mutant loads and renders, or is refused
// with exactly one message, in bounded time and memory; every one that
// loads saves, reads back and saves again to the same bytes.
//
// The mutants come from a fixed seed of their own, so a failing row can be
// made again. The last row reports the counts on the test's output.
#include "app/version.h"
#include "model/notefonts.h"
#include "model/page.h"
#include "model/part.h"
#include "model/score.h"
#include "platform/memorybudget.h"
#include "support/budgetscope.h"
#include "support/mutantsources.h"
#include "support/mutations.h"
#include "support/testenvironment.h"

#include <QDomDocument>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace tst_hostile_mutants {

namespace {

using TestSupport::allElements;
using TestSupport::peakResidentMegabytes;
using TestSupport::setText;
using TestSupport::textElements;

constexpr quint32 seed = 72000013;
constexpr int mutantsPerFixture = VELMORA_UNDER_SANITIZER ? 12 : 24;
constexpr qint64 slowestMutantMs = VELMORA_UNDER_SANITIZER ? 60000 : 15000;
constexpr double largestPeakMegabytes = 2000.0;
// The memory budget every mutant loads under, whatever the machine holds.
constexpr int budgetMegabytes = 1024;

// Rhythm, backup and forward, time signatures, chords, multi-measure rests,
// lyrics, credits, repeats, two staves, and a Japanese score; and the
// bundled sample saved as a score file, for the program's own elements.
const QStringList corpusSources = {
    QStringLiteral("lilypond-musicxml-testsuite/03b-Rhythm-Backup.xml"),
    QStringLiteral("lilypond-musicxml-testsuite/03f-Rhythm-Forward.xml"),
    QStringLiteral("lilypond-musicxml-testsuite/11a-TimeSignatures.xml"),
    QStringLiteral("lilypond-musicxml-testsuite/02c-Rests-MultiMeasureRests.xml"),
    QStringLiteral("lilypond-musicxml-testsuite/61b-MultipleLyrics.xml"),
    QStringLiteral("lilypond-musicxml-testsuite/51b-Header-Quotes.xml"),
    QStringLiteral("lilypond-musicxml-testsuite/45b-RepeatWithAlternatives.xml"),
    QStringLiteral("lilypond-musicxml-testsuite/43f-MultiStaff-Lyrics.xml"),
};
const QString &scoreFileSource = TestSupport::sampleScoreFile;

const QStringList extremeValues = {QStringLiteral("2147483647"),
                                   QStringLiteral("-2147483648"),
                                   QStringLiteral("9223372036854775808"),
                                   QStringLiteral("-1"),
                                   QStringLiteral("0"),
                                   QStringLiteral("1e308"),
                                   QStringLiteral("-0.0000001"),
                                   QStringLiteral("NaN"),
                                   QStringLiteral("65536")};

QString withoutUpdateTime(QString text)
{
    static const QRegularExpression time(
        QStringLiteral("<last-update-date-time>[^<]*</last-update-date-time>"));
    return text.replace(time, QString());
}

class Mutator
{
public:
    explicit Mutator(quint32 seed) : m_random(seed) {}

    QByteArray mutate(const QByteArray &source, QString *what)
    {
        QDomDocument document;
        document.setContent(source);
        const QList<QDomElement> elements = allElements(document);
        const QDomElement target = elements.at(pick(int(elements.size()) - 1) + 1);
        switch (pick(7)) {
        case 0: {
            // A name with a prefix no namespace declares, anywhere.
            const QString name = pick(2) ? QStringLiteral("u:p") : QStringLiteral("x:note");
            *what = QStringLiteral("<%1/> before <%2>").arg(name, target.tagName());
            target.parentNode().insertBefore(document.createElement(name), target);
            break;
        }
        case 1: {
            // Nesting far beyond the limit, behind an undeclared prefix;
            // spliced in as text, as the toolkit writes a tree recursively.
            QDomElement root = document.documentElement();
            QDomElement outer = document.createElement(QStringLiteral("u:p"));
            root.insertBefore(outer, root.firstChildElement());
            outer.appendChild(document.createElement(QStringLiteral("deep-here")));
            const int levels = 300 + pick(3) * 5000;
            *what = QStringLiteral("%1 levels behind <u:p>").arg(levels);
            return document.toByteArray(1).replace("<deep-here/>",
                                                   QByteArray("<u:q>").repeated(levels) +
                                                       QByteArray("</u:q>").repeated(levels));
        }
        case 2:
            *what = breakText(document, elements);
            break;
        case 3:
            *what = hugeText(elements);
            break;
        case 4:
            *what = longMeasures(document);
            break;
        default:
            *what = makeExtreme(elements);
            break;
        }
        return document.toByteArray(1);
    }

private:
    int pick(int count) { return count > 0 ? int(m_random.bounded(quint32(count))) : 0; }

    // A comment or processing instruction inside a text: `1<?pi x?>6`.
    QString breakText(QDomDocument &document, const QList<QDomElement> &elements)
    {
        const QList<QDomElement> texts = textElements(elements);
        if (texts.isEmpty())
            return QStringLiteral("no text to break");
        QDomElement element = texts.at(pick(int(texts.size())));
        const QString text = element.text();
        const int at = pick(int(text.size()) + 1);
        setText(element, text.left(at));
        const bool comment = pick(2) == 0;
        if (comment)
            element.appendChild(document.createComment(QStringLiteral(" c ")));
        else
            element.appendChild(
                document.createProcessingInstruction(QStringLiteral("pi"), QStringLiteral("x")));
        element.appendChild(document.createTextNode(text.mid(at)));
        return QStringLiteral("<%1> broken at %2 by a %3")
            .arg(element.tagName())
            .arg(at)
            .arg(comment ? QStringLiteral("comment") : QStringLiteral("processing instruction"));
    }

    // Megabytes of text in one element: a lyric, a word, a credit, or
    // whatever text there is.
    QString hugeText(const QList<QDomElement> &elements)
    {
        const QList<QDomElement> texts = textElements(elements);
        QList<QDomElement> preferred;
        for (const QDomElement &e : texts) {
            const QString tag = e.tagName();
            if (tag == QLatin1String("text") || tag == QLatin1String("words") ||
                tag == QLatin1String("credit-words"))
                preferred.append(e);
        }
        const QList<QDomElement> &from = preferred.isEmpty() ? texts : preferred;
        if (from.isEmpty())
            return QStringLiteral("no text to grow");
        QDomElement element = from.at(pick(int(from.size())));
        const int mebibytes = 1 + pick(3);
        setText(element, QStringLiteral("\u3042i ").repeated(mebibytes * (1 << 20) / 3));
        return QStringLiteral("<%1> of %2 MiB").arg(element.tagName()).arg(mebibytes);
    }

    // Every note made to last 64 whole notes, its measure repeated.
    QString longMeasures(QDomDocument &document)
    {
        const QDomNodeList notes = document.elementsByTagName(QStringLiteral("note"));
        int changed = 0;
        for (int i = 0; i < notes.count(); ++i) {
            QDomElement duration = notes.at(i).firstChildElement(QStringLiteral("duration"));
            if (duration.isNull())
                continue;
            // With its divisions unknown here, the largest a quarter of one
            // division allows; a larger one is refused, which is fine too.
            setText(duration, QStringLiteral("256"));
            ++changed;
        }
        const QDomNodeList measures = document.elementsByTagName(QStringLiteral("measure"));
        const int copies = 20 + pick(40);
        if (measures.count() > 0) {
            QDomNode last = measures.at(measures.count() - 1);
            for (int i = 0; i < copies; ++i)
                last.parentNode().insertAfter(last.cloneNode(true), last);
        }
        return QStringLiteral("%1 notes of 256 divisions, the last measure %2 times more")
            .arg(changed)
            .arg(copies);
    }

    // A few places at once, so that the numbers meet in the arithmetic.
    QString makeExtreme(const QList<QDomElement> &elements)
    {
        const QString value = extremeValues.at(pick(int(extremeValues.size())));
        return TestSupport::setExtremeNumbers(elements, value, 3,
                                              [this](int n) { return pick(n); });
    }

    QRandomGenerator m_random;
};

struct Counts
{
    int run = 0;
    int refused = 0;
    int rendered = 0;
    qint64 slowestMs = -1;
    QString slowest;
    qsizetype largestBytes = -1;
    QString largest;
};

} // namespace

class TestHostileMutants : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void mutantRendersOrIsRefused_data();
    void mutantRendersOrIsRefused();
    void cleanupTestCase();

private:
    QByteArray sourceText(const QString &name) const;
    QString write(const QString &name, const QByteArray &text) const;

    QTemporaryDir m_dir;
    Counts m_counts;
};

void TestHostileMutants::initTestCase()
{
    QVERIFY(m_dir.isValid());
    // A score the budget holds renders well below the peak checked here.
    qputenv(MemoryBudget::variable, QByteArray::number(budgetMegabytes));
    QVERIFY(TestSupport::saveSampleScoreFile(m_dir.path()));
    for (const QString &source : corpusSources)
        QVERIFY2(!sourceText(source).isEmpty(), qPrintable(source));
}

QByteArray TestHostileMutants::sourceText(const QString &name) const
{
    return TestSupport::mutantSourceText(m_dir.path(), name);
}

QString TestHostileMutants::write(const QString &name, const QByteArray &text) const
{
    const QString path = m_dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(text) != text.size())
        return QString();
    return path;
}

void TestHostileMutants::mutantRendersOrIsRefused_data()
{
    QTest::addColumn<bool>("scoreFile");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("style");

    Mutator mutator(seed);
    const QStringList sources = QStringList(corpusSources) << scoreFileSource;
    int index = 0;
    for (const QString &source : sources) {
        const QByteArray original = sourceText(source);
        for (int i = 0; i < mutantsPerFixture; ++i, ++index) {
            QString what;
            const QByteArray text = mutator.mutate(original, &what);
            const QString name = QStringLiteral("%1 #%2: %3")
                                     .arg(source.section(QLatin1Char('/'), -1))
                                     .arg(i)
                                     .arg(what);
            QTest::newRow(qPrintable(name))
                << (source == scoreFileSource) << text << index % NotationStyle::count;
        }
    }
}

void TestHostileMutants::mutantRendersOrIsRefused()
{
    QFETCH(bool, scoreFile);
    QFETCH(QByteArray, text);
    QFETCH(int, style);

    const QString path =
        write(scoreFile ? QStringLiteral("mutant.tnsx") : QStringLiteral("mutant.musicxml"), text);
    QVERIFY(!path.isEmpty());
    TestSupport::prompter().reset();
    ++m_counts.run;
    if (text.size() > m_counts.largestBytes) {
        m_counts.largestBytes = text.size();
        m_counts.largest = QString::fromUtf8(QTest::currentDataTag());
    }
    QElapsedTimer timer;
    timer.start();

    Score score(QString::fromLatin1(Velmora::programVersion), 1, false);
    const bool read = scoreFile ? score.readFile(path) : score.readMusicXmlFile(path);
    const bool loaded = read && score.parseScoreXml(false).has_value();
    const QStringList warnings = TestSupport::prompter().texts(QStringLiteral("warning"));
    if (!loaded) {
        ++m_counts.refused;
        QVERIFY2(warnings.size() == 1 && warnings.first().contains(QLatin1Char('\n')),
                 qPrintable(QStringLiteral("refused without its one message: ") +
                            warnings.join(QLatin1String(" | "))));
    } else {
        QVERIFY2(warnings.isEmpty(), qPrintable(warnings.join(QLatin1String(" | "))));
        for (Part *part : std::as_const(score.parts))
            part->changeNotationStyle(style);
        score.page->horizontal = style % 2 == 1;
        score.page->setPaperSize();
        QVERIFY(score.generateScore());
        QVERIFY(score.page->pageCount >= 1);
        ++m_counts.rendered;

        // Saved, read back and saved again: the same bytes.
        const QString first = m_dir.filePath(QStringLiteral("first.tnsx"));
        const QString second = m_dir.filePath(QStringLiteral("second.tnsx"));
        QVERIFY(score.saveFileAs(first));
        Score again(QString::fromLatin1(Velmora::programVersion), 1, false);
        QVERIFY(again.readFile(first));
        QVERIFY(again.parseScoreXml(false).has_value());
        QVERIFY(again.saveFileAs(second));
        QFile a(first);
        QFile b(second);
        QVERIFY(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
        QCOMPARE(withoutUpdateTime(QString::fromUtf8(b.readAll())),
                 withoutUpdateTime(QString::fromUtf8(a.readAll())));
    }
    const qint64 elapsed = timer.elapsed();
    if (elapsed > m_counts.slowestMs) {
        m_counts.slowestMs = elapsed;
        m_counts.slowest = QString::fromUtf8(QTest::currentDataTag());
    }
    QVERIFY2(elapsed < slowestMutantMs, qPrintable(QStringLiteral("took %1 ms").arg(elapsed)));
#if !VELMORA_UNDER_SANITIZER
    // The sanitizer's shadow memory makes the figure meaningless there.
    QVERIFY2(peakResidentMegabytes() < largestPeakMegabytes,
             qPrintable(QStringLiteral("peak memory %1 MB").arg(peakResidentMegabytes())));
#endif
}

void TestHostileMutants::cleanupTestCase()
{
    qInfo().noquote() << QStringLiteral("mutants run %1, refused %2, rendered %3; slowest %4 ms "
                                        "(%5); largest %6 bytes (%7); peak memory %8 MB")
                             .arg(m_counts.run)
                             .arg(m_counts.refused)
                             .arg(m_counts.rendered)
                             .arg(m_counts.slowestMs)
                             .arg(m_counts.slowest)
                             .arg(m_counts.largestBytes)
                             .arg(m_counts.largest)
                             .arg(peakResidentMegabytes(), 0, 'f', 0);
}

VELMORA_TEST_MAIN(TestHostileMutants)

} // namespace tst_hostile_mutants
#include "tst_hostile_mutants.moc"
