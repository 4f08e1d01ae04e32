// The beam drawer of one voice of a part: beam lines, stroke lines and
// slashes, drawn straight into the score's scene.
//
// Owned by its Part for the part's whole life; holds the Score without
// owning it. Positions are millimetres (along the reading direction for
// the starts, across it for beamPos); lineWidth is in scene units once
// set.
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

    Score *score = nullptr;
    bool horizontal = true;
    double beamPos = 0.0;
    bool flipped = false;
    double lineSpacing = 0.8;
    double lineWidth = 2.0;
    std::array<double, levelCount> levelStarts{};
    double groupStart = 0.0;
    int strokeCount = 0;
    double strokeStart = 0.0;
};
