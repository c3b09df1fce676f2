#include "ui/ErrorGuard.h"

#include "platform/Error.h"
#include "ui/Seam.h"

#include <QApplication>
#include <QMessageBox>

namespace ui {

namespace {

Seam<void(const QString&)>& currentPresenter()
{
    static Seam<void(const QString&)> presenter(showErrorBox);
    return presenter;
}

} // namespace

void showErrorBox(const QString& text)
{
    QMessageBox box(QMessageBox::Critical, QCoreApplication::applicationName(), text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

ErrorPresenter setErrorPresenter(ErrorPresenter presenter)
{
    return currentPresenter().replace(std::move(presenter));
}

void presentError(const QString& text)
{
    currentPresenter()(text);
}

QString errorText(const std::exception_ptr& error)
{
    try {
        std::rethrow_exception(error);
    } catch (const platform::Error& caught) {
        return caught.message();
    } catch (const std::exception& caught) {
        return QString::fromLocal8Bit(caught.what());
    } catch (...) {
        return QStringLiteral("Unknown exception");
    }
}

void runGuarded(const std::function<void()>& handler) noexcept
{
    // Showing the box may itself fail (out of memory); nothing may escape into the event loop then either.
    try {
        try {
            handler();
        } catch (...) {
            presentError(errorText(std::current_exception()));
        }
    } catch (...) {
    }
}

} // namespace ui
