#include "drawing/beams.h"

#include "model/page.h"
#include "model/part.h"
#include "model/score.h"
#include "view/scene.h"

#include <QBrush>
#include <QGraphicsLineItem>
#include <QPen>

namespace {

bool validLevel(int level)
{
    return level >= 0 && level < Beams::levelCount;
}

} // namespace

Beams::Beams(Score *score, QObject *parent) : QObject(parent), score(score) {}

void Beams::reset()
{
    m_levelStarts.fill(0.0);
    m_groupStart = 0.0;
    m_strokeCount = 0;
    m_strokeStart = 0.0;
}

void Beams::raiseBeamPos(double pos)
{
    if (pos > m_beamPos)
        m_beamPos = pos;
}

void Beams::setLineSpacing(double value, int part)
{
    if (score && part >= 0 && part < score->parts.size())
        m_lineSpacing = value * score->parts.at(part)->noteFontSize * 0.2;
}

void Beams::setLineWidth(double value, int part)
{
    if (score && part >= 0 && part < score->parts.size())
        m_lineWidth = value * score->parts.at(part)->noteFontSize * 0.2;
}

void Beams::beamStart(int level, double along)
{
    if (!validLevel(level))
        return;
    m_levelStarts[level] = along;
    if (level == 0)
        m_groupStart = along;
}

void Beams::setStrokes(int count, double start)
{
    m_strokeCount = count;
    m_strokeStart = start;
}

double Beams::levelStart(int level) const
{
    return validLevel(level) ? m_levelStarts[level] : 0.0;
}

double Beams::levelCross(int level) const
{
    return m_flipped ? m_beamPos - level * m_lineSpacing : m_beamPos + level * m_lineSpacing;
}

void Beams::endBeam(int level, double along, bool slash)
{
    if (!validLevel(level))
        return;
    addLine(m_levelStarts[level], levelCross(level), along, levelCross(level));
    if (level == 0 && slash)
        drawSlash(along);
    m_strokeCount = 0;
}

void Beams::drawBeamSegment(int level, double from, double to)
{
    if (validLevel(level))
        addLine(from, levelCross(level), to, levelCross(level));
}

void Beams::endGroupBeams(double along)
{
    addLine(m_groupStart, m_beamPos, along, m_beamPos);
    addLine(m_groupStart, m_beamPos + m_lineSpacing, along, m_beamPos + m_lineSpacing);
    const double middle = (along + m_groupStart) / 2;
    const double d = 1.5 * m_lineSpacing;
    const double q = m_beamPos + 0.5 * m_lineSpacing;
    addLine(middle - d, q - d, middle + d, q + d);
}

void Beams::drawSlash(double along)
{
    const double middle = (along + m_groupStart) / 2;
    const double d = 1.5 * m_lineSpacing;
    double q = m_beamPos + 0.5 * m_lineSpacing;
    if (m_flipped)
        q -= m_lineSpacing;
    addLine(middle - d, q - d, middle + d, q + d);
}

void Beams::drawStrokes(bool clear, double along)
{
    const int n = m_strokeCount;
    if (n > 0) {
        // The set is centred on the beam position; an even count moves it
        // by half a spacing so that the first line stays where one stroke
        // would stand.
        double base = m_beamPos - ((n - 1) * 0.5 + 0.25) * m_lineSpacing;
        if (n % 2 == 0)
            base += 0.5 * m_lineSpacing;
        for (int i = 0; i < n; ++i) {
            const double cross = base + i * m_lineSpacing;
            addLine(m_strokeStart, cross, along, cross);
        }
    }
    if (clear)
        m_strokeCount = 0;
}

void Beams::drawShortBeam(double along, double lengthFactor)
{
    const double d = m_lineSpacing * lengthFactor * 1.5;
    addLine(along, m_beamPos, along + d, m_beamPos + d);
}

void Beams::addLine(double along1, double cross1, double along2, double cross2)
{
    if (!score || !score->scene || !score->page)
        return;
    const double k = score->page->scaleFactor;
    QLineF line = m_horizontal ? QLineF(along1 * k, cross1 * k, along2 * k, cross2 * k)
                               : QLineF(cross1 * k, along1 * k, cross2 * k, along2 * k);
    auto *item = new QGraphicsLineItem(line);
    QPen pen(QBrush(Qt::black), m_lineWidth, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin);
    pen.setCapStyle(Qt::FlatCap);
    item->setPen(pen);
    score->scene->addItem(item);
}
