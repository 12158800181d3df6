#include "Tfrm_craftwork.h"

#include "core/Prompt.h"
#include "ui/shell/AppContext.h"
#include "ui/shell/WindowRoutines.h"

#include <QTableView>
#include <QToolBar>
#include <QVBoxLayout>

using namespace basedata_ui;

Tfrm_craftwork::Tfrm_craftwork(AppContext& ctx, QWidget* parent)
    : QWidget(parent)
    , m_ctx(ctx)
    , m_grid(makeGrid(this))
    , m_crafts(new RowTableModel<Craftwork>(
          {
              {QStringLiteral("工艺类别"), [](const Craftwork& c) { return QVariant(c.craftworkCate); }},
              {QStringLiteral("工艺"), [](const Craftwork& c) { return QVariant(c.craftworkValue); }},
              {QStringLiteral("工艺描述"), [](const Craftwork& c) { return QVariant(c.craftworkDesc); }},
          },
          this))
{
    setWindowTitle(QStringLiteral("工艺管理"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto* bar = new QToolBar(this);
    addToolButton(bar, QStringLiteral("删除"), [this] { deleteClick(); });
    m_grid->setModel(m_crafts);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(toolbarPage(bar, m_grid, this));
    RefreshGrid();
}

void Tfrm_craftwork::RefreshGrid()
{
    const auto rows = listCraftworks(m_ctx.dm);
    if (!rows)
        return;
    m_crafts->setRows(*rows);
    selectFirstRow(m_grid);
    FitGridColumns(m_grid, 5);
}

void Tfrm_craftwork::deleteClick()
{
    const int row = currentRow(m_grid);
    if (row < 0) {
        m_ctx.prompt.information(kNoRecord);
        return;
    }
    const Craftwork c = m_crafts->row(row);
    if (isSystemCraftwork(c.craftworkID)) {
        m_ctx.prompt.information(QStringLiteral("系统初始字典数据不能删除！"));
        return;
    }
    if (!m_ctx.prompt.question(kConfirmDelete))
        return;
    deleteCraftworkByName(m_ctx.dm, c.craftworkValue);
    RefreshGrid();
}
