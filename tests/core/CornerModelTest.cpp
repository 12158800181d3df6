#include "core/CornerMarker.h"
#include "core/CornerModel.h"
#include "core/CornerSummary.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

TEST(CornerModel, ModeTextsRoundTripAndFirstSegmentCannotShareBothEnds)
{
    for (CornerMode m : {CornerMode::NoCorner, CornerMode::OneEndShared, CornerMode::BothEndsShared})
        EXPECT_EQ(cornerModeFromText(cornerModeText(m)), m);
    EXPECT_EQ(cornerModeFromText(""), CornerMode::None);
    EXPECT_EQ(cornerModeFromText("L转角"), CornerMode::None);
    EXPECT_EQ(cornerModeFromText(" L转角两端公用立柱 "), CornerMode::BothEndsShared);

    EXPECT_EQ(cornerModeItems(0), QStringList({"不转角间距分隔", "L转角一端公用立柱"}));
    for (int i = 1; i < kCornerSegmentCount; ++i)
        EXPECT_EQ(cornerModeItems(i).size(), 3) << i;
    EXPECT_EQ(cornerSegmentName(1), "第一段");
    EXPECT_EQ(cornerSegmentName(8), "第八段");
}

TEST(CornerModel, LayoutLengthAndOffset)
{
    struct Case {
        bool flag;
        double wc, len, guardrailLen, xOffset;
    } cases[] = {
        {false, 50, 1500, 1525, 1475},
        {true, 50, 1000, 1050, 1000},
        {false, 45, 2000, 2022.5, 1977.5},
        {true, 45, 2000, 2045, 2000},
    };
    for (const Case& c : cases) {
        EXPECT_DOUBLE_EQ(GetGuardraillen(c.flag, c.wc, c.len), c.guardrailLen);
        EXPECT_DOUBLE_EQ(GetxOffset(c.flag, c.wc, c.len), c.xOffset);
    }
}

TEST(CornerModel, BoxNumbersRefuseWhatIsNotAFiniteNumber)
{
    for (const char* bad : {"", "  ", ".", "1.2.3", "abc", "nan", "inf", "-inf", "1e400"}) {
        const BoxNumber n = readBoxNumber(QString::fromUtf8(bad), "左边距");
        EXPECT_FALSE(n.ok()) << bad;
        EXPECT_TRUE(n.error.startsWith("左边距")) << n.error.toStdString();
    }
    EXPECT_DOUBLE_EQ(*readBoxNumber(" 100 ", "x").value, 100);
    EXPECT_DOUBLE_EQ(*readBoxNumber("-2.5", "x").value, -2.5);
}

TEST(CornerModel, SegmentMarginsReplaceAllowancesOnlyWhenFilled)
{
    CornerValuesInForce inForce{1, 2, 3, 4, 5, 6};
    CornerSegmentInput s;
    s.LeftValue = "100";
    s.Rightvalue = "0";
    s.TopValue = "90";
    s.lowerValue = "80";
    EXPECT_FALSE(setParamsByEdit(s, inForce));
    EXPECT_DOUBLE_EQ(inForce.left, 100);
    EXPECT_DOUBLE_EQ(inForce.right, 0);
    EXPECT_DOUBLE_EQ(inForce.top, 90);
    EXPECT_DOUBLE_EQ(inForce.bottom, 80);
    EXPECT_DOUBLE_EQ(inForce.columnMargin, 5);
    EXPECT_DOUBLE_EQ(inForce.crosspieceMargin, 6);

    s.columnMargin = "-3";
    s.crosspieceMargin = "7";
    EXPECT_FALSE(setParamsByEdit(s, inForce));
    EXPECT_DOUBLE_EQ(inForce.columnMargin, -3);
    EXPECT_DOUBLE_EQ(inForce.crosspieceMargin, 7);

    // A bad box leaves every value in force as it was.
    const CornerValuesInForce before = inForce;
    s.LeftValue = "5";
    s.TopValue = "";
    const auto err = setParamsByEdit(s, inForce);
    ASSERT_TRUE(err);
    EXPECT_EQ(*err, "上边距不能为空");
    EXPECT_DOUBLE_EQ(inForce.left, before.left);
}

TEST(CornerModel, MarginPresetsOfTheAddWindow)
{
    const CornerValuesInForce inForce{0, 0, 100, 80.5, 0, 0};
    struct Case {
        int segment;
        CornerMode mode;
        const char* left;
        const char* right;
    } cases[] = {
        {0, CornerMode::NoCorner, "0", "0"},
        {0, CornerMode::OneEndShared, "100", "0"},
        {3, CornerMode::OneEndShared, "0", "100"},
        {3, CornerMode::BothEndsShared, "0", "0"},
    };
    for (const Case& c : cases) {
        const auto p = presetMarginsForCornerMode(c.segment, c.mode, inForce);
        ASSERT_TRUE(p);
        EXPECT_EQ(p->left, c.left);
        EXPECT_EQ(p->right, c.right);
        EXPECT_EQ(p->top, "100");
        EXPECT_EQ(p->bottom, "80.5");
    }
    EXPECT_FALSE(presetMarginsForCornerMode(1, CornerMode::None, inForce));
}

