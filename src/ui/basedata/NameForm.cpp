#include "NameForm.h"

#include "BaseDataUi.h"
#include "core/Prompt.h"
#include "data/BaseData.h"
#include "ui/shell/AppContext.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace basedata_ui;

NameForm::NameForm(AppContext& ctx, const QString& title, const QString& label, const QString& emptyMessage,
                   const QString& initialName, QWidget* parent)
    : QDialog(parent)
    , m_ctx(ctx)
    , m_emptyMessage(emptyMessage)
    , m_name(new QLineEdit(initialName, this))
    , m_save(new QPushButton(QStringLiteral("保存"), this))
    , m_close(new QPushButton(QStringLiteral("关闭"), this))
{
    setWindowTitle(title);
    auto* form = new QFormLayout;
    form->addRow(label, m_name);
    auto* buttons = buttonRow({m_save, m_close});
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
    m_save->setDefault(true);
    m_name->setMinimumWidth(240);
    connect(m_save, &QPushButton::clicked, this, &NameForm::saveClick);
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);
}

void NameForm::saveClick()
{
    if (!requireText(m_ctx.prompt, m_name, m_emptyMessage))
        return;
    store(m_name->text().trimmed());
    accept();
}

Tfrm_addMainMaterCate::Tfrm_addMainMaterCate(AppContext& ctx, QWidget* parent)
    : NameForm(ctx, QStringLiteral("新增主材类别"), QStringLiteral("主材类别"), QStringLiteral("主材类别不能为空"), {}, parent)
{
}

void Tfrm_addMainMaterCate::store(const QString& name)
{
    reportProcResult(m_ctx.prompt, insertMainMaterCate(m_ctx.dm, name));
}

Tfrm_modiMainMaterCate::Tfrm_modiMainMaterCate(AppContext& ctx, int categoryId, const QString& name, QWidget* parent)
    : NameForm(ctx, QStringLiteral("修改主材类别"), QStringLiteral("主材类别"), QStringLiteral("主材类别不能为空"), name, parent)
    , m_categoryId(categoryId)
{
}

void Tfrm_modiMainMaterCate::store(const QString& name)
{
    reportProcResult(m_ctx.prompt, updateMainMaterCate(m_ctx.dm, m_categoryId, name));
}

Tfrm_addPartsType::Tfrm_addPartsType(AppContext& ctx, QWidget* parent)
    : NameForm(ctx, QStringLiteral("增加配件类别"), QStringLiteral("配件类别"), QStringLiteral("配件类别不能为空"), {}, parent)
{
}

void Tfrm_addPartsType::store(const QString& name)
{
    reportProcResult(m_ctx.prompt, insertPartsType(m_ctx.dm, name));
}

// The modify dialog keeps the captions users know from the original form.
Tfrm_modiPartsType::Tfrm_modiPartsType(AppContext& ctx, int partsTypeId, const QString& name, QWidget* parent)
    : NameForm(ctx, QStringLiteral("添加配件类别"), QStringLiteral("主材类别"), QStringLiteral("配件类别不能为空"), name, parent)
    , m_partsTypeId(partsTypeId)
{
}

void Tfrm_modiPartsType::store(const QString& name)
{
    reportProcResult(m_ctx.prompt, updatePartsType(m_ctx.dm, m_partsTypeId, name));
}
