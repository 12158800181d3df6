// The diagram part of a bill click in the workspace: set up the local
// folder store, read the diagram, decode it. Worst case: a full-width
// 20000 x 320 corner diagram (about 19 MB as a 24-bit BMP).
#include "store/LocalFolderStore.h"

#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

void BM_LocalDiagramFetch(benchmark::State& state)
{
    QTemporaryDir dir;
    const int width = int(state.range(0));
    QImage diagram(width, 320, QImage::Format_RGB888);
    diagram.fill(Qt::white);
    const QString local = dir.filePath("BillID_1.bmp");
    diagram.save(local, "BMP");
    {
        LocalFolderStore store(dir.filePath("store"), "billbmp", "docs");
        store.InitFtpClient();
        store.SendFtpFile(local, "BillID_1.bmp", FileStore::Folder::BillBmp);
    }
    for (auto _ : state) {
        LocalFolderStore store(dir.filePath("store"), "billbmp", "docs");
        if (!store.InitFtpClient())
            state.SkipWithError("set-up failed");
        const std::optional<QByteArray> bytes = store.downloadftpfile("BillID_1.bmp");
        QImage image;
        if (!bytes || !image.loadFromData(*bytes))
            state.SkipWithError("download failed");
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_LocalDiagramFetch)->Arg(2000)->Arg(20000)->Unit(benchmark::kMillisecond);

} // namespace
