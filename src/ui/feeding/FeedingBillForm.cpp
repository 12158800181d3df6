#include "FeedingBillForm.h"

#include "CraftWorkDialogs.h"
#include "DiagramView.h"
#include "KeyFilter.h"
#include "core/Prompt.h"
#include "core/Numeric.h"
#include "data/FeedingParams.h"
#include "data/Lookups.h"
#include "data/Workspace.h"
#include "ui/grid/DataGrid.h"
#include "ui/shell/AppContext.h"
#include "ui/shell/WindowRoutines.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSplitter>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

QLabel* label(const QString& text, QWidget* parent)
{
    return new QLabel(text, parent);
}

QPushButton* button(const QString& text, const QString& name, QWidget* parent)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

QTableWidget* grid(const QString& name, const QStringList& headers, QWidget* parent)
{
    auto* g = new QTableWidget(0, int(headers.size()), parent);
    g->setObjectName(name);
    g->setHorizontalHeaderLabels(headers);
    g->setEditTriggers(QAbstractItemView::NoEditTriggers);
    g->setSelectionBehavior(QAbstractItemView::SelectRows);
    g->setSelectionMode(QAbstractItemView::SingleSelection);
    g->verticalHeader()->setVisible(false);
    installGridMeasure(g);
    return g;
}

void setRow(QTableWidget* g, int row, const QStringList& cells)
{
    for (int c = 0; c < cells.size(); ++c)
        g->setItem(row, c, new QTableWidgetItem(cells.at(c)));
}

} // namespace

FeedingBillForm::FeedingBillForm(AppContext& ctx, BillMode mode, QWidget* parent)
    : QDialog(parent)
    , m_ctx(ctx)
    , m_mode(mode)
{
    m_work.addMode = mode == BillMode::Add;
    buildForm();
    connectTriggers();
    clearEdits();
}

FeedingBillForm::~FeedingBillForm() = default;

QLineEdit* FeedingBillForm::box(const QString& name) const
{
    return findChild<QLineEdit*>(name);
}

QLineEdit* FeedingBillForm::addBox(const QString& name, std::optional<KeyKind> keys)
{
    auto* e = new QLineEdit(this);
    e->setObjectName(name);
    if (keys)
        filterKeys(e, *keys);
    return e;
}

