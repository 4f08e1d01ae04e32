// Score document access: replacing the document from text (and refusing
// text that is not XML), the text of a named child element, and the font
// families of the MusicXML defaults.
#include "app/version.h"
#include "model/score.h"
#include "support/testenvironment.h"

namespace tst_document_access {

namespace {

QDomElement parsedRoot(QDomDocument &document, const QString &xml)
{
    if (!document.setContent(xml))
        qFatal("fixture is not XML: %s", qPrintable(xml));
    return document.documentElement();
}

} // namespace

class TestDocumentAccess : public QObject
{
    Q_OBJECT

private slots:
    void setXmlContent_data();
    void setXmlContent();
    void failedParseLeavesNoStaleDocument();
    void wholeBlankContentIsKept_data();
    void wholeBlankContentIsKept();
    void childElementText_data();
    void childElementText();
    void parseDefaults_data();
    void parseDefaults();
};

void TestDocumentAccess::setXmlContent_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("parsed");
    QTest::addColumn<QString>("root");
    QTest::addColumn<QString>("errorPrefix");

    QTest::newRow("score") << "<score-partwise><part-list/></score-partwise>" << true
                           << "score-partwise"
                           << "";
    QTest::newRow("declaration and comment")
        << "<?xml version=\"1.0\"?>\n<!-- c -->\n<score-partwise/>" << true << "score-partwise"
        << "";
    QTest::newRow("unclosed element")
        << "<score-partwise>\n<part-list>\n</score-partwise>" << false << ""
        << "line 3, column";
    QTest::newRow("truncated file") << "<score-partwise><part" << false << ""
                                    << "line 1, column";
    QTest::newRow("empty text") << "" << false << ""
                                << "line";
    QTest::newRow("not XML") << "PK\x03\x04 binary" << false << ""
                             << "line 1, column";
    QTest::newRow("nested too deep")
        << QString("<a>").repeated(257) + QString("</a>").repeated(257) << false << ""
        << "line 1, column 771: elements nested deeper than";
}

void TestDocumentAccess::setXmlContent()
{
    QFETCH(QString, text);
    QFETCH(bool, parsed);
    QFETCH(QString, root);
    QFETCH(QString, errorPrefix);

    Score score(Velmora::programVersion, 1, false);
    QString error;
    QCOMPARE(score.setXmlContent(text, &error), parsed);
    QCOMPARE(score.document.documentElement().tagName(), root);
    if (parsed) {
        QVERIFY(error.isEmpty());
    } else {
        QVERIFY2(error.startsWith(errorPrefix), qPrintable(error));
        QVERIFY(error.size() > errorPrefix.size() + 3); // a reason follows the place
    }
    // The message is optional.
    QCOMPARE(score.setXmlContent(text), parsed);
}

void TestDocumentAccess::failedParseLeavesNoStaleDocument()
{
    Score score(Velmora::programVersion, 1, false);
    QVERIFY(score.setXmlContent("<score-partwise><part id=\"P1\"/></score-partwise>"));
    QVERIFY(!score.setXmlContent("<score-partwise><part"));
    QVERIFY(score.document.documentElement().isNull());
}

// The toolkit's parser drops every text of white space alone; a blank that
// is the whole content of an element on one line is content and stays.
void TestDocumentAccess::wholeBlankContentIsKept_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("document");

    QTest::newRow("ideographic space") << QString::fromUtf8("<lyric><text>\u3000</text></lyric>")
                                       << QString::fromUtf8("<lyric><text>\u3000</text></lyric>");
    QTest::newRow("no-break space and space")
        << QString::fromUtf8("<d><words>\u00a0</words><rehearsal> </rehearsal></d>")
        << QString::fromUtf8("<d><words>\u00a0</words><rehearsal> </rehearsal></d>");
    QTest::newRow("character reference")
        << "<credit><credit-words>&#x3000;</credit-words></credit>"
        << QString::fromUtf8("<credit><credit-words>\u3000</credit-words></credit>");
    QTest::newRow("blanks in document order")
        << QString::fromUtf8("<a><b> </b><c><d>x</d><e>\u3000</e></c><f/><g>\t</g></a>")
        << QString::fromUtf8("<a><b> </b><c><d>x</d><e>\u3000</e></c><f/><g>\t</g></a>");
    QTest::newRow("between elements") << "<a>\n  <b>x</b>\n  <c> <d/> </c>\n</a>"
                                      << "<a><b>x</b><c><d/></c></a>";
    QTest::newRow("empty element over lines") << "<a><b>\n    </b></a>"
                                              << "<a><b/></a>";
}

