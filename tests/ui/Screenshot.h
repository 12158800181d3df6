#pragma once
// Renders a window offscreen into docs/screenshots/<name>.png when
// GUARDRAIL_SCREENSHOT_DIR is set (scripts/screenshots does that), otherwise
// into a temporary folder, so the rendering itself is exercised by every run.
#include <QDir>
#include <QGuiApplication>
#include <QPixmap>
#include <QStandardPaths>
#include <QWidget>

inline QString saveScreenshot(QWidget* w, const QString& name, QSize size = QSize(1280, 800))
{
    QString dir = qEnvironmentVariable("GUARDRAIL_SCREENSHOT_DIR");
    if (dir.isEmpty())
        dir = QDir::temp().filePath("guardrail-screenshots");
    QDir().mkpath(dir);
    if (size.isValid() && !w->isWindow())
        w->resize(size);
    else if (size.isValid() && w->size() != size && !(w->windowState() & Qt::WindowMaximized))
        w->resize(size);
    w->show();
    QGuiApplication::processEvents();
    const QString path = QDir(dir).filePath(name + ".png");
    w->grab().save(path);
    return path;
}
