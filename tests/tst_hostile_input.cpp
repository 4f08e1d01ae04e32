// Hostile input: mutants of a few small scores (truncated, elements deleted
// or repeated, numbers made extreme, elements nested deep) each either load
// and render in some notation style, or are refused with the program's own
// message, in bounded time and memory. The mutants come from a fixed seed,
// so a failing row can be made again; the rows of extremeNumbers set one
// number everywhere it occurs to the values that once overflowed. Scores
// too large for the memory budget (very many measures, or measures of 64
// whole notes) are refused with what they would need; every row runs under
// a budget of its own, whatever the machine holds.
//
// A crash ends this test binary: that is the failure it exists to show.
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

#include <memory>

namespace tst_hostile_input {

namespace {

using TestSupport::allElements;
using TestSupport::peakResidentMegabytes;

constexpr quint32 seed = 20261210;
constexpr int mutantsPerFixture = 60;
// Documents nested deeper than this are refused before they are read.
constexpr int deepestNesting = 256;
// A small score renders in well under a second; a mutant may take longer,
// not this long.
constexpr qint64 slowestMutantMs = VELMORA_UNDER_SANITIZER ? 120000 : 20000;
// Far above what these small scores need, far below a runaway allocation.
constexpr double largestPeakMegabytes = 1500.0;
// The memory budget every mutant loads under, whatever the machine holds.
constexpr int budgetMegabytes = 1024;

// The corpus files the mutants start from: rhythm, backup and staves,
// lyrics under chords, tuplets, octave shifts; and the bundled sample,
// saved as a score file (initTestCase), for the program's own elements.
const QStringList corpusSources = {
    QStringLiteral("lilypond-musicxml-testsuite/03a-Rhythm-Durations.xml"),
    QStringLiteral("lilypond-musicxml-testsuite/43a-PianoStaff.xml"),
    QStringLiteral("lilypond-musicxml-testsuite/61i-Lyrics-Chords.xml"),
    QStringLiteral("lilypond-musicxml-testsuite/23a-Tuplets.xml"),
    QStringLiteral("lilypond-musicxml-testsuite/33e-Spanners-OctaveShifts-InvalidSize.xml"),
};
const QString &scoreFileSource = TestSupport::sampleScoreFile;

const QStringList extremeValues = {QStringLiteral("2147483647"), QStringLiteral("-2147483648"),
                                   QStringLiteral("2147483648"), QStringLiteral("-1"),
                                   QStringLiteral("0"),          QStringLiteral("40"),
                                   QStringLiteral("99999999"),   QStringLiteral("-99999")};

// Depth of the deepest element, the root at 1.
int nestingDepth(const QByteArray &text)
{
    int depth = 0;
    int deepest = 0;
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text.at(i) != '<')
            continue;
        const char next = text.at(i + 1);
        if (next == '/') {
            --depth;
        } else if (next != '?' && next != '!') {
            const qsizetype close = text.indexOf('>', i);
            if (close > 0 && text.at(close - 1) != '/')
                deepest = std::max(deepest, ++depth);
        }
    }
    return deepest;
}

// Wraps `element` in `levels` elements of its own name.
void nest(QDomElement element, int levels)
{
    QDomNode parent = element.parentNode();
    if (parent.isNull() || levels <= 0)
        return;
    QDomDocument document = element.ownerDocument();
    QDomElement outer = document.createElement(element.tagName());
    parent.replaceChild(outer, element);
    QDomElement inner = outer;
    for (int i = 1; i < levels; ++i)
        inner = inner.appendChild(document.createElement(element.tagName())).toElement();
    inner.appendChild(element);
}

class Mutator
{
public:
    explicit Mutator(quint32 seed) : m_random(seed) {}

