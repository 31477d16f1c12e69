#pragma once

#include <functional>

#include <QString>

class QWidget;

// What an assessor or a patient does with the windows, done by the simulated patient: find a
// widget on screen, click it, type into a field, press a key, wait for something to appear.
namespace SimulatedInput {

// The first child widget of the given class, e.g. "DrawRectangle".
QWidget *childOfClass(QWidget *window, const char *className);
// Clicks the named, visible and enabled push button or check box of the window.
bool click(QWidget *window, const char *name, QString *error);
// Types text where receiver takes keys, one key press and release per character, each
// carrying its character as a keyboard layout delivers it: any name an assessor can type,
// "Müller" and "Zoé" as well as "Smith".
void typeText(QWidget *receiver, const QString &text);
// Replaces the text of the named, visible line edit and confirms it with Return.
bool typeInto(QWidget *window, const char *name, const QString &text, QString *error);
// Presses and releases a key where the keyboard focus is (the window when none has it).
void pressKey(QWidget *window, int key);
// Runs the event loop until the condition holds or the time is up; false on time-out. The
// loop sleeps in the event dispatcher, so precise timers fire on time meanwhile.
bool waitUntil(const std::function<bool()> &condition, int timeoutMs);

} // namespace SimulatedInput