TEST(CornerSummary, ListsResizeToTheSegmentAndViewSeparatesSegments)
{
    corner::CornerSegmentLists lists;
    corner::TMainMaterArr a;
    a[0] = {"1*1", "扶手", "F50", "1500", "1"};
    lists.setSegment(1, 1525, {5, 318.8}, a);
    lists.setSegment(3, 2025, {0, 0}, a);
    ASSERT_EQ(lists.size(), 3);
    EXPECT_EQ(lists.cornerSummary[1][0], corner::TMainMaterSummary{}); // skipped: empty texts
    EXPECT_DOUBLE_EQ(corner::getimgwidth(lists.segmentLengths), 1525 + 0 + 2025);
    lists.setSegment(2, 1000, {}, a);
    EXPECT_EQ(lists.size(), 2);
    EXPECT_EQ(lists.segmentHoles[0], (corner::TSegmentHoles{5, 318.8}));

    const auto rows = corner::listViewloadMainMater(lists.cornerSummary);
    ASSERT_EQ(rows.size(), 6 + 1 + 6);
    EXPECT_EQ(rows[0].suitNum, "1*1");
    EXPECT_EQ(rows[5], corner::TMainMaterSummary{});
    EXPECT_EQ(rows[6], (corner::TMainMaterSummary{"*", "*", "*", "*", "*"}));
    EXPECT_EQ(rows[7].title, "扶手");
}

TEST(CornerMarker, ShippedFileIsTheDrawnSymbolAndMissingFileFallsBack)
{
    // Tests run outside the program folder; CTest names it.
    const QString path = qEnvironmentVariable("GUARDRAIL_BIN_DIR") + "/images/90ok1.bmp";
    const QImage shipped = loadCornerMarker(path);
    ASSERT_FALSE(QImage(path).isNull()) << path.toStdString();
    EXPECT_EQ(shipped.convertToFormat(QImage::Format_RGB32), drawnCornerMarker());

    const QImage fallback = loadCornerMarker("/nonexistent/90ok1.bmp");
    EXPECT_EQ(fallback, drawnCornerMarker());
    EXPECT_EQ(fallback.size(), QSize(kCornerMarkerWidth, kCornerMarkerHeight));
    // The corner line falls 5 px right of the marker's left edge.
    EXPECT_EQ(fallback.pixel(5, 10), qRgb(0, 0, 0));
    EXPECT_EQ(fallback.pixel(0, 10), qRgb(255, 255, 255));
}

TEST(CornerModel, SegmentChecksBeforeThePassInOrder)
{
    CornerSegmentInput s;
    s.inputLen = "1500";
    struct Step {
        QString CornerSegmentInput::*fill;
        CornerSegmentField field;
        const char* message;
    } steps[] = {
        {&CornerSegmentInput::SuitOrderNum, CornerSegmentField::SuitOrderNum, "序号不能为空"},
        {&CornerSegmentInput::handrailSize, CornerSegmentField::handrailSize,
         "扶手长度不能为空，请选择\"尺寸参考\"计算扶手尺寸"},
        {&CornerSegmentInput::cornerMode, CornerSegmentField::cornerMode, "请选择转角类型！"},
    };
    for (const Step& step : steps) {
        const auto problem = checkSegmentBeforeFeed(s);
        ASSERT_TRUE(problem);
        EXPECT_EQ(problem->field, step.field);
        EXPECT_EQ(problem->message, step.message);
        s.*step.fill = " x ";
    }
    EXPECT_FALSE(checkSegmentBeforeFeed(s));
}

TEST(CornerModel, SizeReferenceByCornerType)
{
    struct Case {
        CornerMode mode;
        const char* length;
        const char* formula;
    } cases[] = {
        {CornerMode::NoCorner, "1000", "输入长度"},
        {CornerMode::OneEndShared, "1025", "输入长度+立柱宽度/2"},
        {CornerMode::BothEndsShared, "1050", "输入长度+立柱宽度"},
        {CornerMode::None, "", ""},
    };
    for (const Case& c : cases) {
        const CornerSizeReference r = cornerSizeReference(c.mode, 50, 1000);
        EXPECT_EQ(r.guardrailLength, c.length);
        EXPECT_EQ(r.formula, c.formula);
    }
}
