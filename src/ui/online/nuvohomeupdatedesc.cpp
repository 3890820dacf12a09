#include "nuvohomeupdatedesc.h"
#include "ui_nuvohomeupdatedesc.h"

#include "dialogs/dialogdragger.h"
#include "dialogs/prompt.h"
#include "online/cnuvohomedataproc.h"
#include "online/updatefiles.h"
#include "online/versioninfo.h"
#include "settings/appsettings.h"
#include "platform/programend.h"
#include "shell/textfit.h"
#include "shell/utils.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QLabel>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>

#include <climits>

namespace {
// A mirror may forward once or twice; more is a loop.
constexpr int kMaxRedirects = 3;
const char kBarStyle[] =
    "QProgressBar{border-radius:4px;border-image:url(:/Corvane/Skin/new/Download-progress_background.png);}"
    "QProgressBar::chunk{border-radius:4px;background-image:url(:/Corvane/Skin/new/%1);}";
const char kUpdateNormal[] =
    "QPushButton#BNUpdate{font:16px \"Microsoft YaHei\";color:#959595;"
    "border-image:url(:/Corvane/Skin/new/Button_normal.png);}"
    "QPushButton#BNUpdate:hover{border-image:url(:/Corvane/Skin/new/Button_selected.png);}"
    "QPushButton#BNUpdate:pressed{color:#ffffff;border-image:url(:/Corvane/Skin/new/Button_press.png);}";
} // namespace

NuvoHomeUpdateDesc::NuvoHomeUpdateDesc(QWidget *parent)
    : QDialog(parent), ui(new Ui::NuvoHomeUpdateDesc), m_stallTimer(new QTimer(this))
{
    ui->setupUi(this);
    new DialogDragger(this); // owned by the window
    setAttribute(Qt::WA_ShowModal);
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_TranslucentBackground);
    setFixedSize(510, 330);
    setWindowIcon(QIcon(QStringLiteral(":/Corvane/Skin/ico/logo_16X16.png")));
    setWindowTitle(QCoreApplication::translate("AboutUs", "Corvane"));
    hide();
    ui->progressBar->hide();
    ui->lbNewVersion->hide();
    ui->BNUpdate->setEnabled(true);
    for (QWidget *w : {static_cast<QWidget *>(ui->labeltitle), static_cast<QWidget *>(ui->label_3),
                       static_cast<QWidget *>(ui->lbNewVersion), static_cast<QWidget *>(ui->label_2),
                       static_cast<QWidget *>(ui->BNUpdate), static_cast<QWidget *>(ui->BNCancel)}) {
        QFont font = w->font();
        font.setLetterSpacing(QFont::AbsoluteSpacing, 1.5);
        w->setFont(font);
    }
    TextFit::keep({ui->labeltitle, ui->label_3, ui->lbNewVersion, ui->BNUpdate, ui->BNCancel});
    // The server decides how long the notes are: in their fixed place they
    // scroll rather than run under the buttons.
    m_notesArea = new QScrollArea(this);
    m_notesArea->setObjectName(QStringLiteral("notesArea"));
    m_notesArea->setGeometry(ui->label_2->geometry());
    m_notesRect = m_notesArea->geometry();
    m_notesArea->setFrameShape(QFrame::NoFrame);
    m_notesArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_notesArea->setWidgetResizable(true);
    m_notesArea->setStyleSheet(QStringLiteral("QScrollArea#notesArea,QScrollArea#notesArea>QWidget>QWidget{background:transparent;}"));
    m_notesArea->setWidget(ui->label_2);
    m_notesArea->stackUnder(ui->BNUpdate);
    // Shown instead of "Update" where the system's package manager owns the program.
    m_packageNote = new QLabel(this);
    m_packageNote->setObjectName(QStringLiteral("packageNote"));
    m_packageNote->setGeometry(30, 196, 450, 48);
    m_packageNote->setWordWrap(true);
    m_packageNote->setAlignment(Qt::AlignCenter);
    m_packageNote->setStyleSheet(QStringLiteral("QLabel#packageNote{font:14px \"Microsoft YaHei\";color:#6d6d6d;}"));
    m_packageNote->hide();
    m_programFolder = QCoreApplication::applicationDirPath();
    connect(ui->pushButtonClose, &QPushButton::clicked, this, &NuvoHomeUpdateDesc::slotBNClose_Clicked);
    connect(ui->BNCancel, &QPushButton::clicked, this, &NuvoHomeUpdateDesc::slotBNClose_Clicked);
    connect(ui->BNUpdate, &QPushButton::clicked, this, &NuvoHomeUpdateDesc::slotBNUpdate_Clicked);
    connect(m_stallTimer, &QTimer::timeout, this, &NuvoHomeUpdateDesc::timeOut);
}

