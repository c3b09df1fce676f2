#pragma once

// Qt's own texts: the platform dialogs, the message-box buttons, the command-line help.
namespace platform {

/// Installs Qt's Russian translations into the running application whatever the session's language:
/// the program's own texts are Russian, so "Cancel" or "Look in" beside them would be out of place.
/// Returns false when the translations are not installed (Debian package qt6-translations-l10n).
bool installRussianQtTranslations();

} // namespace platform
