#include "Tfrm_Feeding.h"

#include "core/Prompt.h"
#include "data/Workspace.h"
#include "store/StoreMessages.h"
#include "ui/feeding/FeedingDialogs.h"
#include "ui/feeding/Tfrm_HandRailSplit.h"
#include "ui/grid/DataGrid.h"
#include "ui/projects/Tfrm_openProject.h"
#include "ui/shell/AppContext.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QSplitter>
#include <QTabWidget>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

const QString kNoRecord = QStringLiteral("当前没有记录");
const QString kNoRecordBang = QStringLiteral("当前没有记录！");
const QString kChooseProject = QStringLiteral("请选取工程项目！");
const QString kConfirmDelete = QStringLiteral("删除操作是不可逆的、确定要删除选择的记录吗?");
const QString kExportFailed = QStringLiteral("分栏图保存失败！");

constexpr int kProjectIdRole = Qt::UserRole;
constexpr int kProjectNameRole = Qt::UserRole + 1;

// Depth of a tree node: 0 the root, 1 a project, 2 a detail line.
int nodeLevel(const QTreeWidgetItem* item)
{
    int level = 0;
    for (const QTreeWidgetItem* p = item->parent(); p; p = p->parent())
        ++level;
    return level;
}

QToolBar* makeBar(QWidget* parent)
{
    auto* bar = new QToolBar(parent);
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    return bar;
}

} // namespace

Tfrm_Feeding::Tfrm_Feeding(AppContext& ctx, QWidget* parent)
    : QWidget(parent)
    , m_ctx(ctx)
    , m_tree(new QTreeWidget(this))
    , m_bills(new DataGrid(this))
    , m_results(new DataGrid(this))
    , m_bindings(new DataGrid(this))
    , m_billsTab(new QTabWidget(this))
    , m_resultsTab(new QTabWidget(this))
    , m_diagramTab(new QTabWidget(this))
    , m_diagramArea(new QScrollArea(this))
    , m_diagramLabel(new QLabel(this))
{
    setWindowTitle(QStringLiteral("辅助下料"));
    setAttribute(Qt::WA_DeleteOnClose);

    m_tree->setHeaderHidden(true);
    connect(m_tree, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) { TreeView1Click(item); });
    connect(m_tree, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) { TreeView1Click(item); });
    auto* treeTab = new QTabWidget(this);
    treeTab->addTab(m_tree, QStringLiteral("工程项目"));

    m_billsTab->addTab(buildBillsPage(), QStringLiteral("下料单"));
    m_resultsTab->addTab(buildResultsPage(), QStringLiteral("主材尺寸数量"));
    auto* bindingsTab = new QTabWidget(this);
    bindingsTab->addTab(buildBindingsPage(), QStringLiteral("定义安装节点方式绑定配件"));

    m_diagramLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_diagramArea->setWidget(m_diagramLabel);
    m_diagramArea->setWidgetResizable(false);
    m_diagramArea->setBackgroundRole(QPalette::Base);
    m_diagramTab->addTab(m_diagramArea, QStringLiteral("分栏图"));

    auto* right = new QSplitter(Qt::Vertical, this);
    right->addWidget(m_resultsTab);
    right->addWidget(bindingsTab);
    auto* top = new QSplitter(Qt::Horizontal, this);
    top->addWidget(treeTab);
    top->addWidget(m_billsTab);
    top->addWidget(right);
    top->setStretchFactor(0, 1);
    top->setStretchFactor(1, 4);
    top->setStretchFactor(2, 3);
    top->setSizes({270, 650, 500});
    auto* main = new QSplitter(Qt::Vertical, this);
    main->addWidget(top);
    main->addWidget(m_diagramTab);
    main->setStretchFactor(0, 3);
    main->setStretchFactor(1, 1);
    // Room for a straight bill's diagram (135 pixels) and the scroll bar.
    m_diagramTab->setMinimumHeight(210);
    main->setSizes({540, 230});

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(buildToolbar());
    layout->addWidget(main, 1);
    resize(1280, 800);
}

QWidget* Tfrm_Feeding::buildToolbar()
{
    QToolBar* bar = makeBar(this);
    connect(bar->addAction(QStringLiteral("打开工程")), &QAction::triggered, this, &Tfrm_Feeding::openProjectClick);
    bar->addSeparator();
    // The production and shipping sheets.
    for (const QString& caption : {QStringLiteral("主材生产下料汇总"), QStringLiteral("主材发货单"),
                                  QStringLiteral("工程配件汇总"), QStringLiteral("工程配件发货单"),
                                  QStringLiteral("主材生产下料包装单"), QStringLiteral("配件生产下料包装单"),
                                  QStringLiteral("阳台护栏发货单")})
        connect(bar->addAction(caption), &QAction::triggered, this, [this, caption] { notAvailableYet(caption); });
    bar->addSeparator();
    connect(bar->addAction(QStringLiteral("设置")), &QAction::triggered, this, &Tfrm_Feeding::paramsClick);
    return bar;
}

