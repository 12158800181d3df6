#pragma once
// "增加工程": name (required), order and delivery dates, description, remark.
#include <QDialog>

class QDateEdit;
class QLineEdit;
struct AppContext;

class Tfrm_addProject : public QDialog {
    Q_OBJECT
public:
    explicit Tfrm_addProject(AppContext& ctx, QWidget* parent = nullptr);

    // "保存": checks the name, stores the project, reports and closes.
    void saveClick();

    QLineEdit* nameEdit() const { return m_name; }
    QDateEdit* startDateEdit() const { return m_start; }
    QDateEdit* endDateEdit() const { return m_end; }
    QLineEdit* descEdit() const { return m_desc; }
    QLineEdit* remarkEdit() const { return m_remark; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Empty edits and today's date, each time the dialog is shown.
    void clearInputs();

    AppContext& m_ctx;
    QLineEdit* m_name;
    QDateEdit* m_start;
    QDateEdit* m_end;
    QLineEdit* m_desc;
    QLineEdit* m_remark;
};
