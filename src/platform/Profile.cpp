#include "platform/Profile.h"

#include "platform/Text.h"

#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QSaveFile>
#include <QTemporaryDir>

#include <minIni.h>

#include <memory>

namespace platform {

namespace {

// The lines of a file without their CR LF or LF; a last line without a line
// break counts as a line.
QList<QByteArray> splitLines(const QByteArray &bytes)
{
    QList<QByteArray> lines = bytes.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (QByteArray &line : lines) {
        if (line.endsWith('\r'))
            line.chop(1);
    }
    return lines;
}

QByteArray skipLeading(const QByteArray &line)
{
    qsizetype i = 0;
    while (i < line.size() && line[i] > 0 && line[i] <= ' ')
        ++i;
    return line.mid(i);
}

bool sameName(const QByteArray &a, const QByteArray &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// "[section]" as minIni recognises it: the text up to the first "]".
bool isSectionLine(const QByteArray &line, const QByteArray &section)
{
    const QByteArray sp = skipLeading(line);
    if (!sp.startsWith('['))
        return false;
    const qsizetype close = sp.indexOf(']');
    return close > 0 && sameName(sp.mid(1, close - 1), section);
}

// "key = value" or "key: value" as minIni recognises it.
bool isKeyLine(const QByteArray &line, const QByteArray &key)
{
    const QByteArray sp = skipLeading(line);
    qsizetype sep = sp.indexOf('=');
    if (sep < 0)
        sep = sp.indexOf(':');
    if (sep < 0)
        return false;
    return sameName(sp.left(sep).trimmed(), key);
}

// The index of the line that minIni replaces when it sets key in section:
// the key's line in the first section of that name; -1 when there is none.
qsizetype replacedLine(const QList<QByteArray> &lines, const QByteArray &section,
                       const QByteArray &key)
{
    qsizetype i = 0;
    while (i < lines.size() && !isSectionLine(lines[i], section))
        ++i;
    for (++i; i < lines.size(); ++i) {
        if (skipLeading(lines[i]).startsWith('['))
            return -1;
        if (isKeyLine(lines[i], key))
            return i;
    }
    return -1;
}

} // namespace

QString GetProfileString(const QString &section, const QString &key, const QString &defaultValue,
                         const QString &file)
{
    if (file.isEmpty())
        return defaultValue;
    constexpr int size = 255;
    char buffer[size] = {};
    const QByteArray path = QFile::encodeName(file);
    const QByteArray s = section.toUtf8();
    const QByteArray k = key.toUtf8();
    const QByteArray d = defaultValue.toUtf8();
    const int n = ini_gets(s.constData(), k.constData(), d.constData(), buffer, size,
                           path.constData());
    return decodeText(QByteArray(buffer, qMax(0, n)));
}

bool ProfileRewriteKeepsFile(const QByteArray &before, const QByteArray &after,
                             const QString &section, const QString &key)
{
    QList<QByteArray> kept = splitLines(before);
    const qsizetype old = replacedLine(kept, section.toUtf8(), key.toUtf8());
    if (old >= 0)
        kept.removeAt(old);
    const QList<QByteArray> now = splitLines(after);
    qsizetype j = 0;
    for (const QByteArray &line : std::as_const(kept)) {
        while (j < now.size() && now[j] != line)
            ++j;
        if (j == now.size())
            return false;
        ++j;
    }
    return true;
}

bool WriteProfileString(const QString &section, const QString &key, const QString &value,
                        const QString &file)
{
    if (file.isEmpty())
        return false;
    const QByteArray s = section.toUtf8();
    const QByteArray k = key.toUtf8();
    const QByteArray v = value.toUtf8();
    for (const QByteArray *text : {&s, &k, &v}) {
        if (text->contains('\n') || text->contains('\r'))
            return false;
    }

    const QFileInfo target(file);
    if (target.isDir())
        return false;
    const bool existed = target.exists();
    QByteArray before;
    if (existed) {
        QFile in(file);
        if (!in.open(QIODevice::ReadOnly))
            return false;
        before = in.readAll();
        if (in.error() != QFileDevice::NoError)
            return false;
    }

    // minIni rewrites a copy in a scratch folder. It does not check its own
    // writes, so the copy is checked before it replaces the real file.
    auto scratch = std::make_unique<QTemporaryDir>();
    if (!scratch->isValid()) {
        // No usable temporary folder: work beside the file instead.
        scratch = std::make_unique<QTemporaryDir>(target.absolutePath()
                                                  + QLatin1String("/.profile-XXXXXX"));
    }
    if (!scratch->isValid())
        return false;
    const QString work = scratch->filePath(QStringLiteral("profile.ini"));
    if (existed) {
        QFile copy(work);
        if (!copy.open(QIODevice::WriteOnly) || copy.write(before) != before.size())
            return false;
        copy.close();
        if (copy.error() != QFileDevice::NoError)
            return false;
    }
    const QByteArray workPath = QFile::encodeName(work);
    if (ini_puts(s.constData(), k.constData(), v.constData(), workPath.constData()) == 0)
        return false;

    QFile result(work);
    if (!result.open(QIODevice::ReadOnly))
        return false;
    const QByteArray after = result.readAll();
    result.close();
    if (!ProfileRewriteKeepsFile(before, after, section, key))
        return false;
    // The key must read back exactly as it was written (minIni quotes values
    // holding ';', '#' or '"' and must undo that when reading).
    char buffer[INI_BUFFERSIZE] = {};
    const int n = ini_gets(s.constData(), k.constData(), "", buffer, INI_BUFFERSIZE,
                           workPath.constData());
    if (QByteArray(buffer, qMax(0, n)) != v)
        return false;

    if (existed && after == before)
        return true;
    // One rename puts the new file in place: a reader sees the old file or
    // the new one, never a part of either.
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    if (out.write(after) != after.size()) {
        out.cancelWriting();
        return false;
    }
    return out.commit();
}

} // namespace platform
