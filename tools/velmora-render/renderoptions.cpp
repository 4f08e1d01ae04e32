#include "renderoptions.h"

#include "model/notefonts.h"
#include "model/page.h"
#include "model/part.h"
#include "model/score.h"

#include <QFileInfo>

#include <algorithm>

QString RenderOptions::usage()
{
    return QStringLiteral(
        "usage: velmora-render INPUT [--pdf FILE] [--svg BASE] [--tnsx FILE] "
        "[--musicxml FILE] [--musicxml-note-names FILE] [--style N[,N...]] "
        "[--vertical|--horizontal] [--roll] [--regenerate-again N] [--then OPTIONS...]\n"
        "  INPUT      a MusicXML file or a score file (.tnsx)\n"
        "  --musicxml-note-names FILE  MusicXML with the note names as lyrics\n"
        "  --style N  notation style 0..13 for every part; a list N,N,... sets the\n"
        "             parts in order, the last style also the parts after it\n"
        "  --roll     the page roll: the whole score on one long page\n"
        "  --regenerate-again N  time N more regenerations on screen, as "
        "after an edit\n"
        "  --then     render the loaded score once more with the outputs, styles,\n"
        "             direction and roll that follow\n");
}

QString RenderOptions::parse(const QStringList &arguments)
{
    // The render the options after the last "--then" belong to.
    RenderOptions *pass = this;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString &arg = arguments.at(i);
        auto value = [&](QString &target) -> QString {
            if (i + 1 >= arguments.size())
                return QStringLiteral("%1 needs a value").arg(arg);
            target = arguments.at(++i);
            return target.isEmpty() ? QStringLiteral("%1 needs a value").arg(arg) : QString();
        };
        QString error;
        if (arg == QLatin1String("--pdf")) {
            error = value(pass->pdf);
        } else if (arg == QLatin1String("--svg")) {
            error = value(pass->svgBase);
        } else if (arg == QLatin1String("--tnsx")) {
            error = value(pass->tnsx);
        } else if (arg == QLatin1String("--musicxml")) {
            error = value(pass->musicXml);
        } else if (arg == QLatin1String("--musicxml-note-names")) {
            error = value(pass->musicXmlNoteNames);
        } else if (arg == QLatin1String("--style")) {
            QString text;
            error = value(text);
            pass->notationStyles.clear();
            for (const QString &item : text.split(QLatin1Char(','))) {
                bool ok = false;
                const int code = item.toInt(&ok);
                if (error.isEmpty() && (!ok || code < 0 || code >= NotationStyle::count))
                    error = QStringLiteral("--style takes a notation style 0..%1, not \"%2\"")
                                .arg(NotationStyle::count - 1)
                                .arg(text);
                pass->notationStyles.append(code);
            }
        } else if (arg == QLatin1String("--vertical") || arg == QLatin1String("--horizontal")) {
            const bool wanted = arg == QLatin1String("--horizontal");
            if (pass->horizontal && *pass->horizontal != wanted)
                error = QStringLiteral("--vertical and --horizontal exclude each other");
            pass->horizontal = wanted;
        } else if (arg == QLatin1String("--roll")) {
            pass->roll = true;
        } else if (arg == QLatin1String("--then")) {
            then.emplace_back();
            pass = &then.back();
        } else if (arg == QLatin1String("--regenerate-again")) {
            QString text;
            error = value(text);
            bool ok = false;
            regenerateAgain = text.toInt(&ok);
            if (error.isEmpty() && (!ok || regenerateAgain < 1))
                error = QStringLiteral("--regenerate-again takes a count of 1 or more, not \"%1\"")
                            .arg(text);
        } else if (arg.startsWith(QLatin1String("--"))) {
            error = QStringLiteral("unknown option %1").arg(arg);
        } else if (input.isEmpty()) {
            input = arg;
            inputArgument = i;
        } else {
            error = QStringLiteral("more than one input file (%1)").arg(arg);
        }
        if (!error.isEmpty())
            return error;
    }
    if (input.isEmpty())
        return QStringLiteral("no input file");
    return QString();
}

bool RenderOptions::inputIsScoreFile() const
{
    return QFileInfo(input).suffix().compare(QLatin1String("tnsx"), Qt::CaseInsensitive) == 0;
}

bool RenderOptions::writesDocument() const
{
    if (!tnsx.isEmpty() || !musicXml.isEmpty() || !musicXmlNoteNames.isEmpty())
        return true;
    return std::any_of(then.cbegin(), then.cend(),
                       [](const RenderOptions &pass) { return pass.writesDocument(); });
}

void RenderOptions::applyTo(Score &score) const
{
    if (!notationStyles.isEmpty()) {
        for (int i = 0; i < score.parts.size(); ++i)
            score.parts.at(i)->changeNotationStyle(
                notationStyles.at(qMin(i, int(notationStyles.size()) - 1)));
    }
    if (horizontal) {
        score.page->horizontal = *horizontal;
        score.page->setPaperSize();
    }
    // The page settings' own switch; the regeneration lays the pages out
    // on one sheet and the exports write that sheet whole.
    if (roll)
        score.page->roll = true;
}
