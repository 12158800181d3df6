#include "MessageBoxPrompt.h"

#include <QApplication>
#include <QMessageBox>

namespace {
const QString kInfoTitle = QStringLiteral("提示");
const QString kErrorTitle = QStringLiteral("错误");

// A busy cursor set around a long action must not hide the box's buttons.
class NormalCursor {
public:
    NormalCursor() : m_busy(QApplication::overrideCursor() != nullptr)
    {
        if (m_busy)
            QApplication::setOverrideCursor(Qt::ArrowCursor);
    }
    ~NormalCursor()
    {
        if (m_busy)
            QApplication::restoreOverrideCursor();
    }

private:
    bool m_busy;
};
} // namespace

QWidget* MessageBoxPrompt::parentWindow() const
{
    if (m_parent)
        return m_parent->window();
    return QApplication::activeWindow();
}

void MessageBoxPrompt::information(const QString& text)
{
    NormalCursor cursor;
    QMessageBox::information(parentWindow(), kInfoTitle, text);
}

void MessageBoxPrompt::error(const QString& text)
{
    NormalCursor cursor;
    QMessageBox::critical(parentWindow(), kErrorTitle, text);
}

bool MessageBoxPrompt::question(const QString& text)
{
    NormalCursor cursor;
    return QMessageBox::question(parentWindow(), kInfoTitle, text, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No)
        == QMessageBox::Yes;
}
