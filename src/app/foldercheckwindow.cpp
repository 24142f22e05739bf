// SPDX-License-Identifier: MIT
#include "foldercheckwindow.h"

#include "core/twips.h"
#include "widgets/fonts.h"

#include <QDesktopServices>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QThread>
#include <QUrl>
#include <QVBoxLayout>

namespace wortilo {

FolderCheckWindow::FolderCheckWindow(const QString &folder, FolderCheck::Loader loader, QWidget *parent)
    : QWidget(parent), m_folder(QFileInfo(folder).absoluteFilePath())
{
    setObjectName(QStringLiteral("FolderCheckWindow"));
    setWindowTitle(QStringLiteral("Wortilo: Bilderordner prüfen"));
    setFont(verdana(9.75, false));
    resize(px(10800), px(7200));

    auto *heading = new QLabel(QStringLiteral("Bilderordner: %1").arg(m_folder), this);
    heading->setObjectName(QStringLiteral("Ordner"));
    heading->setTextFormat(Qt::PlainText);
    heading->setAccessibleName(heading->text());

    m_table = new QTableWidget(0, 2, this);
    m_table->setObjectName(QStringLiteral("Tabelle"));
    m_table->setAccessibleName(QStringLiteral("Dateien, die Hilfe brauchen"));
    m_table->setHorizontalHeaderLabels({QStringLiteral("Datei"), QStringLiteral("Grund")});
    m_table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->verticalHeader()->hide();
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setWordWrap(true);

    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("Fortschritt"));
    m_progress->setAccessibleName(QStringLiteral("Bilder werden geprüft"));
    m_progress->setRange(0, 0); // until the folder has been read

    m_summary = new QLabel(QStringLiteral("Die Bilder werden geprüft …"), this);
    m_summary->setObjectName(QStringLiteral("Ergebnis"));
    m_summary->setTextFormat(Qt::PlainText);
    m_summary->setWordWrap(true);
    m_summary->setAccessibleName(m_summary->text());
    m_summary->setAccessibleDescription(QStringLiteral("Ergebnis der Prüfung"));

    m_open = new QPushButton(QStringLiteral("Ordner öffnen"), this);
    m_open->setObjectName(QStringLiteral("OrdnerOeffnen"));
    m_open->setAccessibleName(m_open->text());
    connect(m_open, &QPushButton::clicked, this, [this] { QDesktopServices::openUrl(QUrl::fromLocalFile(m_folder)); });
    auto *close = new QPushButton(QStringLiteral("Schließen"), this);
    close->setObjectName(QStringLiteral("Schliessen"));
    close->setAccessibleName(close->text());
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_open);
    buttons->addStretch();
    buttons->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(m_table, 1);
    layout->addWidget(m_progress);
    layout->addWidget(m_summary);
    layout->addLayout(buttons);

    // Reading the folder and loading its pictures happens on the worker; it hands over what it
    // found in batches, a few times a second, so that 10,000 files do not flood the window.
    QPointer<FolderCheckWindow> self(this);
    auto stop = m_stop;
    m_worker = QThread::create([self, stop, folder, loader] {
        FolderCheck check(folder, loader);
        check.readFolder();
        const QList<FolderCheck::Finding> names = check.findings();
        const qsizetype total = check.pictureCount();
        QMetaObject::invokeMethod(self.data(), [self, names, total] {
            if (!self)
                return;
            self->m_progress->setRange(0, int(total));
            self->m_progress->setValue(0);
            self->addFindings(names);
        }, Qt::QueuedConnection);
        QList<FolderCheck::Finding> batch;
        QElapsedTimer sinceHandOver;
        sinceHandOver.start();
        for (qsizetype i = 0; i < total && !*stop; ++i) {
            if (std::optional<FolderCheck::Finding> finding = check.checkPicture(i)) {
                check.addFinding(*finding);
                batch.append(*finding);
            }
            if (sinceHandOver.elapsed() >= 100 || i + 1 == total) {
                QMetaObject::invokeMethod(self.data(), [self, batch, done = i + 1] {
                    if (!self)
                        return;
                    self->addFindings(batch);
                    self->m_progress->setValue(int(done));
                }, Qt::QueuedConnection);
                batch.clear();
                sinceHandOver.restart();
            }
        }
        if (*stop)
            return;
        const QStringList summary = check.summary();
        QMetaObject::invokeMethod(self.data(), [self, summary] {
            if (self)
                self->finish(summary);
        }, Qt::QueuedConnection);
    });
    m_worker->start();
}

FolderCheckWindow::~FolderCheckWindow()
{
    *m_stop = true;
    m_worker->wait();
    delete m_worker;
}

void FolderCheckWindow::addFindings(const QList<FolderCheck::Finding> &findings)
{
    m_table->setUpdatesEnabled(false);
    for (const FolderCheck::Finding &f : findings) {
        const int row = m_table->rowCount();
        m_table->insertRow(row);
        m_table->setItem(row, 0, new QTableWidgetItem(f.file));
        auto *reason = new QTableWidgetItem(f.reason);
        reason->setToolTip(f.reason); // whole, where the column cuts it off
        m_table->setItem(row, 1, reason);
    }
    m_table->setUpdatesEnabled(true);
}

void FolderCheckWindow::finish(const QStringList &summary)
{
    m_summary->setText(summary.join(u'\n'));
    m_summary->setAccessibleName(m_summary->text());
    m_progress->setValue(m_progress->maximum());
    m_finished = true;
    Q_EMIT checkFinished();
}

} // namespace wortilo