    // One mutant of `source` and a short account of what was done.
    QByteArray mutate(const QByteArray &source, QString *what)
    {
        QDomDocument document;
        document.setContent(source);
        const QList<QDomElement> elements = allElements(document);
        const QDomElement target = elements.at(pick(elements.size() - 1) + 1);
        switch (pick(5)) {
        case 0: {
            const int at = pick(int(source.size()));
            *what = QStringLiteral("truncated at byte %1").arg(at);
            return source.left(at);
        }
        case 1:
            *what = QStringLiteral("<%1> deleted").arg(target.tagName());
            target.parentNode().removeChild(target);
            break;
        case 2: {
            const int copies = pick(3) == 0 ? 40 : 1 + pick(3);
            *what = QStringLiteral("<%1> repeated %2 times").arg(target.tagName()).arg(copies);
            for (int i = 0; i < copies; ++i)
                target.parentNode().insertAfter(target.cloneNode(true), target);
            break;
        }
        case 3:
            *what = makeExtreme(elements);
            break;
        default:
            *what = QStringLiteral("<%1> nested 200 deep").arg(target.tagName());
            nest(target, 200);
            break;
        }
        return document.toByteArray(1);
    }

private:
    int pick(int count) { return count > 0 ? int(m_random.bounded(quint32(count))) : 0; }

    QString makeExtreme(const QList<QDomElement> &elements)
    {
        const QString value = extremeValues.at(pick(int(extremeValues.size())));
        return TestSupport::setExtremeNumbers(elements, value, 1,
                                              [this](int n) { return pick(n); });
    }

    QRandomGenerator m_random;
};

} // namespace

class TestHostileInput : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void mutantLoadsOrIsRefused_data();
    void mutantLoadsOrIsRefused();
    void extremeNumbers_data();
    void extremeNumbers();
    void deepNestingIsRefused();
    void tooLargeForTheBudgetIsRefused_data();
    void tooLargeForTheBudgetIsRefused();
    void durationBounds_data();
    void durationBounds();

private:
    QByteArray sourceText(const QString &name) const;
    // Loads `text` as a file of the source's kind, and renders it with
    // `style` in one writing direction; QFAIL unless it renders or is
    // refused with a message.
    void loadOrRefuse(const QString &source, const QByteArray &text, int style, bool horizontal,
                      bool *refused = nullptr);

    QTemporaryDir m_dir;
};

void TestHostileInput::initTestCase()
{
    QVERIFY(m_dir.isValid());
    // A score the budget holds renders well below the peak checked here.
    qputenv(MemoryBudget::variable, QByteArray::number(budgetMegabytes));
    QVERIFY(TestSupport::saveSampleScoreFile(m_dir.path()));
    for (const QString &source : corpusSources)
        QVERIFY2(!sourceText(source).isEmpty(), qPrintable(source));
}

QByteArray TestHostileInput::sourceText(const QString &name) const
{
    return TestSupport::mutantSourceText(m_dir.path(), name);
}

void TestHostileInput::loadOrRefuse(const QString &source, const QByteArray &text, int style,
                                    bool horizontal, bool *refused)
{
    const bool scoreFile = source == scoreFileSource;
    const QString path = m_dir.filePath(scoreFile ? QStringLiteral("mutant.tnsx")
                                                  : QStringLiteral("mutant.musicxml"));
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(file.write(text), text.size());
    }
    TestSupport::prompter().reset();
    QElapsedTimer timer;
    timer.start();

    Score score(QString::fromLatin1(Velmora::programVersion), 1, false);
    const bool read = scoreFile ? score.readFile(path) : score.readMusicXmlFile(path);
    const bool loaded = read && score.parseScoreXml(false).has_value();
    if (refused)
        *refused = !loaded;
    if (!loaded) {
        const QStringList warnings = TestSupport::prompter().texts(QStringLiteral("warning"));
        QVERIFY2(warnings.size() == 1 && warnings.first().contains(QLatin1Char('\n')),
                 qPrintable(QStringLiteral("refused without its one message: ") +
                            warnings.join(QLatin1String(" | "))));
    } else {
        for (Part *part : std::as_const(score.parts)) {
            part->notationStyle = style;
            part->noteFontName = NoteFonts::firstFontName(NoteFontFolder::path(style));
        }
        score.page->horizontal = horizontal;
        score.page->setPaperSize();
        QVERIFY(score.generateScore());
        QVERIFY(score.page->pageCount >= 1);
    }
    QVERIFY2(timer.elapsed() < slowestMutantMs,
             qPrintable(QStringLiteral("took %1 ms").arg(timer.elapsed())));
#if !VELMORA_UNDER_SANITIZER
    // The sanitizer's shadow memory makes the figure meaningless there.
    QVERIFY2(peakResidentMegabytes() < largestPeakMegabytes,
             qPrintable(QStringLiteral("peak memory %1 MB").arg(peakResidentMegabytes())));
