#pragma once
// "颜色管理": the colours offered when a bill is entered, with add and delete.
#include "BaseDataUi.h"
#include "RowTableModel.h"
#include "data/BaseData.h"

#include <QDialog>
#include <QWidget>

struct AppContext;
class QTableView;
class QLineEdit;
class QPushButton;

class Tfrm_addcolor : public QDialog {
public:
    explicit Tfrm_addcolor(AppContext& ctx, QWidget* parent = nullptr);
    QLineEdit* colorEdit() const { return m_color; }
    QLineEdit* remarkEdit() const { return m_remark; }
    QPushButton* saveButton() const { return m_save; }
    QPushButton* cancelButton() const { return m_cancel; }

private:
    void saveClick();

    AppContext& m_ctx;
    QLineEdit* m_color;
    QLineEdit* m_remark;
    QPushButton* m_save;
    QPushButton* m_cancel;
};

class Tfrm_color : public QWidget {
public:
    explicit Tfrm_color(AppContext& ctx, QWidget* parent = nullptr);

    void addClick();
    void deleteClick();

    QTableView* colorGrid() const { return m_grid; }
    const QList<Colour>& colours() const { return m_colours->rows(); }

    basedata_ui::ModalRunner modal;

private:
    void RefreshGrid();

    AppContext& m_ctx;
    QTableView* m_grid;
    RowTableModel<Colour>* m_colours;
};
