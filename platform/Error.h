#pragma once

#include <QString>

#include <stdexcept>

namespace platform {

/// A failed operation. Carries the message text that the error box shows to the user.
class Error final : public std::runtime_error {
public:
    explicit Error(const QString& message);

    QString message() const { return m_message; }

private:
    QString m_message;
};

} // namespace platform
