// The beam drawer of one voice of a part: beam lines, stroke lines and
// slashes, each a separate line item added straight to the score's scene
// (not grouped, tagged or movable).
//
// Owned by its Part for the part's whole life; holds the Score without
// owning it. Positions are millimetres: the starts along the reading
// direction, the beam position across it; the line spacing is millimetres
// and the line width scene units once set. A point (along a, across c) is
// the scene point (a, c) x the page scale in horizontal writing and (c, a)
// x the page scale in vertical writing. Levels run 0..4; a level outside
// that range is ignored.
#pragma once

#include <QObject>

#include <array>

class Score;

class Beams : public QObject
{
    Q_OBJECT

public:
    static constexpr int levelCount = 5;

    explicit Beams(Score *score, QObject *parent = nullptr);

    // Forgets the recorded beam starts, the group start and the strokes,
    // so no beam or stroke run of an earlier picture goes on.
    void reset();

    void setHorizontal(bool on) { m_horizontal = on; }
    void setBeamPos(double pos) { m_beamPos = pos; }
    void setFlipped(bool on) { m_flipped = on; }
    // Keeps the larger of the current and the given position.
    void raiseBeamPos(double pos);
    // value x the part's note size x 0.2 (mm, resp. scene units for the
    // width); an unknown part leaves the setting unchanged.
    void setLineSpacing(double value, int part);
    void setLineWidth(double value, int part);
    // Records where a level starts; level 0 also starts the group.
    void beamStart(int level, double along);
    void setGroupStart(double along) { m_groupStart = along; }
    void setStrokes(int count, double start);
    void clearStrokes() { m_strokeCount = 0; }
    int strokeCount() const { return m_strokeCount; }

    // One line of `level` from its recorded start to `along`; with `slash`
    // at level 0 also the group slash. Ends any stroke run.
    void endBeam(int level, double along, bool slash);
    // One line of `level` between two positions; recorded starts untouched.
    void drawBeamSegment(int level, double from, double to);
    // Two lines and the slash of the group ending at `along` (never flipped).
    void endGroupBeams(double along);
    // The recorded strokes, parallel lines centred on the beam position,
    // from the stroke start to `along`; `clear` ends the run.
    void drawStrokes(bool clear, double along);
    // A 45-degree stroke of lengthFactor x 1.5 spacings from `along`.
    void drawShortBeam(double along, double lengthFactor);

    bool horizontal() const { return m_horizontal; }
    double beamPos() const { return m_beamPos; }
    bool flipped() const { return m_flipped; }
    double lineSpacing() const { return m_lineSpacing; }
    double lineWidth() const { return m_lineWidth; }
    double levelStart(int level) const;
    double groupStart() const { return m_groupStart; }
    double strokeStart() const { return m_strokeStart; }

    Score *score = nullptr;

private:
    // Cross coordinate of a level: levels stack towards larger coordinates,
    // or smaller ones when flipped.
    double levelCross(int level) const;
    void drawSlash(double along);
    // One line between two (along, across) points, in millimetres.
    void addLine(double along1, double cross1, double along2, double cross2);

    bool m_horizontal = true;
    double m_beamPos = 0.0;
    bool m_flipped = false;
    double m_lineSpacing = 0.8;
    double m_lineWidth = 2.0;
    std::array<double, levelCount> m_levelStarts{};
    double m_groupStart = 0.0;
    int m_strokeCount = 0;
    double m_strokeStart = 0.0;
};
