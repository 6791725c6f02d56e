#pragma once

#include <QString>

// Every file of the program lies at a fixed place below the program folder, the executable's folder.
namespace paths {

// The program folder, with a trailing '/'.
QString programFolder();
// For tests and tools that lay out a program folder elsewhere.
void setProgramFolder(const QString &folder);
// The program folder followed by a relative path; "data/" and "Data/" both name the one "Data/" folder.
QString inProgramFolder(const QString &relative);

} // namespace paths
