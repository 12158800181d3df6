#pragma once
// 增加主材工艺 / 修改主材工艺: one craft process of a suit order. Both dialogs
// share one form; the edit dialog's pickers also take typed text.
#include "data/CraftWork.h"

#include <QDialog>

struct AppContext;
class QComboBox;
class QLineEdit;

class CraftWorkForm : public QDialog {
public:
    QLineEdit* suitOrderBox() const { return m_suitOrder; }
    QComboBox* craftNamePicker() const { return m_name; }
    QComboBox* materialTypePicker() const { return m_type; }
    QLineEdit* countBox() const { return m_count; }
    QLineEdit* sizeBox() const { return m_size; }
    QLineEdit* remarkBox() const { return m_remark; }

    void BitBtn1Click();   // 确定

protected:
    // `row` carries the project, the suit order number, the sets value and,
    // for the edit dialog, the stored values and key.
    CraftWorkForm(AppContext& ctx, const CraftWorkRow& row, bool editable, QWidget* parent);

private:
    void buildForm(bool editable);
    void loadCraftNames();
    CraftWorkRow rowFromBoxes() const;

    AppContext& m_ctx;
    CraftWorkRow m_row;
    QLineEdit* m_suitOrder = nullptr;
    QComboBox* m_name = nullptr;
    QComboBox* m_type = nullptr;
    QLineEdit* m_count = nullptr;
    QLineEdit* m_size = nullptr;
    QLineEdit* m_remark = nullptr;
};

class Tfrm_mainmaterialcraftwork : public CraftWorkForm {
public:
    Tfrm_mainmaterialcraftwork(AppContext& ctx, const QString& suitOrderNum, const QString& guardrailPin,
                               QWidget* parent = nullptr);
};

class Tfrm_editMainMaterialCraftWork : public CraftWorkForm {
public:
    // `row` is the stored row; `guardrailPin` the bill editor's 榀数.
    Tfrm_editMainMaterialCraftWork(AppContext& ctx, const CraftWorkRow& row, const QString& guardrailPin,
                                   QWidget* parent = nullptr);
};
