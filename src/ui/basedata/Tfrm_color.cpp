#include "Tfrm_color.h"

#include "core/Prompt.h"
#include "ui/shell/AppContext.h"
#include "ui/shell/WindowRoutines.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QToolBar>
#include <QVBoxLayout>

using namespace basedata_ui;

Tfrm_addcolor::Tfrm_addcolor(AppContext& ctx, QWidget* parent)
    : QDialog(parent)
    , m_ctx(ctx)
    , m_color(new QLineEdit(this))
    , m_remark(new QLineEdit(this))
    , m_save(new QPushButton(QStringLiteral("保存"), this))
    , m_cancel(new QPushButton(QStringLiteral("取消"), this))
{
    setWindowTitle(QStringLiteral("增加颜色值"));
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("颜色值"), m_color);
    form->addRow(QStringLiteral("备注"), m_remark);
    auto* buttons = buttonRow({m_save, m_cancel});
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
    resize(360, 140);
    connect(m_save, &QPushButton::clicked, this, &Tfrm_addcolor::saveClick);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void Tfrm_addcolor::saveClick()
{
    if (!requireText(m_ctx.prompt, m_color, QStringLiteral("颜色值不能为空")))
        return;
    reportProcResult(m_ctx.prompt, insertColour(m_ctx.dm, m_color->text(), m_remark->text()));
    accept();
}

Tfrm_color::Tfrm_color(AppContext& ctx, QWidget* parent)
    : QWidget(parent)
    , m_ctx(ctx)
    , m_grid(makeGrid(this))
    , m_colours(new RowTableModel<Colour>(
          {
              {QStringLiteral("颜色值"), [](const Colour& c) { return QVariant(c.ColorValue); }},
              {QStringLiteral("备注"), [](const Colour& c) { return QVariant(c.remark); }},
          },
          this))
{
    setWindowTitle(QStringLiteral("颜色管理"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto* bar = new QToolBar(this);
    addToolButton(bar, QStringLiteral("增加"), [this] { addClick(); });
    addToolButton(bar, QStringLiteral("删除"), [this] { deleteClick(); });
    m_grid->setModel(m_colours);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(toolbarPage(bar, m_grid, this));
    RefreshGrid();
}

void Tfrm_color::RefreshGrid()
{
    const auto rows = listColours(m_ctx.dm);
    if (!rows)
        return;
    m_colours->setRows(*rows);
    selectFirstRow(m_grid);
    FitGridColumns(m_grid, 5);
}

void Tfrm_color::addClick()
{
    Tfrm_addcolor dialog(m_ctx, this);
    if (modal.run(dialog) == QDialog::Accepted)
        RefreshGrid();
}

void Tfrm_color::deleteClick()
{
    const int row = currentRow(m_grid);
    if (row < 0) {
        m_ctx.prompt.information(kNoRecord);
        return;
    }
    const QString value = m_colours->row(row).ColorValue;
    if (!m_ctx.prompt.question(kConfirmDelete))
        return;
    deleteColour(m_ctx.dm, value);
    RefreshGrid();
}
