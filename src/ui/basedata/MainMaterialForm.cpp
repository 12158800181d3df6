#include "MainMaterialForm.h"

#include "BaseDataUi.h"
#include "core/Prompt.h"
#include "data/Lookups.h"
#include "ui/shell/AppContext.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace basedata_ui;

MainMaterialForm::MainMaterialForm(AppContext& ctx, int categoryId, const QString& caption, QWidget* parent)
    : QDialog(parent)
    , m_ctx(ctx)
    , m_categoryId(categoryId)
    , m_modelName(new QLineEdit(this))
    , m_materialType(new QLineEdit(this))
    , m_length(new QLineEdit(this))
    , m_width(new QLineEdit(this))
    , m_thick(new QLineEdit(this))
    , m_weight(new QLineEdit(this))
    , m_shapeType(new QComboBox(this))
    , m_surfaceArea(new QLineEdit(this))
    , m_mHeavy(new QLineEdit(this))
    , m_girth(new QLineEdit(this))
    , m_isCommon(new QCheckBox(QStringLiteral("是否常用"), this))
    , m_remark(new QLineEdit(this))
    , m_save(new QPushButton(QStringLiteral("保存"), this))
    , m_close(new QPushButton(QStringLiteral("关闭"), this))
{
    setWindowTitle(caption);
    m_modelName->setValidator(specNameFilter(this));
    m_materialType->setValidator(specNameFilter(this));
    for (QLineEdit* e : {m_length, m_width, m_thick, m_weight, m_surfaceArea, m_mHeavy, m_girth})
        e->setValidator(decimalFilter(this));
    m_shapeType->addItems(shapeClasses());
    m_shapeType->setCurrentIndex(-1);

    // Two columns of fields, as on the paper form.
    auto* grid = new QGridLayout;
    const QList<QPair<QString, QWidget*>> fields = {
        {QStringLiteral("规格名称"), m_modelName}, {QStringLiteral("型号"), m_materialType},
        {QStringLiteral("长度"), m_length},         {QStringLiteral("宽度"), m_width},
        {QStringLiteral("厚度"), m_thick},          {QStringLiteral("重量"), m_weight},
        {QStringLiteral("外形类别"), m_shapeType},  {QStringLiteral("表面积"), m_surfaceArea},
        {QStringLiteral("米重"), m_mHeavy},         {QStringLiteral("周长"), m_girth},
    };
    for (int i = 0; i < fields.size(); ++i) {
        auto* label = new QLabel(fields[i].first, this);
        label->setBuddy(fields[i].second);
        grid->addWidget(label, i / 2, (i % 2) * 2);
        grid->addWidget(fields[i].second, i / 2, (i % 2) * 2 + 1);
    }
    const int next = int(fields.size() + 1) / 2;
    grid->addWidget(m_isCommon, next, 1);
    grid->addWidget(new QLabel(QStringLiteral("备注"), this), next + 1, 0);
    grid->addWidget(m_remark, next + 1, 1, 1, 3);

    auto* buttons = buttonRow({m_save, m_close});
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    resize(520, 300);
    connect(m_save, &QPushButton::clicked, this, [this] {
        if (save())
            accept();
    });
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);
}

MainMaterial MainMaterialForm::values() const
{
    MainMaterial m;
    m.MainMaterialTypeID = m_categoryId;
    m.ModelName = m_modelName->text().trimmed();
    m.materialType = m_materialType->text().trimmed();
    m.length = m_length->text().trimmed();
    m.Width = m_width->text().trimmed();
    m.Thick = m_thick->text().trimmed();
    m.Weight = m_weight->text().trimmed();
    m.ShapeType = m_shapeType->currentText().trimmed();
    m.SurfaceArea = m_surfaceArea->text().trimmed();
    m.MHeavy = m_mHeavy->text().trimmed();
    m.girth = m_girth->text().trimmed();
    m.Remark = m_remark->text().trimmed();
    m.Iscommon = m_isCommon->isChecked();
    return m;
}

