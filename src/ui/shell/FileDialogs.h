#pragma once
// File choice of the windows. The running client asks with the desktop's file
// dialogs; tests hand in the path a user would have chosen.
#include <QString>

class QWidget;

class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // The chosen path, empty when the user cancels. `filter` as Qt writes it,
    // for example "Bak文件(*.Bak)"; `defaultSuffix` is appended to a name
    // typed without one.
    virtual QString saveFileName(QWidget* parent, const QString& filter, const QString& defaultSuffix) = 0;
    virtual QString openFileName(QWidget* parent, const QString& filter) = 0;
};

class QtFileDialogs : public FileDialogs {
public:
    QString saveFileName(QWidget* parent, const QString& filter, const QString& defaultSuffix) override;
    QString openFileName(QWidget* parent, const QString& filter) override;
};
