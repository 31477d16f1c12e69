#pragma once

#include <QString>

class QCommandLineParser;
class QDialog;
class QWidget;

// How the simulated patient does one task: which button starts it, how the assessor prepares
// its block in the parameter panel, and how the patient answers while the block runs. One
// implementation per task window; the driver does everything around it (patient, options,
// the results button, the report).
class TaskStrategy
{
public:
    virtual ~TaskStrategy() = default;

    virtual int task() const = 0;                 // 1 … 7, the main window's numbering
    virtual int resultTable() const = 0;          // results_T<n>.csv
    virtual const char *windowClass() const = 0;  // class name of the task window
    virtual const char *buttonName() const = 0;   // the main window's button
    // Whether the assessor ticks "With training".
    virtual bool withTraining() const { return false; }

    // Reads the patient model from the command line (the options the strategy declares);
    // false with a message for a value that makes no sense.
    virtual bool configure(const QCommandLineParser &parser, QString *error)
    {
        Q_UNUSED(parser);
        Q_UNUSED(error);
        return true;
    }

    // The task window is up with its start button: shorten its durations through the
    // parameter fields and start the block. Returns false with a message on failure.
    virtual bool start(QDialog *window, QString *error) = 0;
    // The block has ended and the results buttons are shown.
    virtual bool finished() const = 0;
    // Anything the patient's run has to tell besides the result row (e.g. timing measured).
    virtual QString summary() const = 0;
};