void FeedingBillForm::buildForm()
{
    auto* outer = new QVBoxLayout(this);
    auto* split = new QSplitter(Qt::Vertical, this);
    split->addWidget(buildDiagramPage());
    auto* bottom = new QSplitter(Qt::Horizontal, split);
    bottom->addWidget(buildLeftSide());
    bottom->addWidget(buildParameterGroups());
    bottom->setStretchFactor(0, 2);
    bottom->setStretchFactor(1, 3);
    split->addWidget(bottom);
    split->setStretchFactor(0, 0);
    split->setStretchFactor(1, 1);
    outer->addWidget(split);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* save = button(QStringLiteral("保存"), "BitBtn1", this);
    auto* close = button(QStringLiteral("关闭"), "BitBtn2", this);
    buttons->addWidget(save);
    buttons->addWidget(close);
    outer->addLayout(buttons);
    connect(save, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    connect(close, &QPushButton::clicked, this, [this] { BitBtn2Click(); });
    resize(1280, 860);
}

QWidget* FeedingBillForm::buildDiagramPage()
{
    auto* tabs = new QTabWidget(this);
    auto* scroll = new QScrollArea(tabs);
    scroll->setObjectName("diagramScroll");
    m_diagramView = new DiagramView(scroll);
    m_diagramView->setObjectName("diagram");
    m_diagramView->setSource([this]() -> const QImage& { return m_work.canvas(); });
    scroll->setWidget(m_diagramView);
    scroll->setMinimumHeight(249 + 24);
    tabs->addTab(scroll, QStringLiteral("分栏图"));
    tabs->setMaximumHeight(249 + 70);
    return tabs;
}

QWidget* FeedingBillForm::buildLeftSide()
{
    auto* side = new QWidget(this);
    auto* layout = new QVBoxLayout(side);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* tabs = new QTabWidget(side);
    tabs->setObjectName("leftTabs");

    tabs->addTab(grid("summaryGrid", {QStringLiteral("主材名称"), QStringLiteral("型号"), QStringLiteral("尺寸"),
                                      QStringLiteral("数量")},
                      tabs),
                 QStringLiteral("主材汇总表"));

    auto* replace = new QWidget(tabs);
    auto* rf = new QFormLayout(replace);
    rf->addRow(QStringLiteral("档数（以逗号分隔）"), addBox("standpipeTomodelFields", KeyKind::DigitList));
    rf->addRow(QStringLiteral("竖杆序号（以逗号分隔）"), addBox("replaceedStandpipes", KeyKind::DigitList));
    rf->addRow(QStringLiteral("造型更换的竖杆数量（根）"), addBox("replaceedStandpipesCount", KeyKind::Digits));
    rf->addRow(QStringLiteral("备注"), addBox("replaceRemark", std::nullopt));
    tabs->addTab(replace, QStringLiteral("竖杆换造型"));

    auto* columns = new QWidget(tabs);
    auto* cf = new QFormLayout(columns);
    cf->addRow(QStringLiteral("立柱序号（以逗号分隔）"), addBox("removedColumns", KeyKind::DigitList));
    cf->addRow(QStringLiteral("去掉的立柱数量"), addBox("removedColumnCount", KeyKind::Digits));
    cf->addRow(QStringLiteral("备注"), addBox("columnAdjustRemark", std::nullopt));
    tabs->addTab(columns, QStringLiteral("L/U型护栏立柱调整"));

    auto* crafts = new QWidget(tabs);
    auto* craftLayout = new QVBoxLayout(crafts);
    auto* craftButtons = new QHBoxLayout;
    auto* addCraft = button(QStringLiteral("增加工艺"), "addCraft", crafts);
    auto* editCraft = button(QStringLiteral("修改"), "editCraft", crafts);
    auto* deleteCraft = button(QStringLiteral("删除"), "deleteCraft", crafts);
    craftButtons->addWidget(addCraft);
    craftButtons->addWidget(editCraft);
    craftButtons->addWidget(deleteCraft);
    craftButtons->addStretch();
    craftLayout->addLayout(craftButtons);
    auto* craftGrid = new DataGrid(crafts);
    craftGrid->setObjectName("craftGrid");
    craftGrid->setColumns({{QStringLiteral("序号"), "SuitOrderNum"},
                           {QStringLiteral("工艺名称"), "craftworkName"},
                           {QStringLiteral("主材类别"), "mainmaterialType"},
                           {QStringLiteral("数量"), "craftworkCount"},
                           {QStringLiteral("尺寸"), "craftworkSize"},
                           {QStringLiteral("榀数"), "GuardrailPin"},
                           {QStringLiteral("备注"), "remark"}});
    craftLayout->addWidget(craftGrid);
    tabs->addTab(crafts, QStringLiteral("主材安装及下料工艺"));
    connect(addCraft, &QPushButton::clicked, this, [this] { addCraftClick(); });
    connect(editCraft, &QPushButton::clicked, this, [this] { editCraftClick(); });
    connect(deleteCraft, &QPushButton::clicked, this, [this] { deleteCraftClick(); });
    layout->addWidget(tabs, 1);

    if (m_mode == BillMode::Add) {
        auto* bills = new DataGrid(side);
        bills->setObjectName("billGrid");
        bills->setColumns({{QStringLiteral("序号"), "SuitOrderNum"},
                           {QStringLiteral("护栏尺寸"), "Guardrailsize"},
                           {QStringLiteral("榀数"), "GuardrailPin"},
                           {QStringLiteral("颜色"), "GuardrailColor"},
                           {QStringLiteral("分栏数"), "subfield"}});
        layout->addWidget(bills, 1);
    }
    return side;
}

QWidget* FeedingBillForm::buildParameterGroups()
{
    auto* scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    auto* panel = new QWidget(scroll);
    auto* grid2 = new QGridLayout(panel);
    const bool add = m_mode == BillMode::Add;

    // 分栏参数
    auto* params = new QGroupBox(QStringLiteral("分栏参数"), panel);
    auto* pg = new QGridLayout(params);
    auto* suit = addBox("SuitOrderNum", KeyKind::SuitOrder);
    suit->setPlaceholderText(QStringLiteral("单一护栏输入格式（1，2，3）同套内护栏输入格式（1*1，1*2）"));
    suit->setToolTip(suit->placeholderText());
    auto* colour = new QComboBox(params);
    colour->setObjectName("GuardrailColor");
    auto* bays = addBox("subfield", std::nullopt);
    bays->setReadOnly(true);
    auto* remark = new QPlainTextEdit(params);
    remark->setObjectName("remark");
    remark->setMaximumHeight(48);
    remark->setTabChangesFocus(true);
    pg->addWidget(label(QStringLiteral("序号"), params), 0, 0);
    pg->addWidget(suit, 0, 1, 1, 3);
    pg->addWidget(label(QStringLiteral("长度（mm）"), params), 1, 0);
    pg->addWidget(addBox("Guardraillen", KeyKind::Numeric), 1, 1);
    pg->addWidget(label(QStringLiteral("每档<=  (mm)"), params), 1, 2);
    pg->addWidget(addBox("ColumnMaxSpace", KeyKind::Numeric), 1, 3);
    pg->addWidget(label(QStringLiteral("总高（mm）"), params), 2, 0);
    pg->addWidget(addBox("GuardrailHeight", KeyKind::Numeric), 2, 1);
    pg->addWidget(label(QStringLiteral("颜色"), params), 2, 2);
    pg->addWidget(colour, 2, 3);
    pg->addWidget(label(QStringLiteral("分档数"), params), 3, 0);
    pg->addWidget(bays, 3, 1);
    pg->addWidget(label(QStringLiteral("榀数"), params), 3, 2);
    pg->addWidget(addBox("GuardrailPin", std::nullopt), 3, 3);
    pg->addWidget(label(QStringLiteral("左边距"), params), 4, 0);
    pg->addWidget(addBox("LeftValue", KeyKind::Numeric), 4, 1);
    pg->addWidget(label(QStringLiteral("右边距"), params), 4, 2);
    pg->addWidget(addBox("Rightvalue", KeyKind::Numeric), 4, 3);
    pg->addWidget(label(QStringLiteral("上边距"), params), 5, 0);
    pg->addWidget(addBox("TopValue", KeyKind::Numeric), 5, 1);
    pg->addWidget(label(QStringLiteral("下边距"), params), 5, 2);
    pg->addWidget(addBox("lowerValue", KeyKind::Numeric), 5, 3);
    pg->addWidget(label(QStringLiteral("备注"), params), 6, 0);
    pg->addWidget(remark, 6, 1, 1, 3);

    auto pickerRow = [&](QGridLayout* g, int row, const QString& name, int category, const QString& caption) {
        auto* combo = new QComboBox(panel);
        combo->setObjectName(name);
        combo->setMinimumContentsLength(14);
        combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        g->addWidget(label(caption, panel), row, 0);
        g->addWidget(combo, row, 1);
        QLineEdit* filter = nullptr;
        if (add) {
            filter = addBox(name + "Filter", std::nullopt);
            filter->setPlaceholderText(QStringLiteral("型号筛选"));
            filter->setMaximumWidth(90);
            g->addWidget(filter, row, 2);
        }
        m_pickers.insert(category, Picker{category, combo, filter});
    };

    // 面管
    auto* handrail = new QGroupBox(QStringLiteral("面管"), panel);
    auto* hg = new QGridLayout(handrail);
    pickerRow(hg, 0, "handrailPicker", kHandrailCategory, QStringLiteral("型号"));
    auto* hasHandrail = new QCheckBox(QStringLiteral("有无面管"), handrail);
    hasHandrail->setObjectName("HandrailHas");
    hasHandrail->setChecked(true);
    auto* preset = new QComboBox(handrail);
    preset->setObjectName("handrailPreset");
    preset->addItems({QStringLiteral("一端L转角"), QStringLiteral("两端L转角")});
    preset->setCurrentIndex(-1);
    hg->addWidget(hasHandrail, 1, 0);
    hg->addWidget(label(QStringLiteral("面管长度："), handrail), 1, 1);
    auto* handrailLength = addBox("handrailLength", KeyKind::Numeric);
    hg->addWidget(handrailLength, 2, 1);
    hg->addWidget(preset, 2, 2);

    // 立柱
    auto* column = new QGroupBox(QStringLiteral("立柱"), panel);
    auto* cg = new QGridLayout(column);
    pickerRow(cg, 0, "columnPicker", kColumnCategory, QStringLiteral("型号"));
    auto* twoColumns = new QCheckBox(QStringLiteral("是否双立柱"), column);
    twoColumns->setObjectName("ColumnIsTwo");
    cg->addWidget(twoColumns, 1, 0);
    cg->addWidget(label(add ? QStringLiteral("双立柱间距") : QStringLiteral("间距"), column), 1, 1);
    cg->addWidget(addBox("TwoSpace", add ? std::optional<KeyKind>(KeyKind::Signed) : std::nullopt), 1, 2);
    cg->addWidget(label(QStringLiteral("接插量或者焊接损耗量"), column), 2, 0, 1, 2);
    cg->addWidget(addBox("ColumnMargin", KeyKind::Signed), 2, 2);

    // 横杆
    auto* cross = new QGroupBox(QStringLiteral("横杆"), panel);
    auto* xg = new QGridLayout(cross);
    pickerRow(xg, 0, "crosspiecePicker", kCrosspieceCategory, QStringLiteral("型号"));
    auto* top = new QCheckBox(QStringLiteral("上横杆"), cross);
    top->setObjectName("CrosspieceTopHas");
    top->setChecked(true);
    auto* low = new QCheckBox(QStringLiteral("下横杆"), cross);
    low->setObjectName("CrosspieceLowHas");
    low->setChecked(true);
    xg->addWidget(top, 1, 0);
    xg->addWidget(low, 1, 1);
    auto* marginRow = new QHBoxLayout;
    marginRow->addWidget(label(QStringLiteral("余量"), cross));
    marginRow->addWidget(addBox("CrosspieceMargin", KeyKind::Signed));
    xg->addLayout(marginRow, 1, 2);
    for (int i = 0; i < 2; ++i) {
        const QString suffix = i == 0 ? "A" : "B";
        auto* row = new QHBoxLayout;
        row->addWidget(label(QStringLiteral("型号"), cross));
        row->addWidget(addBox("reinforcePiecename" + suffix, std::nullopt));
        row->addWidget(label(QStringLiteral("高度"), cross));
        row->addWidget(addBox("reinforcePieceHeight" + suffix, std::nullopt));
        auto* has = new QCheckBox(QStringLiteral("加固横档"), cross);
        has->setObjectName("reinforcePiece" + suffix + "Has");
        row->addWidget(has);
        xg->addLayout(row, 2 + i, 0, 1, 3);
    }

    // 竖杆
    auto* pipes = new QGroupBox(QStringLiteral("竖杆"), panel);
    auto* sg = new QGridLayout(pipes);
    auto* typeBox = new QGroupBox(QStringLiteral("类型"), pipes);
    auto* typeLayout = new QHBoxLayout(typeBox);
    auto* typePipe = new QRadioButton(QStringLiteral("竖杆"), typeBox);
    typePipe->setObjectName("typeStandpipe");
    typePipe->setChecked(true);
    auto* typeGlass = new QRadioButton(QStringLiteral("玻璃"), typeBox);
    typeGlass->setObjectName("typeGlass");
    typeLayout->addWidget(typePipe);
    typeLayout->addWidget(typeGlass);
    sg->addWidget(typeBox, 0, 0, 1, 3);
    pickerRow(sg, 1, "standpipePicker", kStandpipeCategory, QStringLiteral("竖杆型号"));
    auto* spacing = new QWidget(pipes);
    auto* spacingLayout = new QHBoxLayout(spacing);
    spacingLayout->setContentsMargins(0, 0, 0, 0);
    auto* divide = new QRadioButton(QStringLiteral("间距平分"), spacing);
    divide->setObjectName("spaceDivide");
    divide->setChecked(true);
    auto* fixed = new QRadioButton(QStringLiteral("间距固定"), spacing);
    fixed->setObjectName("spaceFixed");
    spacingLayout->addWidget(divide);
    spacingLayout->addWidget(fixed);
    sg->addWidget(spacing, 2, 0, 1, 3);
    sg->addWidget(label(QStringLiteral("竖杆最大间距"), pipes), 3, 0);
    sg->addWidget(addBox("StandPipeSpace", KeyKind::Numeric), 3, 1);
    sg->addWidget(label(QStringLiteral("固定间距值"), pipes), 4, 0);
    sg->addWidget(addBox("FixedValue", KeyKind::Numeric), 4, 1);
    sg->addWidget(label(QStringLiteral("玻璃型号"), pipes), 5, 0);
    auto* glassPicker = new QComboBox(pipes);
    glassPicker->setObjectName("glassPicker");
    sg->addWidget(glassPicker, 5, 1);
    m_pickers.insert(kGlassCategory, Picker{kGlassCategory, glassPicker, nullptr});
    auto* insert = new QGroupBox(QStringLiteral("接插量/超出间距(mm）"), pipes);
    auto* ig = new QGridLayout(insert);
    ig->addWidget(label(QStringLiteral("左"), insert), 0, 0);
    ig->addWidget(addBox("standpipeLeft", KeyKind::Numeric), 0, 1);
    ig->addWidget(label(QStringLiteral("右"), insert), 0, 2);
    ig->addWidget(addBox("StandpipeRight", KeyKind::Numeric), 0, 3);
    ig->addWidget(label(QStringLiteral("上"), insert), 1, 0);
    ig->addWidget(addBox("StandpipeTop", KeyKind::Numeric), 1, 1);
    ig->addWidget(label(QStringLiteral("下"), insert), 1, 2);
    ig->addWidget(addBox("StandpipeLow", KeyKind::Numeric), 1, 3);
    sg->addWidget(insert, 6, 0, 1, 3);

    grid2->addWidget(params, 0, 0);
    grid2->addWidget(handrail, 1, 0);
    grid2->addWidget(column, 2, 0);
    grid2->addWidget(cross, 0, 1);
    grid2->addWidget(pipes, 1, 1, 2, 1);
    grid2->setRowStretch(3, 1);
    scroll->setWidget(panel);
    return scroll;
}

// The number boxes that feed the computation: their label (for messages),
// the working value they set and the check Enter runs before recomputing.
namespace {
struct NumberBox {
    const char* name;
    const char* label;
    double LayoutInput::*value;
    std::optional<LayoutField> check;   // none: Enter recomputes without a check
};

const NumberBox kNumberBoxes[] = {
    {"Guardraillen", "长度（mm）", &LayoutInput::Guardraillen, LayoutField::Length},
    {"ColumnMaxSpace", "每档<=", &LayoutInput::ColumnMaxSpace, LayoutField::ColumnMaxSpace},
    {"GuardrailHeight", "总高（mm）", &LayoutInput::GuardrailHeight, LayoutField::Height},
    {"LeftValue", "左边距", &LayoutInput::LeftValue, LayoutField::Left},
    {"Rightvalue", "右边距", &LayoutInput::Rightvalue, LayoutField::Right},
    {"TopValue", "上边距", &LayoutInput::TopValue, LayoutField::Top},
    {"lowerValue", "下边距", &LayoutInput::lowerValue, LayoutField::Low},
    {"StandPipeSpace", "竖杆最大间距", &LayoutInput::StandPipeSpace, LayoutField::StandPipeSpace},
    {"FixedValue", "固定间距值", &LayoutInput::FixedValue, LayoutField::FixedValue},
    {"standpipeLeft", "接插量/超出间距 左", &LayoutInput::standpipeLeft, LayoutField::GapLeft},
    {"StandpipeRight", "接插量/超出间距 右", &LayoutInput::StandpipeRight, LayoutField::GapRight},
    {"StandpipeTop", "接插量/超出间距 上", &LayoutInput::StandpipeTop, LayoutField::GapTop},
    {"StandpipeLow", "接插量/超出间距 下", &LayoutInput::StandpipeLow, LayoutField::GapLow},
    {"ColumnMargin", "接插量或者焊接损耗量", &LayoutInput::ColumnMargin, std::nullopt},
    {"CrosspieceMargin", "余量", &LayoutInput::CrosspieceMargin, std::nullopt},
    {"TwoSpace", "双立柱间距", &LayoutInput::TwoSpace, std::nullopt},
};

const NumberBox* numberBox(const QString& name)
{
    for (const NumberBox& b : kNumberBoxes) {
        if (name == QLatin1String(b.name))
            return &b;
    }
    return nullptr;
}

} // namespace

void FeedingBillForm::connectTriggers()
{
    for (const NumberBox& b : kNumberBoxes) {
        const QString name = QString::fromLatin1(b.name);
        // 间距 of the edit window is kept as loaded; only the add window reacts to Enter there.
        if (name == "TwoSpace" && m_mode == BillMode::Edit)
            continue;
        if (name == "Guardraillen")
            connect(box(name), &QLineEdit::returnPressed, this, [this] { onLengthEnter(); });
        else
            connect(box(name), &QLineEdit::returnPressed, this, [this, name] { onNumberEnter(name); });
    }
    if (m_mode == BillMode::Add)
        connect(box("StandpipeRight"), &QLineEdit::textChanged, this,
                [this](const QString& t) { onStandpipeRightChanged(t); });

    for (const char* name : {"HandrailHas", "ColumnIsTwo", "CrosspieceTopHas", "CrosspieceLowHas"})
        connect(widget<QCheckBox>(name), &QCheckBox::clicked, this, [this] { recomputeAndRedraw(); });
    for (const char* name : {"spaceDivide", "spaceFixed"})
        connect(widget<QRadioButton>(name), &QRadioButton::clicked, this, [this] { recomputeAndRedraw(); });
    for (const char* name : {"typeStandpipe", "typeGlass"})
        connect(widget<QRadioButton>(name), &QRadioButton::clicked, this, [this] { onTypeClicked(); });

    for (const Picker& p : m_pickers) {
        const int category = p.category;
        connect(p.combo, &QComboBox::activated, this, [this, category] { onPickerActivated(category); });
        if (p.filter)
            connect(p.filter, &QLineEdit::returnPressed, this, [this, category] { onFilterEnter(category); });
    }
    connect(widget<QComboBox>("handrailPreset"), &QComboBox::activated, this,
            [this](int i) { onHandrailPreset(i); });

    connect(box("removedColumnCount"), &QLineEdit::returnPressed, this, [this] { onRemovedColumnCountEnter(); });
    connect(box("replaceedStandpipesCount"), &QLineEdit::returnPressed, this,
            [this] { onReplacedStandpipeCountEnter(); });
    // Any key in the two count boxes shows the summary again.
    connect(box("removedColumnCount"), &QLineEdit::textEdited, this, [this] { showSummary(); });
    connect(box("replaceedStandpipesCount"), &QLineEdit::textEdited, this, [this] { showSummary(); });
    // The lists change only the drawing.
    for (const char* name : {"removedColumns", "standpipeTomodelFields", "replaceedStandpipes"})
        connect(box(name), &QLineEdit::textChanged, this, [this] { redraw(); });

    // Clicking a row loads nothing; it fits the columns to their texts.
    if (auto* bills = widget<DataGrid>("billGrid"))
        connect(bills, &DataGrid::cellClicked, this, [bills] { bills->FitGridColumns(5); });
    auto* crafts = widget<DataGrid>("craftGrid");
    connect(crafts, &DataGrid::cellClicked, this, [crafts] { crafts->FitGridColumns(5); });
}

void FeedingBillForm::clearEdits()
{
    for (auto* group : findChildren<QGroupBox*>())
        ClearEdits(group);
    box("subfield")->clear();
    if (m_mode == BillMode::Add)
        box("GuardrailPin")->setText("1");
    applyTypeEnables();
}

void FeedingBillForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    firstShow();
}

