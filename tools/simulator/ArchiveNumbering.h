#pragma once

#include <QString>

namespace simulator {

/// The name the acquisition program gives a test's file in the archive: "test_0007.cell".
QString archiveFileName(int testNumber);

/// The number for the next test in an archive folder: one above the highest test number found there
/// (in the names "test_NNNN.cell", be they files, folders or links, and in the first two bytes of every
/// ".cell" file), or the lowest free number once 999 is taken; 1 for an empty or missing folder, 0 when
/// every number 1..999 is taken. The name of the number returned is free.
int nextTestNumber(const QString& archiveFolder);

} // namespace simulator
