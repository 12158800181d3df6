#include "support/TestDb.h"

#include "data/FeedingBill.h"
#include "data/Workspace.h"
#include "store/FileStore.h"
#include "store/StoreMessages.h"

#include <QFile>
#include <QSqlQuery>

namespace {

// A file store that keeps uploads in memory and can be made unreachable;
// it records what the save asked of it.
class RecordingStore : public FileStore {
public:
    struct State {
        bool reachable = true;
        bool uploadFails = false;
        QStringList calls;
        QMap<QString, QByteArray> files;
    };
    explicit RecordingStore(State& s) : m_s(s) {}
    bool InitFtpClient() override
    {
        m_s.calls << "init";
        return m_s.reachable;
    }
    bool SendFtpFile(const QString& localPath, const QString& remoteName, Folder) override
    {
        m_s.calls << "send " + remoteName;
        QFile f(localPath);
        if (m_s.uploadFails || !f.open(QIODevice::ReadOnly))
            return false;
        m_s.files[remoteName] = f.readAll();
        return true;
    }
    std::optional<QByteArray> downloadftpfile(const QString&) override { return std::nullopt; }
    bool getFtpFile(const QString&, const QString&) override { return false; }
    bool DeleteFtpFile(const QString&, Folder) override { return false; }
    QString remotePath(const QString& name, Folder) override { return name; }
    QString workingDirectory() const override { return "/"; }
    bool isConnected() const override { return m_s.reachable; }
    QString lastError() const override { return {}; }

private:
    State& m_s;
};

StraightBill sampleBill(int projectID, const QString& suit)
{
    StraightBill b;
    b.projectID = projectID;
    b.UserID = "1";
    b.SuitOrderNum = suit;
    b.Guardraillen = "2400";
    b.GuardrailHeight = "1100";
    b.ColumnMaxSpace = "1200";
    b.GuardrailPin = "2";
    b.GuardrailColor = QStringLiteral("白色");
    b.subfield = "2";
    b.handrailID = "2";
    b.handrailname = "50x50";
    b.HandrailWidth = 50;
    b.ColumnID = "3";
    b.ColumnName = "50x50";
    b.ColumnWidth = 50;
    b.CrosspieceID = "5";
    b.CrosspieceName = "40x20";
    b.CrosspieceWidth = 40;
    b.standpipeID = "6";
    b.standpipeName = "20x20";
    b.standpipeWidth = 20;
    b.glassID = "8";
    b.glassName = "8";
    b.glassThick = "8";
    b.CrosspieceHoleNum = "8";
    b.CrosspieceHolePosition = "577.5";
    b.results = {{{"2400", "1"}, {"1050", "3"}, {"1025", "4"}, {"770", "16"}, {"0", "0"}}};
    return b;
}

} // namespace

TEST(DetailBillArgs, StandpipeOrGlassFieldsAndHolesTravelOnlyWhereTheyBelong)
{
    StraightBill b = sampleBill(1, "1");
    QVariantMap a = insertDetailBillArgs(b);
    EXPECT_EQ(a["@standpipeName"].toString(), "20x20");
    EXPECT_EQ(a["@glassID"].toString(), "");
    EXPECT_EQ(a["@glassName"].toString(), "");
    EXPECT_EQ(a["@CrosspieceHoleNum"].toString(), "");   // equal division
    EXPECT_EQ(a["@spaceCalmethod"].toInt(), 0);
    EXPECT_EQ(a["@conerSetNum"].toString(), "");
    EXPECT_EQ(a["@publicColumns"].toString(), "0");
    EXPECT_EQ(a["@standpipeSize"].toString(), "770");
    EXPECT_EQ(a["@glassCount"].toString(), "0");

    b.fixedSpacing = true;
    a = insertDetailBillArgs(b);
    EXPECT_EQ(a["@spaceCalmethod"].toInt(), 1);
    EXPECT_EQ(a["@CrosspieceHoleNum"].toString(), "8");
    EXPECT_EQ(a["@CrosspieceHolePosition"].toString(), "577.5");

    b.glass = true;
    a = insertDetailBillArgs(b);
    EXPECT_EQ(a["@Standpipetype"].toInt(), 1);
    EXPECT_EQ(a["@standpipeID"].toString(), "");
    EXPECT_EQ(a["@standpipeWidth"].toString(), "");
    EXPECT_EQ(a["@CrosspieceHoleNum"].toString(), "");
    EXPECT_EQ(a["@glassName"].toString(), "8");

    b.DetailBillID = 12;
    a = updateDetailBillArgs(b);
    EXPECT_EQ(a["@DetailBillID"].toInt(), 12);
    EXPECT_FALSE(a.contains("@conerSetNum"));
}

