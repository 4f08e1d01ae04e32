// Score's directive marks: the movable glyph a note directive draws beside
// its note, either a technique mark or an on-screen marker of a setting.
#include "document/directive_type.h"
#include "drawing/watcheritem.h"
#include "model/directive.h"
#include "model/glyphitem.h"
#include "model/measure.h"
#include "model/note.h"
#include "model/notefonts.h"
#include "model/page.h"
#include "model/part.h"
#include "model/score.h"
#include "model/style.h"
#include "view/scene.h"

#include <QCursor>
#include <QHash>

namespace {

constexpr double directiveMarkZ = 10.0;

// Where an unmoved mark sits beside its note; each placement has one
// default offset per writing direction.
enum Placement : int
{
    Above = 0,
    AfterHigh = 1,
    AfterOctave = 2,
    AfterLow = 3,
    Beside = 4,
    BeforeLow = 5,
    Marker = 6,
    BeforeHigh = 7,
};

struct TechniqueGlyph
{
    QString glyphId; // empty: the directive draws nothing
    int placement = Marker;
};

struct NamedMark
{
    const char *glyph;
    bool verticalForm; // "_V" is appended in vertical writing
    int placement;
};

// Marks looked up by the directive's name. Names are matched exactly;
// only "holeNo_" names are matched by their prefix, after these.
const QHash<QString, NamedMark> &namedMarks()
{
    static const QHash<QString, NamedMark> marks = {
        {QStringLiteral("~"), {"Tild", true, AfterHigh}},
        {QStringLiteral("SuriTozan"), {"SuriTozan", true, AfterHigh}},
        {QStringLiteral("Scoop"), {"Scoop", true, BeforeLow}},
        {QStringLiteral("Fall"), {"Fall", true, AfterHigh}},
        {QStringLiteral("Doit"), {"Doit", true, AfterHigh}},
        {QStringLiteral("Plop"), {"Plop", true, BeforeHigh}},
        {QStringLiteral("SlideInBelow"), {"SlideInBelow", true, BeforeLow}},
        {QStringLiteral("SlideInAbove"), {"SlideInAbove", true, BeforeLow}},
        {QStringLiteral("SlideOutUp"), {"SlideOutUp", true, AfterLow}},
        {QStringLiteral("SlideOutDown"), {"SlideOutDown", true, AfterLow}},
        {QStringLiteral("SlideInBelowRough"), {"SlideInBelowRough", true, BeforeLow}},
        {QStringLiteral("SlideInAboveRough"), {"SlideInAboveRough", true, BeforeLow}},
        {QStringLiteral("SlideOutUpRough"), {"SlideOutUpRough", true, AfterLow}},
        {QStringLiteral("SlideOutDownRough"), {"SlideOutDownRough", true, AfterLow}},
        {QStringLiteral("effect_C"), {"Effect_C", false, BeforeLow}},
        {QStringLiteral("effect_Fall"), {"Effect_Fall", false, BeforeLow}},
        {QStringLiteral("effect_S"), {"Effect_S", false, BeforeLow}},
        {QStringLiteral("effect_Sink"), {"Effect_Sink", false, BeforeLow}},
        {QStringLiteral("effect_Rise"), {"Effect_Rise", false, AfterLow}},
        {QStringLiteral("Ru"), {"Ru", false, Marker}},
        {QStringLiteral("Bar"), {"Bar", true, Marker}},
        {QStringLiteral("Kan_Paren"), {"Kan_Paren", false, AfterOctave}},
        {QStringLiteral("Otsu_Paren"), {"Otsu_Paren", false, AfterOctave}},
        {QStringLiteral("Breath_Paren"), {"Breath_Paren", true, BeforeLow}},
        {QStringLiteral("BracketBegin"), {"BracketBegin", true, AfterHigh}},
        {QStringLiteral("BracketEnd"), {"BracketEnd", true, BeforeLow}},
        {QStringLiteral("koto_Kesu"), {"Kesu", false, AfterOctave}},
        {QStringLiteral("koto_Tsukiiro"), {"Tsukiiro", false, BeforeLow}},
        {QStringLiteral("koto_Hikiiro"), {"Hikiiro", false, BeforeLow}},
        {QStringLiteral("koto_Sukui2"), {"Sukui2", false, BeforeLow}},
        {QStringLiteral("koto_Yuri"), {"Yuri", false, BeforeLow}},
        {QStringLiteral("koto_OshiHanashi"), {"OshiHanashi", false, BeforeLow}},
        {QStringLiteral("koto_A"), {"An", false, BeforeLow}},
        {QStringLiteral("koto_ChirashiZume"), {"ChirashiZume", false, Beside}},
        {QStringLiteral("koto_ChirashiZumeReverse"), {"ChirashiZumeReverse", false, Beside}},
        {QStringLiteral("koto_ChirashiZumeSeiha"), {"ChirashiZumeSeiha", false, Beside}},
        {QStringLiteral("koto_Waren"), {"Waren", false, Beside}},
        {QStringLiteral("koto_WarenReverse"), {"WarenReverse", false, Beside}},
        {QStringLiteral("koto_Waren_Seiha"), {"Waren_Seiha", false, AfterOctave}},
        {QStringLiteral("koto_ZooLeft"), {"ZooLeft", false, Beside}},
        {QStringLiteral("koto_ZooRight"), {"ZooRight", false, Beside}},
        {QStringLiteral("koto_SuriZumeLeft"), {"SuriZumeLeft", false, Beside}},
        {QStringLiteral("koto_SuriZumeRight"), {"SuriZumeRight", false, Beside}},
        {QStringLiteral("koto_Oshi"), {"Oshi", false, Marker}},
        {QStringLiteral("koto_Oshi2"), {"Oshi2", false, Marker}},
        {QStringLiteral("koto_Oshi3"), {"Oshi3", false, Marker}},
        {QStringLiteral("koto_Seiha_Oshi"), {"Seiha_Oshi", false, Marker}},
        {QStringLiteral("koto_Seiha_Oshi2"), {"Seiha_Oshi2", false, Marker}},
        {QStringLiteral("koto_Seiha_Oshi3"), {"Seiha_Oshi3", false, Marker}},
        {QStringLiteral("sangen_SuriAge"), {"SuriAge", false, Marker}},
        {QStringLiteral("sangen_SuriSage"), {"SuriSage", false, Marker}},
        {QStringLiteral("sangen_Utsu"), {"Utsu", false, Marker}},
        {QStringLiteral("bunka_Sukui"), {"Sukui", false, Beside}},
        {QStringLiteral("bunka_Hajiki"), {"Hajiki", false, Beside}},
        {QStringLiteral("bunka_Utsu"), {"Utsu", false, Beside}},
        {QStringLiteral("bunka_Suri"), {"Suri", false, Beside}},
        {QStringLiteral("bunka_Fing1"), {"Finger1", false, Above}},
        {QStringLiteral("bunka_Fing2"), {"Finger2", false, Above}},
        {QStringLiteral("bunka_Fing3"), {"Finger3", false, Above}},
    };
    return marks;
}

TechniqueGlyph namedGlyph(const QString &name, bool horizontal)
{
    const QString suffix = horizontal ? QString() : QStringLiteral("_V");
    const auto found = namedMarks().constFind(name);
    if (found != namedMarks().cend()) {
        const QString glyph = QString::fromLatin1(found->glyph);
        return {found->verticalForm ? glyph + suffix : glyph, found->placement};
    }
    // Hole numbers are drawn by name, so any number the font holds works.
    if (name.startsWith(QLatin1String("holeNo_")))
        return {name + suffix, BeforeHigh};
    return {};
}

// The marker of a directive that changes the engraving; "" for the kinds
// that draw a technique mark by name.
QString markerGlyph(int type)
{
    switch (type) {
    case DirectiveType::QuotedText:
        return QStringLiteral("NoteName");
    case DirectiveType::Scale:
    case DirectiveType::ScaleSangen:
        return QStringLiteral("Scale");
    case DirectiveType::NoPrev:
        return QStringLiteral("NoPrev");
    case DirectiveType::Pizz:
        return QStringLiteral("Pizz");
    case DirectiveType::Transpose:
        return QStringLiteral("Transpose");
    case DirectiveType::Invisible:
        return QStringLiteral("Invisible");
    default:
        return DirectiveType::longRepeatKind(type) != 0 ? QStringLiteral("DirLongRepeat")
                                                        : QString();
    }
}

bool drawsByName(int type)
{
    switch (type) {
    case DirectiveType::OpeningMark:
    case DirectiveType::ClosingMark:
    case DirectiveType::Unused:
    case DirectiveType::OtherText:
    case DirectiveType::GlyphMark:
    case DirectiveType::EffectMark:
    case DirectiveType::OtsuDoubleQuote:
        return true;
    default:
        // Codes the reader does not know yet name their mark themselves.
        return type > DirectiveType::LongStepDown;
    }
}

// The directive's name: its text without the leading ".".
QString directiveName(const Directive *directive)
{
    return directive->text.startsWith(QLatin1Char('.')) ? directive->text.mid(1) : directive->text;
}

// Note sizes, x along the reading direction and y across it.
QPointF defaultOffset(int placement, bool horizontal)
{
    static const QPointF alongRows[] = {{0.0, -0.8}, {0.8, -0.5}, {0.6, -0.5}, {0.6, 0.5},
                                        {0.0, 1.2},  {-0.6, 0.5}, {0.0, -0.5}, {-0.5, -0.5}};
    static const QPointF downRows[] = {{0.0, 0.0}, {0.8, -0.8}, {0.0, -1.0}, {0.8, -0.8},
                                       {0.8, 0.0}, {-0.6, 0.0}, {0.0, 0.5},  {-0.3, 0.8}};
    return horizontal ? alongRows[placement] : downRows[placement];
}

TechniqueGlyph techniqueGlyph(const Directive *directive, int notation, bool horizontal,
                              bool cleanOutput)
{
    const int type = directive->kind;
    // Markers only help the user find a setting: output leaves them out.
    if (cleanOutput && !drawsByName(type))
        return {};
    if (notation == NotationStyle::StaffNotation && type == DirectiveType::QuotedText)
        return {};
    const QString marker = markerGlyph(type);
    if (!marker.isEmpty())
        return {marker, Marker};
    if (!drawsByName(type))
        return {};
    return namedGlyph(directiveName(directive), horizontal);
}

bool isOctaveParen(const QString &glyphId)
{
    return glyphId == QLatin1String("Kan_Paren") || glyphId == QLatin1String("Otsu_Paren");
}

} // namespace

