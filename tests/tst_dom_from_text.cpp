// The reader that turns XML text into a DOM document: the cap on the number
// of elements a caller may set (counted before the document is built), the
// strings the built document shares between its elements and texts without
// changing what it writes out, and the text read in pieces giving the
// document the toolkit builds from the whole text.
#include "document/domfromtext.h"
#include "support/testenvironment.h"

#include <QtTest>

namespace tst_dom_from_text {

namespace {

// "<r>" followed by `count` - 1 children "<e/>", one per line: element n
// (counted from 1) opens on line n.
QString elementsText(int count)
{
    QString text = QStringLiteral("<r>");
    for (int i = 1; i < count; ++i)
        text += QStringLiteral("\n<e/>");
    return text + QStringLiteral("\n</r>");
}

} // namespace

class TestDomFromText : public QObject
{
    Q_OBJECT

private slots:
    void elementLimit_data();
    void elementLimit();
    void repeatedStringsAreSharedAndWriteOutTheSame();
    void readsNamesAsTheParserDoes_data();
    void readsNamesAsTheParserDoes();
    void brokenTextsAreJoined();
    void longTextsCountAndAreCut();
    void readsLikeTheToolkitFromText_data();
    void readsLikeTheToolkitFromText();
};

void TestDomFromText::elementLimit_data()
{
    QTest::addColumn<int>("elements");
    QTest::addColumn<qsizetype>("limit");
    QTest::addColumn<qsizetype>("extraPerE"); // what an <e> counts for beyond its one
    QTest::addColumn<bool>("refused");
    QTest::addColumn<QString>("where");
    QTest::addColumn<qsizetype>("counted"); // the whole text, when refused

    QTest::newRow("below") << 4 << qsizetype(5) << qsizetype(0) << false << QString()
                           << qsizetype(0);
    QTest::newRow("at the limit") << 5 << qsizetype(5) << qsizetype(0) << false << QString()
                                  << qsizetype(0);
    QTest::newRow("one beyond") << 6 << qsizetype(5) << qsizetype(0) << true
                                << QStringLiteral("line 6, column 4") << qsizetype(6);
    QTest::newRow("far beyond") << 500 << qsizetype(1) << qsizetype(0) << true
                                << QStringLiteral("line 2, column 4") << qsizetype(500);
    QTest::newRow("no limit") << 500 << DomFromText::unlimited << qsizetype(0) << false << QString()
                              << qsizetype(0);
    // <r> and three <e> of weight 2: 7 in all.
    QTest::newRow("weighted, at the limit")
        << 4 << qsizetype(7) << qsizetype(1) << false << QString() << qsizetype(0);
    QTest::newRow("weighted, one beyond") << 4 << qsizetype(6) << qsizetype(1) << true
                                          << QStringLiteral("line 4, column 4") << qsizetype(7);
    QTest::newRow("weighted, far beyond")
        << 500 << qsizetype(100) << qsizetype(9) << true << QStringLiteral("line 11, column 4")
        << qsizetype(1 + 499 * 10);
}

void TestDomFromText::elementLimit()
{
    QFETCH(int, elements);
    QFETCH(qsizetype, limit);
    QFETCH(qsizetype, extraPerE);
    QFETCH(bool, refused);
    QFETCH(QString, where);
    QFETCH(qsizetype, counted);

    QDomDocument document;
    QString place;
    qsizetype total = -1;
    const DomFromText::Fault fault =
        DomFromText::read(elementsText(elements), document, &place, limit,
                          {{QStringLiteral("e"), extraPerE}}, &total);
    QCOMPARE(fault, refused ? DomFromText::Fault::TooLarge : DomFromText::Fault::None);
    QCOMPARE(place, where);
    QCOMPARE(total, counted);
    // A refused text leaves nothing of itself behind.
    QCOMPARE(document.documentElement().isNull(), refused);
    if (!refused)
        QCOMPARE(document.elementsByTagName(QStringLiteral("e")).size(), elements - 1);
}

void TestDomFromText::repeatedStringsAreSharedAndWriteOutTheSame()
{
    // Two notes with the same names and short texts, a long text twice, and
    // a blank lyric that the toolkit alone would drop.
    const QString longText(DomFromText::sharedTextLength + 1, QLatin1Char('x'));
    const QString text = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                        "<score><note><step>D</step><type>eighth</type>"
                                        "<words>%1</words><text> </text></note>\n"
                                        "<note><step>D</step><type>eighth</type>"
                                        "<words>%1</words><text> </text></note></score>\n")
                             .arg(longText);
    QDomDocument document;
    QCOMPARE(DomFromText::read(text, document), DomFromText::Fault::None);

