#include "Tfrm_defaultParams.h"

#include "KeyFilter.h"
#include "core/Prompt.h"
#include "ui/shell/AppContext.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
struct ParamBox {
    const char* column;
    const char* label;
    QString FeedingParams::*field;
};

// The boxes in the order the window lists them.
const ParamBox kParamBoxes[] = {
    {"totalHeight", "总高", &FeedingParams::totalHeight},
    {"ColumnMaxSpace", "每档最大间距", &FeedingParams::ColumnMaxSpace},
    {"StandPipeSpace", "立管最大间距", &FeedingParams::StandPipeSpace},
    {"fixPipeSpace", "立管固定间距", &FeedingParams::fixPipeSpace},
    {"doubleColumnSpace", "双立柱间距", &FeedingParams::doubleColumnSpace},
    {"SpacingDefaultLeft", "护栏左边距", &FeedingParams::SpacingDefaultLeft},
    {"SpacingDefaultRight", "护栏右边距", &FeedingParams::SpacingDefaultRight},
    {"SpacingDefaultTop", "护栏上边距", &FeedingParams::SpacingDefaultTop},
    {"SpacingDefaultLow", "护栏下边距", &FeedingParams::SpacingDefaultLow},
    {"ColumnMargin", "立柱接插量", &FeedingParams::ColumnMargin},
    {"CrosspieceMargin", "横档偏移余量", &FeedingParams::CrosspieceMargin},
    {"standpipeLeft", "左间距", &FeedingParams::standpipeLeft},
    {"StandpipeRight", "右间距", &FeedingParams::StandpipeRight},
    {"StandpipeTop", "上间距", &FeedingParams::StandpipeTop},
    {"StandpipeLow", "下间距", &FeedingParams::StandpipeLow},
    {"setpowder", "每平米塑粉量（kg）", &FeedingParams::setpowder},
};
} // namespace

Tfrm_defaultParams::Tfrm_defaultParams(AppContext& ctx, QWidget* parent)
    : QDialog(parent)
    , m_ctx(ctx)
{
    setWindowTitle(QStringLiteral("默认参数设置"));
    buildForm();
    showParams(FeedingParams::designDefaults());
    loadParams();
    setFixedSize(sizeHint());
}

void Tfrm_defaultParams::buildForm()
{
    auto* outer = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    outer->addLayout(grid);
    int i = 0;
    for (const ParamBox& b : kParamBoxes) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QString::fromLatin1(b.column));
        auto* label = new QLabel(QString::fromUtf8(b.label), this);
        label->setBuddy(edit);
        const int row = i / 2, col = (i % 2) * 2;
        grid->addWidget(label, row, col);
        grid->addWidget(edit, row, col + 1);
        m_boxes.insert(edit->objectName(), edit);
        ++i;
    }
    filterKeys(m_boxes.value("setpowder"), KeyKind::Numeric);

    auto* method = new QGroupBox(QStringLiteral("立管间距计算方式"), this);
    auto* methodLayout = new QHBoxLayout(method);
    m_fixedItem = new QRadioButton(QStringLiteral("固定间距计算"), method);
    m_divideItem = new QRadioButton(QStringLiteral("平分间距计算"), method);
    m_fixedItem->setObjectName("spaceCalmethod0");
    m_divideItem->setObjectName("spaceCalmethod1");
    m_fixedItem->setChecked(true);
    methodLayout->addWidget(m_fixedItem);
    methodLayout->addWidget(m_divideItem);
    outer->addWidget(method);

    auto* picture = new QGridLayout;
    auto* pathBox = new QLineEdit(this);
    pathBox->setObjectName("bmpPath");
    m_boxes.insert("bmpPath", pathBox);
    auto* pictureLabel = new QLabel(QStringLiteral("报表头输出图像文件（大小参考29*17像素）"), this);
    pictureLabel->setBuddy(pathBox);
    picture->addWidget(pictureLabel, 0, 0);
    picture->addWidget(pathBox, 0, 1);
    picture->addWidget(new QLabel(QStringLiteral("路径格式：（\\images\\123.bmp）"), this), 1, 1);
    outer->addLayout(picture);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* save = new QPushButton(QStringLiteral("保存"), this);
    save->setObjectName("BitBtn1");
    save->setAutoDefault(false);
    auto* close = new QPushButton(QStringLiteral("关闭"), this);
    close->setObjectName("BitBtn2");
    close->setAutoDefault(false);
    buttons->addWidget(save);
    buttons->addWidget(close);
    outer->addLayout(buttons);
    connect(save, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
}

void Tfrm_defaultParams::showParams(const FeedingParams& p)
{
    for (const ParamBox& b : kParamBoxes)
        m_boxes.value(QString::fromLatin1(b.column))->setText(p.*(b.field));
    m_boxes.value("bmpPath")->setText(p.bmpPath);
    const bool fixed = paramsSpacingItemOf(p.spaceCalmethod) == ParamsSpacingItem::FixedSpacing;
    m_fixedItem->setChecked(fixed);
    m_divideItem->setChecked(!fixed);
}

void Tfrm_defaultParams::loadParams()
{
    try {
        if (const auto p = readFeedingParams(m_ctx.dm, m_ctx.session.CurrentUser.userID))
            showParams(*p);
    } catch (const DbError&) {
        m_ctx.prompt.error(kDbErrorText);
    }
    QLineEdit* path = m_boxes.value("bmpPath");
    if (path->text().trimmed().isEmpty())
        path->setText(kDefaultHeaderPicture);
}

FeedingParams Tfrm_defaultParams::paramsFromBoxes() const
{
    FeedingParams p;
    for (const ParamBox& b : kParamBoxes)
        p.*(b.field) = m_boxes.value(QString::fromLatin1(b.column))->text();
    p.bmpPath = m_boxes.value("bmpPath")->text();
    return p;
}

void Tfrm_defaultParams::BitBtn1Click()
{
    QLineEdit* height = m_boxes.value("totalHeight");
    if (height->text().trimmed().isEmpty()) {
        height->setFocus();
        return;
    }
    const FeedingParams p = paramsFromBoxes();
    QString column;
    const QString problem = feedingParamsProblem(p, &column);
    if (!problem.isEmpty()) {
        m_ctx.prompt.error(problem);
        m_boxes.value(column)->setFocus();
        return;
    }
    const auto item = m_fixedItem->isChecked() ? ParamsSpacingItem::FixedSpacing : ParamsSpacingItem::EqualDivision;
    const ProcResult r = m_ctx.dm.callProc(
        "updateParams", updateParamsArgs(m_ctx.session.CurrentUser.userID, p, item));
    if (r.ok())
        m_ctx.prompt.information(kProcOkText);
    else
        m_ctx.prompt.error(kProcFailedText);
    accept();
}
