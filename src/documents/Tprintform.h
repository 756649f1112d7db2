#pragma once

#include "app/PrintMarginsBox.h"
#include "app/ToolBox.h"

class QGroupBox;
class QLineEdit;
class QPushButton;

// The print margins box: four page margins in centimetres and the number of copies, asked before each
// print. The fields keep what was typed until the program ends; nothing is stored.
class Tprintform : public ToolBox, public PrintMarginsBox {
    Q_OBJECT

public:
    explicit Tprintform(AppContext &context);

    bool askForPrint() override;
    Fields fields() const override;

    // Only the digits and the comma stay in a margin; only the digits in the copy count.
    static QString Floatkon(const QString &text);
    static QString IntegerKon(const QString &text);

    QGroupBox *GroupBox1;
    QLineEdit *Edit1; // left
    QLineEdit *Edit2; // right
    QLineEdit *Edit3; // top
    QLineEdit *Edit4; // bottom
    QGroupBox *GroupBox2;
    QLineEdit *Edit5; // copies
    QPushButton *Button1; // "Standard"
    QPushButton *Button2; // "Annuller"
    QPushButton *Button3; // "Print"

private:
    void StandardClick();
    // Puts the filtered text back; the caret goes to the end when something was taken out.
    static void applyFilter(QLineEdit *edit, QString (*filter)(const QString &));
};
