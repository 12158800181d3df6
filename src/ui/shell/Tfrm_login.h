#pragma once
// The login window, shown modally before the main window exists. A successful
// login fills CurrentUser and sets LoginAccepted; the window may be tried any
// number of times and closes without a login on "退出" or Esc.
#include <QDialog>

class QLineEdit;
class QPushButton;
struct AppContext;

class Tfrm_login : public QDialog {
    Q_OBJECT
public:
    explicit Tfrm_login(AppContext& ctx, QWidget* parent = nullptr);

    QLineEdit* Edit1;   // 用户登录名
    QLineEdit* Edit2;   // 登录密码
    QPushButton* BitBtn1;   // 登录
    QPushButton* BitBtn2;   // 退出

    // "登录": true when the user was accepted (the window then closes).
    bool BitBtn1Click();

protected:
    // Enter moves to the next control, before the control sees the key.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    AppContext& m_ctx;
};
