#include "support/TestDb.h"
#include "support/TestStore.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSqlQuery>

// guardrailctl bill add: JSON Lines in, one result object per line out.
class BillCommandTest : public DbTest {
protected:
    void SetUp() override
    {
        DbTest::SetUp();
        folder = uniqueFolder("billbmp");
        dm->run("INSERT INTO projectuser (logname, passwd, username) VALUES (?, ?, ?)",
                {"li", "x", QStringLiteral("李工")});
        userID = dm->scalar("SELECT userID FROM projectuser WHERE logname = ?", {"li"}).toString();
        dm->run("INSERT INTO mainProject (proJectName, userID) VALUES (?, ?)", {QStringLiteral("一号楼"), userID});
        projectID = dm->scalar("SELECT MAX(projectID) FROM mainProject").toInt();
    }
    static QString ftpRoot() { return testFtpServer().root; }

    QString writeIni(const QString& ftpPort = {})
    {
        const TestFtpServer ftp = testFtpServer();
        const QString path = tempDir.filePath("Config.ini");
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        const QString ini = QStringLiteral("[Database]\nDriver=%1\nDataSource=%2\nDatabase=%3\nUserID=%4\n"
                                           "DatabasePassword=%5\n[FtpTransfer]\nserverIP=%6\nserverPort=%7\n"
                                           "serverUser=guardrail\nserverPassword=secret\nbillIDbmpPath=%8\n"
                                           "projectMapDocumentPath=docs\n")
                                .arg(config.db.driver, config.db.dataSource, config.db.database, config.db.userID,
                                     config.db.password, ftp.host, ftpPort.isEmpty() ? ftp.port : ftpPort, folder);
        f.write(ini.toUtf8());
        return path;
    }

    // Runs `bill add` with the lines; returns the output objects.
    QList<QJsonObject> run(const QStringList& lines, const QString& ini, const QString& user = "li")
    {
        QProcess p;
        p.start(qEnvironmentVariable("GUARDRAIL_BIN_DIR") + "/guardrailctl",
                {"--config", ini, "bill", "add", "--project", QString::number(projectID), "--user", user});
        EXPECT_TRUE(p.waitForStarted());
        p.write(lines.join('\n').toUtf8() + '\n');
        p.closeWriteChannel();
        EXPECT_TRUE(p.waitForFinished(60000));
        exitCode = p.exitCode();
        stderrText = QString::fromUtf8(p.readAllStandardError());
        QList<QJsonObject> out;
        for (const QByteArray& l : p.readAllStandardOutput().split('\n')) {
            if (!l.trimmed().isEmpty())
                out << QJsonDocument::fromJson(l).object();
        }
        return out;
    }
    int count(const QString& sql) { return dm->scalar(sql).toInt(); }

    QString folder;
    QString userID;
    int projectID = 0;
    int exitCode = 0;
    QString stderrText;
};

namespace {
const QString kWorkedExample = QStringLiteral(
    R"({"SuitOrderNum": "1", "Guardraillen": 2400, "GuardrailHeight": 1100, "LeftValue": 100, "Rightvalue": 100,)"
    R"( "TopValue": 100, "lowerValue": 100, "ColumnMaxSpace": 1200, "StandPipeSpace": 110, "FixedValue": 110,)"
    R"( "GuardrailPin": 2, "GuardrailColor": "黑色", "remark": "南阳台",)"
    R"( "handrail": {"model": "50x50", "shape": "方管"}, "column": {"model": "50x50", "shape": "方管"},)"
    R"( "crosspiece": {"model": "40x20", "shape": "矩形管"}, "standpipe": {"model": "20x20", "shape": "方管"}})");
}