QWidget* Tfrm_Feeding::buildBillsPage()
{
    auto* page = new QWidget(this);
    QToolBar* bar = makeBar(page);
    connect(bar->addAction(QStringLiteral("标准下料")), &QAction::triggered, this, &Tfrm_Feeding::addFeedingClick);
    connect(bar->addAction(QStringLiteral("修改")), &QAction::triggered, this, &Tfrm_Feeding::editFeedingClick);
    connect(bar->addAction(QStringLiteral("删除")), &QAction::triggered, this, &Tfrm_Feeding::deleteFeedingClick);
    connect(bar->addAction(QStringLiteral("转角下料")), &QAction::triggered, this, &Tfrm_Feeding::addCornerFeedingClick);
    connect(bar->addAction(QStringLiteral("导出分栏图")), &QAction::triggered, this, &Tfrm_Feeding::exportDiagramClick);

    m_bills->setColumns({{QStringLiteral("序号"), "SuitOrderNum"},
                         {QStringLiteral("护栏尺寸"), "Guardrailsize"},
                         {QStringLiteral("输入长度"), "inputLen"},
                         {QStringLiteral("榀数"), "GuardrailPin"},
                         {QStringLiteral("颜色"), "GuardrailColor"},
                         {QStringLiteral("分栏数"), "subfield"},
                         {QStringLiteral("扶手名称"), "handrailname"},
                         {QStringLiteral("立柱名称"), "ColumnName"},
                         {QStringLiteral("横杆名称"), "CrosspieceName"},
                         {QStringLiteral("竖杆名称"), "standpipeName"},
                         {QStringLiteral(" 玻璃名称"), "glassName"}});
    m_bills->setRowColor([](const RecordSet& rs, int row) {
        return isCornerBill(rs.value(row, "conerSetNum")) ? QColor(Qt::red) : QColor(Qt::black);
    });
    connect(m_bills, &DataGrid::cellClicked, this, &Tfrm_Feeding::DBGrid3CellClick);

    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(bar);
    layout->addWidget(m_bills, 1);
    return page;
}

QWidget* Tfrm_Feeding::buildResultsPage()
{
    auto* page = new QWidget(this);
    auto* split = new QPushButton(QStringLiteral("面管（扶手）拆分"), page);
    connect(split, &QPushButton::clicked, this, &Tfrm_Feeding::handrailSplitClick);
    m_results->setColumns({{QStringLiteral("序列号"), "SuitOrderNum"},
                           {QStringLiteral("主材类型"), "MainmaterialTypeName"},
                           {QStringLiteral("主材名称"), "mainmaterialName"},
                           {QStringLiteral("尺寸"), "size"},
                           {QStringLiteral("数量"), "count"}});
    connect(m_results, &DataGrid::cellClicked, this, [this] { m_results->FitGridColumns(5); });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(split);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addLayout(buttons);
    layout->addWidget(m_results, 1);
    return page;
}

QWidget* Tfrm_Feeding::buildBindingsPage()
{
    auto* page = new QWidget(this);
    auto* summary = new QPushButton(QStringLiteral("汇总主材绑定配件"), page);
    m_directBind = new QPushButton(QStringLiteral("直接绑定配件"), page);
    m_directBind->setVisible(false);
    connect(summary, &QPushButton::clicked, this, &Tfrm_Feeding::summaryBindClick);
    connect(m_directBind, &QPushButton::clicked, this, &Tfrm_Feeding::directBindClick);
    m_bindings->setColumns({{QStringLiteral("序号"), "rownum"},
                            {QStringLiteral("绑定的主材类别"), "bindmode"},
                            {QStringLiteral("配件名称"), "partsName"},
                            {QStringLiteral("配件型号"), "BindPartsModel"},
                            {QStringLiteral("总用量"), "UseCount"},
                            {QStringLiteral("材质"), "PartsQuality"},
                            {QStringLiteral("用途"), "PartsUsed"},
                            {QStringLiteral("加工工艺"), "craftwork"},
                            {QStringLiteral("备注"), "remark"}});
    connect(m_bindings, &DataGrid::cellClicked, this, [this] { m_bindings->FitGridColumns(5); });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(summary);
    buttons->addWidget(m_directBind);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addLayout(buttons);
    layout->addWidget(m_bindings, 1);
    return page;
}

