#include "support/partwisetext.h"

#include "app/version.h"
#include "model/score.h"

namespace TestSupport {

QString partwiseText(const QStringList &partBodies, const QStringList &credits)
{
    QString text = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                  "<score-partwise version=\"3.1\">\n");
    for (const QString &credit : credits)
        text += QStringLiteral("<credit page=\"1\"><credit-words>%1</credit-words></credit>\n")
                    .arg(credit);
    text += QStringLiteral("<part-list>\n");
    for (int p = 0; p < partBodies.size(); ++p)
        text += QStringLiteral("<score-part id=\"P%1\"><part-name>Part %1</part-name>"
                               "</score-part>\n")
                    .arg(p + 1);
    text += QStringLiteral("</part-list>\n");
    for (int p = 0; p < partBodies.size(); ++p)
        text += QStringLiteral("<part id=\"P%1\">\n%2</part>\n").arg(p + 1).arg(partBodies.at(p));
    return text + QStringLiteral("</score-partwise>\n");
}

QString measureXml(int number, const QString &content)
{
    const QString attributes =
        number == 1 ? QStringLiteral("<attributes><divisions>1</divisions><time><beats>4</beats>"
                                     "<beat-type>4</beat-type></time></attributes>")
                    : QString();
    return QStringLiteral("<measure number=\"%1\">%2%3</measure>\n")
        .arg(number)
        .arg(attributes, content);
}

QString plainMeasures(int count)
{
    QString text;
    for (int m = 1; m <= count; ++m)
        text += measureXml(m, noteXml(QStringLiteral("C")));
    return text;
}

QString noteXml(const QString &step, int voice, const QString &inner)
{
    const QString voiceElement =
        voice > 0 ? QStringLiteral("<voice>%1</voice>").arg(voice) : QString();
    return QStringLiteral("<note><pitch><step>%1</step><octave>4</octave></pitch>"
                          "<duration>1</duration>%2<type>quarter</type>%3</note>")
        .arg(step, voiceElement, inner);
}

std::unique_ptr<Score> loadedScore(const QString &text)
{
    auto score = std::make_unique<Score>(QString::fromLatin1(Velmora::programVersion), 1, false);
    score->documentText = text;
    if (!score->parseScoreXml(false))
        return nullptr;
    return score;
}

} // namespace TestSupport