    const QDomElement first = document.documentElement().firstChildElement();
    const QDomElement second = first.nextSiblingElement();
    QCOMPARE(second.tagName(), QStringLiteral("note"));
    QCOMPARE(first.tagName().constData(), second.tagName().constData());
    for (const char *tag : {"step", "type"}) {
        const QDomElement a = first.firstChildElement(QString::fromLatin1(tag));
        const QDomElement b = second.firstChildElement(QString::fromLatin1(tag));
        QCOMPARE(a.tagName().constData(), b.tagName().constData());
        QCOMPARE(a.firstChild().nodeValue().constData(), b.firstChild().nodeValue().constData());
    }
    // Long texts are rarely repeated; they keep their own strings.
    const QString words1 = first.firstChildElement(QStringLiteral("words")).text();
    const QString words2 = second.firstChildElement(QStringLiteral("words")).text();
    QCOMPARE(words1, longText);
    QVERIFY(words1.constData() != words2.constData());

    // The document writes out what the toolkit's own would, with the blank
    // lyrics kept.
    QDomDocument plain;
    QVERIFY(plain.setContent(text));
    QString expected = plain.toString(1);
    expected.replace(QStringLiteral("<text/>"), QStringLiteral("<text> </text>"));
    QCOMPARE(document.toString(1), expected);
}

void TestDomFromText::readsNamesAsTheParserDoes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<DomFromText::Fault>("fault");
    const QString deep = QStringLiteral("<u:q>").repeated(DomFromText::maxDepth) +
                         QStringLiteral("</u:q>").repeated(DomFromText::maxDepth);
    QTest::newRow("undeclared prefix")
        << QStringLiteral("<r><u:p/><e>1</e></r>") << DomFromText::Fault::None;
    QTest::newRow("deep behind an undeclared prefix")
        << QStringLiteral("<r><u:p/>%1</r>").arg(deep) << DomFromText::Fault::TooDeep;
    QTest::newRow("many behind an undeclared prefix")
        << QStringLiteral("<r><u:p/>%1</r>").arg(QStringLiteral("<e/>").repeated(2000))
        << DomFromText::Fault::TooLarge;
    QTest::newRow("not XML after an undeclared prefix")
        << QStringLiteral("<r><u:p/><e></r>") << DomFromText::Fault::NotXml;
}

void TestDomFromText::readsNamesAsTheParserDoes()
{
    QFETCH(QString, text);
    QFETCH(DomFromText::Fault, fault);
    QDomDocument document;
    QString where;
    QCOMPARE(DomFromText::read(text, document, &where, 1000), fault);
    QCOMPARE(document.documentElement().isNull(), fault != DomFromText::Fault::None);
    QCOMPARE(where.isEmpty(), fault == DomFromText::Fault::None);
}

void TestDomFromText::brokenTextsAreJoined()
{
    QDomDocument document;
    QCOMPARE(DomFromText::read(QStringLiteral("<r><d>1<?pi x?>6</d><t><!--a-->b<![CDATA[<c>]]>"
                                              "</t><m><!--kept--><e/></m></r>"),
                               document),
             DomFromText::Fault::None);
    const QDomElement root = document.documentElement();
    QCOMPARE(root.firstChildElement(QStringLiteral("d")).childNodes().size(), 1);
    QCOMPARE(root.firstChildElement(QStringLiteral("d")).firstChild().nodeValue(),
             QStringLiteral("16"));
    QCOMPARE(root.firstChildElement(QStringLiteral("t")).childNodes().size(), 1);
    QCOMPARE(root.firstChildElement(QStringLiteral("t")).firstChild().nodeValue(),
             QStringLiteral("b<c>"));
    // Between elements a comment is no part of a text and stays.
    QVERIFY(root.firstChildElement(QStringLiteral("m")).firstChild().isComment());
}

