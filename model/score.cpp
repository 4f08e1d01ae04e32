// Score's construction, its default page and style settings and the
// changed flags.
#include "model/score.h"

#include "model/page.h"
#include "model/style.h"

#include <QFontInfo>
#include <QUndoStack>

Score::Score(const QString &programVersion, int scoreNumber, bool autoSave, QWidget *parent)
    : QGraphicsView(parent), programVersion(programVersion), scoreNumber(scoreNumber)
{
    Q_UNUSED(autoSave);
    staffLyricFontFamily = QStringLiteral("VelmoraStaff");
    // The style defaults need the resolved family, so this comes first.
    textFontFamily = resolveTextFontFamily();

    page = new Page;
    defaultPage = new Page;
    setDefaultPage(defaultPage);
    setDefaultPage(page);

    style = new Style;
    defaultStyle = new Style;
    setDefaultStyle(defaultStyle);
    setDefaultStyle(style);

    undoStack = new QUndoStack(this);
    creatorVersion = programVersion;
    lastUpdate = QStringLiteral("Unknown");
}

Score::~Score()
{
    delete page;
    delete defaultPage;
    delete style;
    delete defaultStyle;
}

QString Score::resolveTextFontFamily() const
{
    QFont font;
    font.setFamilies({QStringLiteral("MS Mincho"), QStringLiteral("Yu Gothic"),
                      QStringLiteral("Times New Roman"), QStringLiteral("Arial"),
                      QStringLiteral("serif")});
    return QFontInfo(font).family();
}

void Score::setDefaultPage(Page *target) const
{
    target->applyDefaults();
}

void Score::setDefaultStyle(Style *target) const
{
    target->applyDefaults(textFontFamily);
}

void Score::setChanged(bool value)
{
    changed = value;
    if (value)
        changedSinceAutoSave = true;
}
