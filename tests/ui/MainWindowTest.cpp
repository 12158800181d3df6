#include "ShellFixture.h"

#include "ui/shell/NavigationBar.h"
#include "ui/shell/Tfrm_main.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QStatusBar>
#include <QPushButton>

namespace {

void processDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}
} // namespace

class MainWindowTest : public ShellTest {
protected:
    // A main window for a user holding the given functions.
    std::unique_ptr<Tfrm_main> mainWindowFor(const QList<int>& functions, const QString& logname = "admin")
    {
        const int id = addUser(logname, "pw", functions);
        loginAs(logname, id);
        auto dialogs = std::make_unique<ScriptedFileDialogs>();
        files = dialogs.get();
        auto w = std::make_unique<Tfrm_main>(*ctx, std::move(dialogs));
        w->setRelaunch([this] {
            ++relaunches;
            return true;
        });
        return w;
    }
    QPushButton* navButton(Tfrm_main& w, const QString& caption)
    {
        QPushButton* b = w.navigationBar()->button(caption);
        EXPECT_NE(b, nullptr) << caption.toStdString();
        return b;
    }
    int colourRows() { return dm->scalar("SELECT COUNT(*) FROM colorTab").toInt(); }

    ScriptedFileDialogs* files = nullptr;
    int relaunches = 0;
};

TEST_P(MainWindowTest, CaptionNavigationOrderAndStatusBar)
{
    auto w = mainWindowFor({1, 2, 3, 4, 5, 6}, "zhangsan");
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Talvik智能护栏系统"));
    EXPECT_EQ(w->navigationBar()->width(), 225);

    QStringList captions;
    for (auto* b : w->navigationBar()->findChildren<QPushButton*>())
        captions << b->text();
    // findChildren returns creation order, which is the bar's order.
    EXPECT_EQ(captions, QStringList({"工程下料管理", "工程管理", "辅助下料", "工程图文档管理", "图文档管理",
                                     "基础数据维护", "主材管理", "配件管理", "颜色管理", "工艺管理", "系统管理维护",
                                     "用户及权限设置", "数据备份", "数据恢复", "注销", "退出"}));

    const auto panels = w->statusBar()->findChildren<QLabel*>();
    ASSERT_EQ(panels.size(), 2);
    EXPECT_EQ(panels[0]->width() == 300 || panels[0]->minimumWidth() == 300, true);
    EXPECT_EQ(panels[1]->minimumWidth(), 50);

    w->show();
    QApplication::setActiveWindow(w.get());
    QApplication::processEvents();
    EXPECT_EQ(w->statusText(), QStringLiteral("当前用户：zhangsan"));
}

TEST_P(MainWindowTest, FunctionPermissionsHideTheirGroups)
{
    struct Case {
        QList<int> functions;
        bool feeding, documents, baseData, system;
    };
    const Case cases[] = {
        {{}, false, false, false, false},
        {{1, 2, 3, 4, 5, 6}, true, true, true, true},
        {{1, 5}, true, false, true, false},
        {{3, 6}, false, true, false, true},
        {{2, 4}, false, false, false, false},
    };
    int n = 0;
    for (const Case& c : cases) {
        auto w = mainWindowFor(c.functions, QStringLiteral("user%1").arg(++n));
        w->show();
        NavigationBar* nav = w->navigationBar();
        auto shown = [&](const char* caption) { return nav->button(QString::fromUtf8(caption))->isVisible(); };
        SCOPED_TRACE(n);
        EXPECT_TRUE(shown("工程管理")) << "every user reaches the projects";
        EXPECT_EQ(shown("辅助下料"), c.feeding);
        EXPECT_EQ(shown("工程图文档管理"), c.documents);
        EXPECT_EQ(shown("图文档管理"), c.documents);
        EXPECT_EQ(shown("基础数据维护"), c.baseData);
        EXPECT_EQ(shown("颜色管理"), c.baseData);
        EXPECT_EQ(shown("系统管理维护"), c.system);
        EXPECT_EQ(shown("数据恢复"), c.system);
        EXPECT_TRUE(shown("注销"));
        EXPECT_TRUE(shown("退出"));
        EXPECT_EQ(w->hasQuote(), c.functions.contains(2));
        EXPECT_EQ(w->hasBillData(), c.functions.contains(4));
    }
}

