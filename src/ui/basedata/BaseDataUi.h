#pragma once
// Pieces shared by the base data windows and their dialogs: the fixed
// messages, key filters, field checks, and the way a window runs its modal
// dialogs (tests replace it to fill in and press a dialog's buttons).
#include "data/BaseData.h"

#include <QDialog>
#include <QString>
#include <functional>

class Prompt;
class QLineEdit;
class QComboBox;
class QTableView;
class QToolBar;
class QAction;
class QValidator;
class QTreeWidget;
class QTreeWidgetItem;
class QHBoxLayout;
class QPushButton;

namespace basedata_ui {

inline const QString kSelectNode = QStringLiteral("请选取节点！");
inline const QString kNoRecordBang = QStringLiteral("当前没有记录！");
inline const QString kNoRecord = QStringLiteral("当前没有记录");
inline const QString kConfirmDelete = QStringLiteral("删除操作是不可逆的、确定要删除选择的记录吗?");

// Runs a modal dialog; returns its result code.
struct ModalRunner {
    std::function<int(QDialog&)> run = [](QDialog& d) { return d.exec(); };
};

// Key filters: decimals take 0-9 and "."; spec names digits, "." and "x";
// the edit dialog's model designation digits and "x"; whole numbers digits.
QValidator* decimalFilter(QObject* parent);
QValidator* specNameFilter(QObject* parent);
QValidator* designationEditFilter(QObject* parent);
QValidator* digitsFilter(QObject* parent);

// Shows "<message>" and focuses the box when its trimmed text is empty.
bool requireText(Prompt& prompt, QLineEdit* edit, const QString& message);
bool requireChoice(Prompt& prompt, QComboBox* box, const QString& message);
// A box that must hold a number when it is not empty: "<caption>必须是数字".
bool requireNumberOrEmpty(Prompt& prompt, QLineEdit* edit, const QString& caption);

// Runs a lookup of Lookups.h; a database error shows "数据库连接失败,请检查连接"
// and gives nothing.
std::optional<bool> checkedLookup(Prompt& prompt, const std::function<bool()>& lookup);

// "操作成功" or "操作失败" after a stored procedure.
void reportProcResult(Prompt& prompt, const ProcResult& r);

// The row under the grid's cursor, -1 without rows.
int currentRow(const QTableView* view);
// Puts the cursor on the first row (as a freshly opened data set does).
void selectFirstRow(QTableView* view);
// A read-only grid with whole-row selection.
QTableView* makeGrid(QWidget* parent);
// Fills a tree: a root with the caption (only when there are nodes) and one
// child per node carrying its ID; fully expanded.
void fillTree(QTreeWidget* tree, const QString& rootCaption, const QList<NamedId>& nodes);
// The ID of a child node; 0 for the root or nothing.
int nodeId(const QTreeWidgetItem* item);
// The window's two halves side by side, the right one wider.
void placeSideBySide(QWidget* window, QWidget* left, QWidget* right);
// The dialog buttons, right-aligned.
QHBoxLayout* buttonRow(std::initializer_list<QPushButton*> buttons);
// A toolbar above a body, as one tab page.
QWidget* toolbarPage(QToolBar* bar, QWidget* body, QWidget* parent);
QAction* addToolButton(QToolBar* bar, const QString& text, std::function<void()> onClick);

} // namespace basedata_ui
