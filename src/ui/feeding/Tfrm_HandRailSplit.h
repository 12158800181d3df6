#pragma once
// "扶手拆分": replaces the handrail result row of a bill by pieces with their
// own sub-order numbers whose sizes add up to the original size.
#include "data/HandrailSplit.h"

#include <QDialog>

class QLineEdit;
class QTreeWidget;
struct AppContext;

class Tfrm_HandRailSplit : public QDialog {
    Q_OBJECT
public:
    Tfrm_HandRailSplit(AppContext& ctx, int detailBillID, int projectID, QWidget* parent = nullptr);

    void addClick();     // 添加
    void deleteClick();  // 删除 (the selected rows)
    void splitClick();   // 确定拆分

    QLineEdit* originalNumberEdit() const { return m_originalNumber; }
    QLineEdit* originalSizeEdit() const { return m_originalSize; }
    QLineEdit* numberEdit() const { return m_number; }
    QLineEdit* sizeEdit() const { return m_size; }
    QTreeWidget* pieceList() const { return m_list; }

private:
    void loadHandrail();

    AppContext& m_ctx;
    int m_billID;
    int m_projectID;
    HandrailResultRow m_row;
    QLineEdit* m_originalNumber;
    QLineEdit* m_originalSize;
    QLineEdit* m_number;
    QLineEdit* m_size;
    QTreeWidget* m_list;
};
