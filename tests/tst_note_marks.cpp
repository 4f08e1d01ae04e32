// The note marks of the voice step on regenerated scores: directive
// markers and technique glyphs, articulations, fingerings with their held
// lines, and the up-bow, stopped and harmonic marks; what covered notes
// leave out, and what clean output (the exports) leaves out.
#include "document/directive_type.h"
#include "drawing/movableitem.h"
#include "drawing/mypath.h"
#include "layout/alignitem.h"
#include "model/directive.h"
#include "model/fingering.h"
#include "model/glyphitem.h"
#include "model/harmonic.h"
#include "model/itemtags.h"
#include "model/measure.h"
#include "model/notation.h"
#include "model/note.h"
#include "model/notefonts.h"
#include "model/page.h"
#include "model/part.h"
#include "model/score.h"
#include "model/stopped.h"
#include "model/style.h"
#include "model/upbow.h"
#include "support/testenvironment.h"
#include "support/voicescore.h"
#include "view/scene.h"

#include <QDir>
#include <QFile>
#include <QGraphicsItemGroup>
#include <QGraphicsLineItem>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <memory>

namespace tst_note_marks {

using TestSupport::VoiceScore;

namespace {

template <class T> QList<T *> sceneItems(const Score &score)
{
    QList<T *> found;
    const QList<QGraphicsItem *> items = score.scene->items(Qt::AscendingOrder);
    for (QGraphicsItem *item : items) {
        if (auto *t = dynamic_cast<T *>(item))
            found.append(t);
    }
    return found;
}

// The SVG items of the scene tagged as `type`.
QList<GlyphItem *> taggedGlyphs(const Score &score, int type)
{
    QList<GlyphItem *> found;
    for (GlyphItem *item : sceneItems<GlyphItem>(score)) {
        if (item->data(TagType).toInt() == type)
            found.append(item);
    }
    return found;
}

QStringList elementIds(const QList<GlyphItem *> &items)
{
    QStringList ids;
    for (const GlyphItem *item : items)
        ids.append(item->elementId());
    return ids;
}

bool near(double a, double b, double tolerance = 1e-6)
{
    return std::abs(a - b) < tolerance;
}

Directive *addDirective(Note *note, const QString &text, int kind = -100)
{
    auto *directive = new Directive(note);
    directive->text = text;
    directive->kind = kind == -100 ? Score::getDirectiveType(text) : kind;
    note->directives.append(directive);
    return directive;
}

Notation *addNotation(Note *note, int kind)
{
    auto *notation = new Notation(note);
    notation->kind = kind;
    note->notations.append(notation);
    return notation;
}

Fingering *addFingering(Note *note, const QString &text)
{
    auto *fingering = new Fingering(note);
    fingering->text = text;
    note->fingerings.append(fingering);
    return fingering;
}

// The final position (mm) of the note's first own glyph.
QPointF anchorOf(const VoiceScore &f, int measure, const Note *note, int item = -1)
{
    return f.score.measures.at(measure)->getItemFinalPosFrame(
        0, 0, item >= 0 ? item : note->firstAlignItem);
}

// One part of `style`, one 4/4 measure of `tokens`.
void fillOne(VoiceScore &f, int style, const QString &tokens)
{
    f.addPart(QStringLiteral("P"), style);
    f.addMeasure();
    f.addNotes(0, tokens);
}

constexpr int kinkoSimple = NotationStyle::KinkoSimple;
constexpr int staffStyle = NotationStyle::StaffNotation;

} // namespace

class TestNoteMarks : public QObject
{
    Q_OBJECT

private slots:
    void init() { TestSupport::prompter().reset(); }
    void directiveGlyphs_data();
    void directiveGlyphs();
    void directiveOffsets_data();
    void directiveOffsets();
    void effectMarkAnchorsAtTheNoteName();
    void directiveItemScales();
    void exportLeavesMarkersOut();
    void articulationGlyphs_data();
    void articulationGlyphs();
    void articulationsStack();
    void movedArticulationKeepsItsOffset();
    void chordArticulationStartsFurtherOut();
    void tremoloOfTraditionalPartIsAWavyLine();
    void articulationVisibility_data();
    void articulationVisibility();
    void fingeringGlyphs_data();
    void fingeringGlyphs();
    void fingeringDefaults_data();
    void fingeringDefaults();
    void heldFingeringsDrawLines();
    void coveredNoteMarks();
    void bowMarks_data();
    void bowMarks();
    void bowMarkPlacement();
};

void TestNoteMarks::directiveGlyphs_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<bool>("clean");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("kind"); // -100: as the reader classifies the text
    QTest::addColumn<QString>("glyph");

