#include "platform/Messages.h"

namespace platform::messages {

QString cannotOpenFile(const QString& path, const QString& reason)
{
    return QStringLiteral("Cannot open file \"%1\". %2").arg(path, reason);
}

QString cannotCreateFile(const QString& path, const QString& reason)
{
    return QStringLiteral("Cannot create file \"%1\". %2").arg(path, reason);
}

QString notValidDateTime(const QString& text)
{
    return QStringLiteral("'%1' is not a valid date and time").arg(text);
}

QString notValidInteger(const QString& text)
{
    return QStringLiteral("'%1' is not a valid integer value").arg(text);
}

QString divisionByZero() { return QStringLiteral("Floating point division by zero"); }

QString invalidFloatingPointOperation() { return QStringLiteral("Invalid floating point operation"); }

QString noDefaultPrinter() { return QStringLiteral("There is no default printer currently selected"); }

QString printerOperationNotSupported() { return QStringLiteral("Operation not supported on selected printer"); }

QString printingFailed() { return QStringLiteral("Printing failed"); }

QString cannotPrint(const QString& queue, const QString& reason)
{
    return QStringLiteral("Cannot print on \"%1\". %2").arg(queue, reason);
}

QString jobNotPrinted(const QString& title, const QString& queue, const QString& reason)
{
    return QStringLiteral("The print job \"%1\" on \"%2\" was not printed. %3").arg(title, queue, reason);
}

QString bitmapNotValid() { return QStringLiteral("Bitmap image is not valid"); }

QString failedToLoadStream() { return QStringLiteral("Failed to Load Stream"); }

} // namespace platform::messages
