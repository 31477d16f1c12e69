#pragma once

#include <array>
#include <functional>

#include <QPoint>

// The stimulus field of the movement detection task, without widgets: where its 80 cells lie,
// which way each cell's grating drifts in a trial, and where the gratings stand at each tick
// of the motion.
//
// A cell is a white 42 × 42 square under two gratings of 48 × 48 (four black lines 15 pixels
// apart), one of horizontal and one of vertical lines. The cells fill a 9 × 9 grid of pitch
// 84 pixels around the screen centre: eight groups of nine cells (the outer blocks of a 3 × 3
// arrangement) and, next to the centre, the eight single cells that can be the target.
// Single k lies at 45·k degrees clockwise from the right (the screen's y axis points down),
// k = 0 "E", 1 "SE", 2 "S", … 7 "NE". The centre itself holds the fixation cross or the arrow.
//
// A cell drifts in one of four directions: 0 right, 1 down, 2 left, 3 up. At tick s of the
// motion the vertical lines of a cell drifting right stand s % 15 pixels right of rest (left:
// to the left), the horizontal lines of a cell drifting down s % 15 pixels below (up: above);
// the other grating stays at rest. Since the lines are 15 pixels apart the grating seems to
// drift without end at one pixel per tick.
namespace MotionField {

constexpr int groupCount = 8;
constexpr int cellsPerGroup = 9;
constexpr int groupCells = groupCount * cellsPerGroup;   // cells 0 … 71: group g, cell c at 9g + c
constexpr int singleCount = 8;                           // cells 72 … 79: the singles
constexpr int cellCount = groupCells + singleCount;
constexpr int directionCount = 4;
constexpr int subtaskCount = 3;

constexpr int pitch = 84;
constexpr int squareSize = 42;
constexpr int gratingSize = 48;
constexpr int linePeriod = 15;

enum Direction { Right = 0, Down = 1, Left = 2, Up = 3 };

using Directions = std::array<int, cellCount>;

constexpr int singleCell(int place) { return groupCells + place; }

// The centre of a cell, relative to the screen centre.
QPoint cellOffset(int cell);
// Top left corners of a cell's square and, at tick `step` of a drift in `direction`, of its
// horizontal and vertical gratings; all relative to the screen centre.
QPoint squareTopLeft(int cell);
QPoint horizontalGratingTopLeft(int cell, int direction, int step);
QPoint verticalGratingTopLeft(int cell, int direction, int step);

// "E", "S", "W", "N" for the four directions, as written in the trial log.
const char *directionName(int direction);
// "E", "SE", "S", "SW", "W", "NW", "N", "NE" for the eight single places.
const char *placeName(int place);
// The arrow's angle towards single `place`, in degrees clockwise from the right.
constexpr double placeAngle(int place) { return 45.0 * place; }

// The directions of one trial. `draw(k)` returns a random whole number 0 … k − 1 (the task
// uses rand() % k). A direction d is drawn first; then, by subtask:
//   0  every cell drifts its own random way;
//   1  common motion: every cell drifts d except one single other than the target and one
//      cell in each group, which drift one of the three other ways;
//   2  lone motion: every cell drifts one of the three other ways except the target and one
//      cell in each group, which drift d.
// So in subtasks 1 and 2 the target's direction is the one shared by the majority, or the one
// that is alone among the singles.
Directions drawDirections(int subtask, int target, const std::function<int(int)> &draw);

} // namespace MotionField
