#pragma once
// A fresh database (SQLite and PostgreSQL) with its installation data and
// starter catalogue, and the context the base data windows get.
#include "support/TestDb.h"
#include "ui/basedata/BaseDataUi.h"
#include "ui/shell/AppContext.h"

#include <QAbstractItemModel>
#include <QTableView>
#include <QTreeWidget>
#include <functional>
#include <memory>

class BaseDataWindowTest : public DbTest {
protected:
    void SetUp() override
    {
        DbTest::SetUp();
        ctx = std::make_unique<AppContext>(AppContext{*dm, prompt, session, config, {}});
    }
    void TearDown() override
    {
        ctx.reset();
        DbTest::TearDown();
    }

    // Scripts the next dialogs a window opens: each step fills one dialog
    // and presses its buttons; a dialog without a step is closed untouched.
    template <typename Dialog>
    static void script(basedata_ui::ModalRunner& runner, std::function<void(Dialog&)> step, int* opened = nullptr)
    {
        runner.run = [step, opened](QDialog& d) {
            if (opened)
                ++*opened;
            auto* typed = dynamic_cast<Dialog*>(&d);
            EXPECT_NE(typed, nullptr) << "unexpected dialog " << d.metaObject()->className();
            if (typed)
                step(*typed);
            return d.result();
        };
    }

    // Clicks the tree node carrying the ID (children of the root only).
    static bool clickNode(QTreeWidget* tree, int id)
    {
        QTreeWidgetItem* root = tree->topLevelItem(0);
        for (int i = 0; root && i < root->childCount(); ++i) {
            if (root->child(i)->data(0, Qt::UserRole).toInt() == id) {
                tree->setCurrentItem(root->child(i));
                return true;
            }
        }
        return false;
    }

    static QList<int> nodeIds(QTreeWidget* tree)
    {
        QList<int> ids;
        QTreeWidgetItem* root = tree->topLevelItem(0);
        for (int i = 0; root && i < root->childCount(); ++i)
            ids << root->child(i)->data(0, Qt::UserRole).toInt();
        return ids;
    }

    // Puts the grid's cursor on the first row whose `column` shows `text`.
    static bool selectRow(QTableView* grid, int column, const QString& text)
    {
        const QAbstractItemModel* m = grid->model();
        for (int r = 0; r < m->rowCount(); ++r) {
            if (m->index(r, column).data().toString() == text) {
                grid->setCurrentIndex(m->index(r, column));
                return true;
            }
        }
        return false;
    }

    int count(const QString& sql, const QVariantList& params = {}) { return dm->scalar(sql, params).toInt(); }

    Session session;
    std::unique_ptr<AppContext> ctx;
};
