#pragma once

#include <QMainWindow>

// The main window: frameless, at least 1024 x 768.
class Corvane : public QMainWindow
{
    Q_OBJECT
public:
    explicit Corvane(QWidget *parent = nullptr);
    ~Corvane() override;

public slots:
    // A later start handed over its command line: bring the window back.
    void sltProcApplicationPara(const QString &parameters);
};
