#include "Tfrm_mainmaterial.h"

#include "BindingPartsDialogs.h"
#include "MainMaterialForm.h"
#include "NameForm.h"
#include "core/Prompt.h"
#include "data/Lookups.h"
#include "ui/shell/AppContext.h"
#include "ui/shell/WindowRoutines.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QSplitter>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QTableView>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

using namespace basedata_ui;

namespace {

// Columns of the material grid edited in place.
constexpr int kLengthColumn = 3;
constexpr int kShapeColumn = 7;
constexpr int kSurfaceColumn = 8;
constexpr int kMHeavyColumn = 9;
constexpr int kGirthColumn = 10;

struct EditableColumn {
    int column;
    MaterialField field;
    QString MainMaterial::*member;
    const char* caption;
};

const EditableColumn kEditable[] = {
    {kLengthColumn, MaterialField::Length, &MainMaterial::length, "长度（扶手高度）"},
    {kShapeColumn, MaterialField::ShapeType, &MainMaterial::ShapeType, "类别"},
    {kSurfaceColumn, MaterialField::SurfaceArea, &MainMaterial::SurfaceArea, "表面积"},
    {kMHeavyColumn, MaterialField::MHeavy, &MainMaterial::MHeavy, "米重(kg/m)"},
    {kGirthColumn, MaterialField::Girth, &MainMaterial::girth, "周长(mm)"},
};

const EditableColumn* editableColumn(int column)
{
    for (const EditableColumn& c : kEditable)
        if (c.column == column)
            return &c;
    return nullptr;
}

QList<RowTableModel<MainMaterial>::Column> materialColumns()
{
    using M = MainMaterial;
    return {
        {QStringLiteral("是否常用"), [](const M& m) { return QVariant(m.Iscommon); }, true},
        {QStringLiteral("规格名称"), [](const M& m) { return QVariant(m.ModelName); }},
        {QStringLiteral("型号"), [](const M& m) { return QVariant(m.materialType); }},
        {QStringLiteral("长度（扶手高度）"), [](const M& m) { return QVariant(m.length); }, false, true},
        {QStringLiteral("宽度"), [](const M& m) { return QVariant(m.Width); }},
        {QStringLiteral("壁厚"), [](const M& m) { return QVariant(m.Thick); }},
        {QStringLiteral("重量"), [](const M& m) { return QVariant(m.Weight); }},
        {QStringLiteral("类别"), [](const M& m) { return QVariant(m.ShapeType); }, false, true},
        {QStringLiteral("表面积"), [](const M& m) { return QVariant(m.SurfaceArea); }, false, true},
        {QStringLiteral("米重(kg/m)"), [](const M& m) { return QVariant(m.MHeavy); }, false, true},
        {QStringLiteral("周长(mm)"), [](const M& m) { return QVariant(m.girth); }, false, true},
        {QStringLiteral("备注"), [](const M& m) { return QVariant(m.Remark); }},
    };
}

QList<RowTableModel<MaterialPartBinding>::Column> bindingColumns()
{
    using B = MaterialPartBinding;
    return {
        {QStringLiteral("配件名称"), [](const B& b) { return QVariant(b.partsName); }},
        {QStringLiteral("配件规格"), [](const B& b) { return QVariant(b.PartsModel); }},
        {QStringLiteral("一单位主材绑定用量"), [](const B& b) { return QVariant(b.useNum); }},
        {QStringLiteral("一安装节点单位用量"), [](const B& b) { return QVariant(b.UseNumMount); }},
        {QStringLiteral("加工工艺"), [](const B& b) { return QVariant(b.craftwork); }},
        {QStringLiteral("备注"), [](const B& b) { return QVariant(b.remark); }},
    };
}

// In-place editors: the shape class is picked from its list, the decimals
// take the decimal key filter.
class MaterialCellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        if (index.column() == kShapeColumn) {
            auto* box = new QComboBox(parent);
            box->addItems(shapeClasses());
            return box;
        }
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* line = qobject_cast<QLineEdit*>(editor))
            line->setValidator(decimalFilter(line));
        return editor;
    }
};

} // namespace

