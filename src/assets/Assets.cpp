#include "assets/Assets.h"

#include "platform/RuntimeError.h"

#include <QFile>
#include <QHash>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPixmap>

namespace resources {

namespace {

const QHash<int, QString> &stringTable()
{
    static const QHash<int, QString> table = [] {
        QHash<int, QString> t;
        QFile f(QStringLiteral(":/res/strings/strings.json"));
        if (!f.open(QIODevice::ReadOnly))
            return t;
        const QJsonObject obj = QJsonDocument::fromJson(f.readAll()).object();
        for (auto it = obj.begin(); it != obj.end(); ++it)
            t.insert(it.key().toInt(), it.value().toString());
        return t;
    }();
    return table;
}

QString dataPath(int id, const QString &type)
{
    const QString t = type.toUpper();
    if (t == QLatin1String("SOUND"))
        return QStringLiteral(":/res/sounds/%1.wav").arg(id);
    if (t == QLatin1String("CUSTOM"))
        return QStringLiteral(":/res/custom/%1.jpg").arg(id);
    return {};
}

} // namespace

QString LoadResString(int id)
{
    return stringTable().value(id);
}

bool HasResString(int id)
{
    return stringTable().contains(id);
}

QByteArray LoadResData(int id, const QString &type)
{
    QFile f(dataPath(id, type));
    if (f.fileName().isEmpty() || !f.open(QIODevice::ReadOnly))
        throw platform::RuntimeError(326, QStringLiteral("Resource with identifier '%1' not found").arg(id));
    return f.readAll();
}

QImage LoadResIcon(int id)
{
    return QImage(QStringLiteral(":/res/icons/%1.png").arg(id));
}

QIcon ProgramIcon()
{
    QIcon icon;
    for (const char *file : {":/res/icons/1.png", ":/res/icons/1-256.png"}) {
        const QPixmap pix(QString::fromLatin1(file));
        if (!pix.isNull())
            icon.addPixmap(pix);
    }
    return icon;
}

QImage LoadResBitmap(int id)
{
    return QImage(QStringLiteral(":/res/bitmaps/%1.bmp").arg(id));
}

QImage LoadDesignPicture(const QString &name)
{
    return QImage(QStringLiteral(":/res/pictures/%1.png").arg(name));
}

QPoint CursorHotSpot(int id)
{
    switch (id) {
    case 100:
        return {16, 15}; // open hand, the palm
    case 101:
        return {15, 17}; // closed hand, the fist
    case 102:
        return {6, 0}; // pointing hand, the fingertip
    default:
        return {0, 0};
    }
}

namespace {

QCursor MakeCursor(int id)
{
    const QPixmap pix(QStringLiteral(":/res/cursors/%1.png").arg(id));
    if (!pix.isNull()) {
        const QPoint hot = CursorHotSpot(id);
        return QCursor(pix, hot.x(), hot.y());
    }
    // Without the picture the system's own hands say the same thing.
    switch (id) {
    case 100:
        return QCursor(Qt::OpenHandCursor);
    case 101:
        return QCursor(Qt::ClosedHandCursor);
    case 102:
        return QCursor(Qt::PointingHandCursor);
    default:
        return QCursor(Qt::ArrowCursor);
    }
}

} // namespace

QCursor LoadResCursor(int id)
{
    // Every pick-up and drop changes a piece's cursor: each picture is
    // decoded once.
    static QHash<int, QCursor> cursors;
    auto it = cursors.constFind(id);
    if (it == cursors.constEnd())
        it = cursors.insert(id, MakeCursor(id));
    return *it;
}

} // namespace resources
