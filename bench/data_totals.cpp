// Project totals and view reads of a 5,000-bill project on SQLite: what the
// packing sheet and the binding summary ask before they write. The number of
// statements must not grow with the project.
#include "data/DetailBillParams.h"
#include "data/Lookups.h"

#include <QGuiApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

struct Project {
    QTemporaryDir dir;
    TDM dm;
    int id = 0;
};

// One shared database: 5,000 bills, every tenth a two-segment corner piece.
Project& bigProject()
{
    static std::unique_ptr<Project> p = [] {
        auto p = std::make_unique<Project>();
        AppConfig c = AppConfig::load(QString());
        c.db.driver = "SQLITE";
        c.db.database = p->dir.filePath("bench.sqlite");
        if (!p->dm.open(c))
            qFatal("cannot open the benchmark database");
        p->id = addProject(p->dm);
        Transaction tx(p->dm);
        for (int i = 1; i <= 5000; ++i) {
            BillSpec b;
            const bool corner = i % 10 == 0;
            b.suit = corner ? QStringLiteral("%1*%2").arg(i / 20 + 10000).arg(i % 20 == 0 ? 1 : 2)
                            : QString::number(i);
            b.pin = QString::number(1 + i % 3);
            b.handrailSize = QString::number(1000 + (i % 40) * 50);
            b.crossSize = QString::number(700 + (i % 7) * 10);
            b.holeNum = i % 2 ? QString("20") : QString();
            if (corner) {
                b.conerSetNum = QString::number(i / 20 + 1);
                b.inputLen = QString::number(1020 + (i % 40) * 50);
                b.publicColumns = i % 20 == 0 ? "1" : "0";
            }
            if (addBill(p->dm, p->id, b) == 0)
                qFatal("bill %d not stored", i);
        }
        tx.commit();
        return p;
    }();
    return *p;
}

void BM_ProjectTotals(benchmark::State& state)
{
    Project& p = bigProject();
    for (auto _ : state) {
        p.dm.resetStatementCount();
        benchmark::DoNotOptimize(getTotalMeters(p.dm, p.id) + getTotalInputLength(p.dm, p.id)
                                 + getTotalSurface(p.dm, p.id) + getTotalWeight(p.dm, p.id));
        for (auto fn : {getGuardrailSets, getHandrailPieces, getColumnTotal, getBayTotal, getCrosspiecePieces,
                        getHoleTotal, getStandpipeTotal})
            benchmark::DoNotOptimize(fn(p.dm, p.id));
        state.counters["statements"] = double(p.dm.statementCount());
    }
}
BENCHMARK(BM_ProjectTotals)->Unit(benchmark::kMillisecond);

void BM_FeedViewsRead(benchmark::State& state)
{
    Project& p = bigProject();
    for (auto _ : state) {
        int rows = 0;
        for (const char* v : {"mainMaterFeed11_view", "mainMaterFeed12_view", "mainMaterFeed13_view",
                              "mainMaterFeed15_view", "mainMaterFeed17_view"}) {
            QSqlQuery q = p.dm.run(QStringLiteral("SELECT * FROM %1 WHERE projectID = ?").arg(v), {p.id});
            while (q.next())
                ++rows;
        }
        state.counters["rows"] = rows;
    }
}
BENCHMARK(BM_FeedViewsRead)->Unit(benchmark::kMillisecond);

void BM_SuitOrderListsOfAllSizes(benchmark::State& state)
{
    Project& p = bigProject();
    for (auto _ : state)
        benchmark::DoNotOptimize(suitOrderNumsBySize(p.dm, p.id, 13));
}
BENCHMARK(BM_SuitOrderListsOfAllSizes)->Unit(benchmark::kMillisecond);

} // namespace
