#pragma once

#include <QGroupBox>

class QButtonGroup;

// A captioned group of radio buttons chosen by position, -1 for none.
class RadioGroup : public QGroupBox {
    Q_OBJECT

public:
    RadioGroup(const QString &caption, const QStringList &items, QWidget *parent = nullptr);

    int itemIndex() const;
    void setItemIndex(int index);
    int count() const;

Q_SIGNALS:
    // The chosen position changed, by the user or by the program.
    void itemIndexChanged(int index);

private:
    QButtonGroup *buttons_;
};
