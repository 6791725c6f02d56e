#pragma once

#include <QString>
#include <stdexcept>

// The one failure type of the program's libraries: it carries a message a user can read, and the
// guard that runs every handler shows that message in the standard error box.
class TovakiError : public std::runtime_error
{
public:
    explicit TovakiError(const QString &message) : std::runtime_error(message.toStdString()), m_message(message) {}
    QString message() const { return m_message; }

private:
    QString m_message;
};
