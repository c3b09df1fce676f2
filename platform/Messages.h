#pragma once

#include <QString>

// The texts of the operating layer's error messages, in English as the platform words them.
namespace platform::messages {

QString cannotOpenFile(const QString& path, const QString& reason);
QString cannotCreateFile(const QString& path, const QString& reason);
QString notValidDateTime(const QString& text);
QString notValidInteger(const QString& text);
QString divisionByZero();
QString invalidFloatingPointOperation();
QString noDefaultPrinter();
QString printerOperationNotSupported();
QString printingFailed();
QString cannotPrint(const QString& queue, const QString& reason);
QString jobNotPrinted(const QString& title, const QString& queue, const QString& reason);
QString bitmapNotValid();
QString failedToLoadStream();

} // namespace platform::messages
