#pragma once
// "打开工程": the user's own projects and those granted to him; the ticked
// ones become the session's OpenedProjectIDs.
#include <QDialog>

class QLineEdit;
class QTreeWidget;
struct AppContext;
struct RecordSet;

class Tfrm_openProject : public QDialog {
    Q_OBJECT
public:
    explicit Tfrm_openProject(AppContext& ctx, QWidget* parent = nullptr);

    // "查找": refills the list when something matches, keeps it otherwise.
    void queryByName();
    // "打开工程": stores the ticked projects, asks for the tree and closes.
    void openClick();

    QTreeWidget* list() const { return m_list; }
    QLineEdit* searchEdit() const { return m_search; }
    // Ticks the row of a project; false when it is not listed.
    bool tickProject(int projectID);

signals:
    // OpenedProjectIDs has been set: the workspace rebuilds its tree.
    void projectsOpened();

private:
    void fillList(const RecordSet& rows);

    AppContext& m_ctx;
    QLineEdit* m_search;
    QTreeWidget* m_list;
};