void TestDomFromText::longTextsCountAndAreCut()
{
    // Every charactersPerElement characters beyond the first
    // sharedTextLength count as an element, up to longestText.
    const qsizetype counted = (DomFromText::longestText - DomFromText::sharedTextLength) /
                              DomFromText::charactersPerElement;
    const QString text = QStringLiteral("<r><t>%1</t></r>")
                             .arg(QString(DomFromText::longestText * 3, QLatin1Char('x')));
    QDomDocument document;
    QCOMPARE(DomFromText::read(text, document, nullptr, counted + 1), DomFromText::Fault::TooLarge);
    QCOMPARE(DomFromText::read(text, document, nullptr, counted + 2), DomFromText::Fault::None);
    QString where;
    QCOMPARE(DomFromText::cutLongTexts(document, &where), 1);
    QCOMPARE(document.documentElement().text().size(), DomFromText::longestText);
    QCOMPARE(where, QStringLiteral("line 1, column 6"));
    QCOMPARE(DomFromText::cutLongTexts(document), 0);
}

VELMORA_TEST_MAIN(TestDomFromText)

void TestDomFromText::readsLikeTheToolkitFromText_data()
{
    QTest::addColumn<QString>("text");
    const QString body = QStringLiteral("<score><words>\u00e9\u65e5\u672c</words></score>\n");
    const QString declared = QStringLiteral("<?xml version=\"1.0\" encoding=\"%1\"?>\n");
    // The text is decoded already: whatever encoding the declaration names,
    // the characters stay the ones read, and the declaration stays as said.
    for (const char *encoding : {"UTF-8", "ISO-8859-1", "UTF-16", "Shift_JIS"})
        QTest::newRow(encoding) << declared.arg(QLatin1String(encoding)) + body;
    QTest::newRow("byte-order mark") << QChar(0xFEFF) + declared.arg(QLatin1String("UTF-8")) + body;
    QTest::newRow("no declaration") << body;
    QTest::newRow("standalone, over two lines, with a document type")
        << QStringLiteral("<?xml version='1.0'\n standalone='yes'?>\n"
                          "<!DOCTYPE score PUBLIC \"-//A//B\" \"http://x/b.dtd\">\n") +
               body;
    QTest::newRow("an instruction that is no declaration")
        << QStringLiteral("<?xml-stylesheet href=\"a.css\"?>\n") + body;
    // A character of two UTF-16 units across the reader's pieces of 16384,
    // and elements over several more pieces, whose strings are shared while
    // the parser goes on.
    QString wide = QStringLiteral("<score><words>");
    wide += QString(16384 - wide.size() - 1, QLatin1Char('a'));
    wide += QStringLiteral("\U0001D11E</words>");
    wide += QStringLiteral("\n<n><s>C</s><t>4</t></n>").repeated(3000);
    QTest::newRow("pieces") << wide + QStringLiteral("<e/></score>");
}

void TestDomFromText::readsLikeTheToolkitFromText()
{
    QFETCH(QString, text);
    QDomDocument plain;
    QVERIFY(plain.setContent(text));
    QDomDocument document;
    QCOMPARE(DomFromText::read(text, document), DomFromText::Fault::None);
    QCOMPARE(document.toString(1), plain.toString(1));
    // Element places are the text's: messages name them.
    const QDomElement last = document.documentElement().lastChildElement();
    const QDomElement plainLast = plain.documentElement().lastChildElement();
    QCOMPARE(last.lineNumber(), plainLast.lineNumber());
    QCOMPARE(last.columnNumber(), plainLast.columnNumber());
}

} // namespace tst_dom_from_text
#include "tst_dom_from_text.moc"