NuvoHomeUpdateDesc::~NuvoHomeUpdateDesc()
{
    releaseDownload();
    delete ui;
}

void NuvoHomeUpdateDesc::fillOffer(const QString &title, const QString &cancelText, const QString &notes)
{
    ui->labeltitle->setText(title);
    if (!cancelText.isEmpty())
        ui->BNCancel->setText(cancelText);
    // Notes are the server's text, shown as such, never as markup.
    ui->label_2->setTextFormat(Qt::PlainText);
    ui->label_2->setText(UpdateFiles::notesText(notes));
    for (QWidget *w : {static_cast<QWidget *>(ui->BNCancel), static_cast<QWidget *>(ui->BNUpdate),
                       static_cast<QWidget *>(m_notesArea), static_cast<QWidget *>(ui->labeltitle),
                       static_cast<QWidget *>(ui->label_3)})
        w->show();
    m_notesArea->verticalScrollBar()->setValue(0);
    ui->lbNewVersion->hide();
    const bool packaged = UpdateFiles::isPackaged(m_programFolder);
    QRect notesRect = m_notesRect;
    if (packaged)
        notesRect.setBottom(m_packageNote->y() - 4);
    m_notesArea->setGeometry(notesRect);
    m_packageNote->setText(tr("This copy was installed by the system's package manager: "
                              "install the update through it."));
    m_packageNote->setVisible(packaged);
    ui->BNUpdate->setVisible(!packaged);
}

void NuvoHomeUpdateDesc::setProgramFolder(const QString &folder)
{
    m_programFolder = folder;
}

void NuvoHomeUpdateDesc::setUpdateButtonNormal(const QString &text)
{
    ui->BNUpdate->setText(text);
    ui->BNUpdate->setStyleSheet(QLatin1String(kUpdateNormal));
}

void NuvoHomeUpdateDesc::setStallInterval(int ms)
{
    m_stallInterval = ms;
}

QUrl NuvoHomeUpdateDesc::apiUrl()
{
    return QUrl(AppSettings::instance()->serverIp(), QUrl::TolerantMode);
}

const VersionInfo *NuvoHomeUpdateDesc::versionRecord() const
{
    if (m_record)
        return m_record;
    CNuvoHomeDataProc *proc = Utils::instance().getNuvoHomeDataProc();
    return proc ? proc->GetNuvoHomeVersionData() : nullptr;
}

void NuvoHomeUpdateDesc::setProgressStyle(bool failed)
{
    ui->progressBar->setStyleSheet(QString::fromLatin1(kBarStyle)
                                       .arg(failed ? QStringLiteral("Download-failed.png")
                                                   : QStringLiteral("Download-progress.png")));
}

int NuvoHomeUpdateDesc::exec()
{
    ui->progressBar->hide();
    delete m_manager.data();
    m_manager = new QNetworkAccessManager(this);
    f_bytesReadNow = 0;
    ui->progressBar->setValue(0);
    setProgressStyle(false);
    ui->BNUpdate->setEnabled(true);
    return QDialog::exec();
}

void NuvoHomeUpdateDesc::releaseDownload()
{
    m_stallTimer->stop();
    if (QNetworkReply *reply = m_reply) {
        // Forget and detach first: cancelling may report "finished" at once,
        // and that report must find nothing to act on.
        m_reply = nullptr;
        disconnect(reply, nullptr, this, nullptr);
        if (m_manager)
            disconnect(m_manager, nullptr, this, nullptr);
        reply->abort();
        reply->deleteLater();
    }
    if (m_file) {
        m_file->flush();
        m_file->close();
        delete m_file;
        m_file = nullptr;
    }
}

