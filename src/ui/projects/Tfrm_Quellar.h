#pragma once
// "工程管理": the logged-in user's projects; add, delete, search by name.
#include <QWidget>

class DataGrid;
class QLineEdit;
class QAction;
struct AppContext;

class Tfrm_Quellar : public QWidget {
    Q_OBJECT
public:
    explicit Tfrm_Quellar(AppContext& ctx, QWidget* parent = nullptr);

    // The whole list again (after creation, add and delete).
    void RefreshGrid();
    // "查找": the projects whose name contains the search text.
    void queryByName();
    // "增加": the add dialog, then the list again.
    void addClick();
    // "删除": refused while the project has bills.
    void deleteClick();

    DataGrid* grid() const { return m_grid; }
    QLineEdit* searchEdit() const { return m_search; }

private:
    void showProjects(const QString& filter);

    AppContext& m_ctx;
    DataGrid* m_grid;
    QLineEdit* m_search;
};
