#include "platform/Error.h"

namespace platform {

Error::Error(const QString& message) : std::runtime_error(message.toStdString()), m_message(message) {}

} // namespace platform
