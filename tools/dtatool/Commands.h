#pragma once
// The dtatool commands, apart from main so that tests can run them with any
// engine and read what they print.
#include "engine/Engine.h"

#include <QStringList>
#include <QTextStream>

namespace tarnwick::dtatool {

enum ExitCode { Success = 0, Failed = 1, Usage = 2 };

// args without the program name; returns the exit code.
int runDtaTool(const QStringList &args, QTextStream &out, QTextStream &err, Engine &engine);

QString usageText();

}  // namespace tarnwick::dtatool
