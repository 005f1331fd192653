#pragma once
// The program reads its .dta files from the working folder. A run folder or a
// folder of the user's own files is used as it is; an installed copy works in
// a per-user folder seeded from the installed data, since the score data
// editor rewrites those files and the installed ones are not the user's.
#include <QString>

namespace tarnwick {

// Decides the working folder from the folder the program was started in, the
// program's own folder and the per-user data folder. When the program is
// installed, the user folder is created and given every installed data file it
// lacks; files already there are kept. Returns the folder to change to, or an
// empty string when the current folder will do or nothing fits.
QString prepareWorkingFolder(const QString &currentDir, const QString &applicationDir, const QString &userDir);

// Applies prepareWorkingFolder() to this process. Call once QCoreApplication
// exists and before anything reads a data file.
void chooseWorkingFolder();

}  // namespace tarnwick