// ---- loading -------------------------------------------------------------

void FeedingBillForm::loadColours()
{
    auto* colour = widget<QComboBox>("GuardrailColor");
    colour->clear();
    try {
        colour->addItems(loadColorValues(m_ctx.dm));
    } catch (const DbError&) {
        m_ctx.prompt.error(kDbErrorText);
    }
    colour->setCurrentIndex(colour->count() > 0 ? 0 : -1);
}

void FeedingBillForm::fillPicker(const Picker& p, const QList<MaterialModel>& models, bool selectFirst)
{
    p.combo->clear();
    for (const MaterialModel& m : models)
        p.combo->addItem(m.pickerText(p.category));
    p.combo->setCurrentIndex(selectFirst && !models.isEmpty() ? 0 : -1);
}

void FeedingBillForm::loadPickers(bool selectFirst)
{
    for (const Picker& p : m_pickers) {
        QList<MaterialModel> models;
        try {
            models = loadCommonModels(m_ctx.dm, p.category);
        } catch (const DbError&) {
            m_ctx.prompt.error(kDbErrorText);
        }
        fillPicker(p, models, selectFirst);
        if (selectFirst && !models.isEmpty())
            m_work.takeModel(p.category, models.first());
    }
}

void FeedingBillForm::loadBillGrid()
{
    auto* bills = widget<DataGrid>("billGrid");
    if (!bills)
        return;
    try {
        bills->setRecords(detailBills(m_ctx.dm, m_ctx.session.CurrentProjectID));
    } catch (const DbError&) {
        m_ctx.prompt.error(kDbErrorText);
        bills->clearRecords();
    }
    if (bills->rowCount() > 0)
        bills->setCurrentRecord(bills->rowCount() - 1);
}

