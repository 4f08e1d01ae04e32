"""Source typefaces of the note fonts: role name -> Debian package, file, face.

Only fonts whose licence allows deriving outlines are listed (public domain
or SIL OFL 1.1). IPA fonts are deliberately absent: their licence treats
extracted outlines as a derived program.
"""

from collections import namedtuple

Source = namedtuple("Source", "package path index family licence")

_NOTO = "/usr/share/fonts/opentype/noto/"
_NOTO_CORE = "/usr/share/fonts/truetype/noto/"
_PD = "public domain"
_OFL = "SIL Open Font License 1.1"

SOURCES = {
    # Brush (mouhitsu) faces, public domain.
    "brush": Source("fonts-kouzan-mouhitsu",
                    "/usr/share/fonts/truetype/kouzan-mouhitsu/kouzan-mouhitsu.ttf", 0,
                    "KouzanBrushFont (kaisho brush)", _PD),
    "gyosho": Source("fonts-kouzan-mouhitsu",
                     "/usr/share/fonts/truetype/kouzan-mouhitsu/kouzan-mouhitsu-gyosho.ttf", 0,
                     "KouzanBrushFontGyousyo (semi-cursive brush)", _PD),
    "kouzanT": Source("fonts-aoyagi-kouzan-t",
                      "/usr/share/fonts/truetype/aoyagi-kouzan-t/AoyagiKouzanT.ttf", 0,
                      "AoyagiKouzanFontT (brush)", _PD),
    "soseki": Source("fonts-aoyagi-soseki",
                     "/usr/share/fonts/truetype/aoyagi-soseki/aoyagi-soseki.ttf", 0,
                     "AoyagiSosekiFont2 (brush)", _PD),
    # Gothic, felt-pen and mincho forms, OFL.
    "gothic": Source("fonts-noto-cjk", _NOTO + "NotoSansCJK-Regular.ttc", 0,
                     "Noto Sans CJK JP Regular", _OFL),
    "feltpen": Source("fonts-noto-cjk", _NOTO + "NotoSansCJK-Bold.ttc", 0,
                      "Noto Sans CJK JP Bold", _OFL),
    "mincho": Source("fonts-noto-cjk", _NOTO + "NotoSerifCJK-Regular.ttc", 0,
                     "Noto Serif CJK JP Regular", _OFL),
    "minchoBold": Source("fonts-noto-cjk", _NOTO + "NotoSerifCJK-Bold.ttc", 0,
                         "Noto Serif CJK JP Bold", _OFL),
    # Music symbols and Latin text.
    "music": Source("fonts-noto-core", _NOTO_CORE + "NotoMusic-Regular.ttf", 0,
                    "Noto Music", _OFL),
    "serif": Source("fonts-noto-core", _NOTO_CORE + "NotoSerif-Regular.ttf", 0,
                    "Noto Serif Regular", _OFL),
    "serifBold": Source("fonts-noto-core", _NOTO_CORE + "NotoSerif-Bold.ttf", 0,
                        "Noto Serif Bold", _OFL),
    "serifItalic": Source("fonts-noto-core", _NOTO_CORE + "NotoSerif-Italic.ttf", 0,
                          "Noto Serif Italic", _OFL),
    "serifBoldItalic": Source("fonts-noto-core", _NOTO_CORE + "NotoSerif-BoldItalic.ttf", 0,
                              "Noto Serif Bold Italic", _OFL),
    "sans": Source("fonts-noto-core", _NOTO_CORE + "NotoSans-Regular.ttf", 0,
                   "Noto Sans Regular", _OFL),
    "sansBold": Source("fonts-noto-core", _NOTO_CORE + "NotoSans-Bold.ttf", 0,
                       "Noto Sans Bold", _OFL),
}
