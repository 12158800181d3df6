#pragma once
// First start on an empty user table: asks for the administrator's login name
// and password and creates that user with every function granted.
#include <QDialog>

class QLineEdit;
struct AppContext;

class Tfrm_firstAdmin : public QDialog {
    Q_OBJECT
public:
    explicit Tfrm_firstAdmin(AppContext& ctx, QWidget* parent = nullptr);

    QLineEdit* lognameEdit;
    QLineEdit* usernameEdit;
    QLineEdit* passwordEdit;
    QLineEdit* repeatEdit;

    // "确定": true when the administrator was stored (the dialog then closes).
    bool saveClick();
    // The login name stored, for the login window that follows.
    QString logname() const { return m_logname; }

private:
    bool refuse(QLineEdit* edit, const QString& message);

    AppContext& m_ctx;
    QString m_logname;
};
