#pragma once

#include <QImage>
#include <QString>

class QIODevice;

namespace platform {

// A progressive JPEG at 1/8 of its size, read from its DC scans alone: the
// mean colour of each 8 x 8 block is all a picture shown that small needs,
// and those scans come first and apart from the rest. Only the blocks' DC
// values are kept (two bytes a block and component), where libjpeg would
// keep every coefficient of the picture until its last scan.
struct JpegEighth
{
    enum class Outcome {
        Decoded,    // image holds the picture at 1/8 of its size, rounded up
        NotHandled, // not a progressive YCbCr or grey JPEG: another decoder's job
        Damaged,    // the file is damaged or cut short: see detail
    };
    Outcome outcome = Outcome::NotHandled;
    QImage image;
    QString detail;
};

// Reads the JPEG from the device's current position.
JpegEighth decodeProgressiveJpegEighth(QIODevice *device);

} // namespace platform