QString Tfrm_Feeding::billsCaption() const
{
    return m_billsTab->tabText(0);
}

QString Tfrm_Feeding::resultsCaption() const
{
    return m_resultsTab->tabText(0);
}

QString Tfrm_Feeding::diagramCaption() const
{
    return m_diagramTab->tabText(0);
}

void Tfrm_Feeding::notAvailableYet(const QString& caption)
{
    m_ctx.prompt.information(QStringLiteral("“%1”尚未提供。").arg(caption));
}

void Tfrm_Feeding::CreateProjectTree()
{
    m_tree->clear();
    auto* root = new QTreeWidgetItem(m_tree, {QStringLiteral("工程项目")});
    try {
        const RecordSet rows = openedProjects(m_ctx.dm, m_ctx.session.OpenedProjectIDs);
        for (int r = 0; r < rows.rowCount(); ++r) {
            auto* node = new QTreeWidgetItem(root, {rows.text(r, "proJectName")});
            node->setData(0, kProjectIdRole, rows.value(r, "projectID").toInt());
            node->setData(0, kProjectNameRole, rows.text(r, "proJectName"));
            new QTreeWidgetItem(node, {QStringLiteral("创建日期:") + rows.text(r, "CreateDate")});
            new QTreeWidgetItem(node, {QStringLiteral("下单日期:") + rows.text(r, "startDate")});
            new QTreeWidgetItem(node, {QStringLiteral("发货日期:") + rows.text(r, "endDate")});
            new QTreeWidgetItem(node, {QStringLiteral("创建人:") + rows.text(r, "username")});
        }
    } catch (const DbError&) {
        m_ctx.prompt.error(kDbErrorText);
    }
    m_tree->expandAll();
}

void Tfrm_Feeding::TreeView1Click(QTreeWidgetItem* item)
{
    if (item && nodeLevel(item) == 1) {
        m_ctx.session.CurrentProjectID = item->data(0, kProjectIdRole).toInt();
        m_ctx.session.CurrentProjectName = item->data(0, kProjectNameRole).toString().trimmed();
        loadDetailBill(m_ctx.session.CurrentProjectID);
        m_billsTab->setTabText(0, m_ctx.session.CurrentProjectName + QStringLiteral("下料单"));
    }
    m_bills->FitGridColumns(5);
}

void Tfrm_Feeding::loadDetailBill(int projectID)
{
    try {
        m_bills->setRecords(detailBills(m_ctx.dm, projectID));
        m_bills->setCurrentRecord(m_bills->rowCount() - 1);
    } catch (const DbError&) {
        m_ctx.prompt.error(kDbErrorText);
    }
    m_bills->FitGridColumns(5);
}

void Tfrm_Feeding::loadSubfieldMaterResult(int detailBillID)
{
    try {
        m_results->setRecords(materialResults(m_ctx.dm, detailBillID));
    } catch (const DbError&) {
        m_ctx.prompt.error(kDbErrorText);
    }
    m_results->FitGridColumns(5);
}

void Tfrm_Feeding::loadSummaryResult()
{
    try {
        m_bindings->setRecords(projectBindings(m_ctx.dm, m_ctx.session.CurrentProjectID));
    } catch (const DbError&) {
        m_ctx.prompt.error(kDbErrorText);
    }
    m_bindings->FitGridColumns(5);
}

void Tfrm_Feeding::DBGrid3CellClick()
{
    if (!m_bills->isLoaded())
        return;
    if (m_bills->rowCount() == 0) {
        m_ctx.prompt.information(kNoRecord);
        return;
    }
    m_bills->FitGridColumns(5);
    const QString size = m_bills->currentText("Guardrailsize");
    const int billID = m_bills->currentValue("DetailBillID").toInt();
    m_resultsTab->setTabText(0, QStringLiteral("护栏:") + size + QStringLiteral("主材尺寸数量"));
    loadSubfieldMaterResult(billID);
    m_diagramTab->setTabText(0, QStringLiteral("护栏:") + size + QStringLiteral("分栏图"));
    loadSummaryResult();

    std::unique_ptr<FileStore> store = m_ctx.makeStore ? m_ctx.makeStore() : nullptr;
    if (!store || !store->InitFtpClient()) {
        m_ctx.prompt.error(StoreMessages::kDownloadConnectFailed);
        return;
    }
    const std::optional<QByteArray> bytes = store->downloadftpfile(billDiagramName(billID));
    if (!bytes) {
        // A store that dropped the connection leaves the old picture silently.
        if (store->isConnected())
            m_ctx.prompt.error(StoreMessages::kDiagramNotFound);
        return;
    }
    QImage image;
    if (!image.loadFromData(*bytes)) {
        m_ctx.prompt.error(StoreMessages::kDiagramNotFound);
        return;
    }
    m_diagram = std::move(image);
    showDiagram();
}

