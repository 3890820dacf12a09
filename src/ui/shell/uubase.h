#pragma once

#include <QWidget>

// Base of the page container: four hooks a page may override.
class UUBase : public QWidget
{
    Q_OBJECT
public:
    explicit UUBase(QWidget *parent = nullptr) : QWidget(parent) {}
    ~UUBase() override = default;

    virtual void initPage() {}
    virtual void enterPage() {}
    virtual void leavePage() {}
    virtual int pageState() const { return 0; }
};
