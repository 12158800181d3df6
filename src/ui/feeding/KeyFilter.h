#pragma once
// Per-key filtering of text boxes: a box takes only the characters of its
// kind; keys that type nothing (Backspace, Enter, Tab, arrows, Delete, the
// clipboard shortcuts) pass, so keyboard navigation keeps working.
#include <QObject>
#include <QString>

class QWidget;

enum class KeyKind {
    Numeric,     // digits and "."
    Signed,      // digits, "." and "-"
    SuitOrder,   // digits and "*"
    DigitList,   // digits and "," (Enter is swallowed)
    Digits,      // digits only
};

class KeyFilter : public QObject {
public:
    KeyFilter(KeyKind kind, QObject* parent);
    // The characters a box of this kind accepts.
    static QString acceptedCharacters(KeyKind kind);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    KeyKind m_kind;
    QString m_accepted;
};

// Installs a filter of the kind on the box (owned by the box).
void filterKeys(QWidget* box, KeyKind kind);
