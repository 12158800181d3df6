#include "Tfrm_login.h"

#include "AppContext.h"
#include "BusyWindow.h"
#include "WindowRoutines.h"
#include "core/Prompt.h"
#include "data/DM.h"
#include "data/Users.h"

#include <QApplication>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QPushButton* plainButton(const QString& caption, QWidget* parent)
{
    auto* b = new QPushButton(caption, parent);
    // Enter is the window's key (next control), not a default button's.
    b->setAutoDefault(false);
    b->setDefault(false);
    b->setMinimumWidth(90);
    return b;
}

} // namespace

Tfrm_login::Tfrm_login(AppContext& ctx, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , Edit1(new QLineEdit(this))
    , Edit2(new QLineEdit(this))
    , BitBtn1(plainButton(QStringLiteral("登录"), this))
    , BitBtn2(plainButton(QStringLiteral("退出"), this))
    , m_ctx(ctx)
{
    setObjectName("frm_login");
    setWindowTitle(QStringLiteral("Talvik智能护栏系统--用户登录"));
    setModal(true);

    Edit1->setObjectName("Edit1");
    Edit2->setObjectName("Edit2");
    Edit2->setEchoMode(QLineEdit::Password);
    Edit2->setStyleSheet(QStringLiteral("lineedit-password-character: 42;"));   // '*'
    Edit1->setMaxLength(50);
    Edit2->setMaxLength(128);

    auto* title = new QLabel(QStringLiteral("Talvik智能护栏系统"), this);
    QFont titleFont = title->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.5);
    titleFont.setBold(true);
    title->setFont(titleFont);
    title->setAlignment(Qt::AlignCenter);

    auto* form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignRight);
    form->addRow(QStringLiteral("用户登录名："), Edit1);
    form->addRow(QStringLiteral("登录密码："), Edit2);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);
    buttons->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(30, 20, 30, 20);
    layout->setSpacing(14);
    layout->addWidget(title);
    layout->addLayout(form);
    layout->addLayout(buttons);

    setTabOrder(Edit1, Edit2);
    setTabOrder(Edit2, BitBtn1);
    setTabOrder(BitBtn1, BitBtn2);
    for (QWidget* w : {static_cast<QWidget*>(Edit1), static_cast<QWidget*>(Edit2), static_cast<QWidget*>(BitBtn1),
                       static_cast<QWidget*>(BitBtn2)})
        w->installEventFilter(this);

    connect(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);

    setFixedSize(400, 230);
    Edit1->setFocus();
}

bool Tfrm_login::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            // On a button Enter presses it; elsewhere it moves on (wrapping).
            if (auto* button = qobject_cast<QPushButton*>(watched))
                button->click();
            else
                focusNextChild();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

bool Tfrm_login::BitBtn1Click()
{
    const QString name = EditText(Edit1);
    const QString password = EditText(Edit2);
    std::optional<int> userID;
    try {
        // argon2id takes a noticeable moment per stored row.
        BusyWindow busy(this);
        userID = verifyLogin(m_ctx.dm, name, password);
    } catch (const DbError&) {
        // The database cannot be read (for instance unreachable since
        // start-up): say so and keep the window for another try.
        m_ctx.prompt.error(kDbErrorText);
        return false;
    }
    if (!userID) {
        m_ctx.prompt.information(QStringLiteral("用户名或密码不正确"));
        Edit2->setFocus();
        Edit2->selectAll();
        return false;
    }
    TCurrentUser& user = m_ctx.session.CurrentUser;
    user.logname = name;
    user.passwd.clear();   // the password is not kept
    user.userID = QString::number(*userID);
    m_ctx.session.LoginAccepted = true;
    accept();
    return true;
}
