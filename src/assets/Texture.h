#pragma once

#include <QImage>
#include <QString>
#include <QVariant>

// Turns a picture carried as raw resource data (the background texture, type
// "CUSTOM") into a picture. The bytes are decoded straight from memory: no
// temporary file is written.
class cLoadResPicture
{
public:
    // Raises platform::RuntimeError, with the source "<program>.cLoadResPicture",
    // when the resource is missing or does not decode.
    QImage LoadResPicture(const QVariant &id, const QVariant &type);
};
