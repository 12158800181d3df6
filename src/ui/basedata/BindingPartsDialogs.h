#pragma once
// Binding parts to a material model: picking unbound parts to bind, and
// editing the quantities, craft process and remark of one binding.
#include "data/BaseData.h"

#include <QDialog>

struct AppContext;
class QLineEdit;
class QComboBox;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

class Tfrm_bindingParts : public QDialog {
public:
    Tfrm_bindingParts(AppContext& ctx, const MainMaterial& model, QWidget* parent = nullptr);

    QTreeWidget* typeTree() const { return m_types; }
    QLineEdit* nameEdit() const { return m_name; }
    QTreeWidget* partsList() const { return m_parts; }
    QPushButton* bindButton() const { return m_bind; }
    // Ticks the listed part with this ID; false when it is not listed.
    bool tickPart(int partsID);

private:
    void loadTypes();
    void typeSelected(QTreeWidgetItem* item);
    void nameChanged(const QString& text);
    void showParts(const std::optional<QList<Part>>& parts);
    void bindClick();

    AppContext& m_ctx;
    int m_modelId;
    QTreeWidget* m_types;
    QLineEdit* m_name;
    QPushButton* m_bind;
    QTreeWidget* m_parts;
};

class Tfrm_editBindingParts : public QDialog {
public:
    Tfrm_editBindingParts(AppContext& ctx, const MaterialPartBinding& binding, QWidget* parent = nullptr);

    QLineEdit* useNumEdit() const { return m_useNum; }
    QLineEdit* useNumMountEdit() const { return m_useNumMount; }
    QComboBox* craftworkBox() const { return m_craftwork; }
    QLineEdit* remarkEdit() const { return m_remark; }
    QPushButton* saveButton() const { return m_save; }

private:
    void saveClick();

    AppContext& m_ctx;
    MaterialPartBinding m_binding;
    QLineEdit* m_useNum;
    QLineEdit* m_useNumMount;
    QComboBox* m_craftwork;
    QLineEdit* m_remark;
    QPushButton* m_save;
    QPushButton* m_close;
};
