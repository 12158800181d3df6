// guardrailctl layout: JSON Lines through the real binary.
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const char* kWorked = R"({"Guardraillen":2400,"GuardrailHeight":1100,"LeftValue":100,"Rightvalue":100,)"
                      R"("TopValue":100,"lowerValue":100,"ColumnMaxSpace":1200,"TwoSpace":110,"StandPipeSpace":110,)"
                      R"("FixedValue":110,"HandrailWidth":50,"ColumnWidth":50,"CrosspieceWidth":20,"standpipeWidth":20,)"
                      R"("handrailname":"H1","ColumnName":"C1","CrosspieceName":"X1","standpipeName":"S1","glassName":"G8")";

QString withKeys(const QString& extra)
{
    return QString::fromUtf8(kWorked) + (extra.isEmpty() ? "" : "," + extra) + "}";
}

QList<QJsonObject> runLayout(const QStringList& lines)
{
    QProcess p;
    p.start(qEnvironmentVariable("GUARDRAIL_BIN_DIR") + "/guardrailctl", {"layout"});
    EXPECT_TRUE(p.waitForStarted());
    p.write((lines.join('\n') + '\n').toUtf8());
    p.closeWriteChannel();
    EXPECT_TRUE(p.waitForFinished(30000));
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    QList<QJsonObject> out;
    for (const QByteArray& l : p.readAllStandardOutput().split('\n')) {
        if (l.isEmpty())
            continue;
        const QJsonDocument doc = QJsonDocument::fromJson(l);
        EXPECT_TRUE(doc.isObject()) << l.toStdString();
        out << doc.object();
    }
    return out;
}

QJsonArray row(const char* a, const char* b, const char* c, const char* d)
{
    return {QString::fromUtf8(a), QString::fromUtf8(b), QString::fromUtf8(c), QString::fromUtf8(d)};
}

TEST(LayoutCommand, LinesInLinesOutInOrder)
{
    QTemporaryDir dir;
    const QString bmp = dir.filePath("out/BillID_1.bmp");
    const QList<QJsonObject> out = runLayout({
        withKeys(""),
        "",
        withKeys(R"("Standpipetype":1,"ColumnIsTwo":1)"),
        "not json",
        withKeys(R"("Guardraillen":299.9,"LeftValue":100,"Rightvalue":100)"),
        withKeys(R"("ColumnWidth":0,"ColumnMaxSpace":0)"),
        withKeys(R"("spaceCalmethod":1,"mode":"edit","Guardraillen":12000,"diagram":")" + bmp + "\""),
        withKeys(R"("Guardraillen":"2400")"),
        withKeys(R"("colour":"red")"),
        withKeys(R"("HandrailHas":0,"CrosspieceTopHas":0,"handrailLength":2000.5)"),
    });
    ASSERT_EQ(out.size(), 9);

    const QJsonObject& first = out[0];
    EXPECT_EQ(first["bayCount"].toInt(), 2);
    EXPECT_EQ(first["columnSpacing"].toDouble(), 1025);
    EXPECT_EQ(first["standpipesPerBay"].toInt(), 8);
    EXPECT_EQ(first["standpipeGap"].toDouble(), 96.1);
    EXPECT_EQ(first["crosspieceCount"].toInt(), 4);
    EXPECT_EQ(first["summary"].toArray(),
              (QJsonArray{row("扶手", "H1", "2400", "1"), row("立柱", "C1", "1050", "3"), row("横杆", "X1", "1025", "4"),
                          row("竖杆", "S1", "810", "16"), row("玻璃", "玻璃类型", "0", "0")}));
    EXPECT_EQ(first["caption"].toString(),
              QString::fromUtf8("尺寸:2400x1100    档数:2    立柱间距:1025   竖杆数量:8    竖杆间距:96.1"));
    EXPECT_FALSE(first.contains("error"));

    EXPECT_EQ(out[1]["columnSpacing"].toDouble(), 945);
    EXPECT_EQ(out[1]["summary"].toArray()[4].toArray(), row("玻璃", "G8", "945x810", "2"));

    EXPECT_TRUE(out[2]["error"].toString().contains("JSON"));
    EXPECT_EQ(out[3], (QJsonObject{{"error", QString::fromUtf8("数据不合理，请检查输入数据或者参数设置！")}}));
    EXPECT_TRUE(out[4]["error"].toString().contains(QString::fromUtf8("立柱宽度与每档最大间距")));

    EXPECT_EQ(out[5]["CrosspieceHoleNum"].toInt(), 8);
    EXPECT_FALSE(out[5].contains("error"));
    const QImage image(bmp, "BMP");
    EXPECT_EQ(image.size(), QSize(1200, 135));

    EXPECT_TRUE(out[6]["error"].toString().contains("Guardraillen"));
    EXPECT_TRUE(out[7]["error"].toString().contains("colour"));

    const QJsonArray summary = out[8]["summary"].toArray();
    EXPECT_EQ(summary[0].toArray(), row("扶手", "X", "0", "0"));
    EXPECT_EQ(summary[2].toArray(), row("横杆", "X1", "1025", "2"));
    EXPECT_EQ(out[8]["standpipeHeight"].toDouble(), 980);
    EXPECT_EQ(out[8]["handrailLength"].toDouble(), 2000); // add mode rounds, halves to even
}

TEST(LayoutCommand, DiagramWriteFailureIsAnError)
{
    QTemporaryDir dir;
    QFile blocker(dir.filePath("file"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QList<QJsonObject> out = runLayout({withKeys(R"("diagram":")" + dir.filePath("file/x.bmp") + "\"")});
    ASSERT_EQ(out.size(), 1);
    EXPECT_TRUE(out[0].contains("error"));
    EXPECT_EQ(out[0].size(), 1);
}

} // namespace
