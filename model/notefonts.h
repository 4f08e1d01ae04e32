// The notation styles of a part, the note-font folder of each style and the
// loading of note-font files.
//
// A note font is one SVG file in its style's folder; its name is the file's
// base name. Every path here is built from one root, ":/notefonts" (the
// embedded resources); tests point it at a folder of fixture fonts.
//
// Renderers are shared: one renderer per font file for as long as any part
// (or score) still holds it, released by its last holder.
#pragma once

#include <QString>

#include <memory>

class QSvgRenderer;

// The notation of a part; written in score files by name.
namespace NotationStyle {

enum Code : int
{
    KinkoSimple = 0,
    KinkoTrad = 1,
    TozanSimple = 2,
    TozanTrad = 3,
    Fue = 4,
    KotoIkuta = 5,
    KotoSeiha = 6,
    SangenIkuta = 7,
    SangenYamada = 8,
    ShamisenBunka = 9,
    Doremi = 10,
    Percussion = 11,
    StaffNotation = 12,
    Traverso = 13,
};
constexpr int count = 14;

// "KinkoSimple" .. "Traverso"; an unknown code names 0.
QString name(int code);
// The code of a written name; an unknown name reads as 0 (KinkoSimple).
int fromName(const QString &name);

} // namespace NotationStyle

// The note-font folder of each notation style.
namespace NoteFontFolder {

// The folder's own name, "Shakuhachi_Kinko_Simple" .. "Traverso"; an
// unknown code gives the folder of code 0.
QString name(int code);
// The folder's path below the note-font root, ending in "/"
// (":/notefonts/Shinobue/").
QString path(int code);

} // namespace NoteFontFolder

namespace NoteFonts {

// ":/notefonts" unless a test has set another root (a folder on disk with
// the same layout). No trailing slash.
QString root();
void setRoot(const QString &path);
void resetRoot();

// The font of the glyphs common to all notations: root + "/Common/Basic.svg".
QString commonFontPath();

// Base name of the first SVG file of a folder, files only, ordered by name
// ignoring case; empty when the folder holds none (or does not exist).
QString firstFontName(const QString &folder);

// The renderer of a font file. While someone holds the renderer of this
// path, the same renderer is returned; otherwise a new one is made. A file
// that cannot be read gives a renderer whose isValid() is false.
std::shared_ptr<QSvgRenderer> renderer(const QString &filePath);

} // namespace NoteFonts
