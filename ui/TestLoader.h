#pragma once

#include "records/RecordStore.h"

#include <QString>
#include <QStringList>

class TForm1;

/// Loads chosen test files into the record store and onto the main window, one after another.
class TestLoader final {
public:
    explicit TestLoader(TForm1& form) : m_form(form) {}

    /// The order files are loaded in: the second to the last as chosen, then the first, so that the test
    /// on screen afterwards is the first one chosen.
    static QStringList loadingOrder(const QStringList& chosen);

    /// Loads the files in loading order. A file is taken only when it decodes: its bytes, laid over what
    /// its test's slot held, replace the slot; it is shown, listed in the test selector and the
    /// current directory goes back to the program's folder. The first file that cannot be read, does not
    /// fit the store or cannot be decoded stops the load with its error (platform::Error); it changes
    /// nothing, and the files after it are not loaded. An error of the chart kind comes after the test
    /// was taken and also stops the load.
    void load(const QStringList& chosen);

private:
    void loadFile(const QString& path);
    void listInSelector(quint16 testNumber);

    TForm1& m_form;
    records::ReadBuffer m_buffer{};
    records::Slot m_candidate{};
};
