// SPDX-License-Identifier: MIT
#pragma once
#include "words/foldercheck.h"

#include <QWidget>
#include <atomic>
#include <memory>

class QLabel;
class QProgressBar;
class QPushButton;
class QTableWidget;
class QThread;

namespace wortilo {

// The folder check in a window ("Bilderordner prüfen"): a table of the files that need help and
// why, a progress bar while a worker thread reads the folder and loads its pictures, the summary,
// and a button that opens the folder in the file manager.
class FolderCheckWindow : public QWidget
{
    Q_OBJECT
public:
    explicit FolderCheckWindow(const QString &folder, FolderCheck::Loader loader = FolderCheck::loadPicture,
                               QWidget *parent = nullptr);
    ~FolderCheckWindow() override;

    bool finished() const { return m_finished; }

Q_SIGNALS:
    void checkFinished();

private:
    void addFindings(const QList<FolderCheck::Finding> &findings);
    void finish(const QStringList &summary);

    QString m_folder;
    QTableWidget *m_table = nullptr;
    QProgressBar *m_progress = nullptr;
    QLabel *m_summary = nullptr;
    QPushButton *m_open = nullptr;
    QThread *m_worker = nullptr;
    std::shared_ptr<std::atomic<bool>> m_stop = std::make_shared<std::atomic<bool>>(false);
    bool m_finished = false;
};

} // namespace wortilo
