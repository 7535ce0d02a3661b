#pragma once

#include <QString>
#include <stdexcept>

// The one error type of the program: carries the message shown to the user.
class QlError : public std::runtime_error
{
public:
    explicit QlError(const QString &message)
        : std::runtime_error(message.toStdString()), m_message(message)
    {
    }

    const QString &message() const { return m_message; }

private:
    QString m_message;
};
