#include "BaseDataUi.h"

#include "core/Prompt.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QTableView>
#include <QHBoxLayout>
#include <QPushButton>
#include <QSplitter>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace basedata_ui {

namespace {
QValidator* filter(const char* pattern, QObject* parent)
{
    return new QRegularExpressionValidator(QRegularExpression(QString::fromLatin1(pattern)), parent);
}
} // namespace

QValidator* decimalFilter(QObject* parent) { return filter("[0-9.]*", parent); }
QValidator* specNameFilter(QObject* parent) { return filter("[0-9.x]*", parent); }
QValidator* designationEditFilter(QObject* parent) { return filter("[0-9x]*", parent); }
QValidator* digitsFilter(QObject* parent) { return filter("[0-9]*", parent); }

bool requireText(Prompt& prompt, QLineEdit* edit, const QString& message)
{
    if (!edit->text().trimmed().isEmpty())
        return true;
    prompt.information(message);
    edit->setFocus();
    return false;
}

bool requireChoice(Prompt& prompt, QComboBox* box, const QString& message)
{
    if (!box->currentText().trimmed().isEmpty())
        return true;
    prompt.information(message);
    box->setFocus();
    return false;
}

bool requireNumberOrEmpty(Prompt& prompt, QLineEdit* edit, const QString& caption)
{
    const QString t = edit->text().trimmed();
    bool ok = true;
    if (!t.isEmpty())
        t.toDouble(&ok);
    if (ok)
        return true;
    prompt.information(caption + QStringLiteral("必须是数字"));
    edit->setFocus();
    return false;
}

std::optional<bool> checkedLookup(Prompt& prompt, const std::function<bool()>& lookup)
{
    try {
        return lookup();
    } catch (const DbError&) {
        prompt.error(kDbErrorText);
        return std::nullopt;
    }
}

void reportProcResult(Prompt& prompt, const ProcResult& r)
{
    if (r.ok())
        prompt.information(kProcOkText);
    else
        prompt.error(kProcFailedText);
}

int currentRow(const QTableView* view)
{
    if (!view->model() || view->model()->rowCount() == 0)
        return -1;
    const int row = view->currentIndex().row();
    return row < 0 ? 0 : row;
}

void selectFirstRow(QTableView* view)
{
    if (view->model() && view->model()->rowCount() > 0)
        view->setCurrentIndex(view->model()->index(0, 0));
}

QTableView* makeGrid(QWidget* parent)
{
    auto* grid = new QTableView(parent);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setAlternatingRowColors(true);
    grid->verticalHeader()->setDefaultSectionSize(24);
    grid->horizontalHeader()->setStretchLastSection(true);
    return grid;
}

void fillTree(QTreeWidget* tree, const QString& rootCaption, const QList<NamedId>& nodes)
{
    tree->clear();
    if (nodes.isEmpty())
        return;
    auto* root = new QTreeWidgetItem(tree, {rootCaption});
    for (const NamedId& n : nodes) {
        auto* item = new QTreeWidgetItem(root, {n.name});
        item->setData(0, Qt::UserRole, n.id);
    }
    tree->expandAll();
}

int nodeId(const QTreeWidgetItem* item)
{
    return item && item->parent() ? item->data(0, Qt::UserRole).toInt() : 0;
}

void placeSideBySide(QWidget* window, QWidget* left, QWidget* right)
{
    auto* split = new QSplitter(window);
    split->addWidget(left);
    split->addWidget(right);
    split->setStretchFactor(1, 4);
    split->setSizes({220, 900});
    auto* layout = new QHBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(split);
}

QHBoxLayout* buttonRow(std::initializer_list<QPushButton*> buttons)
{
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (QPushButton* b : buttons)
        row->addWidget(b);
    return row;
}

QWidget* toolbarPage(QToolBar* bar, QWidget* body, QWidget* parent)
{
    auto* page = new QWidget(parent);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(bar);
    layout->addWidget(body, 1);
    return page;
}

QAction* addToolButton(QToolBar* bar, const QString& text, std::function<void()> onClick)
{
    QAction* a = bar->addAction(text);
    QObject::connect(a, &QAction::triggered, bar, [onClick = std::move(onClick)] { onClick(); });
    return a;
}

} // namespace basedata_ui
