// Boxes filed by the square cells of a grid they touch, so that a question
// about one place of the picture looks only at the boxes near it instead of
// at every item of the scene. Units are the caller's (scene units here).
#pragma once

#include <QHash>
#include <QList>
#include <QRectF>
#include <QSet>

#include <cmath>

class BoxGrid
{
public:
    explicit BoxGrid(double cell) : m_cell(cell) {}

    // Files `box`; returns its index, counted from 0 in the order added.
    int add(const QRectF &box)
    {
        const int index = int(m_boxes.size());
        m_boxes.append(box);
        forCells(box, [&](qint64 key) { m_cells[key].append(index); });
        return index;
    }

    const QRectF &box(int index) const { return m_boxes.at(index); }

    // The index of every box that touches `area`, once.
    QList<int> near(const QRectF &area) const
    {
        QList<int> found;
        QSet<int> seen;
        forCells(area, [&](qint64 key) {
            const auto cell = m_cells.constFind(key);
            if (cell == m_cells.cend())
                return;
            for (int index : *cell) {
                if (!seen.contains(index) && m_boxes.at(index).intersects(area)) {
                    seen.insert(index);
                    found.append(index);
                }
            }
        });
        return found;
    }

private:
    template <class F> void forCells(const QRectF &r, F &&visit) const
    {
        const qint64 x0 = qint64(std::floor(r.left() / m_cell));
        const qint64 x1 = qint64(std::floor(r.right() / m_cell));
        const qint64 y0 = qint64(std::floor(r.top() / m_cell));
        const qint64 y1 = qint64(std::floor(r.bottom() / m_cell));
        for (qint64 x = x0; x <= x1; ++x) {
            for (qint64 y = y0; y <= y1; ++y)
                visit(qint64((quint64(x) << 32) ^ (quint64(y) & 0xffffffffu)));
        }
    }

    double m_cell;
    QList<QRectF> m_boxes;
    QHash<qint64, QList<int>> m_cells;
};