    const int koto = NotationStyle::KotoIkuta;
    const int bunka = NotationStyle::ShamisenBunka;
    QTest::newRow("no-prev marker")
        << kinkoSimple << true << false << ".noPrev" << -100 << "NoPrev";
    QTest::newRow("no-prev marker, clean")
        << kinkoSimple << true << true << ".noPrev" << -100 << "";
    QTest::newRow("scale marker") << koto << true << false << ".scale{D4}"
                                  << int(DirectiveType::Scale) << "Scale";
    QTest::newRow("scale marker, clean")
        << koto << true << true << ".scale{D4}" << int(DirectiveType::Scale) << "";
    QTest::newRow("transpose marker")
        << kinkoSimple << false << false << ".transpose{0}" << -100 << "Transpose";
    QTest::newRow("long repeat marker")
        << kinkoSimple << true << false << ".longRepeat2{1}" << -100 << "DirLongRepeat";
    QTest::newRow("quoted name") << kinkoSimple << true << false << "'Ro'" << -100 << "NoteName";
    QTest::newRow("quoted name, staff") << staffStyle << true << false << "'Ro'" << -100 << "";
    QTest::newRow("hole number, vertical")
        << kinkoSimple << false << false << ".holeNo_3" << -100 << "holeNo_3_V";
    QTest::newRow("hole number, horizontal")
        << kinkoSimple << true << false << ".holeNo_3" << -100 << "holeNo_3";
    QTest::newRow("hole number, clean")
        << kinkoSimple << false << true << ".holeNo_3" << -100 << "holeNo_3_V";
    QTest::newRow("koto_A") << koto << false << false << ".koto_A" << -100 << "An";
    QTest::newRow("koto_A, clean") << koto << true << true << ".koto_A" << -100 << "An";
    QTest::newRow("bunka_Fing2") << bunka << true << false << ".bunka_Fing2" << -100 << "Finger2";
    QTest::newRow("tilde, vertical") << kinkoSimple << false << false << ".~" << -100 << "Tild_V";
    QTest::newRow("effect stays unturned")
        << kinkoSimple << false << false << ".effect_C" << -100 << "Effect_C";
    QTest::newRow("code above 23 by name")
        << kinkoSimple << true << false << ".Scoop" << 30 << "Scoop";
    QTest::newRow("misspelt koto mark") << koto << true << false << ".koto_Aa" << -100 << "";
    QTest::newRow("unknown text") << kinkoSimple << true << false << ".whatever" << -100 << "";
}

void TestNoteMarks::directiveGlyphs()
{
    QFETCH(int, style);
    QFETCH(bool, horizontal);
    QFETCH(bool, clean);
    QFETCH(QString, text);
    QFETCH(int, kind);
    QFETCH(QString, glyph);

    VoiceScore f(horizontal);
    fillOne(f, style, QStringLiteral("D4/4 F4/4 G4/2"));
    Note *note = f.note(0, 0, 1);
    Directive *directive = addDirective(note, text, kind);
    f.score.cleanOutput = clean;
    f.build();

    const QList<GlyphItem *> marks = taggedGlyphs(f.score, DirectiveItem);
    if (glyph.isEmpty()) {
        QVERIFY2(marks.isEmpty(), qPrintable(elementIds(marks).join(u',')));
        QCOMPARE(directive->item, nullptr);
        return;
    }
    QCOMPARE(elementIds(marks), QStringList{glyph});
    GlyphItem *item = marks.first();
    QCOMPARE(directive->item, item);
    QCOMPARE(itemTag(item, TagNote), 1);
    QCOMPARE(itemTag(item, TagDirective), 0);
    QCOMPARE(item->zValue(), 10.0);
    QVERIFY(item->flags() & QGraphicsItem::ItemIsMovable);
    QVERIFY(item->flags() & QGraphicsItem::ItemIsSelectable);
    QVERIFY(!item->boundingRect().isEmpty()); // the common font holds it
    QVERIFY(!directive->moved);
}

void TestNoteMarks::directiveOffsets_data()
{
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("moved");
    QTest::addColumn<QPointF>("expected"); // note sizes, along and across

    QTest::newRow("hole number, horizontal") << true << ".holeNo_3" << false << QPointF(-0.5, -0.5);
    QTest::newRow("hole number, vertical") << false << ".holeNo_3" << false << QPointF(-0.3, 0.8);
    QTest::newRow("tilde, horizontal") << true << ".~" << false << QPointF(0.8, -0.5);
    QTest::newRow("slide out, vertical") << false << ".SlideOutUp" << false << QPointF(0.8, -0.8);
    QTest::newRow("koto mark, vertical") << false << ".koto_Kesu" << false << QPointF(0.0, -1.0);
    QTest::newRow("marker, vertical") << false << ".noPrev" << false << QPointF(0.0, 0.5);
    QTest::newRow("bunka finger, horizontal")
        << true << ".bunka_Fing1" << false << QPointF(0.0, -0.8);
    QTest::newRow("moved, horizontal") << true << ".holeNo_3" << true << QPointF(1.5, -2.0);
    QTest::newRow("moved, vertical") << false << ".holeNo_3" << true << QPointF(1.5, -2.0);
}

void TestNoteMarks::directiveOffsets()
{
    QFETCH(bool, horizontal);
    QFETCH(QString, text);
    QFETCH(bool, moved);
    QFETCH(QPointF, expected);

    VoiceScore f(horizontal);
    fillOne(f, kinkoSimple, QStringLiteral("D4/4 F4/4 G4/2"));
    Note *note = f.note(0, 0, 1);
    Directive *directive = addDirective(note, text);
    if (moved)
        directive->setOffset(expected.x(), expected.y());
    f.build();

    QVERIFY(directive->item);
    QCOMPARE(directive->moved, moved);
    QVERIFY(near(directive->x, expected.x()));
    QVERIFY(near(directive->y, expected.y()));
    const QPointF a = anchorOf(f, 0, note);
    const double p = f.score.parts.at(0)->noteFontSize;
    const double s = f.score.page->scaleFactor;
    const QPointF pos = directive->item->pos();
    if (horizontal) {
        QVERIFY(near(pos.x(), (a.x() + expected.x() * p) * s));
        QVERIFY(near(pos.y(), (a.y() + expected.y() * p) * s));
    } else {
        QVERIFY(near(pos.x(), (a.x() - expected.y() * p) * s));
        QVERIFY(near(pos.y(), (a.y() + expected.x() * p) * s));
    }

    // The next regeneration places an unmoved mark by its default again.
    QVERIFY(f.score.generateScore());
    QCOMPARE(directive->moved, moved);
    QVERIFY(near(directive->x, expected.x()));
}

