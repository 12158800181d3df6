#include "Tfrm_main.h"

#include "AppContext.h"
#include "BusyWindow.h"
#include "ChildWindows.h"
#include "FileDialogs.h"
#include "NavigationBar.h"
#include "core/Prompt.h"
#include "data/Backup.h"
#include "data/Users.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProcess>
#include <QStatusBar>
#include <QTabBar>

namespace {

const QString kTitle = QStringLiteral("Talvik智能护栏系统");

QLabel* statusPanel(int width, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setFixedWidth(width);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    return label;
}

// The fixed message, then why (a foreign file, a full disk ...) on its own line.
QString withReason(const QString& message, const BackupOutcome& outcome)
{
    return outcome.reason.isEmpty() ? message : message + QLatin1Char('\n') + outcome.reason;
}

} // namespace

Tfrm_main::Tfrm_main(AppContext& ctx, std::unique_ptr<FileDialogs> dialogs, QWidget* parent)
    : QMainWindow(parent)
    , m_ctx(ctx)
    , m_dialogs(dialogs ? std::move(dialogs) : std::make_unique<QtFileDialogs>())
    , m_relaunch([] { return QProcess::startDetached(QCoreApplication::applicationFilePath(), {}); })
    , m_navigation(new NavigationBar)
    , m_clientPanel(new QMdiArea)
    , m_statusPanel1(statusPanel(300, this))
    , m_statusPanel2(statusPanel(50, this))
{
    setObjectName("frm_main");
    setWindowTitle(kTitle);
    resize(1280, 800);

    auto* central = new QWidget(this);
    auto* layout = new QHBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_navigation->setFixedWidth(225);
    layout->addWidget(m_navigation);
    layout->addWidget(m_clientPanel, 1);
    setCentralWidget(central);

    // Child windows fill the client panel, one tab each.
    m_clientPanel->setViewMode(QMdiArea::TabbedView);
    m_clientPanel->setTabsClosable(true);
    m_clientPanel->setTabsMovable(true);
    m_clientPanel->setDocumentMode(true);
    m_clientPanel->setBackground(QColor(0xf4, 0xf6, 0xf9));

    statusBar()->addWidget(m_statusPanel1);
    statusBar()->addWidget(m_statusPanel2);
    statusBar()->setSizeGripEnabled(false);

    buildNavigation();
    applyFunctionPermissions();
}

Tfrm_main::~Tfrm_main() = default;

void Tfrm_main::buildNavigation()
{
    auto open = [this](const char* instanceName) {
        return [this, instanceName] { openChildWindow(QString::fromLatin1(instanceName)); };
    };
    NavigationBar* nav = m_navigation;
    nav->addGroup(QStringLiteral("工程下料管理"));
    nav->addItem(QStringLiteral("工程管理"), open("frm_Quellar1"));
    nav->addItem(QStringLiteral("辅助下料"), open("frm_Feeding1"));
    nav->addGroup(QStringLiteral("工程图文档管理"));
    nav->addItem(QStringLiteral("图文档管理"), open("frm_mapDocumentManage1"));
    nav->addGroup(QStringLiteral("基础数据维护"));
    nav->addItem(QStringLiteral("主材管理"), open("frm_mainmaterial1"));
    nav->addItem(QStringLiteral("配件管理"), open("frm_Parts1"));
    nav->addItem(QStringLiteral("颜色管理"), open("frm_color1"));
    nav->addItem(QStringLiteral("工艺管理"), open("frm_craftwork1"));
    nav->addGroup(QStringLiteral("系统管理维护"));
    nav->addItem(QStringLiteral("用户及权限设置"), open("frm_user1"));
    nav->addItem(QStringLiteral("数据备份"), [this] { backupData(); });
    nav->addItem(QStringLiteral("数据恢复"), [this] { restoreData(); });
    nav->addCommand(QStringLiteral("注销"), [this] { logout(); });
    nav->addCommand(QStringLiteral("退出"), [this] { close(); });
}

// A user sees only what was granted: the workspace needs function 1, the
// groups of documents, base data and system management functions 3, 5, 6.
void Tfrm_main::applyFunctionPermissions()
{
    m_navigation->setItemVisible(QStringLiteral("辅助下料"), hasAutoFeed());
    m_navigation->setGroupVisible(QStringLiteral("工程图文档管理"), hasMapdocument());
    m_navigation->setGroupVisible(QStringLiteral("基础数据维护"), hasBaseData());
    m_navigation->setGroupVisible(QStringLiteral("系统管理维护"), hasSysManage());
}

bool Tfrm_main::hasFunction(int funID) const
{
    // A function that cannot be read is not granted.
    try {
        return ::hasFunction(m_ctx.dm, m_ctx.session.CurrentUser.userID.toInt(), funID);
    } catch (const DbError&) {
        return false;
    }
}

