#include "platform/PictureDecoding.h"

#include <QThread>

namespace platform {

PictureDecoding::PictureDecoding(const QString &path, QSize size, QObject *parent)
    : QObject(parent), m_path(path)
{
    // The thread writes the picture before it ends, and it is read only
    // after: QThread's finish orders the two.
    m_thread = QThread::create([this, path, size] { m_picture = loadPicture(path, size); });
    connect(m_thread, &QThread::finished, this, &PictureDecoding::done);
    m_thread->start();
}

PictureDecoding::~PictureDecoding()
{
    m_thread->wait();
    delete m_thread;
}

bool PictureDecoding::isDone() const
{
    return m_thread->isFinished();
}

} // namespace platform