#endif
}

void TestHostileInput::mutantLoadsOrIsRefused_data()
{
    QTest::addColumn<QString>("source");
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
            QTest::newRow(qPrintable(name)) << source << text << index % NotationStyle::count;
        }
    }
}

void TestHostileInput::mutantLoadsOrIsRefused()
{
    QFETCH(QString, source);
    QFETCH(QByteArray, text);
    QFETCH(int, style);
    QVERIFY(nestingDepth(text) <= deepestNesting);
    loadOrRefuse(source, text, style, style % 2 == 1);
}

void TestHostileInput::extremeNumbers_data()
{
    QTest::addColumn<QString>("tag");
    QTest::addColumn<QString>("attribute");
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("style");

    // Numbers the program adds to, multiplies, shifts or counts with.
    const QList<std::pair<const char *, const char *>> places = {
        {"duration", ""},       {"divisions", ""},     {"octave", ""},
        {"alter", ""},          {"staff", ""},         {"voice", ""},
        {"fifths", ""},         {"beats", ""},         {"beat-type", ""},
        {"staves", ""},         {"multiple-rest", ""}, {"start-page-number", ""},
        {"instrument-key", ""}, {"beam", "number"},    {"lyric", "number"},
        {"clef", "number"},     {"note", "default-x"}};
    int index = 0;
    for (const auto &[tag, attribute] : places) {
        for (const char *value : {"2147483647", "-2147483648", "0"}) {
            const int style = index++ % NotationStyle::count;
            const QString name = QStringLiteral("<%1%2%3>%4, style %5")
                                     .arg(QLatin1String(tag), *attribute ? " " : "",
                                          QLatin1String(attribute), QLatin1String(value))
                                     .arg(style);
            QTest::newRow(qPrintable(name))
                << QString::fromLatin1(tag) << QString::fromLatin1(attribute)
                << QString::fromLatin1(value) << style;
        }
    }
    // Forty dots on every note: each dot halves the value before it.
    for (int style = 0; style < NotationStyle::count; ++style)
        QTest::newRow(qPrintable(QStringLiteral("40 dots, style %1").arg(style)))
            << QStringLiteral("dot") << QString() << QString() << style;
}

void TestHostileInput::extremeNumbers()
{
    QFETCH(QString, tag);
    QFETCH(QString, attribute);
    QFETCH(QString, value);
    QFETCH(int, style);

    QDomDocument document;
    QVERIFY(document.setContent(sourceText(scoreFileSource)));
    int changed = 0;
    const QDomNodeList elements =
        document.elementsByTagName(tag == QLatin1String("dot") ? QStringLiteral("note") : tag);
    for (int i = 0; i < elements.count(); ++i) {
        QDomElement element = elements.at(i).toElement();
        if (tag == QLatin1String("dot")) {
            for (int d = 0; d < 40; ++d)
                element.appendChild(document.createElement(tag));
        } else if (!attribute.isEmpty()) {
            element.setAttribute(attribute, value);
        } else {
            while (element.hasChildNodes())
                element.removeChild(element.firstChild());
            element.appendChild(document.createTextNode(value));
        }
        ++changed;
    }
    // Places the sample lacks get one, on its first note or attributes.
    if (changed == 0) {
        const bool noteChild = tag == QLatin1String("staff") || tag == QLatin1String("beam") ||
                               tag == QLatin1String("lyric");
        QDomElement host = document
                               .elementsByTagName(noteChild ? QStringLiteral("note")
                                                            : QStringLiteral("attributes"))
                               .at(0)
                               .toElement();
        QVERIFY(!host.isNull());
        QDomElement element = document.createElement(tag);
        if (!attribute.isEmpty())
            element.setAttribute(attribute, value);
        else
            element.appendChild(document.createTextNode(value));
        host.appendChild(element);
    }
    loadOrRefuse(scoreFileSource, document.toByteArray(1), style, style % 2 == 0);
}