void NuvoHomeUpdateDesc::reject()
{
    // The partial installer stays in the update folder; "Update" empties it.
    releaseDownload();
    QDialog::reject();
}

void NuvoHomeUpdateDesc::endProgram()
{
    ProgramEnd::exitNow();
}

void NuvoHomeUpdateDesc::slotBNClose_Clicked()
{
    const VersionInfo *record = versionRecord();
    if (record && record->hasNewVersion && record->forced == 1) {
        releaseDownload();
        endProgram();
    }
    close();
}

void NuvoHomeUpdateDesc::slotBNUpdate_Clicked()
{
    f_bytesReadNow = 0;
    ui->progressBar->setValue(0);
    setProgressStyle(false);

    if (UpdateFiles::isPackaged(m_programFolder)) {
        qWarning() << "NuvoHomeUpdateDesc: installed under" << m_programFolder << "- the package manager updates it";
        return;
    }
    const VersionInfo *record = versionRecord();
    if (!record || !UpdateFiles::isSafeVersion(record->version)) {
        qWarning() << "NuvoHomeUpdateDesc: refused the offered version" << (record ? record->version : QString());
        showUpdateFailed();
        return;
    }
    if (!UpdateFiles::isAllowedInstallerUrl(QUrl(record->url), apiUrl())) {
        qWarning() << "NuvoHomeUpdateDesc: refused the installer address" << QUrl(record->url).toDisplayString();
        showUpdateFailed();
        return;
    }
    const QString folder = UpdateFiles::updateFolder();
    if (folder.isEmpty() || !QDir().mkpath(folder)) {
        qWarning() << "NuvoHomeUpdateDesc: cannot create the update folder" << folder;
        if (Prompt *prompt = Utils::instance().getPrompt()) {
            prompt->setPromptText(tr("Unable to create a new folder, update failed"));
            prompt->exec();
        }
        return;
    }
    // Any earlier attempt is gone before a new one starts.
    releaseDownload();
    UpdateFiles::deleteFiles(folder);
    startDownload(folder);
}

void NuvoHomeUpdateDesc::startDownload(const QString &folder)
{
    ui->label_3->hide();
    m_notesArea->hide();
    ui->lbNewVersion->setText(tr("Updating"));
    ui->lbNewVersion->setStyleSheet(QStringLiteral("QLabel#lbNewVersion{font:20px \"Microsoft YaHei\";color:#6d6d6d;}"));
    ui->lbNewVersion->show();
    ui->BNUpdate->hide();
    ui->BNCancel->setText(tr("close"));
    setProgressStyle(false);
    ui->progressBar->show();

    const VersionInfo *record = versionRecord();
    ui->BNUpdate->setEnabled(false);
    f_DownloadedSize = 0;

    const QString path = UpdateFiles::installerPath(folder, record->version);
    m_file = new QFile(path);
    if (!m_file->open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        qWarning() << "NuvoHomeUpdateDesc: cannot write" << path << m_file->errorString();
        showUpdateFailed();
        return;
    }
    if (!m_manager)
        m_manager = new QNetworkAccessManager(this);
    m_totalBytes = 0;
    QNetworkRequest request{QUrl(record->url)};
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(kMaxRedirects);
    m_reply = m_manager->get(request);
    connect(m_reply, &QNetworkReply::redirected, this, [this](const QUrl &target) {
        if (!UpdateFiles::isAllowedInstallerUrl(target, apiUrl())) {
            qWarning() << "NuvoHomeUpdateDesc: refused the redirect to" << target.toDisplayString();
            showUpdateFailed();
        }
    });
    connect(m_reply, &QNetworkReply::readyRead, this, &NuvoHomeUpdateDesc::httpReadyRead);
    connect(m_reply, &QNetworkReply::downloadProgress, this, &NuvoHomeUpdateDesc::updateDataReadProgress);
    connect(m_manager, &QNetworkAccessManager::finished, this, &NuvoHomeUpdateDesc::UpdateFinished,
            Qt::UniqueConnection);
    m_stallTimer->start(m_stallInterval);
}

