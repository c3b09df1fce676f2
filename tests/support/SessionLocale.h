#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <clocale>
#include <string>

// The locale of the session a test program runs in, and the C library's locale switched for a scope.
// The suite runs once under LANG=C.UTF-8 and once under the users' ru_RU.UTF-8; tests of what the user
// sees take the expected decimal separator from the session, as the user's desktop would.
namespace testsupport {

/// The decimal separator of this run's session, as the C library reads it from the environment
/// (LC_ALL, LC_NUMERIC, LANG): "," under ru_RU.UTF-8, "." under C.UTF-8. Qt plays no part in it.
inline QString sessionDecimalPoint()
{
    const std::string current = std::setlocale(LC_NUMERIC, nullptr);
    std::setlocale(LC_NUMERIC, "");
    const QString point = QString::fromLocal8Bit(std::localeconv()->decimal_point);
    std::setlocale(LC_NUMERIC, current.c_str());
    return point;
}

/// `text`, a number written with a full stop, as the general format shows it to this session's user.
inline QString inSessionDecimals(QString text)
{
    return text.replace(u'.', sessionDecimalPoint());
}

/// Switches the C library's locale of the whole process to `name` for the scope, as Qt does with the
/// session's locale at start-up. `isSet()` is false when the system lacks the locale (scripts/setup.sh
/// generates ru_RU.UTF-8).
class CLibraryLocale final {
public:
    explicit CLibraryLocale(const char* name)
        : m_previous(std::setlocale(LC_ALL, nullptr)), m_set(std::setlocale(LC_ALL, name) != nullptr)
    {
    }
    ~CLibraryLocale() { std::setlocale(LC_ALL, m_previous.c_str()); }
    CLibraryLocale(const CLibraryLocale&) = delete;
    CLibraryLocale& operator=(const CLibraryLocale&) = delete;

    bool isSet() const { return m_set; }

private:
    std::string m_previous;
    bool m_set;
};

/// The C library locales that no number text may depend on: the plain one and the users' own, whose
/// printf writes a decimal comma.
inline constexpr const char* CLibraryLocales[] = {"C.UTF-8", "ru_RU.UTF-8"};

/// The environment of a program started in a user's session in `locale`.
inline QProcessEnvironment sessionEnvironment(const QString& locale)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LANG"), locale);
    environment.insert(QStringLiteral("LC_ALL"), locale);
    return environment;
}

} // namespace testsupport