void TestHostileInput::deepNestingIsRefused()
{
    // 300 levels: beyond what the program reads; it must refuse the file
    // with its message instead of loading it.
    QDomDocument document;
    QVERIFY(document.setContent(sourceText(corpusSources.first())));
    nest(document.elementsByTagName(QStringLiteral("pitch")).at(0).toElement(), 300);
    const QByteArray text = document.toByteArray(1);
    QVERIFY(nestingDepth(text) > deepestNesting);
    bool refused = false;
    loadOrRefuse(corpusSources.first(), text, 0, false, &refused);
    QVERIFY2(refused, "a document nested deeper than 256 levels was loaded");
}

void TestHostileInput::tooLargeForTheBudgetIsRefused_data()
{
    QTest::addColumn<int>("parts");
    QTest::addColumn<int>("measures");
    QTest::addColumn<QByteArray>("music"); // of every measure after the first's attributes
    QTest::addColumn<int>("megabytes");    // the budget
    QTest::addColumn<QString>("refusal");  // its start; empty: the score renders

    const QByteArray quarters =
        QByteArray("<note><pitch><step>C</step><octave>4</octave></pitch><duration>1</duration>"
                   "<voice>1</voice><type>quarter</type></note>")
            .repeated(4);
    const QByteArray rest = "<note><rest measure=\"yes\"/><duration>4</duration><voice>1</voice>"
                            "</note>";
    const QByteArray longest = "<note><pitch><step>C</step><octave>4</octave></pitch>"
                               "<duration>256</duration><voice>1</voice></note>";
    const QString tooLargeToRead = QStringLiteral("It is too large to read: it counts as ");
    const QString tooLargeToLayOut = QStringLiteral("It is too large to lay out. Measures: ");
    // Refused from the text alone, before a document or a model of that
    // size exists (time and memory are checked).
    QTest::newRow("20,000 measures of 4 parts") << 4 << 20000 << quarters << 1024 << tooLargeToRead;
    QTest::newRow("200,000 one-rest measures") << 1 << 200000 << rest << 1024 << tooLargeToRead;
    QTest::newRow("1,000,000 empty measures")
        << 1 << 1000000 << QByteArray() << 1024 << tooLargeToRead;
    // A short text whose time steps alone exceed the budget: refused once
    // its measures are read. The limit follows the budget.
    QTest::newRow("3,000 measures of 64 whole notes")
        << 1 << 3000 << longest << 1024 << tooLargeToLayOut;
    QTest::newRow("300 such measures, a small budget")
        << 1 << 300 << longest << 200 << tooLargeToLayOut;
    QTest::newRow("300 such measures, a budget that holds them")
        << 1 << 300 << longest << 400 << QString();
}

void TestHostileInput::tooLargeForTheBudgetIsRefused()
{
    QFETCH(int, parts);
    QFETCH(int, measures);
    QFETCH(QByteArray, music);
    QFETCH(int, megabytes);
    QFETCH(QString, refusal);

    QByteArray text = "<score-partwise><part-list>";
    for (int p = 1; p <= parts; ++p)
        text += "<score-part id=\"P" + QByteArray::number(p) + "\"/>";
    text += "</part-list>";
    const QByteArray first =
        "<measure><attributes><divisions>1</divisions></attributes>" + music + "</measure>";
    const QByteArray measure = "<measure>" + music + "</measure>";
    text.reserve(text.size() + qsizetype(parts) * measures * measure.size() + 64 * parts);
    for (int p = 1; p <= parts; ++p) {
        text += "<part id=\"P" + QByteArray::number(p) + "\">" + first;
        for (int m = 1; m < measures; ++m)
            text += measure;
        text += "</part>";
    }
    text += "</score-partwise>";

    const TestSupport::BudgetScope budget(megabytes);
    bool refused = false;
    loadOrRefuse(corpusSources.first(), text, 0, false, &refused);
    QCOMPARE(refused, !refusal.isEmpty());
    if (!refused)
        return;
    // It says how large the score is, what it needs, the limit and how to
    // raise it.
    const QString message = TestSupport::prompter().texts(QStringLiteral("warning")).value(0);
    const QString needed = QRegularExpression(QStringLiteral("about ([\\d,]+) MB"))
                               .match(message)
                               .captured(1)
                               .remove(QLatin1Char(','));
    QVERIFY2(message.section(QLatin1Char('\n'), 1).startsWith(refusal), qPrintable(message));
    QVERIFY2(needed.toLongLong() > megabytes, qPrintable(message));
    QVERIFY2(message.contains(QStringLiteral("The limit is %L1 MB, set by the environment "
                                             "variable VELMORA_MEMORY_LIMIT_MB.")
                                  .arg(megabytes)),
             qPrintable(message));
    QVERIFY2(message.contains(QLatin1String("To raise it, set VELMORA_MEMORY_LIMIT_MB")),
             qPrintable(message));
}

