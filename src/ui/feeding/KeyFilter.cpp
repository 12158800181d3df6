#include "KeyFilter.h"

#include <QKeyEvent>
#include <QWidget>

KeyFilter::KeyFilter(KeyKind kind, QObject* parent)
    : QObject(parent)
    , m_kind(kind)
    , m_accepted(acceptedCharacters(kind))
{
}

QString KeyFilter::acceptedCharacters(KeyKind kind)
{
    const QString digits = QStringLiteral("0123456789");
    switch (kind) {
    case KeyKind::Numeric:
        return digits + '.';
    case KeyKind::Signed:
        return digits + QStringLiteral(".-");
    case KeyKind::SuitOrder:
        return digits + '*';
    case KeyKind::DigitList:
        return digits + ',';
    case KeyKind::Digits:
        return digits;
    }
    return digits;
}

bool KeyFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    if (m_kind == KeyKind::DigitList && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter))
        return true;
    const QString text = key->text();
    if (text.isEmpty() || !text.at(0).isPrint())
        return false;
    for (const QChar c : text) {
        if (!m_accepted.contains(c))
            return true;
    }
    return false;
}

void filterKeys(QWidget* box, KeyKind kind)
{
    box->installEventFilter(new KeyFilter(kind, box));
}
