#pragma once

#include <QDialog>

namespace Ui {
class ParseProcess;
}

// Modal progress of one probe run: "done/total" and a bar. The page runs it
// with exec() and closes it when the probing thread has finished.
class ParseProcess : public QDialog
{
    Q_OBJECT
public:
    explicit ParseProcess(QWidget *parent = nullptr);
    ~ParseProcess() override;

    // True from exec() until resetProgress(): a run is in progress.
    bool isParsing = false;

    void resetProgress();

public slots:
    int exec() override;
    void slotUpdateDataReadProgress(qint64 bytesRead, qint64 totalBytes);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    Ui::ParseProcess *ui;
};
