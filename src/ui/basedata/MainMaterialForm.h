#pragma once
// The add and edit dialogs of a material model. Both show the same fields;
// the add dialog stores a new model of the current category, the edit dialog
// changes the row it was opened on.
#include "data/BaseData.h"

#include <QDialog>

struct AppContext;
class QLineEdit;
class QComboBox;
class QCheckBox;
class QPushButton;

class MainMaterialForm : public QDialog {
public:
    QLineEdit* modelNameEdit() const { return m_modelName; }
    QLineEdit* materialTypeEdit() const { return m_materialType; }
    QLineEdit* lengthEdit() const { return m_length; }
    QLineEdit* widthEdit() const { return m_width; }
    QLineEdit* thickEdit() const { return m_thick; }
    QLineEdit* weightEdit() const { return m_weight; }
    QComboBox* shapeTypeBox() const { return m_shapeType; }
    QLineEdit* surfaceAreaEdit() const { return m_surfaceArea; }
    QLineEdit* mHeavyEdit() const { return m_mHeavy; }
    QLineEdit* girthEdit() const { return m_girth; }
    QCheckBox* isCommonBox() const { return m_isCommon; }
    QLineEdit* remarkEdit() const { return m_remark; }
    QPushButton* saveButton() const { return m_save; }
    QPushButton* closeButton() const { return m_close; }

protected:
    MainMaterialForm(AppContext& ctx, int categoryId, const QString& caption, QWidget* parent);
    // The dialog's fields as a record of the current category.
    MainMaterial values() const;
    void showValues(const MainMaterial& m);
    // Checks and stores; false keeps the dialog open on the failed field.
    virtual bool save() = 0;
    bool checkRequired(bool shapeRequired);
    bool checkNumbers();
    // No model of the category has the spec name and shape class of `m`.
    bool checkNotDuplicate(const MainMaterial& m);

    AppContext& m_ctx;
    int m_categoryId;

private:
    QLineEdit* m_modelName;
    QLineEdit* m_materialType;
    QLineEdit* m_length;
    QLineEdit* m_width;
    QLineEdit* m_thick;
    QLineEdit* m_weight;
    QComboBox* m_shapeType;
    QLineEdit* m_surfaceArea;
    QLineEdit* m_mHeavy;
    QLineEdit* m_girth;
    QCheckBox* m_isCommon;
    QLineEdit* m_remark;
    QPushButton* m_save;
    QPushButton* m_close;
};

class Tfrm_addMainMaTerial : public MainMaterialForm {
public:
    Tfrm_addMainMaTerial(AppContext& ctx, int categoryId, const QString& categoryName, QWidget* parent = nullptr);

protected:
    bool save() override;
};

class Tfrm_editMainMaterial : public MainMaterialForm {
public:
    // `specNameLocked`: bills use the spec name, so it cannot change.
    Tfrm_editMainMaterial(AppContext& ctx, const QString& categoryName, const MainMaterial& row, bool specNameLocked,
                          QWidget* parent = nullptr);

protected:
    bool save() override;

private:
    MainMaterial m_row;
};
