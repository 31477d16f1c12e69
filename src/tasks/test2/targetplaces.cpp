#include "tasks/test2/targetplaces.h"

#include <cmath>

namespace TargetPlaces {

QPoint topLeft(int centerX, int centerY, int place)
{
    const double a = M_PI * angle(place) / 180.0;
    const double half = targetSize / 2;
    return QPoint(int(std::trunc(centerX - half + radius * std::cos(a))),
                  int(std::trunc(centerY - half + radius * std::sin(a))));
}

const char *name(int place)
{
    static const char *const names[count] = {"E", "SE", "S", "SW", "W", "NW", "N", "NE"};
    return place >= 0 && place < count ? names[place] : "";
}

} // namespace TargetPlaces
