#include "Tfrm_HandRailSplit.h"

#include "core/HandrailSplitRules.h"
#include "core/Numeric.h"
#include "core/Prompt.h"
#include "ui/shell/AppContext.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

const QString kConfirmSplit = QStringLiteral("拆分操作是不可逆的、（要恢复可修改下单）确定要拆分吗?");

// Lets through only the given characters; editing keys (backspace, arrows,
// Enter, Tab) are not characters and pass.
class CharFilter : public QObject {
public:
    CharFilter(QString allowed, QObject* parent) : QObject(parent), m_allowed(std::move(allowed)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const QString text = static_cast<QKeyEvent*>(event)->text();
            if (!text.isEmpty() && text.at(0).isPrint()) {
                for (const QChar c : text)
                    if (!c.isDigit() && !m_allowed.contains(c))
                        return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QString m_allowed;
};

QLineEdit* readOnlyBox(QWidget* parent)
{
    auto* e = new QLineEdit(parent);
    e->setReadOnly(true);
    e->setFocusPolicy(Qt::ClickFocus);   // the keyboard starts in 序号
    return e;
}

} // namespace

Tfrm_HandRailSplit::Tfrm_HandRailSplit(AppContext& ctx, int detailBillID, int projectID, QWidget* parent)
    : QDialog(parent)
    , m_ctx(ctx)
    , m_billID(detailBillID)
    , m_projectID(projectID)
    , m_originalNumber(readOnlyBox(this))
    , m_originalSize(readOnlyBox(this))
    , m_number(new QLineEdit(this))
    , m_size(new QLineEdit(this))
    , m_list(new QTreeWidget(this))
{
    setWindowTitle(QStringLiteral("扶手拆分"));
    m_number->setPlaceholderText(QStringLiteral("拆分的序号格式为（1-1,1-2)或者（1*1-1,1*2-2）"));
    m_number->setToolTip(m_number->placeholderText());
    m_number->installEventFilter(new CharFilter(QStringLiteral("*-"), m_number));
    m_size->installEventFilter(new CharFilter(QStringLiteral("."), m_size));
    connect(m_number, &QLineEdit::returnPressed, m_size, qOverload<>(&QWidget::setFocus));
    connect(m_size, &QLineEdit::returnPressed, this, &Tfrm_HandRailSplit::addClick);

    m_list->setColumnCount(2);
    m_list->setHeaderLabels({QStringLiteral("序号"), QStringLiteral("尺寸")});
    m_list->setRootIsDecorated(false);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setAllColumnsShowFocus(true);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("原始序号："), m_originalNumber);
    form->addRow(QStringLiteral("原尺寸："), m_originalSize);
    form->addRow(QStringLiteral("序号："), m_number);
    form->addRow(QStringLiteral("尺寸"), m_size);

    auto* buttons = new QHBoxLayout;
    const std::pair<QString, void (Tfrm_HandRailSplit::*)()> actions[] = {
        {QStringLiteral("添加"), &Tfrm_HandRailSplit::addClick},
        {QStringLiteral("删除"), &Tfrm_HandRailSplit::deleteClick},
        {QStringLiteral("确定拆分"), &Tfrm_HandRailSplit::splitClick},
    };
    for (const auto& [caption, slot] : actions) {
        auto* b = new QPushButton(caption, this);
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, slot);
        buttons->addWidget(b);
    }
    auto* close = new QPushButton(QStringLiteral("关闭"), this);
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addStretch(1);
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_list, 1);
    layout->addLayout(buttons);
    resize(480, 420);

    loadHandrail();
    m_number->setText(m_row.SuitOrderNum + QStringLiteral("#1"));
}

void Tfrm_HandRailSplit::loadHandrail()
{
    try {
        m_row = handrailResultRow(m_ctx.dm, m_projectID, m_billID);
    } catch (const DbError&) {
        m_row = {};
        m_ctx.prompt.error(kDbErrorText);
    }
    m_originalNumber->setText(m_row.SuitOrderNum);
    m_originalSize->setText(m_row.Size);
}

void Tfrm_HandRailSplit::addClick()
{
    const QString number = m_number->text().trimmed();
    const QString size = m_size->text().trimmed();
    if (number.isEmpty()) {
        m_ctx.prompt.information(QStringLiteral("序列号不能为空"));
        m_number->setFocus();
        return;
    }
    if (size.isEmpty()) {
        m_ctx.prompt.information(QStringLiteral("尺寸不能为空"));
        m_size->setFocus();
        return;
    }
    if (!parseNumber(size)) {
        m_ctx.prompt.information(notANumberMessage(size));
        m_size->setFocus();
        return;
    }
    for (int i = 0; i < m_list->topLevelItemCount(); ++i) {
        if (m_list->topLevelItem(i)->text(0) == number) {
            m_ctx.prompt.information(QStringLiteral("拆分指定的序列号不能相同，请更换序列号！"));
            return;
        }
    }
    new QTreeWidgetItem(m_list, {number, size});
    const std::optional<QString> next = nextSplitOrderNumber(number);
    if (!next) {
        const int hash = number.indexOf(QLatin1Char('#'));
        m_ctx.prompt.error(QStringLiteral("“%1”不是有效的整数值").arg(hash < 0 ? number : number.mid(hash + 1)));
        return;
    }
    m_number->setText(*next);
}

void Tfrm_HandRailSplit::deleteClick()
{
    if (m_list->topLevelItemCount() == 0) {
        m_ctx.prompt.information(QStringLiteral("没有记录!"));
        return;
    }
    qDeleteAll(m_list->selectedItems());
}

void Tfrm_HandRailSplit::splitClick()
{
    if (!m_ctx.prompt.question(kConfirmSplit))
        return;
    QList<SplitPiece> pieces;
    QList<double> sizes;
    for (int i = 0; i < m_list->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = m_list->topLevelItem(i);
        pieces.push_back({item->text(0), parseNumber(item->text(1)).value_or(0)});
        sizes << pieces.back().size;
    }
    const std::optional<double> original = parseNumber(m_originalSize->text());
    if (!m_row.found || !original || !splitSizesMatch(sizes, *original)) {
        m_ctx.prompt.information(QStringLiteral("拆分的尺寸总和不等于原尺寸！"));
        return;
    }
    try {
        splitHandrail(m_ctx.dm, m_projectID, m_billID, m_row, pieces);
    } catch (const DbError& e) {
        m_ctx.prompt.error(e.text);
        return;
    }
    m_ctx.prompt.information(kProcOkText);
    // The replaced row is gone: a second split works on the first piece.
    loadHandrail();
}
