#include "app/startup.h"

#include <optional>
#include <utility>
#include <vector>

#include <QByteArray>
#include <QCoreApplication>

namespace Startup {

namespace {
// The variables Qt reads once, when the application object is created, to scale windows: the
// factors multiply, so only an environment without any of them gives device pixels.
const char *const scalingVariables[] = {"QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS", "QT_AUTO_SCREEN_SCALE_FACTOR",
                                        "QT_DEVICE_PIXEL_RATIO", "QT_USE_PHYSICAL_DPI",
                                        "QT_ENABLE_HIGHDPI_SCALING", "QT_FONT_DPI"};

std::vector<std::pair<const char *, std::optional<QByteArray>>> &saved()
{
    static std::vector<std::pair<const char *, std::optional<QByteArray>>> values;
    return values;
}
} // namespace

void beforeApplication()
{
    saved().clear();
    for (const char *name : scalingVariables) {
        saved().emplace_back(name, qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt);
        qunsetenv(name);
    }
    // The desktop's own density (Xft.dpi, a scaled display) would otherwise set the factor.
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    // The forms are laid out in pixels for text at 96 dpi; the desktop's density would still
    // enlarge the text alone and cut the captions off.
    qputenv("QT_FONT_DPI", "96");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
}

void afterApplication()
{
    for (const auto &[name, value] : saved()) {
        if (value)
            qputenv(name, *value);
        else
            qunsetenv(name);
    }
    saved().clear();
}

} // namespace Startup
