#include "PartsForm.h"

#include "BaseDataUi.h"
#include "core/Prompt.h"
#include "ui/shell/AppContext.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace basedata_ui;

PartsForm::PartsForm(AppContext& ctx, const QString& caption, QWidget* parent)
    : QDialog(parent)
    , m_ctx(ctx)
    , m_name(new QLineEdit(this))
    , m_quality(new QLineEdit(this))
    , m_used(new QLineEdit(this))
    , m_dusting(new QComboBox(this))
    , m_useNumMount(new QLineEdit(this))
    , m_remark(new QLineEdit(this))
    , m_save(new QPushButton(QStringLiteral("保存"), this))
    , m_close(new QPushButton(QStringLiteral("关闭"), this))
{
    setWindowTitle(caption);
    m_dusting->addItems(dustingChoices());
    m_dusting->setCurrentIndex(-1);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("配件名称"), m_name);
    form->addRow(QStringLiteral("材质"), m_quality);
    form->addRow(QStringLiteral("用途"), m_used);
    form->addRow(QStringLiteral("喷粉"), m_dusting);
    form->addRow(QStringLiteral("安装节点单位用量"), m_useNumMount);
    form->addRow(QStringLiteral("备注"), m_remark);
    auto* buttons = buttonRow({m_save, m_close});
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
    resize(400, 260);
    connect(m_save, &QPushButton::clicked, this, &PartsForm::saveClick);
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);
}

Part PartsForm::values() const
{
    Part p;
    p.partsName = m_name->text().trimmed();
    p.PartsQuality = m_quality->text().trimmed();
    p.PartsUsed = m_used->text().trimmed();
    p.Dusting = m_dusting->currentText().trimmed();
    p.usenumMount = m_useNumMount->text().trimmed();
    p.Remark = m_remark->text().trimmed();
    return p;
}

void PartsForm::showValues(const Part& p)
{
    m_name->setText(p.partsName);
    m_quality->setText(p.PartsQuality);
    m_used->setText(p.PartsUsed);
    m_dusting->setCurrentIndex(m_dusting->findText(p.Dusting));
    m_useNumMount->setText(p.usenumMount);
    m_remark->setText(p.Remark);
}

void PartsForm::saveClick()
{
    Prompt& p = m_ctx.prompt;
    // The per-node quantity is summed later, so it must be a number.
    if (!requireText(p, m_name, QStringLiteral("配件名称不能为空"))
        || !requireChoice(p, m_dusting, QStringLiteral("喷粉选择不能为空"))
        || !requireNumberOrEmpty(p, m_useNumMount, QStringLiteral("安装节点单位用量")))
        return;
    reportProcResult(p, store(values()));
    accept();
}

Tfrm_addparts::Tfrm_addparts(AppContext& ctx, int partsTypeId, const QString& typeName, QWidget* parent)
    : PartsForm(ctx, QStringLiteral("新增") + typeName, parent), m_partsTypeId(partsTypeId)
{
}

ProcResult Tfrm_addparts::store(const Part& p)
{
    return insertPart(m_ctx.dm, m_partsTypeId, p);
}

Tfrm_editParts::Tfrm_editParts(AppContext& ctx, const QString& typeName, const Part& row, QWidget* parent)
    : PartsForm(ctx, QStringLiteral("修改") + typeName, parent), m_row(row)
{
    useNumMountEdit()->setValidator(digitsFilter(this));
    showValues(row);
}

ProcResult Tfrm_editParts::store(const Part& p)
{
    Part changed = p;
    changed.partsID = m_row.partsID;
    changed.PartsTypeID = m_row.PartsTypeID;
    changed.PartsModel = m_row.PartsModel;
    return updatePart(m_ctx.dm, changed);
}
