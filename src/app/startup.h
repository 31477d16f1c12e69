#pragma once

// What a Kestrova process sets up around the creation of its application object. The program,
// the simulated patient and the screen tests start the same way:
//
//   Startup::beforeApplication();
//   QApplication app(argc, argv);
//   Startup::afterApplication();
namespace Startup {

// Makes one pixel of every window one pixel of the screen: the calibration rulers, the stimuli
// sized in millimetres and the resolution shown rest on it. The window system's scaling (a
// desktop at 150 %, QT_SCALE_FACTOR, QT_SCREEN_SCALE_FACTORS) is turned off whatever the
// environment says. Also lets the report and document views share the graphics context.
void beforeApplication();
// Gives the environment back as it was, for the programs the desktop starts on our behalf (the
// PDF viewer); the application has read it by now.
void afterApplication();

} // namespace Startup
