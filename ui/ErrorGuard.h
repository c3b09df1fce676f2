#pragma once

#include <QObject>
#include <QString>
#include <exception>
#include <functional>

// Every handler of every window runs through runGuarded: a failing operation stops where it failed,
// its text is shown in the program's error box, and the program goes on. No exception may cross the
// Qt event loop.
namespace ui {

/// Shows an error text to the user. The default presenter is the modal error box.
using ErrorPresenter = std::function<void(const QString& text)>;

/// The modal error box: critical icon, OK, titled with the application's name.
void showErrorBox(const QString& text);

/// Replaces the presenter (tests capture the texts this way); returns the one that was set.
ErrorPresenter setErrorPresenter(ErrorPresenter presenter);

/// Hands `text` to the current presenter.
void presentError(const QString& text);

/// The text the error box shows for a caught exception (not null): a platform::Error's message, a
/// standard exception's what(), or "Unknown exception" for anything else.
QString errorText(const std::exception_ptr& error);

/// Runs `handler`; a platform::Error, a std::exception or anything else thrown is shown and swallowed.
void runGuarded(const std::function<void()>& handler) noexcept;

/// Connects `signal` of `sender` to the argument-less member `handler` of `receiver`, run through
/// runGuarded. The signal's arguments are dropped: handlers read the state of their controls.
template <typename Sender, typename Signal, typename Receiver>
QMetaObject::Connection connectGuarded(Sender* sender, Signal signal, Receiver* receiver,
                                       void (Receiver::*handler)())
{
    return QObject::connect(sender, signal, receiver,
                            [receiver, handler] { runGuarded([receiver, handler] { (receiver->*handler)(); }); });
}

} // namespace ui
