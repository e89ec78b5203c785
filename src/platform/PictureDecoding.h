#pragma once

#include "platform/Pictures.h"

#include <QObject>
#include <QSize>
#include <QString>

#include <functional>

class QThread;

namespace platform {

// A picture decoded on a thread of its own, from the moment it is made:
// decoding a large photograph takes longer than everything else a window
// does before it needs the picture.
class PictureDecoding : public QObject
{
    Q_OBJECT

public:
    // Starts decoding the file straight to `size` (see loadPicture).
    PictureDecoding(const QString &path, QSize size, QObject *parent = nullptr);
    // Starts `decode` on the thread, the file's own decoder or another.
    PictureDecoding(const QString &path, std::function<LoadedPicture()> decode, QObject *parent = nullptr);
    // Waits for the thread, should it still be decoding.
    ~PictureDecoding() override;

    QString path() const { return m_path; }
    // Waits at most this long for the thread to be done; true when it is
    // (the picture can then be taken at once).
    bool waitFor(int milliseconds);
    // The picture (or what went wrong); only once done.
    const LoadedPicture &picture() const { return m_picture; }

signals:
    // On the object's own thread, once the decoding is done.
    void done();

private:
    QString m_path;
    LoadedPicture m_picture;
    QThread *m_thread = nullptr;
};

} // namespace platform
