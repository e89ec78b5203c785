#pragma once

#include <QString>

#include <stdexcept>

namespace platform {

// A run-time error as the game reports it: a number, a description and the
// place it came from. Handlers that show "description, line break, number"
// read these fields.
class RuntimeError : public std::runtime_error
{
public:
    RuntimeError(int number, const QString &description, const QString &source = {})
        : std::runtime_error(description.toStdString()), m_number(number),
          m_description(description), m_source(source)
    {
    }

    int number() const { return m_number; }
    QString description() const { return m_description; }
    QString source() const { return m_source; }

private:
    int m_number = 0;
    QString m_description;
    QString m_source;
};

// The error numbers the game can meet.
enum ErrorNumber : int {
    ErrOverflow = 6,
    ErrTypeMismatch = 13,
    ErrFileNotFound = 53,
    ErrInvalidPicture = 481,
};

} // namespace platform
