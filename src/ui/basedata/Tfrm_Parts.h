#pragma once
// "配件管理": the part types on the left, the parts of the clicked type on
// the right.
#include "BaseDataUi.h"
#include "RowTableModel.h"
#include "data/BaseData.h"

#include <QWidget>

struct AppContext;
class QTreeWidget;
class QTreeWidgetItem;
class QTableView;
class QTabWidget;

class Tfrm_Parts : public QWidget {
public:
    explicit Tfrm_Parts(AppContext& ctx, QWidget* parent = nullptr);

    void addTypeClick();
    void editTypeClick();
    void deleteTypeClick();
    void addClick();
    void editClick();
    void deleteClick();

    QTreeWidget* typeTree() const { return m_tree; }
    QTableView* partsGrid() const { return m_grid; }
    QTabWidget* infoTabs() const { return m_rightTabs; }
    const QList<Part>& parts() const { return m_parts->rows(); }
    int currentTypeID() const { return m_typeId; }

    basedata_ui::ModalRunner modal;

private:
    void CreateTypeTree();
    void typeClicked(QTreeWidgetItem* item);
    void loadParts();
    // The selected type node, or nullptr after "请选取节点！".
    QTreeWidgetItem* selectedTypeNode();

    AppContext& m_ctx;
    int m_typeId = 0;
    QString m_typeName;
    QTreeWidget* m_tree;
    QTabWidget* m_rightTabs;
    QTableView* m_grid;
    RowTableModel<Part>* m_parts;
};