TEST_P(BillCommandTest, StoresEachLineLikeTheEditorAndReportsPerLine)
{
    QString glass = kWorkedExample;
    glass.replace(R"("SuitOrderNum": "1")", R"("SuitOrderNum": "2", "Standpipetype": 1, "glass": {"model": "10"})");
    QString unknown = kWorkedExample;
    unknown.replace(R"("SuitOrderNum": "1")", R"("SuitOrderNum": "5")").replace("20x20", "99x99");
    const auto out = run({kWorkedExample, kWorkedExample, glass, R"({"SuitOrderNum": "3"})", "not json", unknown},
                         writeIni());
    ASSERT_EQ(out.size(), 6) << stderrText.toStdString();
    ASSERT_TRUE(out[0].contains("DetailBillID")) << QJsonDocument(out[0]).toJson().toStdString();
    EXPECT_EQ(out[1].value("error").toString(), QStringLiteral("序列号已经存在，请更改序列号，在下料"));
    ASSERT_TRUE(out[2].contains("DetailBillID")) << QJsonDocument(out[2]).toJson().toStdString();
    EXPECT_EQ(out[3].value("error").toString(), QStringLiteral("长度不能为空"));
    EXPECT_TRUE(out[4].contains("error"));
    EXPECT_EQ(out[5].value("error").toString(), QStringLiteral("竖杆型号“99x99-方管”不存在"));
    EXPECT_EQ(exitCode, 1);
    EXPECT_EQ(count("SELECT COUNT(*) FROM DetailBill"), 2);

    const int first = out[0].value("DetailBillID").toInt();
    QSqlQuery bill = dm->run("SELECT * FROM DetailBill WHERE DetailBillID = ?", {first});
    ASSERT_TRUE(bill.next());
    EXPECT_EQ(bill.value("projectID").toInt(), projectID);
    EXPECT_EQ(bill.value("GuardrailPin").toString(), "2");
    EXPECT_EQ(bill.value("GuardrailColor").toString(), QStringLiteral("黑色"));
    EXPECT_EQ(bill.value("subfield").toString(), "2");
    EXPECT_EQ(bill.value("UserID").toString(), userID);
    EXPECT_EQ(bill.value("remark").toString(), QStringLiteral("南阳台"));
    QSqlQuery rows = dm->run("SELECT mainmaterialName, Size, count FROM subfieldMaterResult WHERE DetailBillID = ? "
                             "ORDER BY ResultID",
                             {first});
    QStringList results;
    while (rows.next())
        results << rows.value(0).toString() + ":" + rows.value(1).toString() + "x" + rows.value(2).toString();
    EXPECT_EQ(results, QStringList({"50x50:2400x1", "50x50:1050x3", "40x20:1025x4", "20x20:770x16",
                                    ":0x0"}));
    for (const int id : {first, out[2].value("DetailBillID").toInt()}) {
        const QImage diagram(QDir(ftpRoot()).filePath(folder + QStringLiteral("/BillID_%1.bmp").arg(id)));
        EXPECT_EQ(diagram.size(), QSize(800, 135)) << id;
    }
    QSqlQuery g = dm->run("SELECT glassName, Standpipetype, standpipeName FROM DetailBill WHERE SuitOrderNum = ?",
                          {"2"});
    ASSERT_TRUE(g.next());
    EXPECT_EQ(g.value(0).toString(), "10");
    EXPECT_EQ(g.value(1).toInt(), 1);
    EXPECT_EQ(g.value(2).toString(), "");
}

TEST_P(BillCommandTest, UnreachableStoreWritesNothing)
{
    const auto out = run({kWorkedExample}, writeIni(QString::number(closedPort())));
    ASSERT_EQ(out.size(), 1) << stderrText.toStdString();
    EXPECT_EQ(out[0].value("error").toString(), QStringLiteral("程序上传分栏图到服务器,连接ftp服务器异常！"));
    EXPECT_EQ(count("SELECT COUNT(*) FROM DetailBill"), 0);
}

TEST_P(BillCommandTest, UnknownUserIsRefusedBeforeReading)
{
    const auto out = run({kWorkedExample}, writeIni(), "nobody");
    EXPECT_TRUE(out.isEmpty());
    EXPECT_NE(exitCode, 0);
    EXPECT_FALSE(stderrText.isEmpty());
    EXPECT_EQ(count("SELECT COUNT(*) FROM DetailBill"), 0);
}

INSTANTIATE_DB_TEST(BillCommandTest);