void TestNoteMarks::effectMarkAnchorsAtTheNoteName()
{
    // A half note's duration bar follows its name: the effect mark keeps
    // to the name, never to the bar.
    VoiceScore f(true);
    fillOne(f, kinkoSimple, QStringLiteral("D4/2 F4/8 G4/8 gC4/8 A4/4"));
    Note *note = f.note(0, 0, 0);
    Directive *effect = addDirective(note, QStringLiteral(".effect_C"));
    Directive *movedEffect = addDirective(note, QStringLiteral(".effect_S"));
    movedEffect->setOffset(0.0, 0.0);
    Directive *glyphMark = addDirective(note, QStringLiteral(".holeNo_1"));
    QVERIFY(f.score.generateScore());

    QCOMPARE(effect->kind, int(DirectiveType::EffectMark));
    QVERIFY(note->alignItemEnd > note->noteAlignItem);
    const QPointF first = anchorOf(f, 0, note);
    const QPointF name = anchorOf(f, 0, note, note->noteAlignItem);
    const QPointF bar = anchorOf(f, 0, note, note->alignItemEnd);
    QVERIFY(near(first.x(), name.x()));
    QVERIFY(!near(bar.x(), name.x()));
    const double p = f.score.parts.at(0)->noteFontSize;
    const double s = f.score.page->scaleFactor;
    QVERIFY(effect->item && movedEffect->item && glyphMark->item);
    QVERIFY(near(effect->item->pos().x(), (name.x() - 0.6 * p) * s));
    QVERIFY(near(effect->item->pos().y(), (name.y() + 0.5 * p) * s));
    QVERIFY(near(movedEffect->item->pos().x(), first.x() * s));
    QVERIFY(near(glyphMark->item->pos().x(), (first.x() - 0.5 * p) * s));
}

void TestNoteMarks::directiveItemScales()
{
    VoiceScore f(true);
    fillOne(f, kinkoSimple, QStringLiteral("D4/4 F4/4 G4/2"));
    f.score.style->octaveInstructionScale = 1.4;
    Directive *kan = addDirective(f.note(0, 0, 0), QStringLiteral(".Kan_Paren"));
    Directive *hole = addDirective(f.note(0, 0, 1), QStringLiteral(".holeNo_2"));
    hole->scale = 2.0;
    f.build();
    QVERIFY(kan->item && hole->item);
    // Octave parentheses are stretched along the reading direction only.
    const QTransform k = kan->item->transform();
    QVERIFY(near(k.m11() / k.m22(), 1.4));
    const double unit = f.score.parts.at(0)->noteFontSize * f.score.page->glyphScale;
    QVERIFY(near(hole->item->transform().m11(), 2.0 * unit));
    QVERIFY(near(hole->item->transform().m22(), 2.0 * unit));
    QCOMPARE(hole->item->scale(), 1.0);

    VoiceScore staff(true);
    fillOne(staff, staffStyle, QStringLiteral("B4/4 D5/4 G4/2"));
    Directive *onStaff = addDirective(staff.note(0, 0, 0), QStringLiteral(".holeNo_2"));
    staff.build();
    QVERIFY(onStaff->item);
    QCOMPARE(onStaff->item->scale(), 0.5);
}

