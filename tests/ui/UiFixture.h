#pragma once
// Window tests on both databases: a session of a logged-in user, the
// context windows get, and a way to answer the modal dialog a click opens.
#include "support/BillFixture.h"
#include "support/SampleDiagram.h"
#include "support/TestDb.h"

#include "data/Session.h"
#include "store/FileStore.h"
#include "store/LocalFolderStore.h"
#include "ui/shell/AppContext.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QWidget>
#include <QImage>
#include <QTimer>
#include <functional>
#include <memory>

class UiTest : public DbTest {
protected:
    void SetUp() override
    {
        DbTest::SetUp();
        userID = insertTestUser(*dm, "alice", QStringLiteral("张三"));
        session.CurrentUser.userID = QString::number(userID);
        session.CurrentUser.logname = "alice";
        session.LoginAccepted = true;
        storeConfig = config;
        // A folder of its own in the local store: bill IDs start at 1 in
        // every test's fresh database.
        storeConfig.ftp.billIDbmpPath = QStringLiteral("ui-test-") + QFileInfo(tempDir.path()).fileName();
        ctx = std::make_unique<AppContext>(AppContext{*dm, prompt, session, config, [this] {
                                                          return makeFileStore(storeConfig);
                                                      }});
    }

    void TearDown() override
    {
        // The local store's folder of this test (never the root itself).
        const QString folder = QStringLiteral("ui-test-") + QFileInfo(tempDir.path()).fileName();
        QDir(LocalFolderStore::defaultRoot() + QLatin1Char('/') + folder).removeRecursively();
        DbTest::TearDown();
    }

    // The division diagram of a straight piece of that length, stored in the
    // configured store under the bill's name, as the editors store it.
    QImage putDiagram(int detailBillID, double length = 2400)
    {
        const QImage image = sampleDiagram(length);
        EXPECT_FALSE(image.isNull());
        const QString name = QStringLiteral("BillID_%1.bmp").arg(detailBillID);
        const QString path = tempDir.filePath(name);
        EXPECT_TRUE(image.save(path, "BMP"));
        auto store = makeFileStore(storeConfig);
        EXPECT_TRUE(store->InitFtpClient()) << store->lastError().toStdString();
        EXPECT_TRUE(store->SendFtpFile(path, name, FileStore::Folder::BillBmp)) << store->lastError().toStdString();
        return image;
    }

    void removeDiagram(int detailBillID)
    {
        auto store = makeFileStore(storeConfig);
        if (store->InitFtpClient())
            store->DeleteFtpFile(QStringLiteral("BillID_%1.bmp").arg(detailBillID), FileStore::Folder::BillBmp);
    }

    int userID = 0;
    Session session;
    AppConfig storeConfig;
    std::unique_ptr<AppContext> ctx;
};

// Runs `act` on the modal dialog of type D once the next click has opened
// it; a missing dialog fails the test instead of hanging it.
template <typename D>
void whenModal(std::function<void(D*)> act)
{
    QTimer::singleShot(0, [act] {
        QWidget* modal = QApplication::activeModalWidget();
        auto* dialog = qobject_cast<D*>(modal);
        if (!dialog) {
            ADD_FAILURE() << "expected dialog did not open";
            if (modal)
                modal->close();
            return;
        }
        act(dialog);
        if (dialog->isVisible())
            dialog->reject();
    });
}
