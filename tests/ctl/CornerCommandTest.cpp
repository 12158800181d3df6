#include <QByteArrayList>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Runs `guardrailctl corner` with the given lines on stdin; returns the output lines.
QList<QJsonObject> runCorner(const QByteArrayList& lines)
{
    QProcess p;
    p.start(qEnvironmentVariable("GUARDRAIL_BIN_DIR") + "/guardrailctl", {"corner"});
    EXPECT_TRUE(p.waitForStarted());
    p.write(lines.join('\n') + '\n');
    p.closeWriteChannel();
    EXPECT_TRUE(p.waitForFinished(30000));
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    QList<QJsonObject> out;
    for (const QByteArray& line : p.readAllStandardOutput().split('\n')) {
        if (line.isEmpty())
            continue;
        const QJsonDocument doc = QJsonDocument::fromJson(line);
        EXPECT_TRUE(doc.isObject()) << line.toStdString();
        out << doc.object();
    }
    return out;
}

const char* kShared = R"("GuardrailHeight": 1100, "ColumnMaxSpace": 1200, "StandPipeSpace": 110,
    "FixedValue": 110, "HandrailWidth": 50, "ColumnWidth": 50, "CrosspieceWidth": 20, "standpipeWidth": 20,
    "handrailname": "F50", "ColumnName": "L50", "CrosspieceName": "H20", "standpipeName": "S20")";

QByteArray piece(const QByteArray& extra, const QByteArray& segment2)
{
    QByteArray s = QByteArray("{") + kShared + extra + R"(, "segments": [
        {"SuitOrderNum": "1*1", "inputLen": "1500", "LeftValue": "100", "Rightvalue": "0", "TopValue": "100",
         "lowerValue": "100", "cornerMode": "L转角一端公用立柱", "handrailSize": "1500", "columnMargin": "",
         "crosspieceMargin": ""},
        {"SuitOrderNum": "1*2", "inputLen": )" + segment2 + R"(, "LeftValue": "0", "Rightvalue": "100",
         "TopValue": "100", "lowerValue": "100", "cornerMode": "L转角一端公用立柱", "handrailSize": 2000},
        {"inputLen": ""}]})";
    return s.replace('\n', ' ');
}

} // namespace

TEST(CornerCommand, PassesPerLineInOrder)
{
    QTemporaryDir dir;
    const QString bmp = dir.filePath("out/corner.bmp");
    const QList<QJsonObject> out = runCorner({
        piece(R"(, "mode": "edit", "ColumnWidth": 45, "diagram": ")" + bmp.toUtf8() + "\"", "\"2000\""),
        piece("", "\"174.9\""),
        "not json",
        "",
        piece(R"(, "mode": "sideways")", "\"2000\""),
        R"({"segments": [{"inputLen": "1500", "LeftValue": []}]})",
        piece("", "\"2000\""),
    });
    ASSERT_EQ(out.size(), 6); // the blank line gives no output

    // Edit window, width 45: segment 2 laid out on Round(2022.5) = 2022.
    const QJsonArray segs = out[0]["segments"].toArray();
    ASSERT_EQ(segs.size(), 2);
    EXPECT_TRUE(out[0]["error"].isNull());
    EXPECT_EQ(segs[0]["segment"].toInt(), 1);
    EXPECT_DOUBLE_EQ(segs[0]["layoutLength"].toDouble(), 1522.5);
    EXPECT_DOUBLE_EQ(segs[1]["layoutLength"].toDouble(), 2022);
    EXPECT_DOUBLE_EQ(segs[1]["startX"].toDouble(), 1477.5);
    EXPECT_DOUBLE_EQ(segs[0]["columnSpacing"].toDouble(), 643.8);
    EXPECT_EQ(segs[0]["bayCount"].toInt(), 2);
    EXPECT_DOUBLE_EQ(segs[1]["handrailLength"].toDouble(), 2000);
    EXPECT_EQ(QImage(bmp).size(), QSize(800, 320));

    // Segment 2 refused by the length check; segment 1 is still reported.
    const QJsonObject refused = out[1];
    ASSERT_EQ(refused["segments"].toArray().size(), 1);
    EXPECT_EQ(refused["error"]["segment"].toInt(), 2);
    EXPECT_EQ(refused["error"]["message"].toString(), "数据不合理，请检查输入数据或者参数设置！");
    const QJsonArray rows = refused["segments"][0]["summary"].toArray();
    ASSERT_EQ(rows.size(), 5);
    EXPECT_EQ(rows[0].toArray(), QJsonArray({"1*1", "扶手", "F50", "1500", "1"}));
    EXPECT_EQ(rows[2].toArray(), QJsonArray({"1*1", "横杆", "H20", "638", "4"}));
    EXPECT_EQ(refused["segments"][0]["caption"].toString(),
              "序号：1*1    尺寸:1525x1100    档数:2    立柱间距:637.5   竖杆数量:5    竖杆间距:89.6");

    // Input errors keep the output shape; segment 0 when not tied to a segment.
    for (int i : {2, 3}) {
        EXPECT_TRUE(out[i]["segments"].toArray().isEmpty()) << i;
        EXPECT_EQ(out[i]["error"]["segment"].toInt(), 0) << i;
        EXPECT_FALSE(out[i]["error"]["message"].toString().isEmpty()) << i;
    }
    EXPECT_EQ(out[4]["error"]["segment"].toInt(), 1);
    EXPECT_EQ(out[4]["error"]["message"].toString(), "LeftValue must be a text");

    // A line after bad ones is computed as if it were the first.
    EXPECT_TRUE(out[5]["error"].isNull());
    EXPECT_EQ(out[5]["segments"].toArray().size(), 2);
    EXPECT_EQ(out[5]["segments"][1]["CrosspieceHoleNum"].toInt(), 0);
}