void FeedingBillForm::loadDefaultParams()
{
    m_work.resetHoles();
    std::optional<FeedingParams> p;
    try {
        p = readFeedingParams(m_ctx.dm, m_ctx.session.CurrentUser.userID);
    } catch (const DbError&) {
        m_ctx.prompt.error(kDbErrorText);
        return;
    }
    if (!p)
        return;
    const std::pair<const char*, const QString*> copies[] = {
        {"GuardrailHeight", &p->totalHeight},     {"ColumnMaxSpace", &p->ColumnMaxSpace},
        {"StandPipeSpace", &p->StandPipeSpace},   {"FixedValue", &p->fixPipeSpace},
        {"TwoSpace", &p->doubleColumnSpace},      {"LeftValue", &p->SpacingDefaultLeft},
        {"Rightvalue", &p->SpacingDefaultRight},  {"TopValue", &p->SpacingDefaultTop},
        {"lowerValue", &p->SpacingDefaultLow},    {"ColumnMargin", &p->ColumnMargin},
        {"CrosspieceMargin", &p->CrosspieceMargin}, {"standpipeLeft", &p->standpipeLeft},
        {"StandpipeRight", &p->StandpipeRight},   {"StandpipeTop", &p->StandpipeTop},
        {"StandpipeLow", &p->StandpipeLow},
    };
    m_loading = true;
    for (const auto& [name, text] : copies) {
        box(name)->setText(*text);
        m_work.in.*(numberBox(name)->value) = parseNumber(*text).value_or(0);
    }
    m_loading = false;
    const bool fixed = spaceCalmethodFromDefault(p->spaceCalmethod) == 1;
    widget<QRadioButton>(fixed ? "spaceFixed" : "spaceDivide")->setChecked(true);
    m_work.spaceCalmethodText = p->spaceCalmethod;
}

