#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace ui {

/// Asks where to save a PDF file, offering `suggestedName`; an empty text when the user cancels.
using PdfFileChooser = std::function<QString(QWidget* parent, const QString& suggestedName)>;

/// Replaces the chooser (tests do); returns the one that was set. An empty function puts back the dialog.
PdfFileChooser setPdfFileChooser(PdfFileChooser chooser);

/// Runs the current chooser. The dialog opens in the folder a PDF was saved in last (the current
/// folder at first), asks before it replaces a file, and adds ".pdf" to a name typed without it.
QString choosePdfFile(QWidget* parent, const QString& suggestedName);

} // namespace ui
