#include "CraftWorkDialogs.h"

#include "core/Prompt.h"
#include "ui/shell/AppContext.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CraftWorkForm::CraftWorkForm(AppContext& ctx, const CraftWorkRow& row, bool editable, QWidget* parent)
    : QDialog(parent)
    , m_ctx(ctx)
    , m_row(row)
{
    buildForm(editable);
    loadCraftNames();
    m_suitOrder->setText(row.SuitOrderNum);
    if (editable) {
        // The stored name is selected only while the dictionary still has it.
        m_name->setCurrentIndex(m_name->findText(row.craftworkName, Qt::MatchExactly));
        m_type->setCurrentIndex(m_type->findText(row.mainmaterialType, Qt::MatchExactly));
        m_count->setText(row.craftworkCount);
        m_size->setText(row.craftworkSize);
        m_remark->setText(row.remark);
    }
    setFixedSize(sizeHint().expandedTo(QSize(380, 0)));
}

void CraftWorkForm::buildForm(bool editable)
{
    auto* outer = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    outer->addLayout(form);
    m_suitOrder = new QLineEdit(this);
    m_suitOrder->setObjectName("SuitOrderNum");
    m_suitOrder->setReadOnly(true);
    m_name = new QComboBox(this);
    m_name->setObjectName("craftworkName");
    m_name->setEditable(editable);
    m_type = new QComboBox(this);
    m_type->setObjectName("mainmaterialType");
    m_type->setEditable(editable);
    m_type->addItems(craftMaterialTypes());
    m_type->setCurrentIndex(-1);
    m_count = new QLineEdit(this);
    m_count->setObjectName("craftworkCount");
    m_size = new QLineEdit(this);
    m_size->setObjectName("craftworkSize");
    m_remark = new QLineEdit(this);
    m_remark->setObjectName("remark");
    form->addRow(QStringLiteral("下单序号："), m_suitOrder);
    form->addRow(QStringLiteral("工艺名称："), m_name);
    form->addRow(QStringLiteral("主材类别："), m_type);
    form->addRow(QStringLiteral("加工数量："), m_count);
    form->addRow(QStringLiteral("尺寸："), m_size);
    form->addRow(QStringLiteral("备注："), m_remark);
    auto* note = new QLabel(QStringLiteral("保存后注意榀数与分栏参数的值是一致的，并且是正确的。"), this);
    note->setWordWrap(true);
    outer->addWidget(note);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* ok = new QPushButton(QStringLiteral("确定"), this);
    ok->setObjectName("BitBtn1");
    ok->setAutoDefault(false);
    auto* cancel = new QPushButton(QStringLiteral("取消"), this);
    cancel->setObjectName("BitBtn2");
    cancel->setAutoDefault(false);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    outer->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void CraftWorkForm::loadCraftNames()
{
    try {
        m_name->addItems(::loadCraftNames(m_ctx.dm));
    } catch (const DbError&) {
        m_ctx.prompt.error(kDbErrorText);
    }
    m_name->setCurrentIndex(-1);
}

CraftWorkRow CraftWorkForm::rowFromBoxes() const
{
    CraftWorkRow r = m_row;
    r.SuitOrderNum = m_suitOrder->text().trimmed();
    r.craftworkName = m_name->currentText().trimmed();
    r.mainmaterialType = m_type->currentText().trimmed();
    r.craftworkCount = m_count->text().trimmed();
    r.craftworkSize = m_size->text().trimmed();
    r.remark = m_remark->text().trimmed();
    return r;
}

void CraftWorkForm::BitBtn1Click()
{
    const CraftWorkRow row = rowFromBoxes();
    const QString problem = craftRowProblem(row);
    if (!problem.isEmpty()) {
        m_ctx.prompt.error(problem);
        switch (craftRowProblemField(row)) {
        case CraftField::Name:
            m_name->setFocus();
            break;
        case CraftField::MaterialType:
            m_type->setFocus();
            break;
        default:
            m_count->setFocus();
            break;
        }
        return;
    }
    const ProcResult r = m_ctx.dm.callProc(craftWorkProcedure(row), craftWorkArgs(row));
    if (r.ok())
        m_ctx.prompt.information(kProcOkText);
    else
        m_ctx.prompt.error(kProcFailedText);
    accept();
}

namespace {
CraftWorkRow newRow(AppContext& ctx, const QString& suitOrderNum, const QString& guardrailPin)
{
    CraftWorkRow r;
    r.projectID = QString::number(ctx.session.CurrentProjectID);
    r.SuitOrderNum = suitOrderNum;
    r.GuardrailPin = guardrailPin;
    return r;
}

CraftWorkRow withPin(CraftWorkRow r, const QString& guardrailPin)
{
    r.GuardrailPin = guardrailPin;
    return r;
}
} // namespace

Tfrm_mainmaterialcraftwork::Tfrm_mainmaterialcraftwork(AppContext& ctx, const QString& suitOrderNum,
                                                       const QString& guardrailPin, QWidget* parent)
    : CraftWorkForm(ctx, newRow(ctx, suitOrderNum, guardrailPin), false, parent)
{
    setWindowTitle(QStringLiteral("增加主材工艺"));
}

Tfrm_editMainMaterialCraftWork::Tfrm_editMainMaterialCraftWork(AppContext& ctx, const CraftWorkRow& row,
                                                               const QString& guardrailPin, QWidget* parent)
    : CraftWorkForm(ctx, withPin(row, guardrailPin), true, parent)
{
    setWindowTitle(QStringLiteral("修改主材工艺"));
}