void FeedingBillForm::setPickerText(QComboBox* combo, const QString& text)
{
    int i = combo->findText(text, Qt::MatchExactly);
    if (i < 0 && !text.isEmpty()) {
        // A model no longer marked common still shows as stored.
        combo->addItem(text);
        i = combo->count() - 1;
    }
    combo->setCurrentIndex(i);
}

namespace {
// Stored number text, or "0" when the stored value is empty.
QString orZero(const QString& text)
{
    return text.trimmed().isEmpty() ? QStringLiteral("0") : text;
}
} // namespace

bool FeedingBillForm::loadStoredBill(int detailBillID)
{
    std::optional<StraightBill> stored;
    QString handrailShape, columnShape, crosspieceShape, standpipeShape, handrailSize, handrailHw;
    try {
        stored = readStraightBill(m_ctx.dm, detailBillID);
        if (stored) {
            handrailShape = getShapeType(m_ctx.dm, stored->handrailID);
            columnShape = getShapeType(m_ctx.dm, stored->ColumnID);
            crosspieceShape = getShapeType(m_ctx.dm, stored->CrosspieceID);
            standpipeShape = getShapeType(m_ctx.dm, stored->standpipeID);
            handrailHw = getMaterialWidth(m_ctx.dm, stored->handrailID);
            handrailSize = getResultSize(m_ctx.dm, detailBillID, stored->handrailname);
        }
    } catch (const DbError&) {
        m_ctx.prompt.error(kDbErrorText);
        return false;
    }
    if (!stored) {
        m_ctx.prompt.error(QStringLiteral("下料单不存在，可能已被删除"));
        return false;
    }
    const StraightBill& b = *stored;
    m_loading = true;
    auto setText = [this](const char* name, const QString& text) { box(name)->setText(text); };
    auto setNumber = [this](const char* name, const QString& text) {
        box(name)->setText(text);
        m_work.in.*(numberBox(name)->value) = parseNumber(text).value_or(0);
    };
    setText("SuitOrderNum", b.SuitOrderNum);
    setNumber("Guardraillen", b.Guardraillen);
    setNumber("ColumnMaxSpace", b.ColumnMaxSpace);
    setNumber("GuardrailHeight", b.GuardrailHeight);
    setText("GuardrailPin", b.GuardrailPin);
    setPickerText(widget<QComboBox>("GuardrailColor"), b.GuardrailColor);
    setText("subfield", b.subfield);
    setNumber("LeftValue", b.LeftValue);
    setNumber("Rightvalue", b.Rightvalue);
    setNumber("TopValue", b.TopValue);
    setNumber("lowerValue", b.lowerValue);
    widget<QPlainTextEdit>("remark")->setPlainText(b.remark);

    setPickerText(m_pickers[kHandrailCategory].combo, b.handrailname + "-" + handrailShape);
    m_work.setModel(kHandrailCategory, b.handrailID, b.HandrailWidth, parseNumber(handrailHw).value_or(0));
    setText("handrailLength", handrailSize);

    setPickerText(m_pickers[kColumnCategory].combo, b.ColumnName + "-" + columnShape);
    m_work.setModel(kColumnCategory, b.ColumnID, b.ColumnWidth);
    setNumber("TwoSpace", b.TwoSpace);
    setNumber("ColumnMargin", orZero(b.ColumnMargin));

    setPickerText(m_pickers[kCrosspieceCategory].combo, b.CrosspieceName + "-" + crosspieceShape);
    m_work.setModel(kCrosspieceCategory, b.CrosspieceID, b.CrosspieceWidth);
    setNumber("CrosspieceMargin", orZero(b.CrosspieceMargin));

    if (b.glass) {
        setPickerText(m_pickers[kGlassCategory].combo, b.glassName);
        m_work.setGlass(b.glassID, b.glassThick);
    } else {
        setPickerText(m_pickers[kStandpipeCategory].combo, b.standpipeName + "-" + standpipeShape);
        m_work.setModel(kStandpipeCategory, b.standpipeID, b.standpipeWidth);
        widget<QRadioButton>(b.fixedSpacing ? "spaceFixed" : "spaceDivide")->setChecked(true);
    }
    m_work.spaceCalmethodText = QString::number(b.fixedSpacing ? 1 : 0);
    setNumber("FixedValue", b.FixedValue);
    setNumber("standpipeLeft", orZero(b.standpipeLeft));
    setNumber("StandpipeRight", orZero(b.StandpipeRight));
    setNumber("StandpipeTop", orZero(b.StandpipeTop));
    setNumber("StandpipeLow", orZero(b.StandpipeLow));
    setNumber("StandPipeSpace", orZero(b.StandPipeSpace));

    setText("standpipeTomodelFields", b.standpipeTomodelFields);
    setText("replaceedStandpipes", b.replaceedStandpipes);
    setText("replaceedStandpipesCount", b.replaceedStandpipesCount);
    setText("replaceRemark", b.replaceRemark);
    // The reinforcing rails are shown as stored, so that saving keeps them.
    setText("reinforcePiecenameA", b.reinforcePiecenameA);
    setText("reinforcePieceHeightA", b.reinforcePieceHeightA);
    widget<QCheckBox>("reinforcePieceAHas")->setChecked(b.reinforcePieceAHas);
    setText("reinforcePiecenameB", b.reinforcePiecenameB);
    setText("reinforcePieceHeightB", b.reinforcePieceHeightB);
    widget<QCheckBox>("reinforcePieceBHas")->setChecked(b.reinforcePieceBHas);

    widget<QCheckBox>("HandrailHas")->setChecked(b.HandrailHas);
    widget<QCheckBox>("ColumnIsTwo")->setChecked(b.ColumnIsTwo);
    widget<QCheckBox>("CrosspieceTopHas")->setChecked(b.CrosspieceTopHas);
    widget<QCheckBox>("CrosspieceLowHas")->setChecked(b.CrosspieceLowHas);
    widget<QRadioButton>(b.glass ? "typeGlass" : "typeStandpipe")->setChecked(true);
    applyTypeEnables();
    setWindowTitle(m_ctx.session.CurrentProjectName + QStringLiteral("护栏:") + b.Guardraillen + "X"
                   + b.GuardrailHeight + QStringLiteral("-修改下料单"));
    m_loading = false;
    // The switches now show the stored choices: one computation from them
    // gives what the stored texts say.
    recomputeAndRedraw();
    return true;
}