void TestNoteMarks::exportLeavesMarkersOut()
{
    // The same score exported with a marker, with a technique mark and
    // with neither: only the technique mark changes the picture.
    auto exported = [](const QString &directiveText) -> QByteArray {
        VoiceScore f(true);
        fillOne(f, NotationStyle::KotoIkuta, QStringLiteral("D4/4 F4/4 G4/2"));
        if (!directiveText.isEmpty())
            addDirective(f.note(0, 0, 1), directiveText);
        QTemporaryDir dir;
        if (!f.score.exportSvgFile(dir.filePath(QStringLiteral("marks.svg"))))
            return QByteArray();
        const QStringList files = QDir(dir.path()).entryList({QStringLiteral("*.svg")});
        if (files.size() != 1)
            return QByteArray();
        QFile file(dir.filePath(files.first()));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    const QByteArray plain = exported(QString());
    QVERIFY(!plain.isEmpty());
    QCOMPARE(exported(QStringLiteral(".noPrev")), plain);
    QVERIFY(exported(QStringLiteral(".koto_A")) != plain);

    // On screen the marker is there, and stays after the export.
    VoiceScore f(true);
    fillOne(f, NotationStyle::KotoIkuta, QStringLiteral("D4/4 F4/4 G4/2"));
    addDirective(f.note(0, 0, 1), QStringLiteral(".noPrev"));
    QVERIFY(f.score.generateScore());
    QCOMPARE(elementIds(taggedGlyphs(f.score, DirectiveItem)), QStringList{"NoPrev"});
    QTemporaryDir dir;
    QVERIFY(f.score.exportSvgFile(dir.filePath(QStringLiteral("marks.svg"))));
    QCOMPARE(elementIds(taggedGlyphs(f.score, DirectiveItem)), QStringList{"NoPrev"});
}

void TestNoteMarks::articulationGlyphs_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<QString>("tokens"); // the mark goes on the first note
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("inverted");
    QTest::addColumn<QString>("glyph");

    const QString plain = QStringLiteral("D4/4 F4/4 G4/2");
    QTest::newRow("staccato, vertical kinko")
        << kinkoSimple << false << plain << 1 << false << "Staccato";
    QTest::newRow("staccato, vertical staff")
        << staffStyle << false << plain << 1 << false << "Staccato";
    QTest::newRow("accent, vertical kinko")
        << kinkoSimple << false << plain << 3 << false << "Accent";
    QTest::newRow("accent, vertical staff")
        << staffStyle << false << plain << 3 << false << "Accent_V";
    QTest::newRow("accent, horizontal staff")
        << staffStyle << true << plain << 3 << false << "Accent";
    QTest::newRow("tenuto, vertical kinko")
        << kinkoSimple << false << plain << 5 << false << "Tenuto_V";
    QTest::newRow("inverted fermata, vertical")
        << kinkoSimple << false << plain << 0 << true << "FermataInverted_V";
    QTest::newRow("staccato, fue")
        << int(NotationStyle::Fue) << true << plain << 1 << false << "Staccato_Fue";
    QTest::newRow("staccato, vertical traverso")
        << int(NotationStyle::Traverso) << false << plain << 1 << false << "Staccato_Fue_V";
    QTest::newRow("soft accent") << kinkoSimple << true << plain << 17 << false << "SoftAccent";
    QTest::newRow("undefined kind") << kinkoSimple << true << plain << -1 << false << "Undefined";
    QTest::newRow("undefined kind, vertical")
        << kinkoSimple << false << plain << -1 << false << "Undefined";
    QTest::newRow("fermata on a grace note")
        << kinkoSimple << true << QStringLiteral("gC4/8 D4/4 F4/4 G4/2") << 0 << false << "";
    QTest::newRow("trill on a grace note")
        << kinkoSimple << true << QStringLiteral("gC4/8 D4/4 F4/4 G4/2") << 4 << false << "Trill";
    QTest::newRow("slur") << kinkoSimple << true << plain << 6 << false << "";
    QTest::newRow("wavy-line start") << kinkoSimple << true << plain << 11 << false << "";
}

void TestNoteMarks::articulationGlyphs()
{
    QFETCH(int, style);
    QFETCH(bool, horizontal);
    QFETCH(QString, tokens);
    QFETCH(int, kind);
    QFETCH(bool, inverted);
    QFETCH(QString, glyph);

    VoiceScore f(horizontal);
    fillOne(f, style, tokens);
    Notation *notation = addNotation(f.note(0, 0, 0), kind);
    notation->inverted = inverted;
    f.build();

    const QList<GlyphItem *> marks = taggedGlyphs(f.score, NotationItem);
    if (glyph.isEmpty()) {
        QVERIFY2(marks.isEmpty(), qPrintable(elementIds(marks).join(u',')));
        QCOMPARE(notation->item, nullptr);
        return;
    }
    QCOMPARE(elementIds(marks), QStringList{glyph});
    QCOMPARE(notation->item, marks.first());
    QCOMPARE(itemTag(marks.first(), TagNotation), 0);
    QCOMPARE(marks.first()->zValue(), 10.0);
    QVERIFY(!marks.first()->boundingRect().isEmpty());
    QVERIFY(!notation->moved);
}

void TestNoteMarks::articulationsStack()
{
    VoiceScore f(true);
    fillOne(f, kinkoSimple, QStringLiteral("D4/4 F4/4 G4/2"));
    Note *note = f.note(0, 0, 1);
    Notation *staccato = addNotation(note, 1);
    Notation *accent = addNotation(note, 3);
    f.score.style->notationOffset = 0.3;
    f.build();
    QVERIFY(staccato->item && accent->item);

    const double size = f.score.parts.at(0)->noteFontSize;
    const double k = f.score.page->scaleFactor;
    const QTransform t = accent->item->transform();
    const double accentHeight = accent->item->boundingRect().height() * t.m22() / (k * size);
    // The accent stands one accent height and a 0.1 gap beyond the staccato.
    QVERIFY(staccato->y < 0.0);
    QVERIFY(near(staccato->y - accent->y, accentHeight + 0.1));

    const Measure *m = f.score.measures.at(0);
    const double r = m->getItemFinalRefPos(0, 0, note->firstAlignItem);
    const QPointF final = anchorOf(f, 0, note);
    for (const Notation *n : {staccato, accent}) {
        QVERIFY(near(n->item->pos().x(), (n->x * size + r) * k));
        QVERIFY(near(n->item->pos().y(), ((0.3 + n->y) * size + final.y()) * k));
    }
}

