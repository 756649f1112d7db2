#include "documents/Tprintform.h"

#include "app/AppContext.h"
#include "app/FrameInterface.h"
#include "platform/widgets/ModalRunner.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QString keepOnly(const QString &text, bool keepComma)
{
    QString kept;
    kept.reserve(text.size());
    for (const QChar c : text) {
        if ((c >= u'0' && c <= u'9') || (keepComma && c == u','))
            kept += c;
    }
    return kept;
}

QLineEdit *field(QWidget *parent, QFormLayout *form, const QString &label)
{
    auto *edit = new QLineEdit(parent);
    edit->setAccessibleName(label);
    edit->setFixedWidth(60);
    form->addRow(label, edit);
    return edit;
}

} // namespace

Tprintform::Tprintform(AppContext &context)
    : ToolBox(context, QStringLiteral("Udskriv dokument"))
{
    setObjectName(QStringLiteral("Tprintform"));
    setWindowFlag(Qt::WindowStaysOnTopHint);

    GroupBox1 = new QGroupBox(QStringLiteral("Margen i centimeter"), this);
    auto *margins = new QFormLayout(GroupBox1);
    Edit1 = field(GroupBox1, margins, QStringLiteral("Venstre"));
    Edit2 = field(GroupBox1, margins, QStringLiteral("Højre"));
    Edit3 = field(GroupBox1, margins, QStringLiteral("Top"));
    Edit4 = field(GroupBox1, margins, QStringLiteral("Bund"));

    GroupBox2 = new QGroupBox(QStringLiteral("Aktion"), this);
    auto *action = new QVBoxLayout(GroupBox2);
    auto *copies = new QFormLayout;
    Edit5 = field(GroupBox2, copies, QStringLiteral("Kopiantal"));
    action->addLayout(copies);
    Button1 = new QPushButton(QStringLiteral("Standard"), GroupBox2);
    Button2 = new QPushButton(QStringLiteral("Annuller"), GroupBox2);
    Button3 = new QPushButton(QStringLiteral("Print    "), GroupBox2);
    Button3->setAccessibleName(QStringLiteral("Print"));
    Button3->setDefault(true);
    for (QPushButton *button : { Button1, Button2, Button3 })
        action->addWidget(button);
    action->addStretch();

    auto *row = new QHBoxLayout(this);
    row->addWidget(GroupBox1);
    row->addWidget(GroupBox2);
    row->setSizeConstraint(QLayout::SetFixedSize);

    for (QLineEdit *margin : { Edit1, Edit2, Edit3, Edit4 })
        connect(margin, &QLineEdit::textChanged, this, [margin] { applyFilter(margin, &Floatkon); });
    connect(Edit5, &QLineEdit::textChanged, this, [this] { applyFilter(Edit5, &IntegerKon); });
    connect(Button1, &QPushButton::clicked, this, &Tprintform::StandardClick);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
    connect(Button3, &QPushButton::clicked, this, &QDialog::accept);
    StandardClick();
}

QString Tprintform::Floatkon(const QString &text)
{
    return keepOnly(text, true);
}

QString Tprintform::IntegerKon(const QString &text)
{
    return keepOnly(text, false);
}

void Tprintform::applyFilter(QLineEdit *edit, QString (*filter)(const QString &))
{
    const QString filtered = filter(edit->text());
    if (filtered != edit->text())
        edit->setText(filtered);
}

void Tprintform::StandardClick()
{
    Edit1->setText(QStringLiteral("2,5"));
    Edit2->setText(QStringLiteral("1"));
    Edit3->setText(QStringLiteral("2"));
    Edit4->setText(QStringLiteral("1,5"));
    Edit5->setText(QStringLiteral("1"));
}

bool Tprintform::askForPrint()
{
    adjustSize();
    QWidget *frame = context().frame->frameWidget();
    move(frame->frameGeometry().center() - rect().center());
    Edit1->setFocus();
    return context().platform.modal.exec(*this) == QDialog::Accepted;
}

PrintMarginsBox::Fields Tprintform::fields() const
{
    return { Edit1->text(), Edit2->text(), Edit3->text(), Edit4->text(), Edit5->text() };
}
