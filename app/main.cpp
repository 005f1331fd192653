// Tarnwick International Demo. No command line is read; the exit code is 0
// on every path.
#include "app/Program.h"
#include "app/SingleInstance.h"
#include "app/TForm1.h"
#include "engine/VeskorEngine.h"
#include "widgets/Messages.h"
#include "widgets/Panels.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    using namespace tarnwick;
    QApplication app(argc, argv);

    SingleInstance instance(Messages::kProgramTitle);
    if (!instance.acquire()) {
        Messages::show(nullptr, {Messages::Icon::None, Messages::kProgramTitle, SingleInstance::alreadyRunningText()});
        return 0;
    }

    QApplication::setStyle(QStringLiteral("Windows"));
    QApplication::setFont(ui::baseFont());
    VeskorEngine engine;
    {
        Program program(engine);
        program.mainWindow().show();
        QApplication::exec();
        instance.release();
    }
    return 0;
}