void TestNoteMarks::movedArticulationKeepsItsOffset()
{
    // Staff notes without stems: marks go above, the first with the small gap.
    auto accentAlone = [](bool withMovedStaccato) {
        VoiceScore f(true);
        fillOne(f, staffStyle, QStringLiteral("G4/4 D5/4 G4/2"));
        Note *note = f.note(0, 0, 0);
        if (withMovedStaccato)
            addNotation(note, 1)->setOffset(0.5, -2.0);
        Notation *accent = addNotation(note, 3);
        f.build();
        return accent->y;
    };
    QVERIFY(near(accentAlone(true), accentAlone(false)));

    VoiceScore f(true);
    fillOne(f, staffStyle, QStringLiteral("G4/4 D5/4 G4/2"));
    Note *note = f.note(0, 0, 0);
    Notation *staccato = addNotation(note, 1);
    staccato->setOffset(0.5, -2.0);
    f.build();
    QVERIFY(staccato->moved);
    QVERIFY(near(staccato->x, 0.5));
    QVERIFY(near(staccato->y, -2.0));
    const double size = f.score.parts.at(0)->noteFontSize;
    const double k = f.score.page->scaleFactor;
    const double r = f.score.measures.at(0)->getItemFinalRefPos(0, 0, note->firstAlignItem);
    QVERIFY(near(staccato->item->pos().x(), (0.5 * size + r) * k));
    QVERIFY(near(staccato->item->pos().y(), (-2.0 * size + anchorOf(f, 0, note).y()) * k));
}

void TestNoteMarks::chordArticulationStartsFurtherOut()
{
    auto accentOffset = [](const QString &tokens) {
        VoiceScore f(true);
        fillOne(f, staffStyle, tokens);
        Notation *accent = addNotation(f.note(0, 0, 0), 3);
        f.build();
        return accent->y;
    };
    // G4 (step -2) with D5 (step 2) above it: four steps further out.
    const double single = accentOffset(QStringLiteral("G4/4 r/4 r/2"));
    const double chord = accentOffset(QStringLiteral("G4/4 +D5/4 r/4 r/2"));
    QVERIFY(near(single - chord, 0.125 * 4));
}

void TestNoteMarks::tremoloOfTraditionalPartIsAWavyLine()
{
    for (int style : {kinkoSimple, staffStyle}) {
        VoiceScore f(true);
        fillOne(f, style, QStringLiteral("D4/4 F4/4 G4/2"));
        Note *note = f.note(0, 0, 1);
        note->tremoloType = 3;
        Notation *tremolo = addNotation(note, 10);
        f.build();
        QVERIFY(taggedGlyphs(f.score, NotationItem).isEmpty());
        QList<MyPath *> waves;
        for (MyPath *path : sceneItems<MyPath>(f.score)) {
            if (path->data(TagType).toInt() == NotationItem)
                waves.append(path);
        }
        if (style == staffStyle) {
            QVERIFY(waves.isEmpty());
            QCOMPARE(tremolo->item, nullptr);
        } else {
            QCOMPARE(waves.size(), 1);
            QCOMPARE(tremolo->item, waves.first());
            QCOMPARE(itemTag(waves.first(), TagNote), 1);
        }
    }
}

void TestNoteMarks::articulationVisibility_data()
{
    QTest::addColumn<int>("visibility");
    QTest::addColumn<bool>("covered");
    QTest::addColumn<bool>("shown");
    QTest::newRow("default") << 0 << false << true;
    QTest::newRow("invisible") << 2 << false << false;
    QTest::newRow("default on a covered note") << 0 << true << false;
    QTest::newRow("visible on a covered note") << 1 << true << true;
}

void TestNoteMarks::articulationVisibility()
{
    QFETCH(int, visibility);
    QFETCH(bool, covered);
    QFETCH(bool, shown);

    for (bool clean : {false, true}) {
        VoiceScore f(true);
        fillOne(f, kinkoSimple, QStringLiteral("D4/4 D4/4 G4/2"));
        // A two-note chain covers its second note.
        if (covered)
            f.note(0, 0, 0)->longRepeatCount = 2;
        Notation *accent = addNotation(f.note(0, 0, 1), 3);
        accent->visibility = visibility;
        f.score.cleanOutput = clean;
        f.build();
        QCOMPARE(f.note(0, 0, 1)->longRepeatMemberFlag, covered);
        QVERIFY(accent->item);
        QCOMPARE(accent->shown, shown);
        if (clean) {
            QCOMPARE(accent->item->isVisible(), shown);
        } else {
            QVERIFY(accent->item->isVisible());
            QCOMPARE(accent->item->opacity(), shown ? 1.0 : 0.5);
        }
    }
}

void TestNoteMarks::fingeringGlyphs_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("glyph");

    const int seiha = NotationStyle::KotoSeiha;
    QTest::newRow("3, KotoSeiha") << seiha << "3"
                                  << "Fingering3_Seiha";
    QTest::newRow("1, KotoSeiha") << seiha << "1"
                                  << "Fingering1";
    QTest::newRow("3, KotoIkuta") << int(NotationStyle::KotoIkuta) << "3"
                                  << "Fingering3";
    QTest::newRow("0") << kinkoSimple << "0"
                       << "Fingering0";
    QTest::newRow("naka") << kinkoSimple << QString(QChar(0x4E2D)) << "FingeringNaka";
    QTest::newRow("katakana e") << seiha << QString(QChar(0x30A8)) << "FingeringE";
    QTest::newRow("6 draws nothing") << kinkoSimple << "6"
                                     << "";
    QTest::newRow("12 draws nothing") << kinkoSimple << "12"
                                      << "";
    QTest::newRow("hold on a later note draws nothing") << kinkoSimple << "--"
                                                        << "";
}

