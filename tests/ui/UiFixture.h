#pragma once
// Window tests on both databases: a session of a logged-in user, the
// context windows get, and a way to answer the modal dialog a click opens.
#include "support/BillFixture.h"
#include "support/TestDb.h"

#include "data/Session.h"
#include "store/FileStore.h"
#include "ui/shell/AppContext.h"

#include <QApplication>
#include <QWidget>
#include <QImage>
#include <QPainter>
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
        ctx = std::make_unique<AppContext>(AppContext{*dm, prompt, session, config, [this] {
                                                          return makeFileStore(storeConfig);
                                                      }});
    }

    // A diagram in the configured store under the bill's name.
    QImage putDiagram(int detailBillID, QSize size = QSize(600, 249))
    {
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter p(&image);
        p.setPen(QPen(Qt::black, 2));
        p.drawRect(10, 20, size.width() - 20, size.height() - 60);
        for (int x = 60; x < size.width() - 20; x += 50)
            p.drawLine(x, 20, x, size.height() - 40);
        p.end();
        const QString path = tempDir.filePath(QStringLiteral("BillID_%1.bmp").arg(detailBillID));
        EXPECT_TRUE(image.save(path, "BMP"));
        auto store = makeFileStore(storeConfig);
        EXPECT_TRUE(store->InitFtpClient()) << store->lastError().toStdString();
        EXPECT_TRUE(store->SendFtpFile(path, QStringLiteral("BillID_%1.bmp").arg(detailBillID),
                                       FileStore::Folder::BillBmp))
            << store->lastError().toStdString();
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
