#include "ShellFixture.h"

#include "data/Users.h"
#include "ui/shell/Startup.h"
#include "ui/shell/Tfrm_firstAdmin.h"
#include "ui/shell/Tfrm_login.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTimer>

namespace {
const QString kWrongLogin = QStringLiteral("用户名或密码不正确");

void pressKey(QWidget* w, int key)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(w, &press);
}

// Runs `step` on the modal window of type T once it is up (other work, such
// as a busy window processing events, may come first).
template <class T>
void whenModal(std::function<void(T*)> step, int triesLeft = 200)
{
    QTimer::singleShot(10, [step, triesLeft] {
        if (auto* w = qobject_cast<T*>(QApplication::activeModalWidget()))
            step(w);
        else if (triesLeft > 0)
            whenModal<T>(step, triesLeft - 1);
        else if (QWidget* other = QApplication::activeModalWidget())
            other->close();   // fail the test rather than hang
    });
}
} // namespace

class LoginTest : public ShellTest {};

TEST_P(LoginTest, TypedNameAndPasswordAgainstStoredUsers)
{
    const int admin = addUser("admin", "secret");
    const int quoted = addUser("A'B", "it's 密码");
    struct Case {
        QString name, password;
        int userID;   // 0: refused
    };
    const Case cases[] = {
        {"  admin ", "\tsecret  ", admin},   // blanks around both are ignored
        {"A'B", "it's 密码", quoted},          // quotes are matched literally
        {"admin", "wrong", 0},
        {"admin", "SECRET", 0},
        {"admin", "secret' OR '1'='1", 0},
        {"", "", 0},
        {"nobody", "secret", 0},
    };
    for (const Case& c : cases) {
        session = Session();
        prompt.clear();
        Tfrm_login login(*ctx);
        login.Edit1->setText(c.name);
        login.Edit2->setText(c.password);
        const bool accepted = login.BitBtn1Click();
        SCOPED_TRACE(c.name.toStdString() + " / " + c.password.toStdString());
        EXPECT_EQ(accepted, c.userID != 0);
        EXPECT_EQ(session.LoginAccepted, c.userID != 0);
        if (c.userID) {
            EXPECT_EQ(session.CurrentUser.logname, c.name.trimmed());
            EXPECT_EQ(session.CurrentUser.userID, QString::number(c.userID));
            EXPECT_TRUE(session.CurrentUser.passwd.isEmpty()) << "the password is not kept";
            EXPECT_EQ(login.result(), QDialog::Accepted);
            EXPECT_TRUE(prompt.log.empty());
        } else {
            EXPECT_EQ(prompt.texts(), QStringList{kWrongLogin});
            // The window keeps its texts for another try.
            EXPECT_EQ(login.Edit1->text(), c.name);
            EXPECT_EQ(login.Edit2->text(), c.password);
        }
    }
}

TEST_P(LoginTest, AnyNumberOfTriesThenSuccess)
{
    const int id = addUser("zhang", "pw");
    Tfrm_login login(*ctx);
    login.Edit1->setText("zhang");
    for (const char* wrong : {"a", "b", "c"}) {
        login.Edit2->setText(wrong);
        EXPECT_FALSE(login.BitBtn1Click());
    }
    EXPECT_EQ(prompt.texts(), QStringList({kWrongLogin, kWrongLogin, kWrongLogin}));
    login.Edit2->setText("pw");
    EXPECT_TRUE(login.BitBtn1Click());
    EXPECT_EQ(session.CurrentUser.userID, QString::number(id));
}

// Two users who share a login name are told apart by their passwords: each
// logs in as himself, never as the other.
TEST_P(LoginTest, TwoRowsWithOneLoginNameEachLogInAsTheirOwnRow)
{
    const int first = addUser("dup", "one");
    const int second = addUser("dup", "two");
    const std::pair<const char*, int> cases[] = {{"one", first}, {"two", second}};
    for (const auto& [password, userID] : cases) {
        session = Session();
        Tfrm_login login(*ctx);
        login.Edit1->setText("dup");
        login.Edit2->setText(password);
        EXPECT_TRUE(login.BitBtn1Click()) << password;
        EXPECT_EQ(session.CurrentUser.userID, QString::number(userID)) << password;
    }
}

