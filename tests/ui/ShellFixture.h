#pragma once
// A logged-in client on a fresh database of each backend, for the windows of
// the shell.
#include "support/TestDb.h"
#include "ui/shell/AppContext.h"
#include "ui/shell/FileDialogs.h"

#include <QStringList>
#include <memory>
#include <ostream>

inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}

// Answers the file dialogs from lists (an empty list answers "cancel").
class ScriptedFileDialogs : public FileDialogs {
public:
    QString saveFileName(QWidget*, const QString& filter, const QString& defaultSuffix) override
    {
        saveFilter = filter;
        saveSuffix = defaultSuffix;
        ++asked;
        return savePaths.isEmpty() ? QString() : savePaths.takeFirst();
    }
    QString openFileName(QWidget*, const QString&) override
    {
        ++asked;
        return openPaths.isEmpty() ? QString() : openPaths.takeFirst();
    }
    QStringList savePaths;
    QStringList openPaths;
    QString saveFilter;
    QString saveSuffix;
    int asked = 0;
};

class ShellTest : public DbTest {
protected:
    void SetUp() override
    {
        DbTest::SetUp();
        ctx = std::make_unique<AppContext>(
            AppContext{*dm, prompt, session, config, [] { return std::unique_ptr<FileStore>(); }});
    }
    void TearDown() override
    {
        ctx.reset();
        DbTest::TearDown();
    }
    // Stores a user with the given functions; returns its userID.
    int addUser(const QString& logname, const QString& password, const QList<int>& functions = {});
    // Logs the user in as the login window would.
    void loginAs(const QString& logname, int userID);

    Session session;
    std::unique_ptr<AppContext> ctx;
};