// ---- computation triggers -------------------------------------------------

namespace {
QString notANumber(const QString& label)
{
    return label + QStringLiteral("不是有效的数字，请检查输入");
}
} // namespace

void FeedingBillForm::onNumberEnter(const QString& name)
{
    const NumberBox* b = numberBox(name);
    const QString text = box(name)->text().trimmed();
    if (!text.isEmpty()) {
        const auto v = parseNumber(text);
        if (!v) {
            m_ctx.prompt.error(notANumber(QString::fromUtf8(b->label)));
            return;
        }
        m_work.in.*(b->value) = *v;
    }
    if (b->check && !enteredValueValid(*b->check, m_work.in)) {
        m_ctx.prompt.error(kUnreasonableDataText);
        return;
    }
    recomputeAndRedraw();
}

void FeedingBillForm::onLengthEnter()
{
    onNumberEnter("Guardraillen");
}

void FeedingBillForm::onStandpipeRightChanged(const QString& text)
{
    if (m_loading || text.trimmed().isEmpty())
        return;
    const auto v = parseNumber(text);
    // A half-typed number waits for the next key.
    if (!v)
        return;
    m_work.in.StandpipeRight = *v;
    recomputeAndRedraw();
}

void FeedingBillForm::applyTypeEnables()
{
    const bool glass = widget<QRadioButton>("typeGlass")->isChecked();
    for (const char* name : {"standpipeTomodelFields", "replaceedStandpipes", "replaceedStandpipesCount",
                             "replaceRemark"})
        box(name)->setEnabled(!glass);
    box("standpipeLeft")->setEnabled(glass);
    box("StandpipeRight")->setEnabled(glass);
}

void FeedingBillForm::onTypeClicked()
{
    applyTypeEnables();
    recomputeAndRedraw();
}

void FeedingBillForm::onPickerActivated(int category)
{
    const Picker& p = m_pickers[category];
    const QString text = p.combo->currentText().trimmed();
    try {
        if (category == kGlassCategory) {
            QString id = findMaterialID(m_ctx.dm, text, text, category);
            QString thick = id.isEmpty() ? QString() : getMaterialWidth(m_ctx.dm, id);
            // Glass models without a shape type are found through the listed row.
            if (id.isEmpty()) {
                for (const MaterialModel& m : loadCommonModels(m_ctx.dm, category)) {
                    if (m.ModelName == text) {
                        id = m.mainmaterialID;
                        thick = m.Thick;
                    }
                }
            }
            m_work.setGlass(id, thick);
            return;
        }
        const PickerItem item = splitPickerText(text);
        const QString id = findMaterialID(m_ctx.dm, item.name, item.shape, category);
        const auto width = parseNumber(getMaterialWidth(m_ctx.dm, id));
        const auto height = category == kHandrailCategory ? parseNumber(getMaterialLength(m_ctx.dm, id))
                                                          : std::optional<double>(0);
        if (id.isEmpty() || !width || !height) {
            m_ctx.prompt.error(QStringLiteral("型号“%1”在主材表中找不到或尺寸不是有效的数字").arg(text));
            return;
        }
        if (category == kHandrailCategory)
            m_work.setModel(category, id, *height, *width);
        else
            m_work.setModel(category, id, *width);
    } catch (const DbError&) {
        m_ctx.prompt.error(kDbErrorText);
        return;
    }
    recomputeAndRedraw();
}

