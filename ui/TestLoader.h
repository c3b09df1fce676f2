#pragma once

#include "records/RecordStore.h"

#include <QString>
#include <QStringList>
#include <exception>

class TForm1;
struct DecodedTest;

/// Loads chosen test files into the record store and onto the main window, one after another.
class TestLoader final {
public:
    explicit TestLoader(TForm1& form) : m_form(form) {}

    /// The order files are loaded in: the second to the last as chosen, then the first, so that the test
    /// on screen afterwards is the first one chosen.
    static QStringList loadingOrder(const QStringList& chosen);

    /// Loads the files in loading order; the current directory is the program's folder again afterwards.
    /// A file is taken only when it decodes: its bytes, laid over what its test's slot held, replace the
    /// slot; it is shown and listed in the test selector. A file that cannot be read, does not fit the
    /// store or cannot be decoded is skipped and changes nothing; the others still load, and the test
    /// taken last stays on screen. At the end one platform::Error names every file not taken with its
    /// reason, followed by the chart's error if the test left on screen could not be drawn whole.
    void load(const QStringList& chosen);

private:
    /// Reads and decodes a file without changing anything; throws when it cannot be taken.
    quint16 prepare(const QString& path, DecodedTest& decoded);
    /// Takes a prepared file: its slot, the screen, the chart and the selector. Returns the chart's error.
    std::exception_ptr take(const QString& path, quint16 testNumber, const DecodedTest& decoded);
    void listInSelector(quint16 testNumber);

    TForm1& m_form;
    records::ReadBuffer m_buffer{};
    records::Slot m_candidate{};
};