TEST_P(LoginTest, WindowCaptionKeysAndMaskedPassword)
{
    Tfrm_login login(*ctx);
    login.show();
    QApplication::setActiveWindow(&login);
    EXPECT_EQ(login.windowTitle(), QStringLiteral("Talvik智能护栏系统--用户登录"));
    EXPECT_EQ(login.minimumSize(), login.maximumSize()) << "fixed size";
    EXPECT_FALSE(login.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_EQ(login.Edit2->echoMode(), QLineEdit::Password);
    EXPECT_EQ(login.Edit2->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, nullptr, login.Edit2), '*');
    EXPECT_EQ(login.BitBtn1->text(), QStringLiteral("登录"));
    EXPECT_EQ(login.BitBtn2->text(), QStringLiteral("退出"));

    // Enter in an edit moves to the next control; on a button it presses it.
    login.Edit1->setFocus();
    pressKey(login.Edit1, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), login.Edit2);
    pressKey(login.Edit2, Qt::Key_Enter);
    EXPECT_EQ(QApplication::focusWidget(), login.BitBtn1);
    EXPECT_TRUE(prompt.log.empty()) << "Enter in the password box does not log in by itself";
    pressKey(login.BitBtn1, Qt::Key_Return);
    EXPECT_EQ(prompt.texts(), QStringList{kWrongLogin});
    EXPECT_TRUE(login.isVisible());
    // Esc closes without a login.
    pressKey(login.Edit1, Qt::Key_Escape);
    EXPECT_FALSE(login.isVisible());
    EXPECT_EQ(login.result(), QDialog::Rejected);
    EXPECT_FALSE(session.LoginAccepted);
}

TEST_P(LoginTest, EmptyUserTableAsksForTheAdministratorFirst)
{
    ASSERT_EQ(projectUserCount(*dm), 0);
    QString prefilled;
    bool sawLogin = false;
    whenModal<Tfrm_firstAdmin>([&](Tfrm_firstAdmin* admin) {
        admin->lognameEdit->setText(" boss ");
        admin->passwordEdit->setText("s3cret");
        admin->repeatEdit->setText("s3cret");
        whenModal<Tfrm_login>([&](Tfrm_login* login) {
            sawLogin = true;
            prefilled = login->Edit1->text();
            login->Edit2->setText("s3cret");
            login->BitBtn1->click();
        });
        admin->saveClick();
    });
    EXPECT_TRUE(runLogin(*ctx));
    EXPECT_TRUE(sawLogin);
    EXPECT_EQ(prefilled, "boss");
    EXPECT_EQ(session.CurrentUser.logname, "boss");
    EXPECT_EQ(projectUserCount(*dm), 1);
    for (int fun = 1; fun <= 6; ++fun)
        EXPECT_TRUE(hasFunction(*dm, session.CurrentUser.userID.toInt(), fun)) << fun;
}

TEST_P(LoginTest, AdministratorDialogRefusesIncompleteInput)
{
    struct Case {
        QString name, password, repeat, message;
    };
    const Case cases[] = {
        {"", "pw", "pw", QStringLiteral("登录名不能为空")},
        {"boss", "  ", "  ", QStringLiteral("登录密码不能为空")},
        {"boss", "pw", "pw2", QStringLiteral("两次输入的密码不一致")},
    };
    for (const Case& c : cases) {
        prompt.clear();
        Tfrm_firstAdmin admin(*ctx);
        admin.lognameEdit->setText(c.name);
        admin.passwordEdit->setText(c.password);
        admin.repeatEdit->setText(c.repeat);
        EXPECT_FALSE(admin.saveClick());
        EXPECT_EQ(prompt.texts(), QStringList{c.message});
    }
    EXPECT_EQ(projectUserCount(*dm), 0);
}

TEST_P(LoginTest, ExistingUsersGoStraightToTheLoginAndExitEndsIt)
{
    addUser("admin", "secret");
    bool sawLogin = false;
    whenModal<Tfrm_login>([&](Tfrm_login* login) {
        sawLogin = true;
        login->BitBtn2->click();
    });
    EXPECT_FALSE(runLogin(*ctx));
    EXPECT_TRUE(sawLogin);
    EXPECT_FALSE(session.LoginAccepted);
}

INSTANTIATE_DB_TEST(LoginTest);

TEST(LoginWithoutDatabase, FailAtStartThenTheLoginReportsTheDatabase)
{
    AppConfig config = AppConfig::load(QString());
    config.db.driver = "QPSQL";
    config.db.dataSource = "127.0.0.1:1";   // nothing listens there
    config.db.database = "none";
    ScriptedPrompt prompt;
    TDM dm(&prompt);
    ASSERT_FALSE(openDataModule(dm, config, prompt));
    EXPECT_EQ(prompt.texts(), QStringList{"fail"});
    prompt.clear();
    Session session;
    AppContext ctx{dm, prompt, session, config, [] { return std::unique_ptr<FileStore>(); }};
    Tfrm_login login(ctx);
    login.Edit1->setText("admin");
    login.Edit2->setText("secret");
    EXPECT_FALSE(login.BitBtn1Click());
    EXPECT_EQ(prompt.texts(), QStringList{kDbErrorText});
    EXPECT_FALSE(session.LoginAccepted);
    EXPECT_EQ(login.result(), 0);

    // Start-up goes on to the login window (no administrator dialog) and
    // ends without a login when the user gives up.
    bool sawLogin = false;
    whenModal<Tfrm_login>([&](Tfrm_login* w) {
        sawLogin = true;
        w->BitBtn2->click();
    });
    EXPECT_FALSE(runLogin(ctx));
    EXPECT_TRUE(sawLogin);
}