void TestNoteMarks::fingeringGlyphs()
{
    QFETCH(int, style);
    QFETCH(QString, text);
    QFETCH(QString, glyph);

    VoiceScore f(false);
    fillOne(f, style, QStringLiteral("D4/4 F4/4 G4/2"));
    Fingering *fingering = addFingering(f.note(0, 0, 1), text);
    f.build();

    const QList<GlyphItem *> marks = taggedGlyphs(f.score, FingeringItem);
    if (glyph.isEmpty()) {
        QVERIFY(marks.isEmpty());
        QCOMPARE(fingering->item, nullptr);
        return;
    }
    QCOMPARE(elementIds(marks), QStringList{glyph});
    QCOMPARE(fingering->item, marks.first());
    QCOMPARE(itemTag(marks.first(), TagNote), 1);
    QCOMPARE(itemTag(marks.first(), TagFingering), 0);
    QCOMPARE(marks.first()->zValue(), 20.0);
    QVERIFY(!marks.first()->boundingRect().isEmpty());
}

void TestNoteMarks::fingeringDefaults_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<QString>("tokens"); // two fingerings on the first note
    QTest::addColumn<QPointF>("first");
    QTest::addColumn<QPointF>("second");
    QTest::addColumn<bool>("moved");

    const QString single = QStringLiteral("D4/4 F4/4 G4/2");
    const QString chord = QStringLiteral("D4/4 +F4/4 G4/4 A4/2");
    QTest::newRow("kinko, vertical")
        << kinkoSimple << false << single << QPointF(0.0, 1.05) << QPointF(0.0, 1.45) << false;
    QTest::newRow("kinko, horizontal")
        << kinkoSimple << true << single << QPointF(0.2, 1.05) << QPointF(0.2, 1.45) << false;
    QTest::newRow("kinko chord, vertical")
        << kinkoSimple << false << chord << QPointF(1.0, 0.2) << QPointF(1.0, 0.2) << false;
    QTest::newRow("kinko chord, horizontal")
        << kinkoSimple << true << chord << QPointF(1.1, 0.2) << QPointF(1.1, 0.2) << false;
    QTest::newRow("koto, vertical") << int(NotationStyle::KotoIkuta) << false << single
                                    << QPointF(-0.2, 0.9) << QPointF(-0.2, 0.9) << false;
    QTest::newRow("koto, horizontal") << int(NotationStyle::KotoSeiha) << true << single
                                      << QPointF(0.3, 0.7) << QPointF(0.3, 0.7) << false;
    QTest::newRow("staff") << staffStyle << false << single << QPointF(0.03, 0.3)
                           << QPointF(0.03, 0.3) << true;
}

void TestNoteMarks::fingeringDefaults()
{
    QFETCH(int, style);
    QFETCH(bool, horizontal);
    QFETCH(QString, tokens);
    QFETCH(QPointF, first);
    QFETCH(QPointF, second);
    QFETCH(bool, moved);

    VoiceScore f(horizontal);
    fillOne(f, style, tokens);
    f.score.style->fingeringOffsetL = 0.3;
    f.score.style->fingeringOffsetW = 0.7;
    Note *note = f.note(0, 0, 0);
    Fingering *one = addFingering(note, QStringLiteral("1"));
    Fingering *two = addFingering(note, QStringLiteral("2"));
    f.build();

    QVERIFY(one->item && two->item);
    QCOMPARE(one->moved, moved);
    QCOMPARE(two->moved, moved);
    QVERIFY(near(one->x, first.x()) && near(one->y, first.y()));
    QVERIFY(near(two->x, second.x()) && near(two->y, second.y()));

    // Without a held line the glyph stands beside the note's first glyph.
    double size = f.score.parts.at(0)->noteFontSize;
    const double k = f.score.page->scaleFactor;
    const QPointF a = anchorOf(f, 0, note);
    const double along = (0.3 + one->x) * size;
    const double across = (0.7 + one->y) * size;
    const QPointF pos = one->item->pos();
    QVERIFY(near(pos.x(), (a.x() + (horizontal ? along : across)) * k));
    QVERIFY(near(pos.y(), (a.y() + (horizontal ? across : along)) * k));
}

