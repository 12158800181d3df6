#pragma once
// The one-field dialogs that add or rename a material category or a part
// type. Add and modify share this form; each subclass saves through its
// procedure.
#include <QDialog>

struct AppContext;
class QLineEdit;
class QPushButton;
class QLabel;

class NameForm : public QDialog {
public:
    QLineEdit* nameEdit() const { return m_name; }
    QPushButton* saveButton() const { return m_save; }
    QPushButton* closeButton() const { return m_close; }

protected:
    NameForm(AppContext& ctx, const QString& title, const QString& label, const QString& emptyMessage,
             const QString& initialName, QWidget* parent);
    // Stores the trimmed name; the dialog closes after the result message.
    virtual void store(const QString& name) = 0;
    AppContext& m_ctx;

private:
    void saveClick();

    QString m_emptyMessage;
    QLineEdit* m_name;
    QPushButton* m_save;
    QPushButton* m_close;
};

class Tfrm_addMainMaterCate : public NameForm {
public:
    Tfrm_addMainMaterCate(AppContext& ctx, QWidget* parent = nullptr);

protected:
    void store(const QString& name) override;
};

class Tfrm_modiMainMaterCate : public NameForm {
public:
    Tfrm_modiMainMaterCate(AppContext& ctx, int categoryId, const QString& name, QWidget* parent = nullptr);

protected:
    void store(const QString& name) override;

private:
    int m_categoryId;
};

class Tfrm_addPartsType : public NameForm {
public:
    Tfrm_addPartsType(AppContext& ctx, QWidget* parent = nullptr);

protected:
    void store(const QString& name) override;
};

class Tfrm_modiPartsType : public NameForm {
public:
    Tfrm_modiPartsType(AppContext& ctx, int partsTypeId, const QString& name, QWidget* parent = nullptr);

protected:
    void store(const QString& name) override;

private:
    int m_partsTypeId;
};