Tfrm_mainmaterial::Tfrm_mainmaterial(AppContext& ctx, QWidget* parent)
    : QWidget(parent)
    , m_ctx(ctx)
    , m_tree(new QTreeWidget(this))
    , m_rightTabs(new QTabWidget(this))
    , m_search(new QLineEdit(this))
    , m_grid(makeGrid(this))
    , m_bindingGrid(makeGrid(this))
    , m_materials(new RowTableModel<MainMaterial>(materialColumns(), this))
    , m_bindings(new RowTableModel<MaterialPartBinding>(bindingColumns(), this))
{
    setWindowTitle(QStringLiteral("主材管理"));
    setAttribute(Qt::WA_DeleteOnClose);

    // Left: the category tree. The category list is fixed data, so its
    // buttons stay disabled.
    auto* treeBar = new QToolBar(this);
    m_categoryActions = {
        addToolButton(treeBar, QStringLiteral("新增类别"), [this] { addCategoryClick(); }),
        addToolButton(treeBar, QStringLiteral("修改类别"), [this] { editCategoryClick(); }),
        addToolButton(treeBar, QStringLiteral("删除类别"), [this] { deleteCategoryClick(); }),
    };
    for (QAction* a : m_categoryActions)
        a->setEnabled(false);
    m_tree->setHeaderHidden(true);
    auto* leftTabs = new QTabWidget(this);
    leftTabs->addTab(toolbarPage(treeBar, m_tree, this), QStringLiteral("主材类型"));

    // Right: the models, and the parts bound to the selected one.
    auto* gridBar = new QToolBar(this);
    addToolButton(gridBar, QStringLiteral("新增"), [this] { addClick(); });
    addToolButton(gridBar, QStringLiteral("修改"), [this] { editClick(); });
    addToolButton(gridBar, QStringLiteral("删除"), [this] { deleteClick(); });
    gridBar->addSeparator();
    gridBar->addWidget(new QLabel(QStringLiteral("规格名称："), this));
    m_search->setMaximumWidth(200);
    gridBar->addWidget(m_search);
    addToolButton(gridBar, QStringLiteral("查找"), [this] { searchClick(); });
    connect(m_search, &QLineEdit::returnPressed, this, [this] { searchClick(); });

    m_grid->setModel(m_materials);
    m_grid->setItemDelegate(new MaterialCellDelegate(m_grid));
    m_grid->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                            | QAbstractItemView::SelectedClicked);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectItems);
    m_materials->setWriter([this](MainMaterial& row, int column, const QVariant& v) { return writeCell(row, column, v); });
    connect(m_grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this] { loadBindings(); });

    auto* bindingBar = new QToolBar(this);
    addToolButton(bindingBar, QStringLiteral("绑定配件"), [this] { bindPartsClick(); });
    addToolButton(bindingBar, QStringLiteral("修改绑定信息"), [this] { editBindingClick(); });
    addToolButton(bindingBar, QStringLiteral("删除绑定"), [this] { deleteBindingClick(); });
    m_bindingGrid->setModel(m_bindings);
    auto* bindingBox = new QGroupBox(QStringLiteral("已绑定配件"), this);
    auto* bindingLayout = new QVBoxLayout(bindingBox);
    bindingLayout->setContentsMargins(2, 2, 2, 2);
    bindingLayout->addWidget(bindingBar);
    bindingLayout->addWidget(m_bindingGrid, 1);

    auto* rightSplit = new QSplitter(Qt::Vertical, this);
    rightSplit->addWidget(m_grid);
    rightSplit->addWidget(bindingBox);
    rightSplit->setStretchFactor(0, 3);
    rightSplit->setStretchFactor(1, 1);
    m_rightTabs->addTab(toolbarPage(gridBar, rightSplit, this), QStringLiteral("主材信息"));

    placeSideBySide(this, leftTabs, m_rightTabs);

    connect(m_tree, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) { categoryClicked(item); });
    CreateCategoryTree();
}