void TestNoteMarks::heldFingeringsDrawLines()
{
    VoiceScore f(true);
    f.addPart(QStringLiteral("P"), kinkoSimple);
    f.addMeasure();
    f.addNotes(0, QStringLiteral("D4/4 F4/4 G4/4 A4/4"));
    f.addMeasure();
    f.addNotes(0, QStringLiteral("D4/4 F4/4 G4/2"));
    const QStringList first = {"1", "--", "--", "2"};
    const QStringList second = {"--", "--", "4"};
    QList<Fingering *> held;
    for (int i = 0; i < 4; ++i)
        held.append(addFingering(f.note(0, 0, i), first.at(i)));
    for (int i = 0; i < 3; ++i)
        held.append(addFingering(f.note(1, 0, i), second.at(i)));
    f.score.style->fingeringLineWidth = 1.5;
    f.build();

    const Score &score = f.score;
    const double size = score.parts.at(0)->noteFontSize;
    const double k = score.page->scaleFactor;
    const double l = score.style->fingeringOffsetL;
    const Measure *m0 = score.measures.at(0);
    const Measure *m1 = score.measures.at(1);

    // Glyph and line move together by one handle, which carries the tags.
    auto *handle = dynamic_cast<MovableItem *>(held.at(0)->item);
    QVERIFY(handle);
    QCOMPARE(handle->data(TagType).toInt(), int(FingeringItem));
    QCOMPARE(itemTag(handle, TagNote), 0);
    QVERIFY(handle->flags() & QGraphicsItem::ItemIsMovable);
    QCOMPARE(held.at(1)->item, nullptr);
    QCOMPARE(held.at(2)->item, nullptr);
    QVERIFY(dynamic_cast<MovableItem *>(held.at(3)->item));
    QCOMPARE(sceneItems<MovableItem>(score).size(), 2);

    // The lines: the first hold to its last note, the second to the end of
    // the measure, the carried one from the next measure's start.
    QList<QGraphicsLineItem *> lines;
    for (QGraphicsLineItem *line : sceneItems<QGraphicsLineItem>(score)) {
        if (line->pen().widthF() == 1.5)
            lines.append(line);
    }
    QCOMPARE(lines.size(), 3);
    auto groupLine = [&](const Fingering *fingering) -> QGraphicsLineItem * {
        for (QGraphicsLineItem *line : lines) {
            if (line->parentItem() && line->parentItem()->pos() == fingering->item->pos())
                return line;
        }
        return nullptr;
    };
    const Note *n0 = f.note(0, 0, 0);
    const Note *n2 = f.note(0, 0, 2);
    const Note *n3 = f.note(0, 0, 3);
    QGraphicsLineItem *toLast = groupLine(held.at(0));
    QVERIFY(toLast);
    const QPointF p1 = m0->getItemFinalPosFrame(0, 0, n0->firstAlignItem);
    const QPointF p2 = m0->getItemFinalPosFrame(0, 0, n2->firstAlignItem);
    const double a = m0->getItemSize(0, 0, n2->firstAlignItem).width();
    QVERIFY(near(toLast->line().x2(), (p2.x() - p1.x() + 0.2 * size + 0.7 * a) * k));
    QVERIFY(toLast->line().x1() > 0.0);
    QVERIFY(near(toLast->line().y1(), toLast->line().y2()));
    const auto glyphs = toLast->parentItem()->childItems();
    QVERIFY(std::any_of(glyphs.cbegin(), glyphs.cend(), [](QGraphicsItem *child) {
        auto *svg = dynamic_cast<GlyphItem *>(child);
        return svg && svg->elementId() == QLatin1String("Fingering1") && svg->zValue() == 20.0;
    }));

    QGraphicsLineItem *toEnd = groupLine(held.at(3));
    QVERIFY(toEnd);
    const QPointF p3 = m0->getItemFinalPosFrame(0, 0, n3->firstAlignItem);
    QVERIFY(
        near(toEnd->line().x2(), (m0->originX + m0->width - p3.x() - size * held.at(3)->x) * k));

    auto *carried = dynamic_cast<QGraphicsLineItem *>(held.at(4)->item);
    QVERIFY(carried);
    QVERIFY(!carried->parentItem());
    QCOMPARE(itemTag(carried, TagMeasure), 1);
    QCOMPARE(itemTag(carried, TagNote), 0);
    const Note *m1n1 = f.note(1, 0, 1);
    const QPointF q2 = m1->getItemFinalPosFrame(0, 0, m1n1->firstAlignItem);
    const double qa = m1->getItemSize(0, 0, m1n1->firstAlignItem).width();
    QVERIFY(near(carried->line().x1(), 0.0));
    QVERIFY(near(carried->line().x2(), (q2.x() - m1->originX + qa) * k));
    QVERIFY(near(carried->pos().x(), (m1->originX + (l + held.at(4)->x) * size) * k));
    QCOMPARE(held.at(5)->item, nullptr);
    auto *last = dynamic_cast<GlyphItem *>(held.at(6)->item);
    QVERIFY(last);
    QCOMPARE(last->elementId(), QStringLiteral("Fingering4"));
}

void TestNoteMarks::coveredNoteMarks()
{
    VoiceScore f(true);
    fillOne(f, kinkoSimple, QStringLiteral("D4/4 D4/4 G4/2"));
    f.note(0, 0, 0)->longRepeatCount = 2;
    Note *covered = f.note(0, 0, 1);
    Fingering *fingering = addFingering(covered, QStringLiteral("1"));
    covered->harmonic = new Harmonic(covered);
    Directive *hole = addDirective(covered, QStringLiteral(".holeNo_1"));
    Directive *effect = addDirective(covered, QStringLiteral(".effect_C"));
    Notation *accent = addNotation(covered, 3);
    f.build();

    QVERIFY(covered->longRepeatMemberFlag);
    QCOMPARE(fingering->item, nullptr);
    QCOMPARE(covered->harmonic->item, nullptr);
    QCOMPARE(hole->item, nullptr);
    QVERIFY(effect->item);
    QVERIFY(accent->item);
}

void TestNoteMarks::bowMarks_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<int>("marks"); // 1 up-bow, 2 stopped, 4 harmonic, 8 stopped flag only
    QTest::addColumn<QStringList>("glyphs");
    QTest::addColumn<QList<int>>("types");

    const int all = 1 | 2 | 4;
    QTest::newRow("staff, horizontal")
        << staffStyle << true << all << QStringList{"UpBow", "Stopped", "Harmonic"}
        << QList<int>{UpBowItem, StoppedItem, HarmonicItem};
    QTest::newRow("staff, vertical")
        << staffStyle << false << all << QStringList{"UpBow_V", "Stopped", "Harmonic"}
        << QList<int>{UpBowItem, StoppedItem, HarmonicItem};
    QTest::newRow("KinkoTrad draws only the harmonic")
        << int(NotationStyle::KinkoTrad) << true << all << QStringList{"Harmonic"}
        << QList<int>{HarmonicItem};
    QTest::newRow("KotoSeiha harmonic") << int(NotationStyle::KotoSeiha) << false << 4
                                        << QStringList{"Harmonic_8"} << QList<int>{HarmonicItem};
    QTest::newRow("stopped flag without its mark")
        << staffStyle << true << 8 << QStringList{} << QList<int>{};
}