void NuvoHomeUpdateDesc::httpReadyRead()
{
    if (m_file && m_reply && m_file->isOpen())
        m_file->write(m_reply->readAll());
}

void NuvoHomeUpdateDesc::updateDataReadProgress(qint64 bytesRead, qint64 totalBytes)
{
    if (totalBytes == 0)
        totalBytes = 100;
    m_totalBytes = totalBytes;
    f_bytesReadNow = bytesRead;
    // The bar counts in ints; a larger installer is shown in KiB.
    const int shift = totalBytes > INT_MAX ? 10 : 0;
    ui->progressBar->setMaximum(int(totalBytes >> shift));
    ui->progressBar->setValue(int(bytesRead >> shift));
    qDebug() << "bytesRead:" << bytesRead << "totalBytes" << totalBytes << "f_bytesReadNow" << f_bytesReadNow;
}

void NuvoHomeUpdateDesc::timeOut()
{
    qDebug() << "timeOut()   f_DownloadedSize:" << f_DownloadedSize << "f_bytesReadNow" << f_bytesReadNow;
    if (f_bytesReadNow == f_DownloadedSize)
        showUpdateFailed();
    else
        f_DownloadedSize = f_bytesReadNow;
}

void NuvoHomeUpdateDesc::UpdateFinished(QNetworkReply *reply)
{
    // Only the download in flight counts: a reply already released (cancelled,
    // stalled, or from an earlier attempt) is never looked at again.
    if (!reply || reply != m_reply)
        return;
    m_stallTimer->stop();
    if (!m_file)
        return;
    const QUrl finalUrl = reply->url();
    const QNetworkReply::NetworkError error = reply->error();
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (m_file->isOpen())
        m_file->write(reply->readAll());
    const QString path = m_file->fileName();
    m_file->flush();
    m_file->close();
    delete m_file;
    m_file = nullptr;
    m_reply = nullptr;
    reply->deleteLater();

    const QFileInfo info(path);
    if (!UpdateFiles::isGoodDownload(error, status, info.size(), info.exists(), m_totalBytes)) {
        qWarning() << "NuvoHomeUpdateDesc: download not usable; error" << error << "status" << status << "size"
                   << info.size() << "announced" << m_totalBytes;
        showUpdateFailed();
        return;
    }
    if (!UpdateFiles::isAllowedInstallerUrl(finalUrl, apiUrl())) {
        qWarning() << "NuvoHomeUpdateDesc: refused the installer from" << finalUrl.toDisplayString();
        showUpdateFailed();
        return;
    }
    const VersionInfo *record = versionRecord();
    if (record && !record->sha256.isEmpty() && !UpdateFiles::hasSha256(path, record->sha256)) {
        qWarning() << "NuvoHomeUpdateDesc: the installer does not match the offered sha256" << record->sha256;
        showUpdateFailed();
        return;
    }
    if (!UpdateFiles::startInstaller(path)) {
        showUpdateFailed();
        return;
    }
    endProgram();
}

void NuvoHomeUpdateDesc::showUpdateFailed()
{
    releaseDownload();
    ui->lbNewVersion->setText(tr("Update failed"));
    ui->lbNewVersion->setStyleSheet(QStringLiteral("QLabel#lbNewVersion{font:20px \"Microsoft YaHei\";color:red;}"));
    ui->lbNewVersion->show();
    ui->label_3->hide();
    m_notesArea->hide();
    setProgressStyle(true);
    ui->progressBar->setValue(int(qMin<qint64>(f_bytesReadNow, ui->progressBar->maximum())));
    ui->progressBar->show();
    ui->BNUpdate->setText(tr("Update again"));
    ui->BNUpdate->setStyleSheet(QStringLiteral(
        "QPushButton#BNUpdate{font:16px \"Microsoft YaHei\";color:#ffffff;border-image:url(:/Corvane/Skin/new/red-Button_press.png);}"));
    ui->BNUpdate->setEnabled(true);
    ui->BNUpdate->show();
    ui->BNCancel->setText(tr("cancel"));
}
