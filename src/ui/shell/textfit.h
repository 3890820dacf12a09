#pragma once

#include <QObject>
#include <QString>

#include <initializer_list>

class QWidget;

// Keeps the whole text of a label or button visible inside the fixed size
// its form gives it, in every language: when the text, in the font the style
// sheets give the widget, is wider than the widget's contents (or, for a
// word-wrapped label, taller), the font is made smaller one pixel at a time,
// down to kMinimumPixelSize. Nothing is elided. The fitter is the widget's
// child and watches it: it fits again when the widget is shown or resized,
// when its style sheet is replaced, and when it paints a text other than the
// one it last fitted. Rich-text labels are left alone.
class TextFit : public QObject
{
    Q_OBJECT
public:
    static constexpr int kMinimumPixelSize = 9;

    static void keep(QWidget *widget);
    static void keep(std::initializer_list<QWidget *> widgets);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit TextFit(QWidget *widget);
    void fit();
    void fitLater();

    QWidget *m_widget;
    QString m_fittedText;
    QString m_fittedSheet; // the sheet as fit() left it
    int m_naturalPixelSize = 0;
    bool m_fitting = false;
    bool m_queued = false;
};
