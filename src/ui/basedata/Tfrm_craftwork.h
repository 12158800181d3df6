#pragma once
// "工艺管理": the craft-process dictionary, read-only with delete. The user
// chooses the row to delete; the initial rows (ID below 10) are refused.
#include "BaseDataUi.h"
#include "RowTableModel.h"
#include "data/BaseData.h"

#include <QWidget>

struct AppContext;
class QTableView;

class Tfrm_craftwork : public QWidget {
public:
    explicit Tfrm_craftwork(AppContext& ctx, QWidget* parent = nullptr);

    void deleteClick();

    QTableView* craftGrid() const { return m_grid; }
    const QList<Craftwork>& craftworks() const { return m_crafts->rows(); }

private:
    void RefreshGrid();

    AppContext& m_ctx;
    QTableView* m_grid;
    RowTableModel<Craftwork>* m_crafts;
};
