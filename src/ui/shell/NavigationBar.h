#pragma once
// The navigation bar on the left of the main window: groups that fold open
// with their items, and command headers that act when clicked.
#include <QWidget>
#include <functional>

class QPushButton;
class QVBoxLayout;

class NavigationBar : public QWidget {
    Q_OBJECT
public:
    explicit NavigationBar(QWidget* parent = nullptr);

    // A group header; its items follow with addItem. Groups start unfolded.
    void addGroup(const QString& caption);
    // An item of the last group added.
    void addItem(const QString& caption, std::function<void()> action);
    // A header without items that runs the action when clicked.
    void addCommand(const QString& caption, std::function<void()> action);

    void setGroupVisible(const QString& caption, bool visible);
    void setItemVisible(const QString& caption, bool visible);
    // Header or item button by caption (nullptr when there is none).
    QPushButton* button(const QString& caption) const;

private:
    QPushButton* makeButton(const QString& caption, const char* role);

    QVBoxLayout* m_layout;
    QWidget* m_currentBody = nullptr;
};
