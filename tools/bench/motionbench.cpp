// Measures the motion of the movement detection field: a full-screen black dialog shows the 80
// cells and the central arrow, and a precise 15 ms timer advances every grating by one pixel,
// as in a trial. Two ways of drawing the same field are compared:
//
//   kestrova-motionbench --widgets [--seconds N]   80 squares and 160 grating widgets, the
//                                                  moving gratings moved at every step
//   kestrova-motionbench --painted [--seconds N]   one view painting the 80 cells
//
// Each step is timed on the monotonic clock from the timer's wake-up to the end of painting
// and flushing what it changed. Prints the step intervals (median, p99, max) and the work per
// step (median, p99) in milliseconds. Run it on the display a patient would see (X11, or
// Xvfb), not offscreen: the offscreen platform skips the flushing.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

#include "stimuli/drawwidgets.h"
#include "tasks/test3/motionfield.h"
#include "tasks/test3/motionfieldview.h"

using namespace MotionField;

namespace {
double quantile(std::vector<double> v, double q)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, std::size_t(q * double(v.size() - 1) + 0.5))];
}
} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const bool widgets = args.contains(QStringLiteral("--widgets"));
    const int at = int(args.indexOf(QStringLiteral("--seconds")));
    const int seconds = at > 0 && at + 1 < args.size() ? args[at + 1].toInt() : 10;

    QDialog dialog;
    dialog.setStyleSheet(QStringLiteral("background-color:rgb(0, 0, 0)"));
    dialog.setGeometry(QGuiApplication::primaryScreen()->geometry());
    const QPoint centre(dialog.width() / 2, dialog.height() / 2);

    Directions directions{};
    for (int &d : directions)
        d = std::rand() % directionCount;
    std::vector<QWidget *> horizontal(cellCount), vertical(cellCount);
    MotionFieldView *view = nullptr;
    if (widgets) {
        for (int cell = 0; cell < cellCount; ++cell) {
            auto *square = new DrawRectangle(&dialog);
            square->setGeometry(QRect(centre + squareTopLeft(cell), QSize(squareSize, squareSize)));
            horizontal[cell] = new DrawLineH(&dialog);
            vertical[cell] = new DrawLineV(&dialog);
            horizontal[cell]->setGeometry(QRect(centre + horizontalGratingTopLeft(cell, 0, 0),
                                                QSize(gratingSize, gratingSize)));
            vertical[cell]->setGeometry(QRect(centre + verticalGratingTopLeft(cell, 0, 0),
                                              QSize(gratingSize, gratingSize)));
        }
    } else {
        view = new MotionFieldView(&dialog);
        view->placeAround(centre);
        view->setDirections(directions);
    }
    auto *arrow = new DrawArrow(&dialog);
    arrow->setGeometry(centre.x() - 50, centre.y() - 50, 100, 100);
    arrow->angle = 135;
    dialog.showFullScreen();

    QElapsedTimer clock;
    std::vector<double> intervals, work;
    qint64 last = -1;
    int step = 0;
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer, &QTimer::timeout, &dialog, [&] {
        const qint64 start = clock.nsecsElapsed();
        if (last >= 0)
            intervals.push_back((start - last) / 1e6);
        last = start;
        if (widgets) {
            for (int cell = 0; cell < cellCount; ++cell) {
                const int d = directions[cell];
                if (d == Right || d == Left)
                    vertical[cell]->move(centre + verticalGratingTopLeft(cell, d, step));
                else
                    horizontal[cell]->move(centre + horizontalGratingTopLeft(cell, d, step));
            }
        } else {
            view->setStep(step);
        }
        ++step;
        // Paint and flush now what the step changed.
        QCoreApplication::sendPostedEvents(&dialog, QEvent::UpdateRequest);
        work.push_back((clock.nsecsElapsed() - start) / 1e6);
    });
    QTimer::singleShot(1000, &dialog, [&] {
        clock.start();
        timer.start(15);
    });
    QTimer::singleShot(1000 + seconds * 1000, &app, &QApplication::quit);
    app.exec();

    std::printf("%s: %zu steps\n", widgets ? "widgets" : "painted", work.size());
    std::printf("interval ms: median %.3f p99 %.3f max %.3f\n", quantile(intervals, 0.5), quantile(intervals, 0.99),
                intervals.empty() ? 0.0 : *std::max_element(intervals.begin(), intervals.end()));
    std::printf("work ms: median %.3f p99 %.3f max %.3f\n", quantile(work, 0.5), quantile(work, 0.99),
                work.empty() ? 0.0 : *std::max_element(work.begin(), work.end()));
    return 0;
}
