#include "tasks/test3/motionfield.h"

namespace MotionField {

namespace {
// Centres of the groups and, within a group, of its cells, in pitches from the centre.
constexpr int groupX[groupCount] = {-3, 0, 3, -3, 3, -3, 0, 3};
constexpr int groupY[groupCount] = {3, 3, 3, 0, 0, -3, -3, -3};
constexpr int cellX[cellsPerGroup] = {-1, 0, 1, -1, 0, 1, -1, 0, 1};
constexpr int cellY[cellsPerGroup] = {1, 1, 1, 0, 0, 0, -1, -1, -1};
constexpr int singleX[singleCount] = {1, 1, 0, -1, -1, -1, 0, 1};
constexpr int singleY[singleCount] = {0, 1, 1, 1, 0, -1, -1, -1};

// The three directions other than d, in ascending order.
std::array<int, 3> others(int d)
{
    std::array<int, 3> out{};
    int n = 0;
    for (int k = 0; k < directionCount; ++k) {
        if (k != d)
            out[n++] = k;
    }
    return out;
}

int tick(int step)
{
    return step % linePeriod;
}
} // namespace

QPoint cellOffset(int cell)
{
    if (cell >= groupCells) {
        const int k = cell - groupCells;
        return QPoint(singleX[k] * pitch, singleY[k] * pitch);
    }
    const int g = cell / cellsPerGroup;
    const int c = cell % cellsPerGroup;
    return QPoint((groupX[g] + cellX[c]) * pitch, (groupY[g] + cellY[c]) * pitch);
}

QPoint squareTopLeft(int cell)
{
    return cellOffset(cell) - QPoint(squareSize / 2, squareSize / 2);
}

QPoint horizontalGratingTopLeft(int cell, int direction, int step)
{
    const QPoint rest = cellOffset(cell) - QPoint(gratingSize / 2, gratingSize / 2);
    if (direction == Down)
        return rest + QPoint(0, tick(step));
    if (direction == Up)
        return rest - QPoint(0, tick(step));
    return rest;
}

QPoint verticalGratingTopLeft(int cell, int direction, int step)
{
    const QPoint rest = cellOffset(cell) - QPoint(gratingSize / 2, gratingSize / 2);
    if (direction == Right)
        return rest + QPoint(tick(step), 0);
    if (direction == Left)
        return rest - QPoint(tick(step), 0);
    return rest;
}

const char *directionName(int direction)
{
    static const char *const names[directionCount] = {"E", "S", "W", "N"};
    return direction >= 0 && direction < directionCount ? names[direction] : "";
}

const char *placeName(int place)
{
    static const char *const names[singleCount] = {"E", "SE", "S", "SW", "W", "NW", "N", "NE"};
    return place >= 0 && place < singleCount ? names[place] : "";
}

Directions drawDirections(int subtask, int target, const std::function<int(int)> &draw)
{
    Directions dir{};
    const int d = draw(directionCount);
    const std::array<int, 3> other = others(d);
    switch (subtask) {
    case 1: {
        for (int k = 0; k < singleCount; ++k)
            dir[singleCell(k)] = d;
        // One single other than the target drifts another way.
        const int odd = other[draw(3)];
        int k = draw(singleCount - 1);
        if (k >= target)
            ++k;
        dir[singleCell(k)] = odd;
        for (int g = 0; g < groupCount; ++g) {
            for (int c = 0; c < cellsPerGroup; ++c)
                dir[g * cellsPerGroup + c] = d;
            const int groupOdd = other[draw(3)];
            dir[g * cellsPerGroup + draw(cellsPerGroup)] = groupOdd;
        }
        break;
    }
    case 2:
        for (int k = 0; k < singleCount; ++k)
            dir[singleCell(k)] = other[draw(3)];
        dir[singleCell(target)] = d;
        for (int g = 0; g < groupCount; ++g) {
            for (int c = 0; c < cellsPerGroup; ++c)
                dir[g * cellsPerGroup + c] = other[draw(3)];
            dir[g * cellsPerGroup + draw(cellsPerGroup)] = d;
        }
        break;
    default:
        for (int cell = 0; cell < cellCount; ++cell)
            dir[cell] = draw(directionCount);
        break;
    }
    return dir;
}

} // namespace MotionField