TEST(BillNumberProblem, NamesTheBoxAndChecksTheSets)
{
    struct Case {
        QString StraightBill::*field;
        const char* text;
        const char* message;
        const char* column;
    };
    const Case cases[] = {
        {&StraightBill::Guardraillen, "1..2", "长度（mm）不是有效的数字，请检查输入", "Guardraillen"},
        {&StraightBill::StandpipeTop, "-", "接插量/超出间距 上不是有效的数字，请检查输入", "StandpipeTop"},
        {&StraightBill::GuardrailPin, "", "榀数不能为空", "GuardrailPin"},
        {&StraightBill::GuardrailPin, "1.5", "榀数必须是大于0的整数", "GuardrailPin"},
        {&StraightBill::GuardrailPin, "0", "榀数必须是大于0的整数", "GuardrailPin"},
        {&StraightBill::replaceedStandpipesCount, "3x", "造型更换的竖杆数量（根）必须是整数",
         "replaceedStandpipesCount"},
        {&StraightBill::TwoSpace, "", "", ""},
        {&StraightBill::ColumnMargin, "-5", "", ""},
    };
    for (const Case& c : cases) {
        StraightBill b = sampleBill(1, "1");
        b.*(c.field) = QString::fromUtf8(c.text);
        QString column;
        EXPECT_EQ(billNumberProblem(b, &column), QString::fromUtf8(c.message)) << c.text;
        EXPECT_EQ(column, QString::fromUtf8(c.column));
    }
}

class FeedingBillSaveTest : public DbTest {
protected:
    BillSaveResult save(BillMode mode, const StraightBill& b)
    {
        return saveStraightBill(
            *dm, mode, b, [this] { return std::make_unique<RecordingStore>(store); },
            [this](const QString& path) {
                QFile f(path);
                return !diagramFails && f.open(QIODevice::WriteOnly) && f.write("BM") == 2;
            });
    }
    int bills() { return dm->scalar("SELECT COUNT(*) FROM DetailBill").toInt(); }
    int results() { return dm->scalar("SELECT COUNT(*) FROM subfieldMaterResult").toInt(); }

    RecordingStore::State store;
    bool diagramFails = false;
};

TEST_P(FeedingBillSaveTest, AddStoresBillResultsAndDiagram)
{
    const BillSaveResult r = save(BillMode::Add, sampleBill(4, "1"));
    ASSERT_TRUE(r.succeeded) << r.message.toStdString();
    EXPECT_EQ(r.message, kProcOkText);
    EXPECT_EQ(store.calls, QStringList({"init", "send " + billDiagramName(r.billID)}));
    EXPECT_EQ(store.files.value(billDiagramName(r.billID)), "BM");
    EXPECT_EQ(bills(), 1);
    EXPECT_EQ(results(), 5);
    const auto back = readStraightBill(*dm, r.billID);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(back->SuitOrderNum, "1");
    EXPECT_EQ(back->GuardrailPin, "2");
    EXPECT_EQ(back->handrailname, "50x50");
    EXPECT_EQ(back->HandrailWidth, 50);
    EXPECT_FALSE(back->glass);
    EXPECT_EQ(back->glassName, "");
}

TEST_P(FeedingBillSaveTest, ChecksComeInOrderAndStopBeforeAnythingIsWritten)
{
    ASSERT_TRUE(save(BillMode::Add, sampleBill(4, "1")).succeeded);
    store.calls.clear();
    struct Case {
        QString suit, length, pin;
        bool reachable;
        const char* message;
        const char* focus;
    };
    const Case cases[] = {
        {" ", "", "x", false, "序号不能为空", "SuitOrderNum"},
        {"2", " ", "x", false, "长度不能为空", "Guardraillen"},
        {"2", "2400", "x", false, "榀数必须是大于0的整数", "GuardrailPin"},
        {"1", "2400", "1", false, "序列号已经存在，请更改序列号，在下料", "SuitOrderNum"},
        {"2", "2400", "1", false, "程序上传分栏图到服务器,连接ftp服务器异常！", ""},
    };
    for (const Case& c : cases) {
        StraightBill b = sampleBill(4, c.suit);
        b.Guardraillen = c.length;
        b.GuardrailPin = c.pin;
        store.reachable = c.reachable;
        const BillSaveResult r = save(BillMode::Add, b);
        EXPECT_EQ(r.message, QString::fromUtf8(c.message));
        EXPECT_EQ(r.focusField, QString::fromLatin1(c.focus));
        EXPECT_FALSE(r.written);
    }
    EXPECT_EQ(store.calls, QStringList{"init"});
    EXPECT_EQ(bills(), 1);
    EXPECT_EQ(results(), 5);
}

TEST_P(FeedingBillSaveTest, SameSuitOrderInAnotherProjectIsAccepted)
{
    ASSERT_TRUE(save(BillMode::Add, sampleBill(4, "1")).succeeded);
    EXPECT_TRUE(save(BillMode::Add, sampleBill(5, "1")).succeeded);
    EXPECT_EQ(bills(), 2);
}

TEST_P(FeedingBillSaveTest, FailedUploadKeepsTheBillAndSaysSo)
{
    store.uploadFails = true;
    BillSaveResult r = save(BillMode::Add, sampleBill(4, "1"));
    EXPECT_TRUE(r.written);
    EXPECT_FALSE(r.succeeded);
    EXPECT_EQ(r.message, StoreMessages::kUploadFailed);
    store.uploadFails = false;
    diagramFails = true;
    r = save(BillMode::Add, sampleBill(4, "2"));
    EXPECT_TRUE(r.written);
    EXPECT_EQ(r.message, StoreMessages::kUploadStepFailed);
    EXPECT_EQ(bills(), 2);
}