void FeedingBillForm::onFilterEnter(int category)
{
    const Picker& p = m_pickers[category];
    const QString filter = p.filter->text().trimmed();
    if (isIgnoredModelFilter(filter))
        return;
    QList<MaterialModel> models;
    try {
        models = loadCommonModels(m_ctx.dm, category, filter);
    } catch (const DbError&) {
        m_ctx.prompt.error(kDbErrorText);
    }
    // The working model stays the one chosen before until an item is picked.
    fillPicker(p, models, true);
}

void FeedingBillForm::onHandrailPreset(int index)
{
    const QString lengthText = box("Guardraillen")->text().trimmed();
    if (lengthText.isEmpty() || index < 0)
        return;
    const auto L = parseNumber(lengthText);
    if (!L) {
        m_ctx.prompt.error(notANumber(QStringLiteral("长度（mm）")));
        return;
    }
    box("handrailLength")->setText(m_work.handrailPreset(index, *L));
}

void FeedingBillForm::onRemovedColumnCountEnter()
{
    const QString problem = m_work.adjustSummary(ColumnRow, box("removedColumnCount")->text());
    if (!problem.isEmpty())
        m_ctx.prompt.error(problem);
    showSummary();
}

void FeedingBillForm::onReplacedStandpipeCountEnter()
{
    const QString problem = m_work.adjustSummary(StandpipeRow, box("replaceedStandpipesCount")->text());
    if (!problem.isEmpty())
        m_ctx.prompt.error(problem);
    showSummary();
}

void FeedingBillForm::readSwitches()
{
    m_work.setSwitches(widget<QCheckBox>("HandrailHas")->isChecked(), widget<QCheckBox>("ColumnIsTwo")->isChecked(),
                       widget<QCheckBox>("CrosspieceTopHas")->isChecked(),
                       widget<QCheckBox>("CrosspieceLowHas")->isChecked(),
                       widget<QRadioButton>("typeGlass")->isChecked(), widget<QRadioButton>("spaceFixed")->isChecked());
    m_work.setPickerTexts({m_pickers[kHandrailCategory].combo->currentText(),
                           m_pickers[kColumnCategory].combo->currentText(),
                           m_pickers[kCrosspieceCategory].combo->currentText(),
                           m_pickers[kStandpipeCategory].combo->currentText(),
                           m_pickers[kGlassCategory].combo->currentText()});
    m_work.setDiagramLists(box("removedColumns")->text(), box("standpipeTomodelFields")->text(),
                           box("replaceedStandpipes")->text());
    m_work.setTexts(box("Guardraillen")->text().trimmed(), box("GuardrailHeight")->text().trimmed(),
                    box("handrailLength")->text().trimmed());
}

void FeedingBillForm::recomputeAndRedraw()
{
    if (m_loading)
        return;
    readSwitches();
    const QString problem = m_work.compute();
    if (!problem.isEmpty()) {
        m_ctx.prompt.error(problem);
        return;
    }
    if (m_work.hasResult())
        box("subfield")->setText(QString::number(m_work.bayCount()));
    showSummary();
    redraw();
}

void FeedingBillForm::redraw()
{
    if (m_loading)
        return;
    readSwitches();
    m_work.draw();
    m_diagramView->update();
}

void FeedingBillForm::showSummary()
{
    auto* g = widget<QTableWidget>("summaryGrid");
    const QList<QStringList> rows = m_work.summaryRows();
    g->setRowCount(int(rows.size()));
    for (int i = 0; i < rows.size(); ++i)
        setRow(g, i, rows.at(i));
}

// ---- save and close ---------------------------------------------------------

StraightBill FeedingBillForm::billFromForm() const
{
    StraightBill b = m_work.billValues();
    b.DetailBillID = m_mode == BillMode::Edit ? static_cast<const Tfrm_editFeeding*>(this)->detailBillID() : 0;
    b.projectID = m_ctx.session.CurrentProjectID;
    b.UserID = m_ctx.session.CurrentUser.userID;
    auto text = [this](const char* name) { return box(name)->text().trimmed(); };
    b.SuitOrderNum = text("SuitOrderNum");
    b.Guardraillen = text("Guardraillen");
    b.ColumnMaxSpace = text("ColumnMaxSpace");
    b.GuardrailHeight = text("GuardrailHeight");
    b.GuardrailPin = text("GuardrailPin");
    b.GuardrailColor = widget<QComboBox>("GuardrailColor")->currentText().trimmed();
    b.subfield = text("subfield");
    b.LeftValue = text("LeftValue");
    b.Rightvalue = text("Rightvalue");
    b.TopValue = text("TopValue");
    b.lowerValue = text("lowerValue");
    b.remark = widget<QPlainTextEdit>("remark")->toPlainText().trimmed();
    b.HandrailHas = widget<QCheckBox>("HandrailHas")->isChecked();
    b.ColumnIsTwo = widget<QCheckBox>("ColumnIsTwo")->isChecked();
    b.TwoSpace = text("TwoSpace");
    b.ColumnMargin = text("ColumnMargin");
    b.CrosspieceTopHas = widget<QCheckBox>("CrosspieceTopHas")->isChecked();
    b.CrosspieceLowHas = widget<QCheckBox>("CrosspieceLowHas")->isChecked();
    b.CrosspieceMargin = text("CrosspieceMargin");
    b.reinforcePiecenameA = text("reinforcePiecenameA");
    b.reinforcePieceHeightA = text("reinforcePieceHeightA");
    b.reinforcePieceAHas = widget<QCheckBox>("reinforcePieceAHas")->isChecked();
    b.reinforcePiecenameB = text("reinforcePiecenameB");
    b.reinforcePieceHeightB = text("reinforcePieceHeightB");
    b.reinforcePieceBHas = widget<QCheckBox>("reinforcePieceBHas")->isChecked();
    b.glass = widget<QRadioButton>("typeGlass")->isChecked();
    b.fixedSpacing = widget<QRadioButton>("spaceFixed")->isChecked();
    b.StandPipeSpace = text("StandPipeSpace");
    b.FixedValue = text("FixedValue");
    b.standpipeLeft = text("standpipeLeft");
    b.StandpipeRight = text("StandpipeRight");
    b.StandpipeTop = text("StandpipeTop");
    b.StandpipeLow = text("StandpipeLow");
    b.standpipeTomodelFields = text("standpipeTomodelFields");
    b.replaceedStandpipes = text("replaceedStandpipes");
    b.replaceedStandpipesCount = text("replaceedStandpipesCount");
    b.replaceRemark = text("replaceRemark");
    // The edit window refuses a bill whose infill picker is empty.
    if (!b.glass && m_pickers[kStandpipeCategory].combo->currentText().trimmed().isEmpty())
        b.standpipeName.clear();
    if (b.glass && m_pickers[kGlassCategory].combo->currentText().trimmed().isEmpty())
        b.glassName.clear();
    return b;
}

