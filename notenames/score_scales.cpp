// Score's note-scale builders and glyph character maps: each passes the
// score's own settings (style switch, part's note font) to the tables.
#include "model/part.h"
#include "model/score.h"
#include "model/style.h"

NoteScale *Score::createScaleKinko() const
{
    return NoteNames::createScaleKinko(style->kinkoDefaultU);
}

NoteScale *Score::createScaleTozan() const
{
    return NoteNames::createScaleTozan();
}

NoteScale *Score::createScaleShinobue(int partIndex) const
{
    return NoteNames::createScaleShinobue(parts.at(partIndex)->noteFontName);
}

NoteScale *Score::createScaleKoto(const QString &tuning, const QString &scaleName, bool seiha,
                                  NoteNames::ScaleNameWarning warning)
{
    return NoteNames::createScaleKoto(tuning, scaleName, seiha, this, warning);
}

NoteScale *Score::createScaleSangenIkuta(const QString &tuning) const
{
    return NoteNames::createScaleSangenIkuta(tuning);
}

NoteScale *Score::createScaleSangenYamada() const
{
    return NoteNames::createScaleSangenYamada();
}

NoteScale *Score::createScaleShamisenBunka(const QString &tuning) const
{
    return NoteNames::createScaleShamisenBunka(tuning);
}

NoteScale *Score::createScaleDoremi() const
{
    return NoteNames::createScaleDoremi();
}

NoteScale *Score::createScalePercussion() const
{
    return NoteNames::createScalePercussion();
}

NoteNames::GlyphCharMap *Score::getStaffNoteMapKinko() const
{
    return NoteNames::getStaffNoteMapKinko();
}

NoteNames::GlyphCharMap *Score::getStaffNoteMapTozan() const
{
    return NoteNames::getStaffNoteMapTozan();
}

NoteNames::GlyphCharMap *Score::getStaffNoteMapTozan_Circled() const
{
    return NoteNames::getStaffNoteMapTozan_Circled();
}

NoteNames::GlyphCharMap *Score::getStaffNoteMapShinobue_Numeric() const
{
    return NoteNames::getStaffNoteMapShinobue_Numeric();
}

NoteNames::GlyphCharMap *Score::getStaffNoteMapShinobue_Kanji() const
{
    return NoteNames::getStaffNoteMapShinobue_Kanji();
}

NoteNames::GlyphCharMap *Score::getStaffNoteMapKoto() const
{
    return NoteNames::getStaffNoteMapKoto();
}

NoteNames::GlyphCharMap *Score::getStaffNoteMapSangen() const
{
    return NoteNames::getStaffNoteMapSangen();
}

NoteNames::GlyphCharMap *Score::getStaffNoteMapShamisen() const
{
    return NoteNames::getStaffNoteMapShamisen();
}

NoteNames::GlyphCharMap *Score::getStaffNoteMapDoremi() const
{
    return NoteNames::getStaffNoteMapDoremi();
}

int Score::getMinNumber(const QStringList &numbers) const
{
    return NoteNames::minNumber(numbers);
}

int Score::getMaxNumber(const QStringList &numbers) const
{
    return NoteNames::maxNumber(numbers);
}
