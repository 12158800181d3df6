#include "StoreNames.h"

#include "FileStore.h"

#include <QFile>
#include <QSaveFile>

namespace {

bool isControl(QChar c)
{
    return c.unicode() < 0x20 || c.unicode() == 0x7f;
}

bool hasControl(const QString& text)
{
    for (QChar c : text)
        if (isControl(c))
            return true;
    return false;
}

} // namespace

QString FileStore::safeFileName(const QString& name)
{
    static const QString forbidden = QStringLiteral("/\\:*?\"<>|");
    QString out = name;
    for (QChar& c : out)
        if (isControl(c) || forbidden.contains(c))
            c = u'_';
    return out;
}

namespace StoreNames {

bool checkFileName(const QString& name, QString* error)
{
    if (name.isEmpty() || name == "." || name == "..") {
        *error = QStringLiteral("not a file name: \"%1\"").arg(name);
        return false;
    }
    if (name.contains(u'/') || name.contains(u'\\') || hasControl(name)) {
        *error = QStringLiteral("file name with a path separator or control character: \"%1\"").arg(name);
        return false;
    }
    return true;
}

bool checkFolder(const QString& folder, QString* error)
{
    if (hasControl(folder)) {
        *error = QStringLiteral("folder with a control character: \"%1\"").arg(folder);
        return false;
    }
    return true;
}

bool checkFolderStaysInside(const QString& folder, QString* error)
{
    if (!checkFolder(folder, error))
        return false;
    const QString unified = QString(folder).replace(u'\\', u'/');
    if (unified.split(u'/').contains(QStringLiteral(".."))) {
        *error = QStringLiteral("folder leaves the store: \"%1\"").arg(folder);
        return false;
    }
    return true;
}

bool copyAtomically(const QString& from, const QString& to, QString* error)
{
    QFile in(from);
    if (!in.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read %1: %2").arg(from, in.errorString());
        return false;
    }
    QSaveFile out(to);
    if (!out.open(QIODevice::WriteOnly)) {
        *error = QStringLiteral("cannot write %1: %2").arg(to, out.errorString());
        return false;
    }
    char buffer[64 * 1024];
    for (;;) {
        const qint64 n = in.read(buffer, sizeof buffer);
        if (n < 0) {
            *error = QStringLiteral("cannot read %1: %2").arg(from, in.errorString());
            out.cancelWriting();
            return false;
        }
        if (n == 0)
            break;
        if (out.write(buffer, n) != n) {
            *error = QStringLiteral("cannot write %1: %2").arg(to, out.errorString());
            out.cancelWriting();
            return false;
        }
    }
    if (!out.commit()) {
        *error = QStringLiteral("cannot write %1: %2").arg(to, out.errorString());
        return false;
    }
    return true;
}

} // namespace StoreNames
