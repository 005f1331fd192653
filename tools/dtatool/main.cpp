// dtatool: turns the readable data sources into the scrambled .dta files the
// program reads, and back. See tools/README.md.
#include "Commands.h"

#include "engine/VeskorEngine.h"

#include <QCoreApplication>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    tarnwick::VeskorEngine engine;
    const int code = tarnwick::dtatool::runDtaTool(app.arguments().mid(1), out, err, engine);
    engine.finish();
    return code;
}