void Tfrm_Feeding::showDiagram()
{
    m_diagramLabel->setPixmap(QPixmap::fromImage(m_diagram));
    m_diagramLabel->resize(m_diagram.size());
}

bool Tfrm_Feeding::projectSelected() const
{
    const QTreeWidgetItem* item = m_tree->currentItem();
    // A detail node counts as its project; before any project was clicked
    // there is no project to add a bill to.
    return item && nodeLevel(item) > 0 && m_ctx.session.CurrentProjectID > 0;
}

void Tfrm_Feeding::openProjectClick()
{
    m_tree->clear();
    Tfrm_openProject dialog(m_ctx, this);
    connect(&dialog, &Tfrm_openProject::projectsOpened, this, &Tfrm_Feeding::CreateProjectTree);
    dialog.exec();
}

void Tfrm_Feeding::addFeedingClick()
{
    if (!projectSelected()) {
        m_ctx.prompt.information(kChooseProject);
        return;
    }
    openAddFeeding(m_ctx, this);
}

void Tfrm_Feeding::addCornerFeedingClick()
{
    if (!projectSelected()) {
        m_ctx.prompt.information(kChooseProject);
        return;
    }
    notAvailableYet(QStringLiteral("转角下料"));
}

void Tfrm_Feeding::editFeedingClick()
{
    if (!m_bills->isLoaded())
        return;
    if (m_bills->rowCount() == 0) {
        m_ctx.prompt.information(kNoRecordBang);
        return;
    }
    if (isCornerBill(m_bills->currentValue("conerSetNum"))) {
        notAvailableYet(QStringLiteral("修改转角下料单"));
        return;
    }
    openEditFeeding(m_ctx, m_bills->currentValue("DetailBillID").toInt(), this);
}

void Tfrm_Feeding::deleteFeedingClick()
{
    if (!m_bills->isLoaded())
        return;
    if (m_bills->rowCount() == 0) {
        m_ctx.prompt.information(kNoRecord);
        return;
    }
    if (!m_ctx.prompt.question(kConfirmDelete))
        return;
    try {
        deleteDetailBill(m_ctx.dm, m_bills->currentValue("DetailBillID").toInt());
    } catch (const DbError& e) {
        m_ctx.prompt.error(e.text);
    }
    loadDetailBill(m_ctx.session.CurrentProjectID);
}

void Tfrm_Feeding::exportDiagramClick()
{
    if (!m_bills->isLoaded())
        return;
    if (m_bills->rowCount() == 0) {
        m_ctx.prompt.information(kNoRecord);
        return;
    }
    if (m_diagram.isNull()) {
        m_ctx.prompt.information(StoreMessages::kDiagramNotFound);
        return;
    }
    const QString path = m_fileDialogs->saveFileName(this, QStringLiteral("BMP文件(*.BMP)"), QStringLiteral("BMP"));
    if (path.isEmpty())
        return;
    if (!m_diagram.save(path, "BMP"))
        m_ctx.prompt.error(kExportFailed);
}

void Tfrm_Feeding::handrailSplitClick()
{
    if (!m_results->isLoaded())
        return;
    if (m_results->rowCount() == 0) {
        m_ctx.prompt.information(kNoRecord);
        return;
    }
    Tfrm_HandRailSplit dialog(m_ctx, m_results->currentValue("DetailBillID").toInt(),
                              m_results->currentValue("projectID").toInt(), this);
    dialog.exec();
}

void Tfrm_Feeding::summaryBindClick()
{
    if (!m_bills->isLoaded())
        return;
    if (m_bills->rowCount() == 0) {
        m_ctx.prompt.information(kNoRecord);
        return;
    }
    notAvailableYet(QStringLiteral("汇总主材绑定配件"));
    loadSummaryResult();
}

void Tfrm_Feeding::directBindClick()
{
    if (!m_bills->isLoaded())
        return;
    if (m_bills->rowCount() == 0) {
        m_ctx.prompt.information(kNoRecord);
        return;
    }
    notAvailableYet(QStringLiteral("直接绑定配件"));
}

void Tfrm_Feeding::paramsClick()
{
    openDefaultParams(m_ctx, this);
}
