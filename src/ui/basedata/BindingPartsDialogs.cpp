#include "BindingPartsDialogs.h"

#include "BaseDataUi.h"
#include "core/Prompt.h"
#include "ui/shell/AppContext.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSplitter>
#include <QTreeWidget>
#include <QVBoxLayout>

using namespace basedata_ui;

namespace {
constexpr int kIdRole = Qt::UserRole;
constexpr int kIdColumn = 5;
} // namespace

Tfrm_bindingParts::Tfrm_bindingParts(AppContext& ctx, const MainMaterial& model, QWidget* parent)
    : QDialog(parent)
    , m_ctx(ctx)
    , m_modelId(model.mainmaterialID)
    , m_types(new QTreeWidget(this))
    , m_name(new QLineEdit(this))
    , m_bind(new QPushButton(QStringLiteral("绑定"), this))
    , m_parts(new QTreeWidget(this))
{
    setWindowTitle(model.ModelName + QStringLiteral("绑定配件信息"));
    m_types->setHeaderHidden(true);
    m_parts->setRootIsDecorated(false);
    m_parts->setHeaderLabels({QStringLiteral("配件名称"), QStringLiteral("配件规格"), QStringLiteral("材质"),
                              QStringLiteral("用途"), QStringLiteral("备注"), QStringLiteral("ID")});
    m_parts->header()->setSectionResizeMode(QHeaderView::ResizeToContents);

    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("配件名称"), this));
    top->addWidget(m_name, 1);
    top->addWidget(m_bind);
    auto* split = new QSplitter(this);
    split->addWidget(m_types);
    split->addWidget(m_parts);
    split->setStretchFactor(1, 3);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(split, 1);
    resize(860, 480);

    loadTypes();
    showParts(listUnboundParts(ctx.dm, m_modelId, std::nullopt));
    connect(m_types, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) { typeSelected(item); });
    connect(m_name, &QLineEdit::textChanged, this, &Tfrm_bindingParts::nameChanged);
    connect(m_bind, &QPushButton::clicked, this, &Tfrm_bindingParts::bindClick);
}

void Tfrm_bindingParts::loadTypes()
{
    fillTree(m_types, QStringLiteral("配件类别"), listPartTypes(m_ctx.dm).value_or(QList<PartType>{}));
}

void Tfrm_bindingParts::typeSelected(QTreeWidgetItem* item)
{
    if (!item || !item->parent())
        return;
    showParts(listUnboundParts(m_ctx.dm, m_modelId, nodeId(item)));
}

void Tfrm_bindingParts::nameChanged(const QString& text)
{
    showParts(listUnboundParts(m_ctx.dm, m_modelId, std::nullopt, text.trimmed()));
}

void Tfrm_bindingParts::showParts(const std::optional<QList<Part>>& parts)
{
    if (!parts)
        return;   // keeps what it showed
    m_parts->clear();
    for (const Part& p : *parts) {
        auto* item = new QTreeWidgetItem(m_parts, {p.partsName, p.PartsModel, p.PartsQuality, p.PartsUsed, p.Remark,
                                                   QString::number(p.partsID)});
        item->setData(kIdColumn, kIdRole, p.partsID);
        item->setCheckState(0, Qt::Unchecked);
    }
}

bool Tfrm_bindingParts::tickPart(int partsID)
{
    for (int i = 0; i < m_parts->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = m_parts->topLevelItem(i);
        if (item->data(kIdColumn, kIdRole).toInt() == partsID) {
            item->setCheckState(0, Qt::Checked);
            return true;
        }
    }
    return false;
}

void Tfrm_bindingParts::bindClick()
{
    QList<int> ticked;
    for (int i = 0; i < m_parts->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = m_parts->topLevelItem(i);
        if (item->checkState(0) == Qt::Checked)
            ticked << item->data(kIdColumn, kIdRole).toInt();
    }
    if (!ticked.isEmpty())
        reportProcResult(m_ctx.prompt, bindParts(m_ctx.dm, m_modelId, ticked));
    accept();
}

Tfrm_editBindingParts::Tfrm_editBindingParts(AppContext& ctx, const MaterialPartBinding& binding, QWidget* parent)
    : QDialog(parent)
    , m_ctx(ctx)
    , m_binding(binding)
    , m_useNum(new QLineEdit(binding.useNum, this))
    , m_useNumMount(new QLineEdit(binding.UseNumMount, this))
    , m_craftwork(new QComboBox(this))
    , m_remark(new QLineEdit(binding.remark, this))
    , m_save(new QPushButton(QStringLiteral("保存"), this))
    , m_close(new QPushButton(QStringLiteral("关闭"), this))
{
    setWindowTitle(QStringLiteral("修改") + binding.partsName + QStringLiteral("的绑定信息"));
    m_useNum->setValidator(decimalFilter(this));
    m_useNumMount->setValidator(decimalFilter(this));
    if (const auto crafts = listCraftworks(ctx.dm)) {
        for (const Craftwork& c : *crafts)
            if (m_craftwork->findText(c.craftworkValue) < 0)
                m_craftwork->addItem(c.craftworkValue);
    }
    // The binding's own process stays chosen, so saving other fields keeps it.
    m_craftwork->setCurrentIndex(m_craftwork->findText(binding.craftwork));

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("一单位主材绑定用量"), m_useNum);
    form->addRow(QStringLiteral("一安装节点单位用量"), m_useNumMount);
    form->addRow(QStringLiteral("加工工艺"), m_craftwork);
    form->addRow(QStringLiteral("备注"), m_remark);
    auto* buttons = buttonRow({m_save, m_close});
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
    resize(420, 200);
    connect(m_save, &QPushButton::clicked, this, &Tfrm_editBindingParts::saveClick);
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);
}

void Tfrm_editBindingParts::saveClick()
{
    Prompt& p = m_ctx.prompt;
    if (!requireText(p, m_useNum, QStringLiteral("用量不能为空"))
        || !requireNumberOrEmpty(p, m_useNum, QStringLiteral("一单位主材绑定用量"))
        || !requireNumberOrEmpty(p, m_useNumMount, QStringLiteral("一安装节点单位用量")))
        return;
    MaterialPartBinding b = m_binding;
    b.useNum = m_useNum->text().trimmed();
    b.UseNumMount = m_useNumMount->text().trimmed();
    b.craftwork = m_craftwork->currentText().trimmed();
    b.remark = m_remark->text().trimmed();
    reportProcResult(p, updateMaterialBinding(m_ctx.dm, b));
    accept();
}
