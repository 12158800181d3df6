#include "ShellFixture.h"
#include "Screenshot.h"

#include "core/DiagramCanvas.h"
#include "ui/shell/Startup.h"
#include "ui/shell/Tfrm_firstAdmin.h"
#include "ui/shell/Tfrm_login.h"
#include "ui/shell/Tfrm_main.h"

#include <QApplication>
#include <QFileInfo>
#include <QLineEdit>

class ShellScreenshot : public ShellTest {};

TEST_P(ShellScreenshot, FirstAdministratorLoginAndMainWindow)
{
    installFontSubstitutions();
    installUiFont();
    Tfrm_login login(*ctx);
    login.Edit1->setText("admin");
    login.Edit2->setText("secret");
    const QString loginShot = saveScreenshot(&login, "login", QSize());
    EXPECT_TRUE(QFileInfo(loginShot).size() > 0);

    Tfrm_firstAdmin admin(*ctx);
    admin.lognameEdit->setText("admin");
    admin.passwordEdit->setText("secret");
    admin.repeatEdit->setText("secret");
    EXPECT_TRUE(QFileInfo(saveScreenshot(&admin, "first-admin", QSize())).size() > 0);

    loginAs("admin", addUser("admin", "pw", {1, 2, 3, 4, 5, 6}));
    Tfrm_main w(*ctx);
    w.openChildWindow("frm_Quellar1");
    w.openChildWindow("frm_Feeding1");
    w.show();
    QApplication::setActiveWindow(&w);
    const QString mainShot = saveScreenshot(&w, "main");
    EXPECT_TRUE(QFileInfo(mainShot).size() > 0);
}

INSTANTIATE_TEST_SUITE_P(Db, ShellScreenshot, ::testing::Values(Backend::Sqlite), backendName);
