#include "scorefile.h"

#include "model/notefonts.h"
#include "model/page.h"
#include "model/part.h"
#include "model/score.h"

#include <QFile>

bool TestSupport::loadScoreFile(Score &score, const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    score.documentText = QString::fromUtf8(file.readAll());
    return score.parseScoreXml(false).has_value();
}

void TestSupport::generateInStyle(Score &score, int style, bool horizontal)
{
    for (Part *part : std::as_const(score.parts)) {
        part->notationStyle = style;
        part->noteFontName = NoteFonts::firstFontName(NoteFontFolder::path(style));
    }
    score.page->horizontal = horizontal;
    score.page->setPaperSize();
    score.generateScore();
}

std::unique_ptr<Score> TestSupport::generatedScore(const QString &path, int style, bool horizontal)
{
    auto score = std::make_unique<Score>(QStringLiteral("test"), 1, false);
    if (!score->readMusicXmlFile(path) || !score->parseScoreXml(false).has_value())
        return nullptr;
    generateInStyle(*score, style, horizontal);
    return score;
}