TEST_P(MainWindowTest, ChildWindowsExistOnceAndCloseForGood)
{
    auto w = mainWindowFor({1, 2, 3, 4, 5, 6});
    w->show();
    navButton(*w, "辅助下料")->click();
    QPointer<QWidget> feeding = w->findChildWindow("frm_Feeding1");
    ASSERT_TRUE(feeding);
    EXPECT_TRUE(w->clientPanel()->isAncestorOf(feeding));

    navButton(*w, "主材管理")->click();
    EXPECT_EQ(w->clientPanel()->activeSubWindow()->widget()->objectName(), "frm_mainmaterial1");

    // The second click brings the open window to the front.
    navButton(*w, "辅助下料")->click();
    EXPECT_EQ(w->childWindows().size(), 2);
    EXPECT_EQ(w->findChildWindow("frm_Feeding1"), feeding.data());
    EXPECT_EQ(w->clientPanel()->activeSubWindow()->widget(), feeding.data());

    // Closing destroys it, whether the panel or the window itself closes it.
    w->clientPanel()->activeSubWindow()->close();
    processDeletes();
    EXPECT_TRUE(feeding.isNull());
    EXPECT_EQ(w->findChildWindow("frm_Feeding1"), nullptr);
    EXPECT_EQ(w->childWindows().size(), 1);

    QPointer<QWidget> material = w->findChildWindow("frm_mainmaterial1");
    material->close();
    processDeletes();
    EXPECT_TRUE(material.isNull());
    EXPECT_TRUE(w->clientPanel()->subWindowList().isEmpty());

    // The next click makes a fresh one.
    navButton(*w, "辅助下料")->click();
    QWidget* fresh = w->findChildWindow("frm_Feeding1");
    ASSERT_NE(fresh, nullptr);
    EXPECT_EQ(w->childWindows().size(), 1);
    EXPECT_EQ(w->openChildWindow("no such window"), nullptr);
}

TEST_P(MainWindowTest, LogoutAnsweredNoChangesNothingYesRelaunches)
{
    auto w = mainWindowFor({1});
    w->show();
    prompt.answers = {false};
    navButton(*w, "注销")->click();
    EXPECT_EQ(prompt.texts(), QStringList{QStringLiteral("确认注销吗？")});
    EXPECT_EQ(relaunches, 0);
    EXPECT_TRUE(w->isVisible());

    prompt.answers = {true};
    navButton(*w, "注销")->click();
    EXPECT_EQ(relaunches, 1);
    EXPECT_FALSE(w->isVisible());
}

TEST_P(MainWindowTest, ExitClosesTheMainWindowWithItsChildren)
{
    auto w = mainWindowFor({5});
    w->show();
    navButton(*w, "颜色管理")->click();
    QPointer<QWidget> colours = w->findChildWindow("frm_color1");
    navButton(*w, "退出")->click();
    EXPECT_FALSE(w->isVisible());
    w.reset();
    EXPECT_TRUE(colours.isNull());
}

