#include "Tfrm_openProject.h"

#include "core/Prompt.h"
#include "data/Projects.h"
#include "ui/shell/AppContext.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
// Sub-items after the caption (工程名称), in column order.
const QStringList kFields = {"CreateDate", "startDate", "endDate", "projectDesc", "remark", "username", "projectID"};
constexpr int kProjectIdColumn = 7;
} // namespace

Tfrm_openProject::Tfrm_openProject(AppContext& ctx, QWidget* parent)
    : QDialog(parent)
    , m_ctx(ctx)
    , m_search(new QLineEdit(this))
    , m_list(new QTreeWidget(this))
{
    setWindowTitle(QStringLiteral("打开工程"));

    auto* bar = new QToolBar(this);
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    connect(bar->addAction(QStringLiteral("打开工程")), &QAction::triggered, this, &Tfrm_openProject::openClick);

    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(new QLabel(QStringLiteral("工程名称"), this));
    searchRow->addWidget(m_search, 1);
    auto* find = new QPushButton(QStringLiteral("查找"), this);
    find->setAutoDefault(false);
    searchRow->addWidget(find);
    connect(find, &QPushButton::clicked, this, &Tfrm_openProject::queryByName);
    connect(m_search, &QLineEdit::returnPressed, this, &Tfrm_openProject::queryByName);

    m_list->setRootIsDecorated(false);
    m_list->setHeaderLabels({QStringLiteral("工程名称"), QStringLiteral("创建日期"), QStringLiteral("下单日期"),
                             QStringLiteral("发货日期"), QStringLiteral("工程描述"), QStringLiteral("备注"),
                             QStringLiteral("创建人"), QStringLiteral("projectID")});
    m_list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_list->setAllColumnsShowFocus(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(bar);
    layout->addLayout(searchRow);
    layout->addWidget(m_list, 1);
    resize(900, 520);

    try {
        fillList(openableProjects(m_ctx.dm, m_ctx.session.CurrentUser.userID.toInt()));
    } catch (const DbError&) {
        m_ctx.prompt.error(kDbErrorText);
    }
}

void Tfrm_openProject::fillList(const RecordSet& rows)
{
    m_list->clear();
    for (int r = 0; r < rows.rowCount(); ++r) {
        auto* item = new QTreeWidgetItem(m_list);
        item->setText(0, rows.text(r, "proJectName"));
        for (int i = 0; i < kFields.size(); ++i)
            item->setText(i + 1, rows.text(r, kFields.at(i)));
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(0, Qt::Unchecked);
    }
}

void Tfrm_openProject::queryByName()
{
    try {
        const RecordSet rows = openableProjects(m_ctx.dm, m_ctx.session.CurrentUser.userID.toInt(),
                                                m_search->text().trimmed());
        if (!rows.isEmpty())
            fillList(rows);
    } catch (const DbError&) {
        m_ctx.prompt.error(kDbErrorText);
    }
}

bool Tfrm_openProject::tickProject(int projectID)
{
    for (int i = 0; i < m_list->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = m_list->topLevelItem(i);
        if (item->text(kProjectIdColumn).trimmed().toInt() == projectID) {
            item->setCheckState(0, Qt::Checked);
            return true;
        }
    }
    return false;
}

void Tfrm_openProject::openClick()
{
    QList<int> ids;
    for (int i = 0; i < m_list->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = m_list->topLevelItem(i);
        if (item->checkState(0) == Qt::Checked)
            ids << item->text(kProjectIdColumn).trimmed().toInt();
    }
    m_ctx.session.OpenedProjectIDs = ids;
    emit projectsOpened();
    accept();
}
