#include "Tfrm_Parts.h"

#include "NameForm.h"
#include "PartsForm.h"
#include "core/Prompt.h"
#include "ui/shell/AppContext.h"
#include "ui/shell/WindowRoutines.h"

#include <QTabWidget>
#include <QTableView>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

using namespace basedata_ui;

namespace {

QList<RowTableModel<Part>::Column> partColumns()
{
    return {
        {QStringLiteral("配件名称"), [](const Part& p) { return QVariant(p.partsName); }},
        {QStringLiteral("材质"), [](const Part& p) { return QVariant(p.PartsQuality); }},
        {QStringLiteral("用途"), [](const Part& p) { return QVariant(p.PartsUsed); }},
        {QStringLiteral("安装节点单位用量"), [](const Part& p) { return QVariant(p.usenumMount); }},
        {QStringLiteral("喷粉要求"), [](const Part& p) { return QVariant(p.Dusting); }},
        {QStringLiteral("备注"), [](const Part& p) { return QVariant(p.Remark); }},
    };
}

} // namespace

Tfrm_Parts::Tfrm_Parts(AppContext& ctx, QWidget* parent)
    : QWidget(parent)
    , m_ctx(ctx)
    , m_tree(new QTreeWidget(this))
    , m_rightTabs(new QTabWidget(this))
    , m_grid(makeGrid(this))
    , m_parts(new RowTableModel<Part>(partColumns(), this))
{
    setWindowTitle(QStringLiteral("配件管理"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto* treeBar = new QToolBar(this);
    addToolButton(treeBar, QStringLiteral("新增类别"), [this] { addTypeClick(); });
    addToolButton(treeBar, QStringLiteral("修改类别"), [this] { editTypeClick(); });
    addToolButton(treeBar, QStringLiteral("删除类别"), [this] { deleteTypeClick(); });
    m_tree->setHeaderHidden(true);
    auto* leftTabs = new QTabWidget(this);
    leftTabs->addTab(toolbarPage(treeBar, m_tree, this), QStringLiteral("配件类型"));

    auto* gridBar = new QToolBar(this);
    addToolButton(gridBar, QStringLiteral("新增"), [this] { addClick(); });
    addToolButton(gridBar, QStringLiteral("修改"), [this] { editClick(); });
    addToolButton(gridBar, QStringLiteral("删除"), [this] { deleteClick(); });
    m_grid->setModel(m_parts);
    m_rightTabs->addTab(toolbarPage(gridBar, m_grid, this), QStringLiteral("配件"));

    placeSideBySide(this, leftTabs, m_rightTabs);

    connect(m_tree, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) { typeClicked(item); });
    CreateTypeTree();
}

void Tfrm_Parts::CreateTypeTree()
{
    const auto types = listPartTypes(m_ctx.dm);
    fillTree(m_tree, QStringLiteral("配件类别"), types.value_or(QList<PartType>{}));
}

void Tfrm_Parts::typeClicked(QTreeWidgetItem* item)
{
    if (!item || !item->parent())
        return;
    m_typeId = nodeId(item);
    m_typeName = item->text(0).trimmed();
    loadParts();
    m_rightTabs->setTabText(0, m_typeName + QStringLiteral("信息"));
}

void Tfrm_Parts::loadParts()
{
    const auto rows = listParts(m_ctx.dm, m_typeId);
    if (!rows)
        return;
    m_parts->setRows(*rows);
    selectFirstRow(m_grid);
    FitGridColumns(m_grid, 5);
}

QTreeWidgetItem* Tfrm_Parts::selectedTypeNode()
{
    QTreeWidgetItem* item = m_tree->currentItem();
    if (item && item->parent())
        return item;
    m_ctx.prompt.information(kSelectNode);
    return nullptr;
}

void Tfrm_Parts::addTypeClick()
{
    Tfrm_addPartsType dialog(m_ctx, this);
    modal.run(dialog);
    CreateTypeTree();
}

void Tfrm_Parts::editTypeClick()
{
    QTreeWidgetItem* node = selectedTypeNode();
    if (!node)
        return;
    if (isProtectedPartType(nodeId(node))) {
        m_ctx.prompt.information(QStringLiteral("四大主材类别不能修改！"));
        return;
    }
    Tfrm_modiPartsType dialog(m_ctx, nodeId(node), node->text(0).trimmed(), this);
    modal.run(dialog);
    CreateTypeTree();
}

// The refusals come before the question: nobody is asked to confirm a
// deletion that cannot happen.
void Tfrm_Parts::deleteTypeClick()
{
    QTreeWidgetItem* node = selectedTypeNode();
    if (!node)
        return;
    const int id = nodeId(node);
    if (isProtectedPartType(id)) {
        m_ctx.prompt.information(QStringLiteral("四大主材类别不能删除！"));
        return;
    }
    if (!m_ctx.prompt.question(kConfirmDelete))
        return;
    if (deletePartsType(m_ctx.dm, id))
        delete node;
}

void Tfrm_Parts::addClick()
{
    if (!selectedTypeNode())
        return;
    Tfrm_addparts dialog(m_ctx, m_typeId, m_typeName, this);
    modal.run(dialog);
    loadParts();
}

void Tfrm_Parts::editClick()
{
    if (!selectedTypeNode())
        return;
    const int row = currentRow(m_grid);
    if (row < 0) {
        m_ctx.prompt.information(kNoRecordBang);
        return;
    }
    Tfrm_editParts dialog(m_ctx, m_typeName, m_parts->row(row), this);
    modal.run(dialog);
    loadParts();
}

void Tfrm_Parts::deleteClick()
{
    const int row = currentRow(m_grid);
    if (row < 0) {
        m_ctx.prompt.information(kNoRecord);
        return;
    }
    const int id = m_parts->row(row).partsID;
    if (!m_ctx.prompt.question(kConfirmDelete))
        return;
    deletePart(m_ctx.dm, id);
    loadParts();
}
