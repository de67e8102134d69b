#pragma once
// Plain objects standing in for the window's edit box and check box: a
// declared property holds the value, the hint names it.

#include <QObject>
#include <QString>
#include <QVariant>

class TestEdit : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText)

public:
    TestEdit(const QString& name, const QString& hint) {
        setObjectName(name);
        setProperty("hint", hint);
    }
    QString text() const { return text_; }
    void setText(const QString& text) { text_ = text; }

private:
    QString text_;
};

class TestCheck : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool checked READ checked WRITE setChecked)

public:
    TestCheck(const QString& name, const QString& toolTip) {
        setObjectName(name);
        setProperty("toolTip", toolTip);
    }
    bool checked() const { return checked_; }
    void setChecked(bool checked) { checked_ = checked; }

private:
    bool checked_ = false;
};
