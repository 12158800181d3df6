#pragma once
// For a long action on the window's thread (a password check, a backup): a
// wait cursor, a window that takes no input, and whatever was set before
// (a status text) painted first.
#include <QApplication>
#include <QWidget>

class BusyWindow {
public:
    explicit BusyWindow(QWidget* window) : m_window(window)
    {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        m_window->setEnabled(false);
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
    ~BusyWindow()
    {
        m_window->setEnabled(true);
        QApplication::restoreOverrideCursor();
    }
    BusyWindow(const BusyWindow&) = delete;
    BusyWindow& operator=(const BusyWindow&) = delete;

private:
    QWidget* m_window;
};
