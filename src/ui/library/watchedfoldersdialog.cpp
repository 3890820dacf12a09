#include "watchedfoldersdialog.h"

#include "dialogs/dialogdragger.h"
#include "library/watchedfolders.h"

#include <QDebug>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const char kStyle[] =
    "QDialog{background-color:#F1F1F1;border:1px solid #9da1a3;}"
    "QLabel{font:14px \"Microsoft YaHei\";color:#6d6d6d;}"
    "QLabel#label_watchedTitle{font:18px \"Microsoft YaHei\";color:#000000;}"
    "QListWidget{font:14px \"Microsoft YaHei\";color:#000000;background-color:#ffffff;border:1px solid #d8d8d8;}"
    "QListWidget::item{padding:6px;}"
    "QListWidget::item:selected{background-color:#00ecf6;color:#000000;}"
    "QPushButton{font:14px \"Microsoft YaHei\";color:#6d6d6d;background-color:#ffffff;border:1px solid #9da1a3;"
    "border-radius:4px;padding:6px 18px;}"
    "QPushButton:hover{border-color:#00ecf6;color:#000000;}"
    "QPushButton:disabled{color:#c8c8c8;border-color:#d8d8d8;}";
}

WatchedFoldersDialog::WatchedFoldersDialog(WatchedFolders *folders, QWidget *parent)
    : QDialog(parent), m_folders(folders)
{
    setObjectName(QStringLiteral("WatchedFoldersDialog"));
    new DialogDragger(this); // owned by the window
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    setWindowTitle(tr("Watched folders"));
    setStyleSheet(QLatin1String(kStyle));
    resize(560, 380);

    auto *title = new QLabel(tr("Watched folders"), this);
    title->setObjectName(QStringLiteral("label_watchedTitle"));
    auto *hint = new QLabel(tr("New videos saved in these folders join the library by themselves."), this);
    hint->setWordWrap(true);
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("list_watchedFolders"));
    // Long paths and the unavailable note wrap instead of hiding off the edge.
    m_list->setWordWrap(true);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("label_watchedStatus"));
    m_status->setWordWrap(true);
    m_remove = new QPushButton(tr("Stop watching"), this);
    m_remove->setObjectName(QStringLiteral("pb_stopWatching"));
    auto *close = new QPushButton(tr("Close"), this);
    close->setObjectName(QStringLiteral("pb_closeWatched"));

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_remove);
    buttons->addStretch();
    buttons->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 20);
    layout->addWidget(title);
    layout->addWidget(hint);
    layout->addWidget(m_list, 1);
    layout->addWidget(m_status);
    layout->addLayout(buttons);

    connect(m_remove, &QPushButton::clicked, this, &WatchedFoldersDialog::removeSelected);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_list, &QListWidget::currentRowChanged, this, [this](int row) { m_remove->setEnabled(row >= 0); });
    connect(m_folders, &WatchedFolders::foldersChanged, this, &WatchedFoldersDialog::refresh);
    connect(m_folders, &WatchedFolders::availabilityChanged, this, &WatchedFoldersDialog::refresh);
    refresh();
}

void WatchedFoldersDialog::refresh()
{
    m_list->clear();
    for (const QString &folder : m_folders->folders()) {
        auto *item = new QListWidgetItem(m_list);
        item->setData(Qt::UserRole, folder);
        item->setToolTip(folder);
        if (m_folders->isAvailable(folder)) {
            item->setText(folder);
        } else {
            item->setText(tr("%1 (not available: the disk is not connected or the folder is gone)").arg(folder));
            item->setForeground(QColor(0x95, 0x95, 0x95));
        }
    }
    m_remove->setEnabled(m_list->currentRow() >= 0);
    m_status->setText(m_list->count() == 0 ? tr("No folder is watched. When you add a folder, check "
                                                "\"Keep watching this folder\".")
                                           : QString());
}

void WatchedFoldersDialog::removeSelected()
{
    const QListWidgetItem *item = m_list->currentItem();
    if (!item)
        return;
    const QString folder = item->data(Qt::UserRole).toString();
    if (!m_folders->remove(folder)) {
        qWarning() << "WatchedFoldersDialog: could not stop watching" << folder;
        m_status->setText(tr("The list of watched folders could not be saved, so the folder is still watched."));
        return;
    }
    refresh();
}