void Score::genTechniqueItems(int measureIndex, int part, int voice, int noteIndex, Note *note,
                              int directiveIndex, Directive *directive)
{
    const Part *settings = parts.at(part);
    const bool horizontal = page->horizontal;
    const bool staff = settings->notationStyle == NotationStyle::StaffNotation;
    const TechniqueGlyph glyph =
        techniqueGlyph(directive, settings->notationStyle, horizontal, cleanOutput);
    if (glyph.glyphId.isEmpty())
        return;
    const Measure *m = measures.at(measureIndex);

    const double f = isOctaveParen(glyph.glyphId) ? style->octaveInstructionScale : 1.0;
    const double d = directive->scale;
    GlyphItem *item = createSvgItem(part, true, glyph.glyphId, false, horizontal, f * d, d);
    setDirectiveItemTag(item, measureIndex, part, voice, noteIndex, directiveIndex);
    item->setFlags(QGraphicsItem::ItemIsMovable | QGraphicsItem::ItemIsSelectable);
    item->setZValue(directiveMarkZ);
    if (staff)
        item->setScale(0.5);

    // The default is written on the directive without marking it moved, so
    // it follows a change of writing direction or style.
    if (!directive->moved) {
        const QPointF offset = defaultOffset(glyph.placement, horizontal);
        directive->x = offset.x();
        directive->y = offset.y();
    }

    directive->item = item;
    item->setAcceptHoverEvents(true);
    item->setCursor(Qt::ArrowCursor);
    scene->addItem(item);
    if (watcher)
        item->installSceneEventFilter(watcher);

    // An effect mark belongs to the note's name rather than to marks before
    // it; KinkoTrad keeps the note's first glyph.
    int anchorItem = note->firstAlignItem;
    if (directive->kind == DirectiveType::EffectMark && !directive->moved &&
        settings->notationStyle != NotationStyle::KinkoTrad &&
        m->itemExists(part, voice, note->noteAlignItem))
        anchorItem = note->noteAlignItem;
    const QPointF a = m->getItemFinalPosFrame(part, voice, anchorItem);
    const double p = settings->noteFontSize;
    const double s = page->scaleFactor;
    if (horizontal)
        item->setPos((a.x() + directive->x * p) * s, (a.y() + directive->y * p) * s);
    else
        item->setPos((a.x() - directive->y * p) * s, (a.y() + directive->x * p) * s);
}
