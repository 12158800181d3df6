#pragma once
// The add and edit dialogs of a part.
#include "data/BaseData.h"

#include <QDialog>

struct AppContext;
class QLineEdit;
class QComboBox;
class QPushButton;

class PartsForm : public QDialog {
public:
    QLineEdit* nameEdit() const { return m_name; }
    QLineEdit* qualityEdit() const { return m_quality; }
    QLineEdit* usedEdit() const { return m_used; }
    QComboBox* dustingBox() const { return m_dusting; }
    QLineEdit* useNumMountEdit() const { return m_useNumMount; }
    QLineEdit* remarkEdit() const { return m_remark; }
    QPushButton* saveButton() const { return m_save; }

protected:
    PartsForm(AppContext& ctx, const QString& caption, QWidget* parent);
    Part values() const;
    void showValues(const Part& p);
    virtual ProcResult store(const Part& p) = 0;

    AppContext& m_ctx;

private:
    void saveClick();

    QLineEdit* m_name;
    QLineEdit* m_quality;
    QLineEdit* m_used;
    QComboBox* m_dusting;
    QLineEdit* m_useNumMount;
    QLineEdit* m_remark;
    QPushButton* m_save;
    QPushButton* m_close;
};

class Tfrm_addparts : public PartsForm {
public:
    Tfrm_addparts(AppContext& ctx, int partsTypeId, const QString& typeName, QWidget* parent = nullptr);

protected:
    ProcResult store(const Part& p) override;

private:
    int m_partsTypeId;
};

class Tfrm_editParts : public PartsForm {
public:
    Tfrm_editParts(AppContext& ctx, const QString& typeName, const Part& row, QWidget* parent = nullptr);

protected:
    ProcResult store(const Part& p) override;

private:
    Part m_row;
};
