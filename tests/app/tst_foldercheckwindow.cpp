// SPDX-License-Identifier: MIT
// The folder check's window: the pictures are loaded on a worker thread while the window stays
// live, the findings fill the table, and the button hands the folder to the file manager.
#include "app/foldercheckwindow.h"

#include <QDesktopServices>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSemaphore>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

using namespace wortilo;

class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> urls;
public Q_SLOTS:
    void open(const QUrl &url) { urls << url; }
};

class TestFolderCheckWindow : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void checksOnAWorker()
    {
        QTemporaryDir dir;
        for (const char *name : {"Hund.jpg", "derHund.jpg", "dieKatze.jpg", "dasHaus.jpg"}) {
            QFile f(dir.filePath(QString::fromLatin1(name)));
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        // Each picture waits until the test lets it load; the window's thread must stay free.
        QSemaphore go;
        QThread *const windowThread = QThread::currentThread();
        std::atomic<bool> onWindowThread{false};
        FolderCheckWindow w(dir.path(), [&](const QString &path) {
            if (QThread::currentThread() == windowThread)
                onWindowThread = true;
            go.tryAcquire(1, 10000);
            return path.endsWith(u"dieKatze.jpg") ? Picture::Fault::Damaged : Picture::Fault::None;
        });
        w.show();
        auto *table = w.findChild<QTableWidget *>(QStringLiteral("Tabelle"));
        auto *progress = w.findChild<QProgressBar *>(QStringLiteral("Fortschritt"));
        auto *summary = w.findChild<QLabel *>(QStringLiteral("Ergebnis"));
        // The name finding arrives while the pictures are still waiting.
        QTRY_COMPARE(table->rowCount(), 1);
        QCOMPARE(table->item(0, 0)->text(), QStringLiteral("Hund.jpg"));
        QCOMPARE(progress->maximum(), 3);
        QVERIFY(!w.finished());
        go.release(3);
        QTRY_VERIFY(w.finished());
        QVERIFY(!onWindowThread);
        QCOMPARE(progress->value(), 3);
        QCOMPARE(table->rowCount(), 2);
        QCOMPARE(table->item(1, 0)->text(), QStringLiteral("dieKatze.jpg"));
        QCOMPARE(table->item(1, 1)->text(), FolderCheck::reason(Picture::Fault::Damaged));
        QVERIFY(summary->text().contains(QStringLiteral("2 Dateien brauchen Hilfe.")));
        QCOMPARE(summary->accessibleName(), summary->text());

        UrlCatcher catcher;
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &catcher, "open");
        QTest::mouseClick(w.findChild<QPushButton *>(QStringLiteral("OrdnerOeffnen")), Qt::LeftButton);
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        QCOMPARE(catcher.urls, QList<QUrl>{QUrl::fromLocalFile(dir.path())});
    }
};

QTEST_MAIN(TestFolderCheckWindow)
#include "tst_foldercheckwindow.moc"
