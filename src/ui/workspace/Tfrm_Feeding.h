#pragma once
// "辅助下料": the opened projects as a tree, the bills of the clicked project,
// the results, bindings and division diagram of the clicked bill, and the
// buttons that start the editors, the split, the bindings and the sheets.
//
// The bill editors call back after saving: loadDetailBill(CurrentProjectID),
// then DBGrid3CellClick(), so that the workspace shows the new state.
#include "ui/shell/FileDialogs.h"

#include <QImage>
#include <QWidget>

class DataGrid;
class QLabel;
class QScrollArea;
class QTabWidget;
class QTreeWidget;
class QTreeWidgetItem;
class QPushButton;
struct AppContext;

class Tfrm_Feeding : public QWidget {
    Q_OBJECT
public:
    explicit Tfrm_Feeding(AppContext& ctx, QWidget* parent = nullptr);

    // The tree of the session's OpenedProjectIDs (root "工程项目", one node per
    // project with its four detail nodes).
    void CreateProjectTree();
    // Bills of the project in the bills grid; the last one becomes current.
    void loadDetailBill(int projectID);
    // The click on the current bill: results, bindings and diagram.
    void DBGrid3CellClick();
    void loadSubfieldMaterResult(int detailBillID);
    void loadSummaryResult();

    // Tree click: a project node becomes the current project.
    void TreeView1Click(QTreeWidgetItem* item);

    // Toolbar and tab buttons.
    void openProjectClick();
    void addFeedingClick();       // 标准下料
    void addCornerFeedingClick(); // 转角下料
    void editFeedingClick();      // 修改
    void deleteFeedingClick();    // 删除
    void exportDiagramClick();    // 导出分栏图
    void handrailSplitClick();    // 面管（扶手）拆分
    void summaryBindClick();      // 汇总主材绑定配件
    void directBindClick();       // 直接绑定配件 (hidden)
    void paramsClick();           // 设置

    // Where 导出分栏图 asks for its file; the desktop's dialogs by default.
    void setFileDialogs(FileDialogs* dialogs) { m_fileDialogs = dialogs; }

    QTreeWidget* projectTree() const { return m_tree; }
    DataGrid* billsGrid() const { return m_bills; }
    DataGrid* resultsGrid() const { return m_results; }
    DataGrid* bindingsGrid() const { return m_bindings; }
    const QImage& diagram() const { return m_diagram; }
    QString billsCaption() const;
    QString resultsCaption() const;
    QString diagramCaption() const;

private:
    QWidget* buildBillsPage();
    QWidget* buildResultsPage();
    QWidget* buildBindingsPage();
    QWidget* buildToolbar();
    void showDiagram();
    bool projectSelected() const;
    void notAvailableYet(const QString& caption);

    AppContext& m_ctx;
    QTreeWidget* m_tree;
    DataGrid* m_bills;
    DataGrid* m_results;
    DataGrid* m_bindings;
    QTabWidget* m_billsTab;
    QTabWidget* m_resultsTab;
    QTabWidget* m_diagramTab;
    QScrollArea* m_diagramArea;
    QLabel* m_diagramLabel;
    QPushButton* m_directBind = nullptr;
    QImage m_diagram;
    QtFileDialogs m_desktopDialogs;
    FileDialogs* m_fileDialogs = &m_desktopDialogs;
};
