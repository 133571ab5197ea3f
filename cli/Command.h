#pragma once
// The sub-commands of zivi-cli. Each command file registers one with a static Command object.

#include <QStringList>

using CommandMain = int (*)(const QStringList& args);

struct Command {
    Command(const char* name, const char* usage, CommandMain run);
    const char* name;
    const char* usage;
    CommandMain run;
    Command* next;
};

// Writes one line to standard error (UTF-8).
void PrintError(const QString& line);
// Writes text to standard output as UTF-8, unchanged.
void PrintOut(const QString& text);