void TestNoteMarks::bowMarks()
{
    QFETCH(int, style);
    QFETCH(bool, horizontal);
    QFETCH(int, marks);
    QFETCH(QStringList, glyphs);
    QFETCH(QList<int>, types);

    VoiceScore f(horizontal);
    fillOne(f, style, QStringLiteral("D4/4 F4/4 G4/2"));
    Note *note = f.note(0, 0, 1);
    if (marks & 1) {
        note->upBowFlag = true;
        note->upBow = new UpBow(note);
    }
    if (marks & (2 | 8))
        note->stoppedFlag = true;
    if (marks & 2)
        note->stopped = new Stopped(note);
    if (marks & 4)
        note->harmonic = new Harmonic(note);
    f.build();

    QStringList drawn;
    QList<int> drawnTypes;
    for (int type : {int(UpBowItem), int(StoppedItem), int(HarmonicItem)}) {
        for (GlyphItem *item : taggedGlyphs(f.score, type)) {
            drawn.append(item->elementId());
            drawnTypes.append(type);
            QCOMPARE(itemTag(item, TagNote), 1);
            QCOMPARE(item->zValue(), 10.0);
            QVERIFY(item->flags() & QGraphicsItem::ItemIsMovable);
            QVERIFY(!item->boundingRect().isEmpty());
        }
    }
    QCOMPARE(drawn, glyphs);
    QCOMPARE(drawnTypes, types);
    if (note->upBow)
        QCOMPARE(note->upBow->item != nullptr, types.contains(UpBowItem));
    if (note->harmonic)
        QVERIFY(note->harmonic->item);
}

void TestNoteMarks::bowMarkPlacement()
{
    VoiceScore f(true);
    fillOne(f, kinkoSimple, QStringLiteral("D4/8 F4/8 gC4/4 G4/4 A4/2"));
    const QList<Note *> notes = {f.note(0, 0, 0), f.note(0, 0, 2), f.note(0, 0, 3),
                                 f.note(0, 0, 4)};
    for (Note *note : notes)
        note->harmonic = new Harmonic(note);
    notes.at(3)->harmonic->setOffset(0.5, -1.0);
    f.score.parts.at(0)->noteWidth4 = 1.2;
    f.build();

    const Score &score = f.score;
    const double p = score.parts.at(0)->noteFontSize;
    const double s = score.page->scaleFactor;
    const double g = score.page->glyphScale;
    const Measure *m = score.measures.at(0);

    // An eighth is placed in a quarter's room.
    QGraphicsItem *eighth = notes.at(0)->harmonic->item;
    QVERIFY(eighth);
    const double wc = 1.2;
    const double length = p * wc;
    const double w = eighth->boundingRect().width();
    const QPointF a = anchorOf(f, 0, notes.at(0));
    QVERIFY(near(eighth->pos().x(), (length / 2 - (g * length * w / s) * wc / 2 + a.x()) * s));
    QVERIFY(near(eighth->pos().y(), (a.y() - length / 2) * s));
    // Its glyph keeps the eighth's own width along the reading direction.
    const double s0 = score.style->fingeringSize * p * g;
    QVERIFY(near(eighth->transform().m11(), score.parts.at(0)->noteWidth8 * s0));
    QVERIFY(near(eighth->transform().m22(), s0));

    // A grace note's mark is smaller by the grace-note scale.
    QGraphicsItem *grace = notes.at(1)->harmonic->item;
    QGraphicsItem *quarter = notes.at(2)->harmonic->item;
    QVERIFY(grace && quarter);
    QVERIFY(
        near(grace->transform().m22() / quarter->transform().m22(), score.style->graceNoteScale));

    // A moved mark keeps its offset in note sizes.
    QGraphicsItem *moved = notes.at(3)->harmonic->item;
    const double r = m->getItemFinalRefPos(0, 0, notes.at(3)->firstAlignItem);
    const QPointF am = anchorOf(f, 0, notes.at(3));
    QVERIFY(near(moved->pos().x(), (r + p * 0.5) * s));
    QVERIFY(near(moved->pos().y(), (am.y() - p * 1.0) * s));

    // Staff marks sit above the staff.
    VoiceScore staff(true);
    fillOne(staff, staffStyle, QStringLiteral("B4/4 D5/4 G4/2"));
    Note *note = staff.note(0, 0, 0);
    note->upBowFlag = true;
    note->upBow = new UpBow(note);
    note->harmonic = new Harmonic(note);
    staff.build();
    const Measure *sm = staff.score.measures.at(0);
    const double sp = staff.score.parts.at(0)->noteFontSize;
    const double sr = sm->getItemFinalRefPos(0, 0, note->firstAlignItem);
    const double line = sm->getPartNoteLine(note->staff, 0);
    QVERIFY(near(note->upBow->item->pos().x(), (sr + 0.1 * sp) * s));
    QVERIFY(near(note->upBow->item->pos().y(), (line - sp) * s));
    QVERIFY(near(note->harmonic->item->pos().x(), (sr + 0.02 * sp) * s));
}

VELMORA_TEST_MAIN(TestNoteMarks)

} // namespace tst_note_marks
#include "tst_note_marks.moc"