void TestDocumentAccess::wholeBlankContentIsKept()
{
    QFETCH(QString, text);
    QFETCH(QString, document);
    Score score(Velmora::programVersion, 1, false);
    QVERIFY(score.setXmlContent(text));
    QCOMPARE(score.document.toString(-1), document);
}

void TestDocumentAccess::childElementText_data()
{
    QTest::addColumn<QString>("xml");
    QTest::addColumn<QString>("tag");
    QTest::addColumn<QString>("expected");

    QTest::newRow("found") << "<note><step>D</step><octave>4</octave></note>"
                           << "octave"
                           << "4";
    QTest::newRow("empty child") << "<note><step/></note>"
                                 << "step"
                                 << "";
    QTest::newRow("first of two") << "<note><step>D</step><step>E</step></note>"
                                  << "step"
                                  << "D";
    QTest::newRow("case-sensitive") << "<note><step>D</step></note>"
                                    << "Step"
                                    << "";
    QTest::newRow("direct children only") << "<note><pitch><step>D</step></pitch></note>"
                                          << "step"
                                          << "";
    QTest::newRow("missing") << "<note><rest/></note>"
                             << "step"
                             << "";
    QTest::newRow("text of descendants") << "<note><step>C<!-- x --><b>#</b>s</step></note>"
                                         << "step"
                                         << "C#s";
    QTest::newRow("text node with same name skipped") << "<note>step<step>F</step></note>"
                                                      << "step"
                                                      << "F";
}

void TestDocumentAccess::childElementText()
{
    QFETCH(QString, xml);
    QFETCH(QString, tag);
    QFETCH(QString, expected);

    QDomDocument document;
    QCOMPARE(Score::childElementText(parsedRoot(document, xml), tag), expected);
}

void TestDocumentAccess::parseDefaults_data()
{
    QTest::addColumn<QString>("xml");
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("lyric");

    // The score starts with "unset" in both, so untouched fields show.
    QTest::newRow("lyric font only")
        << "<defaults><lyric-font font-family=\"MS Mincho\" font-size=\"10\"/></defaults>"
        << "unset"
        << "MS Mincho";
    QTest::newRow("both") << "<defaults><word-font font-family=\"Arial\"/>"
                             "<lyric-font font-family=\"Yu Gothic\"/></defaults>"
                          << "Arial"
                          << "Yu Gothic";
    QTest::newRow("missing attribute") << "<defaults><lyric-font font-size=\"10\"/></defaults>"
                                       << "unset"
                                       << "";
    QTest::newRow("last one wins") << "<defaults><word-font font-family=\"A\"/>"
                                      "<word-font font-family=\"B\"/></defaults>"
                                   << "B"
                                   << "unset";
    QTest::newRow("other children ignored") << "<defaults><scaling/><music-font font-family=\"X\"/>"
                                               "<Word-Font font-family=\"Y\"/></defaults>"
                                            << "unset"
                                            << "unset";
}

void TestDocumentAccess::parseDefaults()
{
    QFETCH(QString, xml);
    QFETCH(QString, word);
    QFETCH(QString, lyric);

    Score score(Velmora::programVersion, 1, false);
    score.wordFontFamily = score.lyricFontFamily = QStringLiteral("unset");
    QDomDocument document;
    score.parseDefaults(parsedRoot(document, xml));
    QCOMPARE(score.wordFontFamily, word);
    QCOMPARE(score.lyricFontFamily, lyric);
}

VELMORA_TEST_MAIN(TestDocumentAccess)

} // namespace tst_document_access
#include "tst_document_access.moc"
