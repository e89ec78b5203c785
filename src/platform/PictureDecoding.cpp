#include "platform/PictureDecoding.h"

#include <QThread>

namespace platform {

PictureDecoding::PictureDecoding(const QString &path, QSize size, QObject *parent)
    : PictureDecoding(path, [path, size] { return loadPicture(path, size); }, parent)
{
}

PictureDecoding::PictureDecoding(const QString &path, std::function<LoadedPicture()> decode, QObject *parent)
    : QObject(parent), m_path(path)
{
    // The thread writes the picture before it ends, and it is read only
    // after: QThread's finish orders the two.
    m_thread = QThread::create([this, decode = std::move(decode)] { m_picture = decode(); });
    connect(m_thread, &QThread::finished, this, &PictureDecoding::done);
    m_thread->start();
}

PictureDecoding::~PictureDecoding()
{
    m_thread->wait();
    delete m_thread;
}

bool PictureDecoding::waitFor(int milliseconds)
{
    return m_thread->wait(QDeadlineTimer(milliseconds));
}

} // namespace platform
