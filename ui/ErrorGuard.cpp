#include "ui/ErrorGuard.h"

#include "platform/Error.h"
#include "ui/Seam.h"

#include <QApplication>
#include <QMessageBox>
#include <exception>

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

void runGuarded(const std::function<void()>& handler) noexcept
{
    // Showing the box may itself fail (out of memory); nothing may escape into the event loop then either.
    try {
        try {
            handler();
        } catch (const platform::Error& error) {
            presentError(error.message());
        } catch (const std::exception& error) {
            presentError(QString::fromLocal8Bit(error.what()));
        } catch (...) {
            presentError(QStringLiteral("Unknown exception"));
        }
    } catch (...) {
    }
}

} // namespace ui