TEST_P(FeedingBillSaveTest, EditReplacesBillAndResultsWithoutDuplicateTest)
{
    const BillSaveResult added = save(BillMode::Add, sampleBill(4, "1"));
    ASSERT_TRUE(added.succeeded);
    StraightBill b = sampleBill(4, "1");
    b.DetailBillID = added.billID;
    b.Guardraillen = "3000";
    b.results[0] = {"3000", "1"};
    b.glass = true;
    b.glassName.clear();
    BillSaveResult r = save(BillMode::Edit, b);
    EXPECT_EQ(r.message, kChooseGlassText);
    EXPECT_EQ(r.focusField, "glassName");
    b.glassName = "8";
    r = save(BillMode::Edit, b);
    ASSERT_TRUE(r.succeeded) << r.message.toStdString();
    EXPECT_EQ(r.billID, added.billID);
    EXPECT_EQ(bills(), 1);
    EXPECT_EQ(results(), 5);
    EXPECT_EQ(readStraightBill(*dm, added.billID)->Guardraillen, "3000");
    EXPECT_EQ(dm->scalar("SELECT Size FROM subfieldMaterResult WHERE DetailBillID = ? AND mainmaterialName = ?",
                         {added.billID, "50x50"})
                  .toString(),
              "3000");
    EXPECT_TRUE(store.files.contains(billDiagramName(added.billID)));
}

INSTANTIATE_DB_TEST(FeedingBillSaveTest);

#include "data/StraightWork.h"

#include <QImage>
#include <QTemporaryDir>

// The working state turns the engine's layout into the bill's values.
TEST(StraightWorkTest, WorkedExampleGivesTheBillsResultsCaptionAndDiagram)
{
    StraightWork w;
    w.setModel(kHandrailCategory, "2", 50, 50);
    w.setModel(kColumnCategory, "3", 50);
    w.setModel(kCrosspieceCategory, "5", 20);
    w.setModel(kStandpipeCategory, "6", 20);
    w.setGlass("8", "8");
    w.in.Guardraillen = 2400;
    w.in.GuardrailHeight = 1100;
    w.in.LeftValue = w.in.Rightvalue = w.in.TopValue = w.in.lowerValue = 100;
    w.in.ColumnMaxSpace = 1200;
    w.in.StandPipeSpace = w.in.FixedValue = 110;
    w.setSwitches(true, false, true, true, false, true);
    w.setPickerTexts({"50x50-方管", "50x50-方管", "40x20-矩形管", "20x20-方管", "8"});
    w.setTexts("2400", "1100", "");
    EXPECT_FALSE(w.hasResult());
    ASSERT_EQ(w.compute(), "");
    EXPECT_EQ(w.bayCount(), 2);
    const StraightBill b = w.billValues();
    EXPECT_EQ(b.handrailname, "50x50");
    EXPECT_EQ(b.CrosspieceName, "40x20");
    EXPECT_EQ(b.standpipeID, "6");
    EXPECT_EQ(b.CrosspieceHoleNum, "8");
    EXPECT_EQ(b.CrosspieceHolePosition, "577.5");
    EXPECT_TRUE(b.feedSubFieldstr.startsWith(QStringLiteral("尺寸:2400x1100")));
    EXPECT_EQ(b.results[3].size, "810");
    EXPECT_EQ(b.results[3].count, "16");
    EXPECT_EQ(b.results[4].size, "0");

    // An adjustment lowers the summary until the next computation.
    EXPECT_EQ(w.adjustSummary(ColumnRow, "1"), "");
    EXPECT_EQ(w.billValues().results[1].count, "2");
    EXPECT_NE(w.adjustSummary(ColumnRow, ""), "");
    ASSERT_EQ(w.compute(), "");
    EXPECT_EQ(w.billValues().results[1].count, "3");

    w.draw();
    QTemporaryDir dir;
    const QString path = dir.filePath("temp/BillID_1.bmp");
    ASSERT_TRUE(w.exportBmp(path, 2400));
    EXPECT_EQ(QImage(path).size(), QSize(800, 135));
    EXPECT_EQ(w.handrailPreset(0, 2400), "2350");
    EXPECT_EQ(w.handrailPreset(1, 2400), "2300");
}

TEST(StraightWorkTest, RefusedInputAndEmptyLengthLeaveNoResult)
{
    StraightWork w;
    w.setTexts("", "1100", "");
    EXPECT_EQ(w.compute(), "");
    EXPECT_FALSE(w.hasResult());
    EXPECT_TRUE(w.summaryRows().isEmpty());
    w.in.Guardraillen = 2400;
    w.in.GuardrailHeight = 1100;
    w.setTexts("2400", "1100", "12..5");
    EXPECT_EQ(w.compute(), QStringLiteral("面管长度不是有效的数字，请检查输入"));
    w.setTexts("2400", "1100", "");
    // Zero widths and spacings: the engine refuses the zero divisor.
    EXPECT_NE(w.compute(), "");
    EXPECT_FALSE(w.hasResult());
}
