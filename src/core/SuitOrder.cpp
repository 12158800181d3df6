#include "SuitOrder.h"

bool containsStar(const QString& text)
{
    return text.contains(QLatin1Char('*'));
}

QString suitPrefix(const QString& suitOrderNum)
{
    const int star = suitOrderNum.indexOf(QLatin1Char('*'));
    return star < 0 ? QString() : suitOrderNum.left(star);
}

QString getSuitOrderNumStr(const QString& suitOrderNum)
{
    const int star = suitOrderNum.indexOf(QLatin1Char('*'));
    if (star < 0)
        return {};
    bool ok = false;
    const qlonglong member = suitOrderNum.mid(star + 1).trimmed().toLongLong(&ok);
    if (!ok)
        return {};
    return suitOrderNum.left(star) + QLatin1Char('*') + QString::number(member + 1);
}
