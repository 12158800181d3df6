#include "Tfrm_Quellar.h"

#include "Tfrm_addProject.h"
#include "core/Prompt.h"
#include "data/Lookups.h"
#include "data/Projects.h"
#include "ui/grid/DataGrid.h"
#include "ui/shell/AppContext.h"

#include <QLabel>
#include <QLineEdit>
#include <QToolBar>
#include <QVBoxLayout>

namespace {
const QString kNoRecord = QStringLiteral("当前没有记录");
const QString kHasBills = QStringLiteral("该工程已经下单，不能删除！请先删除该工程的下单数据。");
const QString kConfirmDelete = QStringLiteral("删除操作是不可逆的、确定要删除选择的记录吗?");
} // namespace

Tfrm_Quellar::Tfrm_Quellar(AppContext& ctx, QWidget* parent)
    : QWidget(parent)
    , m_ctx(ctx)
    , m_grid(new DataGrid(this))
    , m_search(new QLineEdit(this))
{
    setWindowTitle(QStringLiteral("工程管理"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto* bar = new QToolBar(this);
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    connect(bar->addAction(QStringLiteral("增加")), &QAction::triggered, this, &Tfrm_Quellar::addClick);
    connect(bar->addAction(QStringLiteral("删除")), &QAction::triggered, this, &Tfrm_Quellar::deleteClick);
    bar->addSeparator();
    bar->addWidget(new QLabel(QStringLiteral("项目名称 "), this));
    m_search->setMaximumWidth(240);
    bar->addWidget(m_search);
    connect(bar->addAction(QStringLiteral("查找")), &QAction::triggered, this, &Tfrm_Quellar::queryByName);
    connect(m_search, &QLineEdit::returnPressed, this, &Tfrm_Quellar::queryByName);

    m_grid->setColumns({{QStringLiteral("序号"), "ROWNUM"},
                        {QStringLiteral("项目名称"), "proJectName"},
                        {QStringLiteral("下单日期"), "startDate"},
                        {QStringLiteral("发货日期"), "endDate"},
                        {QStringLiteral("项目描述"), "projectDesc"},
                        {QStringLiteral("创建日期"), "CreateDate"},
                        {QStringLiteral("创建人"), "username"},
                        {QStringLiteral("备注"), "remark"}});
    connect(m_grid, &DataGrid::cellClicked, this, [this] { m_grid->FitGridColumns(5); });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(bar);
    layout->addWidget(m_grid);
    resize(960, 600);

    RefreshGrid();
}

void Tfrm_Quellar::showProjects(const QString& filter)
{
    try {
        m_grid->setRecords(ownProjects(m_ctx.dm, m_ctx.session.CurrentUser.userID.toInt(), filter));
    } catch (const DbError&) {
        m_grid->clearRecords();
        m_ctx.prompt.error(kDbErrorText);
    }
    m_grid->FitGridColumns(5);
}

void Tfrm_Quellar::RefreshGrid()
{
    showProjects({});
}

void Tfrm_Quellar::queryByName()
{
    showProjects(m_search->text().trimmed());
}

void Tfrm_Quellar::addClick()
{
    Tfrm_addProject dialog(m_ctx, this);
    dialog.exec();
    RefreshGrid();
}

void Tfrm_Quellar::deleteClick()
{
    if (m_grid->rowCount() == 0) {
        m_ctx.prompt.information(kNoRecord);
        return;
    }
    const int projectID = m_grid->currentValue("projectID").toInt();
    try {
        if (projectHasBills(m_ctx.dm, projectID)) {
            m_ctx.prompt.information(kHasBills);
            return;
        }
        if (!m_ctx.prompt.question(kConfirmDelete))
            return;
        deleteProject(m_ctx.dm, projectID);
    } catch (const DbError&) {
        m_ctx.prompt.error(kDbErrorText);
    }
    RefreshGrid();
}