bool Tfrm_main::hasAutoFeed() const { return hasFunction(kFunFeeding); }
bool Tfrm_main::hasQuote() const { return hasFunction(kFunQuotation); }
bool Tfrm_main::hasMapdocument() const { return hasFunction(kFunDocuments); }
bool Tfrm_main::hasBillData() const { return hasFunction(kFunBillData); }
bool Tfrm_main::hasBaseData() const { return hasFunction(kFunBaseData); }
bool Tfrm_main::hasSysManage() const { return hasFunction(kFunSystem); }

QMdiSubWindow* Tfrm_main::findSubWindow(const QString& instanceName) const
{
    for (QMdiSubWindow* sub : m_clientPanel->subWindowList()) {
        if (sub->widget() && sub->widget()->objectName() == instanceName)
            return sub;
    }
    return nullptr;
}

QWidget* Tfrm_main::findChildWindow(const QString& instanceName) const
{
    QMdiSubWindow* sub = findSubWindow(instanceName);
    return sub ? sub->widget() : nullptr;
}

QList<QWidget*> Tfrm_main::childWindows() const
{
    QList<QWidget*> out;
    for (QMdiSubWindow* sub : m_clientPanel->subWindowList()) {
        if (sub->widget())
            out << sub->widget();
    }
    return out;
}

QWidget* Tfrm_main::openChildWindow(const QString& instanceName)
{
    if (QMdiSubWindow* open = findSubWindow(instanceName)) {
        m_clientPanel->setActiveSubWindow(open);
        return open->widget();
    }
    QWidget* child = createChildWindow(instanceName, m_ctx, nullptr);
    if (!child)
        return nullptr;
    // Closing the window destroys it, whether the tab or the window itself
    // closes it; the next click creates a fresh one.
    child->setAttribute(Qt::WA_DeleteOnClose);
    QMdiSubWindow* sub = m_clientPanel->addSubWindow(child);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    connect(child, &QObject::destroyed, sub, [sub] { sub->close(); });
    sub->showMaximized();
    m_clientPanel->setActiveSubWindow(sub);
    return child;
}

void Tfrm_main::closeChildWindows()
{
    m_clientPanel->closeAllSubWindows();
}

QString Tfrm_main::statusText() const
{
    return m_statusPanel1->text();
}

void Tfrm_main::setStatusText(const QString& text)
{
    m_statusPanel1->setText(text);
}

void Tfrm_main::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        FormActivate();
}

void Tfrm_main::FormActivate()
{
    setStatusText(QStringLiteral("当前用户：") + m_ctx.session.CurrentUser.logname);
}

void Tfrm_main::logout()
{
    if (!m_ctx.prompt.question(QStringLiteral("确认注销吗？")))
        return;
    m_relaunch();   // a failure to start again is ignored: the process still ends
    close();
    QCoreApplication::quit();
}

bool Tfrm_main::runDatabaseCommand(const QString& status, const QString& failure,
                                   const std::function<BackupOutcome()>& command)
{
    setStatusText(status);
    BackupOutcome outcome;
    {
        BusyWindow busy(this);
        outcome = command();
    }
    if (!outcome.ok) {
        // The status text stays, as a hint of what failed.
        m_ctx.prompt.error(withReason(failure, outcome));
        return false;
    }
    return true;
}

void Tfrm_main::backupData()
{
    const QString path = m_dialogs->saveFileName(this, QStringLiteral("Bak文件(*.Bak)"), QStringLiteral("Bak"));
    if (path.isEmpty())
        return;
    if (!runDatabaseCommand(QStringLiteral("正在备份数据库..."), QStringLiteral("文件写入错误！"),
                            [&] { return backupDatabase(m_ctx.dm, path); }))
        return;
    m_ctx.prompt.information(QStringLiteral("数据库已经备份到") + path + QStringLiteral("!"));
    setStatusText(QString());
}

void Tfrm_main::restoreData()
{
    if (!m_ctx.prompt.question(QStringLiteral("是否确定还原,请谨慎操作！")))
        return;
    const QString path = m_dialogs->openFileName(this, QString());
    if (path.isEmpty())
        return;
    if (!m_ctx.prompt.question(QStringLiteral("是否确定还原,还原后当前的数据将覆盖,请谨慎操作！")))
        return;
    // Open windows show data that is about to be replaced: close them first.
    closeChildWindows();
    if (!runDatabaseCommand(QStringLiteral("正在恢复数据库..."), QStringLiteral("数据库联接错误"),
                            [&] { return restoreDatabase(m_ctx.dm, path); }))
        return;
    m_ctx.prompt.information(QStringLiteral("数据库恢复成功!"));
    setStatusText(QString());
}
