// The feeding workspace on a project of 5,000 bills: loading its bills into
// the grid (as a project click or an editor's refresh does), and a bill
// click (results, bindings and the diagram from the local folder store).
#include "core/DiagramCanvas.h"
#include "core/Prompt.h"
#include "data/DM.h"
#include "data/Session.h"
#include "store/FileStore.h"
#include "store/LocalFolderStore.h"
#include "ui/grid/DataGrid.h"
#include "ui/shell/AppContext.h"
#include "ui/workspace/Tfrm_Feeding.h"
#include "support/SampleDiagram.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

constexpr int kBills = 5000;

// One database with a project of kBills bills (four result rows each) and a
// few bindings, and the diagram of the bill that is clicked.
struct Fixture {
    QTemporaryDir dir;
    AppConfig config;
    ScriptedPrompt prompt;
    TDM dm{&prompt};
    Session session;
    std::unique_ptr<AppContext> ctx;
    int projectID = 0;
    int clickedBill = 0;
    QString storeFolder;   // this run's folder in the local store

    ~Fixture() { QDir(storeFolder).removeRecursively(); }

    Fixture()
    {
        config = AppConfig::load(QString());
        config.db.database = dir.filePath("bench.sqlite");
        config.ftp.billIDbmpPath = QStringLiteral("bench-") + QFileInfo(dir.path()).fileName();
        storeFolder = LocalFolderStore::defaultRoot() + QLatin1Char('/') + config.ftp.billIDbmpPath;
        if (!dm.open(config))
            qFatal("cannot open the database: %s", qPrintable(dm.lastError()));
        session.CurrentUser.userID = "1";
        ctx = std::make_unique<AppContext>(AppContext{dm, prompt, session, config, [this] {
                                                          return makeFileStore(config);
                                                      }});
        fill();
        storeDiagram();
    }

    void fill()
    {
        Transaction tx(dm);
        dm.run("insert into projectuser (logname, passwd, username) values ('bench', '', 'bench')");
        projectID = dm.scalar("insert into mainProject (proJectName, userID) values (?, ?) returning projectID",
                              {QStringLiteral("五千下料单"), 1})
                        .toInt();
        const QVariantList models = {dm.scalar("select min(mainmaterialID) from mainmaterial where MainMaterialTypeID = 11"),
                                     dm.scalar("select min(mainmaterialID) from mainmaterial where MainMaterialTypeID = 12"),
                                     dm.scalar("select min(mainmaterialID) from mainmaterial where MainMaterialTypeID = 13"),
                                     dm.scalar("select min(mainmaterialID) from mainmaterial where MainMaterialTypeID = 15")};
        QSqlQuery bill(dm.database());
        bill.prepare("insert into DetailBill (projectID, SuitOrderNum, Guardraillen, GuardrailHeight, GuardrailPin, "
                     "GuardrailColor, subfield, handrailname, ColumnName, CrosspieceName, standpipeName, glassName, "
                     "conerSetNum, inputLen) values (?, ?, ?, '1100', '2', '白色', '3', '60x40', '50x50', '40x20', "
                     "'20x20', '', ?, ?) returning DetailBillID");
        QSqlQuery result(dm.database());
        result.prepare("insert into subfieldMaterResult (projectID, DetailBillID, SuitOrderNum, mainmaterialID, "
                       "mainmaterialName, Size, count) values (?, ?, ?, ?, 'model', '1000', '4')");
        for (int i = 1; i <= kBills; ++i) {
            const bool corner = i % 10 == 0;
            const QString suit = corner ? QStringLiteral("%1*1").arg(i) : QString::number(i);
            const QString length = QString::number(2000 + i % 3000);
            for (const QVariant& v : QVariantList{projectID, suit, length, corner ? QVariant("1") : QVariant(""),
                                                  corner ? QVariant(length) : QVariant("")})
                bill.addBindValue(v);
            if (!bill.exec() || !bill.next())
                qFatal("bill insert failed");
            const int id = bill.value(0).toInt();
            bill.finish();
            for (const QVariant& model : models) {
                for (const QVariant& v : QVariantList{projectID, id, suit, model.toString()})
                    result.addBindValue(v);
                if (!result.exec())
                    qFatal("result insert failed");
            }
            if (i == kBills / 2)
                clickedBill = id;
        }
        const QVariant part = dm.scalar("select min(partsID) from PartsTab");
        for (const char* mode : {"扶手", "立柱", "横杆", "竖杆"})
            dm.run("insert into mountBindParts (partsID, projectID, bindmode, craftwork, UseCount, BindPartsModel, "
                   "remark) values (?, ?, ?, '', 12, 'M6', '')",
                   {part, projectID, QString::fromUtf8(mode)});
        tx.commit();
    }

    // A 20 m piece: the widest diagram a straight bill has.
    void storeDiagram()
    {
        const QImage image = sampleDiagram(20000);
        const QString name = QStringLiteral("BillID_%1.bmp").arg(clickedBill);
        const QString path = dir.filePath(name);
        image.save(path, "BMP");
        auto store = makeFileStore(config);
        if (!store->InitFtpClient() || !store->SendFtpFile(path, name, FileStore::Folder::BillBmp))
            qFatal("cannot store the diagram: %s", qPrintable(store->lastError()));
    }
};

Fixture& fixture()
{
    static Fixture f;
    return f;
}

void loadBillsOfA5000BillProject(benchmark::State& state)
{
    Fixture& f = fixture();
    Tfrm_Feeding w(*f.ctx);
    f.dm.resetStatementCount();
    for (auto _ : state) {
        w.loadDetailBill(f.projectID);
        if (w.billsGrid()->rowCount() != kBills)
            state.SkipWithError("bills missing");
    }
    state.counters["statements"] = benchmark::Counter(double(f.dm.statementCount()), benchmark::Counter::kAvgIterations);
}

void billClick(benchmark::State& state)
{
    Fixture& f = fixture();
    f.session.CurrentProjectID = f.projectID;
    Tfrm_Feeding w(*f.ctx);
    w.loadDetailBill(f.projectID);
    int row = -1;
    for (int r = 0; r < w.billsGrid()->rowCount() && row < 0; ++r)
        if (w.billsGrid()->records().value(r, "DetailBillID").toInt() == f.clickedBill)
            row = r;
    w.billsGrid()->setCurrentRecord(row);
    f.prompt.clear();
    f.dm.resetStatementCount();
    for (auto _ : state) {
        w.DBGrid3CellClick();
        if (w.diagram().isNull() || w.resultsGrid()->rowCount() != 4 || !f.prompt.log.empty())
            state.SkipWithError("click incomplete");
    }
    state.counters["statements"] = benchmark::Counter(double(f.dm.statementCount()), benchmark::Counter::kAvgIterations);
}

} // namespace

BENCHMARK(loadBillsOfA5000BillProject)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(billClick)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