void MainMaterialForm::showValues(const MainMaterial& m)
{
    m_modelName->setText(m.ModelName);
    m_materialType->setText(m.materialType);
    m_length->setText(m.length);
    m_width->setText(m.Width);
    m_thick->setText(m.Thick);
    m_weight->setText(m.Weight);
    // A shape class typed in the grid before is kept, not silently dropped.
    if (!m.ShapeType.isEmpty() && m_shapeType->findText(m.ShapeType) < 0)
        m_shapeType->addItem(m.ShapeType);
    m_shapeType->setCurrentIndex(m_shapeType->findText(m.ShapeType));
    m_surfaceArea->setText(m.SurfaceArea);
    m_mHeavy->setText(m.MHeavy);
    m_girth->setText(m.girth);
    m_remark->setText(m.Remark);
    m_isCommon->setChecked(m.Iscommon);
}

bool MainMaterialForm::checkRequired(bool shapeRequired)
{
    Prompt& p = m_ctx.prompt;
    return requireText(p, m_modelName, QStringLiteral("规格名称不能为空"))
        && requireText(p, m_materialType, QStringLiteral("型号不能为空"))
        && requireText(p, m_width, QStringLiteral("宽度不能为空"))
        && (!shapeRequired || requireChoice(p, m_shapeType, QStringLiteral("外形类别不能为空")));
}

// The key filter lets "1.2.3" through; such a text never reaches a decimal column.
bool MainMaterialForm::checkNumbers()
{
    Prompt& p = m_ctx.prompt;
    return requireNumberOrEmpty(p, m_length, QStringLiteral("长度"))
        && requireNumberOrEmpty(p, m_width, QStringLiteral("宽度"))
        && requireNumberOrEmpty(p, m_thick, QStringLiteral("厚度"))
        && requireNumberOrEmpty(p, m_weight, QStringLiteral("重量"))
        && requireNumberOrEmpty(p, m_surfaceArea, QStringLiteral("表面积"))
        && requireNumberOrEmpty(p, m_mHeavy, QStringLiteral("米重"))
        && requireNumberOrEmpty(p, m_girth, QStringLiteral("周长"));
}

bool MainMaterialForm::checkNotDuplicate(const MainMaterial& m)
{
    const auto exists = checkedLookup(m_ctx.prompt, [&] {
        return existsMainMaterial(m_ctx.dm, m.ModelName, m_categoryId, m.ShapeType);
    });
    if (!exists)
        return false;   // the database error has been shown
    if (!*exists)
        return true;
    m_ctx.prompt.information(QStringLiteral("已有同样（规格与外形类别一样）的记录,请修改规格名称或者外形类别！"));
    m_modelName->setFocus();
    return false;
}

Tfrm_addMainMaTerial::Tfrm_addMainMaTerial(AppContext& ctx, int categoryId, const QString& categoryName, QWidget* parent)
    : MainMaterialForm(ctx, categoryId, QStringLiteral("新增") + categoryName, parent)
{
}

bool Tfrm_addMainMaTerial::save()
{
    if (!checkRequired(true) || !checkNumbers() || !checkNotDuplicate(values()))
        return false;
    reportProcResult(m_ctx.prompt, insertMainMaterial(m_ctx.dm, m_categoryId, values()));
    return true;
}

Tfrm_editMainMaterial::Tfrm_editMainMaterial(AppContext& ctx, const QString& categoryName, const MainMaterial& row,
                                             bool specNameLocked, QWidget* parent)
    : MainMaterialForm(ctx, row.MainMaterialTypeID, QStringLiteral("修改") + categoryName, parent)
    , m_row(row)
{
    materialTypeEdit()->setValidator(designationEditFilter(this));
    showValues(row);
    modelNameEdit()->setReadOnly(specNameLocked);
}

bool Tfrm_editMainMaterial::save()
{
    if (!checkRequired(false) || !checkNumbers())
        return false;
    MainMaterial m = values();
    m.mainmaterialID = m_row.mainmaterialID;
    if (modelNameEdit()->isReadOnly())
        m.ModelName = m_row.ModelName;
    // A change of spec name or shape must not make the model a copy of
    // another; the row itself no longer holds the new pair.
    const bool identityChanged = m.ModelName != m_row.ModelName || m.ShapeType != m_row.ShapeType;
    if (identityChanged && !checkNotDuplicate(m))
        return false;
    reportProcResult(m_ctx.prompt, updateMainMaterial(m_ctx.dm, m));
    return true;
}
