#pragma once

#include <cstddef>

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QList>
#include <QString>

// A patient model's command-line options, declared in one table per strategy: each entry has
// a `name`, a `help` text (null for an option another strategy already declares), the
// accepted `minimum` and `maximum`, and the model's member (`value`) it sets.
template<typename Entry, std::size_t N>
QList<QCommandLineOption> declareModelOptions(const Entry (&table)[N])
{
    QList<QCommandLineOption> options;
    for (const Entry &entry : table) {
        if (entry.help)
            options << QCommandLineOption(QString::fromLatin1(entry.name), QString::fromLatin1(entry.help),
                                          QStringLiteral("value"));
    }
    return options;
}

// Sets the model's members from the options given; false with a message for a value that is
// not a number in its range.
template<typename Entry, std::size_t N, typename Model>
bool readModelOptions(const QCommandLineParser &parser, const Entry (&table)[N], Model &model, QString *error)
{
    for (const Entry &entry : table) {
        const QString name = QString::fromLatin1(entry.name);
        if (!parser.isSet(name))
            continue;
        bool ok = false;
        const double value = parser.value(name).toDouble(&ok);
        if (!ok || value < entry.minimum || value > entry.maximum) {
            *error = QStringLiteral("--%1 must be a number from %2 to %3").arg(name).arg(entry.minimum).arg(entry.maximum);
            return false;
        }
        model.*entry.value = value;
    }
    return true;
}