void FeedingBillForm::focusField(const QString& field)
{
    if (field.isEmpty())
        return;
    if (field == "standpipeName")
        m_pickers[kStandpipeCategory].combo->setFocus();
    else if (field == "glassName")
        m_pickers[kGlassCategory].combo->setFocus();
    else if (QLineEdit* e = box(field))
        e->setFocus();
}

void FeedingBillForm::BitBtn1Click()
{
    const StraightBill bill = billFromForm();
    const double length = bill.Guardraillen.toDouble();
    const BillSaveResult r = saveStraightBill(m_ctx.dm, m_mode, bill, m_ctx.makeStore,
                                              [this, length](const QString& path) {
                                                  return m_work.exportBmp(path, length);
                                              });
    if (r.messageIsError)
        m_ctx.prompt.error(r.message);
    else
        m_ctx.prompt.information(r.message);
    focusField(r.focusField);
    if (r.written)
        ++m_savedBills;
    if (m_mode == BillMode::Add) {
        if (r.written) {
            loadBillGrid();
            box("handrailLength")->clear();
        }
        return;
    }
    if (r.succeeded) {
        accept();
        if (m_refreshWorkspace)
            m_refreshWorkspace();
    }
}

void FeedingBillForm::BitBtn2Click()
{
    if (m_mode == BillMode::Add)
        accept();
    else
        reject();
}

void FeedingBillForm::done(int result)
{
    QDialog::done(result);
    // However the add window is closed (关闭, Esc, the title bar), the
    // workspace shows the bills entered meanwhile.
    if (m_mode == BillMode::Add && m_refreshWorkspace)
        m_refreshWorkspace();
}

// ---- crafts -------------------------------------------------------------------

void FeedingBillForm::loadCraftGrid()
{
    auto* g = widget<DataGrid>("craftGrid");
    try {
        g->setRecords(loadCraftRows(m_ctx.dm, m_ctx.session.CurrentProjectID, box("SuitOrderNum")->text().trimmed()));
    } catch (const DbError&) {
        m_ctx.prompt.error(kDbErrorText);
        g->clearRecords();
    }
}

void FeedingBillForm::addCraftClick()
{
    const std::pair<const char*, QString> required[] = {
        {"SuitOrderNum", kSuitOrderEmptyText},
        {"Guardraillen", kLengthEmptyText},
        {"GuardrailPin", QStringLiteral("榀数不能为空")},
    };
    for (const auto& [name, message] : required) {
        if (box(name)->text().trimmed().isEmpty()) {
            m_ctx.prompt.error(message);
            box(name)->setFocus();
            return;
        }
    }
    Tfrm_mainmaterialcraftwork dialog(m_ctx, box("SuitOrderNum")->text().trimmed(),
                                      box("GuardrailPin")->text().trimmed(), this);
    dialog.exec();
    loadCraftGrid();
}

int FeedingBillForm::currentCraftRow() const
{
    auto* g = widget<DataGrid>("craftGrid");
    return g->isLoaded() ? g->currentRecord() : -1;
}

void FeedingBillForm::editCraftClick()
{
    const int row = currentCraftRow();
    if (row < 0) {
        m_ctx.prompt.error(QStringLiteral("当前没有记录！"));
        return;
    }
    const CraftWorkRow craft = craftRowOf(widget<DataGrid>("craftGrid")->records(), row);
    Tfrm_editMainMaterialCraftWork dialog(m_ctx, craft, box("GuardrailPin")->text().trimmed(), this);
    dialog.exec();
    loadCraftGrid();
}

void FeedingBillForm::deleteCraftClick()
{
    const int row = currentCraftRow();
    if (row < 0) {
        m_ctx.prompt.error(QStringLiteral("当前没有记录"));
        return;
    }
    if (!m_ctx.prompt.question(QStringLiteral("删除操作是不可逆的、确定要删除选择的记录吗?")))
        return;
    try {
        deleteCraftRow(m_ctx.dm, craftRowOf(widget<DataGrid>("craftGrid")->records(), row).mainmaterialcraftworkID);
    } catch (const DbError&) {
        m_ctx.prompt.error(kDbErrorText);
    }
    loadCraftGrid();
}

// ---- the two windows ------------------------------------------------------------

Tfrm_addFeeding::Tfrm_addFeeding(AppContext& ctx, QWidget* parent)
    : FeedingBillForm(ctx, BillMode::Add, parent)
{
    setWindowTitle(ctx.session.CurrentProjectName + QStringLiteral("工程-新增下料单"));
}

void Tfrm_addFeeding::firstShow()
{
    loadDefaultParams();
    loadColours();
    loadPickers(true);
    loadBillGrid();
}

Tfrm_editFeeding::Tfrm_editFeeding(AppContext& ctx, int detailBillID, QWidget* parent)
    : FeedingBillForm(ctx, BillMode::Edit, parent)
    , m_detailBillID(detailBillID)
{
    setWindowTitle(QStringLiteral("辅助下料修改"));
}

void Tfrm_editFeeding::firstShow()
{
    loadPickers(false);
    loadColours();
    if (loadStoredBill(m_detailBillID))
        loadCraftGrid();
}
