#include "Tfrm_firstAdmin.h"

#include "AppContext.h"
#include "BusyWindow.h"
#include "WindowRoutines.h"
#include "core/Prompt.h"
#include "data/DM.h"
#include "data/Users.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

Tfrm_firstAdmin::Tfrm_firstAdmin(AppContext& ctx, QWidget* parent)
    : QDialog(parent)
    , lognameEdit(new QLineEdit(this))
    , usernameEdit(new QLineEdit(QStringLiteral("系统管理员"), this))
    , passwordEdit(new QLineEdit(this))
    , repeatEdit(new QLineEdit(this))
    , m_ctx(ctx)
{
    setObjectName("frm_firstAdmin");
    setWindowTitle(QStringLiteral("Talvik智能护栏系统--创建管理员"));
    for (QLineEdit* e : {passwordEdit, repeatEdit}) {
        e->setEchoMode(QLineEdit::Password);
        e->setStyleSheet(QStringLiteral("lineedit-password-character: 42;"));
    }

    auto* intro = new QLabel(QStringLiteral("系统中还没有用户。请设置管理员的登录名和密码，"
                                            "该用户将拥有全部功能权限。"),
                             this);
    intro->setWordWrap(true);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("登录名："), lognameEdit);
    form->addRow(QStringLiteral("用户姓名："), usernameEdit);
    form->addRow(QStringLiteral("登录密码："), passwordEdit);
    form->addRow(QStringLiteral("确认密码："), repeatEdit);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("确定"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("取消"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] { saveClick(); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addLayout(form);
    layout->addWidget(buttons);
    setMinimumWidth(380);
    lognameEdit->setFocus();
}

bool Tfrm_firstAdmin::refuse(QLineEdit* edit, const QString& message)
{
    m_ctx.prompt.information(message);
    edit->setFocus();
    return false;
}

bool Tfrm_firstAdmin::saveClick()
{
    const QString name = EditText(lognameEdit);
    const QString password = EditText(passwordEdit);
    if (name.isEmpty())
        return refuse(lognameEdit, QStringLiteral("登录名不能为空"));
    if (password.isEmpty())
        return refuse(passwordEdit, QStringLiteral("登录密码不能为空"));
    if (EditText(usernameEdit).isEmpty())
        return refuse(usernameEdit, QStringLiteral("用户姓名不能为空"));
    if (EditText(repeatEdit) != password)
        return refuse(repeatEdit, QStringLiteral("两次输入的密码不一致"));

    AddUserResult added;
    {
        BusyWindow busy(this);
        added = addUser(m_ctx.dm, UserFields{name, password, EditText(usernameEdit), {}, {}}, true);
    }
    if (!added.userID) {
        m_ctx.prompt.error(kProcFailedText);
        return false;
    }
    m_logname = name;
    accept();
    return true;
}