void TestHostileInput::durationBounds_data()
{
    QTest::addColumn<QString>("music");   // the children of measure 1
    QTest::addColumn<QString>("refusal"); // its start; empty: the file loads

    auto note = [](int duration) {
        return QStringLiteral("<note><pitch><step>C</step><octave>4</octave></pitch>"
                              "<duration>%1</duration><voice>1</voice></note>")
            .arg(duration);
    };
    const QString one = QStringLiteral("<attributes><divisions>1</divisions></attributes>");
    QTest::newRow("64 whole notes load") << one + note(256) << QString();
    QTest::newRow("one division more is refused")
        << one + note(257)
        << "The <note> at line 1, column 1 lasts 257 divisions; no note or forward may last "
           "longer than 64 whole notes (256 divisions).";
    QTest::newRow("without divisions a division is a quarter")
        << note(257) << "The <note> at line 1, column 1 lasts 257";
    QTest::newRow("divisions 0 read as none")
        << "<attributes><divisions>0</divisions></attributes>" + note(256) << QString();
    QTest::newRow("the largest int")
        << "<attributes><divisions>480</divisions></attributes>" + note(2147483647)
        << "The <note> at line 1, column 1 lasts 2147483647 divisions";
    QTest::newRow("forward") << one + "<forward><duration>-2147483648</duration></forward>" +
                                    note(1)
                             << "The <forward> at line 1, column 1 has a negative duration "
                                "(-2147483648 divisions)";
    // Writers back up past the measure start; only the count is bounded.
    QTest::newRow("a backup far past the start loads")
        << one + note(1) + "<backup><duration>9999</duration></backup>" + note(1) << QString();
    QTest::newRow("a backup beyond counting")
        << one + note(1) + "<backup><duration>2147483647</duration></backup>"
        << "The <backup> at line 1, column 1 goes back 2147483647 divisions; no backup may go "
           "back more than 16777216.";
    QTest::newRow("a measure of five long notes")
        << one + note(256).repeated(5)
        << "Measure 1 of part 1 lasts 1280 divisions; no measure may last longer than 64 whole "
           "notes (256 divisions).";
    QTest::newRow("forwards that add up")
        << one + QStringLiteral("<forward><duration>200</duration></forward>").repeated(20) +
               note(1)
        << "Measure 1 of part 1 lasts 4001 divisions";
}

void TestHostileInput::durationBounds()
{
    QFETCH(QString, music);
    QFETCH(QString, refusal);
    Score score(QString::fromLatin1(Velmora::programVersion), 1, false);
    score.documentText = QStringLiteral("<score-partwise><part-list><score-part id=\"P1\"/>"
                                        "</part-list><part id=\"P1\"><measure number=\"1\">%1"
                                        "</measure></part></score-partwise>")
                             .arg(music);
    TestSupport::prompter().reset();
    const bool loaded = score.parseScoreXml(false).has_value();
    const QStringList warnings = TestSupport::prompter().texts(QStringLiteral("warning"));
    if (refusal.isEmpty()) {
        QVERIFY2(loaded && warnings.isEmpty(), qPrintable(warnings.join(QLatin1Char('|'))));
        QVERIFY(score.generateScore());
        return;
    }
    QVERIFY(!loaded);
    QCOMPARE(warnings.size(), 1);
    // The whole document is one line; where on it does not matter here.
    static const QRegularExpression column(QStringLiteral("column \\d+"));
    QString reason = warnings.first().section(QLatin1Char('\n'), 1);
    reason.replace(column, QStringLiteral("column 1"));
    QVERIFY2(reason.startsWith(refusal), qPrintable(warnings.first()));
    QVERIFY(score.measures.isEmpty());
}

VELMORA_TEST_MAIN(TestHostileInput)

} // namespace tst_hostile_input
#include "tst_hostile_input.moc"