TEST_P(MainWindowTest, RestoreQuestionsAnsweredNoChangeNothing)
{
    auto w = mainWindowFor({6});
    const QString backup = tempDir.filePath("before.Bak");
    files->savePaths = {backup};
    navButton(*w, "数据备份")->click();
    ASSERT_TRUE(QFile::exists(backup)) << prompt.texts().join('|').toStdString();
    dm->run("INSERT INTO colorTab (ColorValue) VALUES (?)", {QStringLiteral("后加的颜色")});
    const int rows = colourRows();

    struct Case {
        std::deque<bool> answers;
        QStringList openPaths;
        QStringList questions;
    };
    const QString q1 = QStringLiteral("是否确定还原,请谨慎操作！");
    const QString q2 = QStringLiteral("是否确定还原,还原后当前的数据将覆盖,请谨慎操作！");
    const Case cases[] = {
        {{false}, {backup}, {q1}},                 // No to the first question: no file asked
        {{true}, {}, {q1}},                        // file dialog cancelled
        {{true, false}, {backup}, {q1, q2}},       // No to the second question
    };
    for (const Case& c : cases) {
        prompt.clear();
        prompt.answers = c.answers;
        files->openPaths = c.openPaths;
        const int asked = files->asked;
        navButton(*w, "数据恢复")->click();
        EXPECT_EQ(prompt.texts(), c.questions);
        EXPECT_EQ(files->asked - asked, c.answers.front() ? 1 : 0);
        EXPECT_EQ(colourRows(), rows);
        EXPECT_TRUE(w->statusText().isEmpty() || w->statusText().startsWith(QStringLiteral("当前用户")));
    }
}

TEST_P(MainWindowTest, BackupThenRestoreThroughTheNavigation)
{
    auto w = mainWindowFor({5, 6});
    w->show();
    const int rows = colourRows();
    // A quote in the path is an ordinary character of the file name.
    const QString backup = tempDir.filePath("it's backup.Bak");
    files->savePaths = {backup};
    navButton(*w, "数据备份")->click();
    EXPECT_EQ(files->saveFilter, QStringLiteral("Bak文件(*.Bak)"));
    EXPECT_EQ(files->saveSuffix, "Bak");
    EXPECT_EQ(prompt.texts(), QStringList{QStringLiteral("数据库已经备份到") + backup + "!"});
    EXPECT_TRUE(w->statusText().isEmpty());

    dm->run("INSERT INTO colorTab (ColorValue) VALUES (?)", {QStringLiteral("还原后应消失")});
    ASSERT_EQ(colourRows(), rows + 1);
    navButton(*w, "颜色管理")->click();

    prompt.clear();
    prompt.answers = {true, true};
    files->openPaths = {backup};
    navButton(*w, "数据恢复")->click();
    EXPECT_EQ(prompt.last(), QStringLiteral("数据库恢复成功!"));
    EXPECT_TRUE(w->statusText().isEmpty());
    EXPECT_EQ(colourRows(), rows);
    processDeletes();
    EXPECT_TRUE(w->childWindows().isEmpty()) << "windows of the replaced data are closed";
}

TEST_P(MainWindowTest, BackupAndRestoreFailuresKeepTheirStatusText)
{
    auto w = mainWindowFor({6});
    files->savePaths = {tempDir.filePath("no such folder/x.Bak")};
    navButton(*w, "数据备份")->click();
    ASSERT_EQ(prompt.log.size(), 1u);
    EXPECT_TRUE(prompt.last().startsWith(QStringLiteral("文件写入错误！"))) << prompt.last().toStdString();
    EXPECT_EQ(prompt.log.back().kind, ScriptedPrompt::Entry::Error);
    EXPECT_EQ(w->statusText(), QStringLiteral("正在备份数据库..."));

    const QString foreign = tempDir.filePath("foreign.Bak");
    {
        QFile f(foreign);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("this is not a database backup");
    }
    dm->run("INSERT INTO colorTab (ColorValue) VALUES (?)", {QStringLiteral("留下")});
    const int rows = colourRows();
    prompt.clear();
    prompt.answers = {true, true};
    files->openPaths = {foreign};
    navButton(*w, "数据恢复")->click();
    EXPECT_TRUE(prompt.last().startsWith(QStringLiteral("数据库联接错误"))) << prompt.last().toStdString();
    EXPECT_EQ(prompt.log.back().kind, ScriptedPrompt::Entry::Error);
    EXPECT_EQ(w->statusText(), QStringLiteral("正在恢复数据库..."));
    EXPECT_EQ(colourRows(), rows) << "a refused restore leaves the data as it was";
}

INSTANTIATE_DB_TEST(MainWindowTest);