void Tfrm_mainmaterial::CreateCategoryTree()
{
    QList<MaterialCategory> shown = listMaterialCategories(m_ctx.dm).value_or(QList<MaterialCategory>{});
    shown.removeIf([](const MaterialCategory& c) { return c.id == kHiddenMaterialCategory; });
    fillTree(m_tree, QStringLiteral("主材类别"), shown);
}

void Tfrm_mainmaterial::categoryClicked(QTreeWidgetItem* item)
{
    if (!item || !item->parent())
        return;
    m_categoryId = nodeId(item);
    m_categoryName = item->text(0).trimmed();
    loadMaterialByCate(m_categoryId);
    m_rightTabs->setTabText(0, m_categoryName + QStringLiteral("信息"));
}

bool Tfrm_mainmaterial::categoryNodeSelected()
{
    const QTreeWidgetItem* item = m_tree->currentItem();
    if (item && item->parent())
        return true;
    m_ctx.prompt.information(kSelectNode);
    return false;
}

void Tfrm_mainmaterial::loadMaterialByCate(int categoryId, int keepId)
{
    showMaterials(listMaterials(m_ctx.dm, categoryId), keepId);
}

void Tfrm_mainmaterial::loadMaterialByCateAndName(const QString& name)
{
    showMaterials(listMaterials(m_ctx.dm, m_categoryId, name), 0);
}

void Tfrm_mainmaterial::showMaterials(const std::optional<QList<MainMaterial>>& rows, int keepId)
{
    if (!rows)
        return;   // keeps what it showed
    m_materials->setRows(*rows);
    int row = 0;
    for (int i = 0; i < rows->size(); ++i)
        if (rows->at(i).mainmaterialID == keepId)
            row = i;
    if (!rows->isEmpty())
        m_grid->setCurrentIndex(m_materials->index(row, 1));
    FitGridColumns(m_grid, 5);
    loadBindings();
}

const MainMaterial* Tfrm_mainmaterial::currentMaterial() const
{
    const int row = currentRow(m_grid);
    return row < 0 ? nullptr : &m_materials->row(row);
}

void Tfrm_mainmaterial::loadBindings()
{
    const MainMaterial* m = currentMaterial();
    if (!m) {
        m_bindings->setRows({});
        return;
    }
    if (const auto rows = listMaterialBindings(m_ctx.dm, m->mainmaterialID)) {
        m_bindings->setRows(*rows);
        selectFirstRow(m_bindingGrid);
        FitGridColumns(m_bindingGrid, 5);
    }
}

bool Tfrm_mainmaterial::writeCell(MainMaterial& row, int column, const QVariant& value)
{
    const EditableColumn* c = editableColumn(column);
    const QString text = value.toString().trimmed();
    if (!c || text == row.*(c->member))
        return false;
    if (c->field != MaterialField::ShapeType && !text.isEmpty()) {
        bool ok = false;
        text.toDouble(&ok);
        if (!ok) {
            m_ctx.prompt.information(QString::fromUtf8(c->caption) + QStringLiteral("必须是数字"));
            return false;
        }
    }
    try {
        updateMaterialField(m_ctx.dm, row.mainmaterialID, c->field, text);
    } catch (const DbError&) {
        m_ctx.prompt.error(kDbErrorText);
        return false;
    }
    row.*(c->member) = text;
    return true;
}

void Tfrm_mainmaterial::searchClick()
{
    loadMaterialByCateAndName(m_search->text().trimmed());
}

