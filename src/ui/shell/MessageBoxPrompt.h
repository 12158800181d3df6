#pragma once
// The Prompt of the running client: modal message boxes over a parent window.
// Information and questions are titled "提示", errors "错误".
#include "core/Prompt.h"

#include <QPointer>

class QWidget;

class MessageBoxPrompt : public Prompt {
public:
    explicit MessageBoxPrompt(QWidget* parent = nullptr) : m_parent(parent) {}

    // Boxes open over this window (the active window when none is set).
    void setParent(QWidget* parent) { m_parent = parent; }

    void information(const QString& text) override;
    void error(const QString& text) override;
    bool question(const QString& text) override;

private:
    QWidget* parentWindow() const;

    QPointer<QWidget> m_parent;
};
