// Decoding an XML file's bytes by its byte-order mark or its declaration,
// with UTF-8 as the fallback, and a declaration that then says UTF-8; bytes
// not valid in that encoding refused with their place and the likely
// encoding, by the decoder and by the program's file reading.
#include "document/xmlfiletext.h"
#include "model/score.h"
#include "support/testenvironment.h"

#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>

namespace tst_xml_file_text {

namespace {

QByteArray encoded(const char *encoding, const QString &text)
{
    QStringEncoder encoder(encoding, QStringConverter::Flag::WriteBom);
    return encoder.encode(text);
}

const QString declared = QStringLiteral("<?xml version=\"1.0\" encoding=\"%1\"?><a>%2</a>");

} // namespace

class TestXmlFileText : public QObject
{
    Q_OBJECT

private slots:
    void decode_data();
    void decode();
    void latin1Fixture();
    void refusal_data();
    void refusal();
    void fileReadingRefuses();
};

void TestXmlFileText::decode_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("expected");

    const QString text = QStringLiteral("Caf\u00e9 \u5c3a\u516b");
    QTest::newRow("UTF-8 without declaration")
        << ("<a>" + text + "</a>").toUtf8() << "<a>" + text + "</a>";
    QTest::newRow("UTF-8 byte-order mark")
        << encoded("UTF-8", declared.arg("UTF-8", text)) << declared.arg("UTF-8", text);
    QTest::newRow("UTF-16 byte-order mark")
        << encoded("UTF-16LE", declared.arg("UTF-16", text)) << declared.arg("UTF-16", text);
    QTest::newRow("ISO-8859-1 declared")
        << declared.arg("ISO-8859-1", "Caf\u00e9").toLatin1() << declared.arg("UTF-8", "Caf\u00e9");
    QTest::newRow("Shift_JIS declared, single quotes")
        << QByteArray("<?xml version='1.0' encoding='Shift_JIS'?><a>\x8e\xda\x94\xaa</a>")
        << QStringLiteral("<?xml version='1.0' encoding='UTF-8'?><a>\u5c3a\u516b</a>");
    QTest::newRow("unknown encoding reads as UTF-8")
        << declared.arg("x-no-such-code", text).toUtf8() << declared.arg("x-no-such-code", text);
    QTest::newRow("empty") << QByteArray() << QString();
}

void TestXmlFileText::decode()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, expected);
    QString fault;
    const std::optional<QString> text = XmlFileText::decode(bytes, &fault);
    QVERIFY2(text, qPrintable(fault));
    QCOMPARE(*text, expected);
}

void TestXmlFileText::latin1Fixture()
{
    QFile file(TestSupport::sourcePath("tests/fixtures/Encoding-Latin1Lyrics.xml"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString text = XmlFileText::decode(file.readAll()).value_or(QString());
    QVERIFY(text.contains(QStringLiteral("<text>Caf\u00e9 \u00e0 l'eau</text>")));
    QVERIFY(text.contains(QStringLiteral("<part-name>Fl\u00fbte</part-name>")));
    QVERIFY(text.startsWith(QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>")));
}

void TestXmlFileText::refusal_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("place");  // where the first bad byte stands
    QTest::addColumn<QString>("advice"); // a part of what the refusal advises

    const QByteArray head("<?xml version=\"1.0\"?>\n<a>\n");
    QTest::newRow("Shift_JIS without declaration")
        << head + "  <b>\x8e\xda\x94\xaa \x82\xb3\x82\xad\x82\xe7</b>\n</a>"
        << "line 3, column 6"
        << "probably Shift_JIS";
    QTest::newRow("Latin-1 without declaration")
        << QByteArray("<a>\n<t>Fl\xfbte \xe0 bec</t></a>") << "line 2, column 6"
        << "probably ISO-8859-1";
    QTest::newRow("Windows-1252 declared as UTF-8")
        << QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?><a>\x93"
                      "Caf\xe9\x94</a>")
        << "line 1, column 42"
        << "probably Windows-1252";
    QTest::newRow("0xFF inside an element name") << head + "<me\xff"
                                                           "asure/></a>"
                                                 << "line 3, column 4"
                                                 << "the byte 0xFF";
    QTest::newRow("0xFF inside an attribute name") << head + "<measure nu\xffmber=\"1\"/></a>"
                                                   << "line 3, column 12"
                                                   << "the byte 0xFF";
    QTest::newRow("UTF-8 after its byte-order mark")
        << QByteArray("\xef\xbb\xbf<a>\xe9</a>") << "line 1, column 4"
        << "ISO-8859-1";
    // UTF-8, Latin-1 and Shift_JIS in one file: no one encoding reads it.
    QTest::newRow("three encodings mixed")
        << head + "<b>\xe5\xb0\xba\xe5\x85\xab</b>\n<c>Caf\xe9 </c>\n<d>\x8e\xda\x94\xaa</d></a>"
        << "line 4, column 7"
        << "parts of the file are UTF-8";
    QTest::newRow("Shift_JIS declared, a byte cut off")
        << QByteArray("<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>\n<a>\x8e\xda\x94</a>")
        << "line 2, column 5"
        << "not valid Shift_JIS";
    QTest::newRow("UTF-16 declared on UTF-8 bytes")
        << QByteArray("<?xml version=\"1.0\" encoding=\"UTF-16\"?><a>\xe5\xb0\xba</a>")
        << "line 1, column 31"
        << "declares the encoding UTF-16, but its bytes";
}

void TestXmlFileText::refusal()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, place);
    QFETCH(QString, advice);
    QString fault;
    const std::optional<QString> text = XmlFileText::decode(bytes, &fault);
    QVERIFY2(!text, qPrintable(text.value_or(QString())));
    QVERIFY2(fault.startsWith(place + QLatin1Char(':')), qPrintable(fault));
    QVERIFY2(fault.contains(advice), qPrintable(fault));
}

// The program's reading of a file shows the refusal in one message and
// keeps nothing of the file.
void TestXmlFileText::fileReadingRefuses()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("sjis.musicxml"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("<score-partwise>\n<part-list><score-part id=\"P1\"><part-name>\x8e\xda\x94\xaa"
               "</part-name></score-part></part-list>\n</score-partwise>\n");
    file.close();
    TestSupport::prompter().reset();
    Score score(QStringLiteral("test"), 1, false);
    QVERIFY(!score.readMusicXmlFile(path));
    QVERIFY(score.documentText.isEmpty());
    const QStringList warnings = TestSupport::prompter().texts(QStringLiteral("warning"));
    QCOMPARE(warnings.size(), 1);
    QVERIFY2(warnings.first().contains(QLatin1String("line 2, column 43")) &&
                 warnings.first().contains(QLatin1String("Shift_JIS")),
             qPrintable(warnings.first()));
}

VELMORA_TEST_MAIN(TestXmlFileText)

} // namespace tst_xml_file_text
#include "tst_xml_file_text.moc"
