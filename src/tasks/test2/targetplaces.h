#pragma once

#include <QPoint>

// The eight places of the attention task's target on a circle of 250 pixels around the screen
// centre: place k at 45·k degrees clockwise from the right (the screen's y axis points down),
// 0 "E", 1 "SE", 2 "S", … 7 "NE". Distances are screen pixels, not millimetres.
namespace TargetPlaces {

constexpr int count = 8;
constexpr int radius = 250;
constexpr int targetSize = 20;

// Top left corner of the 20 × 20 target at place k (the sums in double precision, truncated
// toward zero), so that the square's centre lies 250 pixels from the centre.
QPoint topLeft(int centerX, int centerY, int place);
// The place's compass name as written in the trial log.
const char *name(int place);
// Direction of place k in degrees, as the orienting arrow takes it.
constexpr double angle(int place) { return 45.0 * place; }

} // namespace TargetPlaces
