#pragma once

#include "tools/simulator/TestModel.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace simulator {

/// One run of the acquisition program as its command line asks for it.
struct ZoltRequest {
    SimulationOptions options;
    bool numberGiven = false;  ///< otherwise the next free number of the archive
    bool seedGiven = false;    ///< otherwise the test number
    bool dateGiven = false;    ///< otherwise today
    bool timeGiven = false;    ///< otherwise now
    QString outputPath;        ///< empty: "Archive/test_NNNN.cell" under the current folder
    QString archiveFolder = QStringLiteral("Archive");
};

/// The outcome of reading the command line: a request, the help text, the wish for the version, or
/// what is wrong.
struct ZoltArguments {
    std::optional<ZoltRequest> request;
    bool helpWanted = false;
    bool versionWanted = false;
    QString text;  ///< the help text, or the error
};

/// Reads the command line (the program's name first). Without options the request is one new test with
/// the next free number, measured now.
ZoltArguments parseZoltArguments(const QStringList& arguments);

} // namespace simulator
