#include "NavigationBar.h"

#include <QStyle>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const char* kRoleProperty = "navRole";
const char* kGroupRole = "group";
const char* kItemRole = "item";
const char* kCommandRole = "command";
} // namespace

NavigationBar::NavigationBar(QWidget* parent) : QWidget(parent), m_layout(new QVBoxLayout(this))
{
    setObjectName("navigationBar");
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(1);
    m_layout->addStretch(1);
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(QStringLiteral(
        "#navigationBar { background: #e9eef5; }"
        "QPushButton { border: none; text-align: left; padding: 7px 10px; }"
        "QPushButton[navRole=\"group\"], QPushButton[navRole=\"command\"] {"
        "  font-weight: bold; color: #ffffff; background: #3b6ea5; border-bottom: 1px solid #2c5480; }"
        "QPushButton[navRole=\"group\"]:hover, QPushButton[navRole=\"command\"]:hover { background: #4a80ba; }"
        "QPushButton[navRole=\"item\"] { padding-left: 28px; color: #1d2b3a; background: transparent; }"
        "QPushButton[navRole=\"item\"]:hover { background: #cfdcec; }"));
}

QPushButton* NavigationBar::makeButton(const QString& caption, const char* role)
{
    auto* b = new QPushButton(this);
    b->setText(caption);
    b->setProperty(kRoleProperty, QString::fromLatin1(role));
    b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    b->setFlat(true);
    b->setAutoDefault(false);
    b->setCursor(Qt::PointingHandCursor);
    return b;
}

void NavigationBar::addGroup(const QString& caption)
{
    auto* header = makeButton(caption, kGroupRole);
    header->setCheckable(true);
    header->setChecked(true);
    header->setIcon(style()->standardIcon(QStyle::SP_TitleBarUnshadeButton));
    auto* body = new QWidget(this);
    body->setObjectName(caption);
    auto* bodyLayout = new QVBoxLayout(body);
    bodyLayout->setContentsMargins(0, 2, 0, 6);
    bodyLayout->setSpacing(0);
    connect(header, &QPushButton::toggled, body, [this, header, body](bool open) {
        body->setVisible(open);
        header->setIcon(style()->standardIcon(open ? QStyle::SP_TitleBarUnshadeButton : QStyle::SP_TitleBarShadeButton));
    });
    // Keep the stretch last.
    m_layout->insertWidget(m_layout->count() - 1, header);
    m_layout->insertWidget(m_layout->count() - 1, body);
    m_currentBody = body;
}

void NavigationBar::addItem(const QString& caption, std::function<void()> action)
{
    Q_ASSERT(m_currentBody);
    auto* b = makeButton(caption, kItemRole);
    b->setParent(m_currentBody);
    m_currentBody->layout()->addWidget(b);
    connect(b, &QPushButton::clicked, this, [action = std::move(action)] { action(); });
}

void NavigationBar::addCommand(const QString& caption, std::function<void()> action)
{
    auto* b = makeButton(caption, kCommandRole);
    m_layout->insertWidget(m_layout->count() - 1, b);
    connect(b, &QPushButton::clicked, this, [action = std::move(action)] { action(); });
    m_currentBody = nullptr;
}

void NavigationBar::setGroupVisible(const QString& caption, bool visible)
{
    QPushButton* header = button(caption);
    auto* body = findChild<QWidget*>(caption, Qt::FindDirectChildrenOnly);
    if (!header || !body)
        return;
    header->setVisible(visible);
    body->setVisible(visible && header->isChecked());
}

void NavigationBar::setItemVisible(const QString& caption, bool visible)
{
    if (QPushButton* b = button(caption))
        b->setVisible(visible);
}

QPushButton* NavigationBar::button(const QString& caption) const
{
    for (auto* b : findChildren<QPushButton*>()) {
        if (b->text() == caption)
            return b;
    }
    return nullptr;
}
