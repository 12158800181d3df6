#pragma once
// "主材管理": the material categories on the left, the models of the clicked
// category on the right (some columns edited in place), and below them the
// parts bound to the selected model.
#include "BaseDataUi.h"
#include "RowTableModel.h"
#include "data/BaseData.h"

#include <QWidget>
#include <optional>
#include <utility>

struct AppContext;
class QTreeWidget;
class QTreeWidgetItem;
class QTableView;
class QTabWidget;
class QLineEdit;
class QToolBar;
class QAction;

class Tfrm_mainmaterial : public QWidget {
public:
    explicit Tfrm_mainmaterial(AppContext& ctx, QWidget* parent = nullptr);

    // Toolbar actions.
    void addCategoryClick();
    void editCategoryClick();
    void deleteCategoryClick();
    void addClick();
    void editClick();
    void deleteClick();
    void searchClick();
    void bindPartsClick();
    void editBindingClick();
    void deleteBindingClick();

    QTreeWidget* categoryTree() const { return m_tree; }
    QTableView* materialGrid() const { return m_grid; }
    QTableView* bindingGrid() const { return m_bindingGrid; }
    QLineEdit* searchEdit() const { return m_search; }
    QTabWidget* infoTabs() const { return m_rightTabs; }
    const QList<MainMaterial>& materials() const { return m_materials->rows(); }
    const QList<MaterialPartBinding>& bindings() const { return m_bindings->rows(); }
    QList<QAction*> categoryActions() const { return m_categoryActions; }
    int currentCategoryID() const { return m_categoryId; }
    QString currentCategoryName() const { return m_categoryName; }

    basedata_ui::ModalRunner modal;

private:
    void CreateCategoryTree();
    void categoryClicked(QTreeWidgetItem* item);
    // The category's models, the cursor back on `keepId` when it is listed.
    void loadMaterialByCate(int categoryId, int keepId = 0);
    void loadMaterialByCateAndName(const QString& name);
    void showMaterials(const std::optional<QList<MainMaterial>>& rows, int keepId);
    void loadBindings();
    bool categoryNodeSelected();
    const MainMaterial* currentMaterial() const;
    // The selected model and whether bills use it; nothing (after telling the
    // user) when no row is selected or the check fails.
    std::optional<std::pair<MainMaterial, bool>> selectedMaterialWithReference(const QString& noRecordText);
    bool writeCell(MainMaterial& row, int column, const QVariant& value);

    AppContext& m_ctx;
    int m_categoryId = 0;
    QString m_categoryName;
    QTreeWidget* m_tree;
    QTabWidget* m_rightTabs;
    QLineEdit* m_search;
    QTableView* m_grid;
    QTableView* m_bindingGrid;
    RowTableModel<MainMaterial>* m_materials;
    RowTableModel<MaterialPartBinding>* m_bindings;
    QList<QAction*> m_categoryActions;
};
