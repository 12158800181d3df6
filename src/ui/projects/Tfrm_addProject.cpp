#include "Tfrm_addProject.h"

#include "core/Prompt.h"
#include "data/Projects.h"
#include "ui/shell/AppContext.h"
#include "ui/shell/WindowRoutines.h"

#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QDateEdit* makeDatePicker(QWidget* parent)
{
    auto* d = new QDateEdit(parent);
    d->setCalendarPopup(true);
    d->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    return d;
}
} // namespace

Tfrm_addProject::Tfrm_addProject(AppContext& ctx, QWidget* parent)
    : QDialog(parent)
    , m_ctx(ctx)
    , m_name(new QLineEdit(this))
    , m_start(makeDatePicker(this))
    , m_end(makeDatePicker(this))
    , m_desc(new QLineEdit(this))
    , m_remark(new QLineEdit(this))
{
    setWindowTitle(QStringLiteral("增加工程"));
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("工程名称"), m_name);
    form->addRow(QStringLiteral("工程下单日期"), m_start);
    form->addRow(QStringLiteral("工程发货日期"), m_end);
    form->addRow(QStringLiteral("工程描述"), m_desc);
    form->addRow(QStringLiteral("工程备注"), m_remark);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* save = buttons->addButton(QStringLiteral("保存"), QDialogButtonBox::AcceptRole);
    QPushButton* cancel = buttons->addButton(QStringLiteral("取消"), QDialogButtonBox::RejectRole);
    save->setDefault(true);
    connect(save, &QPushButton::clicked, this, &Tfrm_addProject::saveClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    setMinimumWidth(420);
    clearInputs();
}

void Tfrm_addProject::showEvent(QShowEvent* event)
{
    clearInputs();
    m_name->setFocus();
    QDialog::showEvent(event);
}

void Tfrm_addProject::clearInputs()
{
    ClearEdits(this);
    SetToday(m_start);
    SetToday(m_end);
}

void Tfrm_addProject::saveClick()
{
    const QString name = m_name->text().trimmed();
    if (name.isEmpty()) {
        m_ctx.prompt.information(QStringLiteral("工程名称不能为空"));
        m_name->setFocus();
        return;
    }
    NewProject p{name, m_start->date(), m_end->date(), m_desc->text().trimmed(), m_remark->text().trimmed()};
    const ProcResult r = insertProject(m_ctx.dm, m_ctx.session.CurrentUser.userID.toInt(), p);
    if (r.ok())
        m_ctx.prompt.information(kProcOkText);
    else if (m_ctx.dm.isOpen())   // a lost connection was reported by the data module
        m_ctx.prompt.error(kProcFailedText);
    accept();
}
