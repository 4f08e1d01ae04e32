// Decoding an XML file's bytes by its byte-order mark or its declaration,
// with UTF-8 as the fallback, and a declaration that then says UTF-8.
#include "document/xmlfiletext.h"
#include "support/testenvironment.h"

#include <QFile>
#include <QStringEncoder>

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
    QCOMPARE(XmlFileText::decode(bytes), expected);
}

void TestXmlFileText::latin1Fixture()
{
    QFile file(TestSupport::sourcePath("tests/fixtures/Encoding-Latin1Lyrics.xml"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString text = XmlFileText::decode(file.readAll());
    QVERIFY(text.contains(QStringLiteral("<text>Caf\u00e9 \u00e0 l'eau</text>")));
    QVERIFY(text.contains(QStringLiteral("<part-name>Fl\u00fbte</part-name>")));
    QVERIFY(text.startsWith(QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>")));
}

VELMORA_TEST_MAIN(TestXmlFileText)

} // namespace tst_xml_file_text
#include "tst_xml_file_text.moc"
