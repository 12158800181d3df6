#pragma once
// The main window: navigation bar on the left, the child windows in the
// client panel, the status bar; logout, exit, database backup and restore.
#include "FileDialogs.h"

#include <QMainWindow>
#include <functional>
#include <memory>

class NavigationBar;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
struct AppContext;
struct BackupOutcome;

class Tfrm_main : public QMainWindow {
    Q_OBJECT
public:
    // `dialogs` picks the backup and restore files (the desktop's dialogs
    // when null).
    explicit Tfrm_main(AppContext& ctx, std::unique_ptr<FileDialogs> dialogs = nullptr, QWidget* parent = nullptr);
    ~Tfrm_main() override;

    // Opens the child window of the instance name ("frm_Feeding1", ...) or
    // brings the open one to the front. Returns it (nullptr for an unknown name).
    QWidget* openChildWindow(const QString& instanceName);
    QWidget* findChildWindow(const QString& instanceName) const;
    QList<QWidget*> childWindows() const;
    void closeChildWindows();

    // Function permissions of the logged-in user (FunID 1 to 6).
    bool hasAutoFeed() const;
    bool hasQuote() const;
    bool hasMapdocument() const;
    bool hasBillData() const;
    bool hasBaseData() const;
    bool hasSysManage() const;

    // Navigation commands.
    void logout();
    void backupData();
    void restoreData();

    // How logout starts the program again (QProcess::startDetached of the
    // program file by default); its failure is ignored.
    void setRelaunch(std::function<bool()> relaunch) { m_relaunch = std::move(relaunch); }

    NavigationBar* navigationBar() const { return m_navigation; }
    QMdiArea* clientPanel() const { return m_clientPanel; }
    QString statusText() const;

protected:
    void changeEvent(QEvent* event) override;

private:
    void buildNavigation();
    void applyFunctionPermissions();
    void FormActivate();
    bool hasFunction(int funID) const;
    QMdiSubWindow* findSubWindow(const QString& instanceName) const;
    void setStatusText(const QString& text);
    // Shows the status text, runs the command busy, reports its failure.
    bool runDatabaseCommand(const QString& status, const QString& failure,
                            const std::function<BackupOutcome()>& command);

    AppContext& m_ctx;
    std::unique_ptr<FileDialogs> m_dialogs;
    std::function<bool()> m_relaunch;
    NavigationBar* m_navigation;
    QMdiArea* m_clientPanel;
    QLabel* m_statusPanel1;
    QLabel* m_statusPanel2;
};