void Tfrm_mainmaterial::addClick()
{
    if (!categoryNodeSelected())
        return;
    Tfrm_addMainMaTerial dialog(m_ctx, m_categoryId, m_categoryName, this);
    modal.run(dialog);
    loadMaterialByCate(m_categoryId);
}

std::optional<std::pair<MainMaterial, bool>>
Tfrm_mainmaterial::selectedMaterialWithReference(const QString& noRecordText)
{
    const MainMaterial* m = currentMaterial();
    if (!m) {
        m_ctx.prompt.information(noRecordText);
        return std::nullopt;
    }
    const MainMaterial row = *m;
    const auto referenced = checkedLookup(m_ctx.prompt, [&] {
        return isModelReferenced(m_ctx.dm, row.ModelName, m_categoryId);
    });
    if (!referenced)
        return std::nullopt;
    return std::make_pair(row, *referenced);
}

void Tfrm_mainmaterial::editClick()
{
    if (!categoryNodeSelected())
        return;
    const auto selected = selectedMaterialWithReference(kNoRecordBang);
    if (!selected)
        return;
    const auto& [row, referenced] = *selected;
    Tfrm_editMainMaterial dialog(m_ctx, m_categoryName, row, referenced, this);
    modal.run(dialog);
    loadMaterialByCate(m_categoryId, row.mainmaterialID);
}

void Tfrm_mainmaterial::deleteClick()
{
    if (!categoryNodeSelected())
        return;
    const auto selected = selectedMaterialWithReference(kNoRecord);
    if (!selected)
        return;
    const auto& [row, referenced] = *selected;
    if (referenced) {
        m_ctx.prompt.information(QStringLiteral("当前型号已经引用，不能删除！"));
        return;
    }
    if (!m_ctx.prompt.question(kConfirmDelete))
        return;
    const QString failure = deleteMainMaterial(m_ctx.dm, row.mainmaterialID);
    if (!failure.isEmpty())
        m_ctx.prompt.error(failure);
    loadMaterialByCate(m_categoryId);
}

void Tfrm_mainmaterial::addCategoryClick()
{
    Tfrm_addMainMaterCate dialog(m_ctx, this);
    modal.run(dialog);
    CreateCategoryTree();
}

void Tfrm_mainmaterial::editCategoryClick()
{
    if (!categoryNodeSelected())
        return;
    Tfrm_modiMainMaterCate dialog(m_ctx, m_categoryId, m_tree->currentItem()->text(0).trimmed(), this);
    modal.run(dialog);
    CreateCategoryTree();
}

void Tfrm_mainmaterial::deleteCategoryClick()
{
    if (!categoryNodeSelected() || !m_ctx.prompt.question(kConfirmDelete))
        return;
    const int id = nodeId(m_tree->currentItem());
    if (deleteMainMaterCate(m_ctx.dm, id))
        delete m_tree->currentItem();
}

void Tfrm_mainmaterial::bindPartsClick()
{
    const MainMaterial* m = currentMaterial();
    if (!m) {
        m_ctx.prompt.information(kNoRecordBang);
        return;
    }
    Tfrm_bindingParts dialog(m_ctx, *m, this);
    modal.run(dialog);
    loadBindings();
}

void Tfrm_mainmaterial::editBindingClick()
{
    const int row = currentRow(m_bindingGrid);
    if (row < 0) {
        m_ctx.prompt.information(kNoRecordBang);
        return;
    }
    Tfrm_editBindingParts dialog(m_ctx, m_bindings->row(row), this);
    modal.run(dialog);
    loadBindings();
}

void Tfrm_mainmaterial::deleteBindingClick()
{
    const int row = currentRow(m_bindingGrid);
    if (row < 0) {
        m_ctx.prompt.information(kNoRecord);
        return;
    }
    const MaterialPartBinding b = m_bindings->row(row);
    if (!m_ctx.prompt.question(kConfirmDelete))
        return;
    deleteMaterialBinding(m_ctx.dm, b.mainmaterialID, b.partsID);
    loadBindings();
}
