#include "ui/shell/MessageBoxPrompt.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>


TEST(MessageBoxPrompt, TitlesAndAnswers)
{
    struct Case {
        const char* kind;
        QMessageBox::StandardButton press;
        QString title;
        bool answer;
    };
    const Case cases[] = {
        {"information", QMessageBox::Ok, QStringLiteral("提示"), false},
        {"error", QMessageBox::Ok, QStringLiteral("错误"), false},
        {"question", QMessageBox::Yes, QStringLiteral("提示"), true},
        {"question", QMessageBox::No, QStringLiteral("提示"), false},
    };
    MessageBoxPrompt prompt;
    for (const Case& c : cases) {
        QString title, text;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            title = box->windowTitle();
            text = box->text();
            box->button(c.press)->click();
        });
        const QString kind = QString::fromLatin1(c.kind);
        bool answer = false;
        if (kind == "information")
            prompt.information(QStringLiteral("数据库恢复成功!"));
        else if (kind == "error")
            prompt.error(QStringLiteral("数据库恢复成功!"));
        else
            answer = prompt.question(QStringLiteral("数据库恢复成功!"));
        EXPECT_EQ(title, c.title) << c.kind;
        EXPECT_EQ(text, QStringLiteral("数据库恢复成功!"));
        EXPECT_EQ(answer, c.answer) << c.kind;
    }
}
