#include "app/Tspform.h"

#include <QHBoxLayout>
#include <QPushButton>

Tspform::Tspform(QWidget *parent)
    : MessageDialog(parent, QStringLiteral("Spørgsmål"), QStyle::SP_MessageBoxQuestion)
{
    auto *no = new QPushButton(QStringLiteral("Nej"), this);
    auto *yes = new QPushButton(QStringLiteral("Ja"), this);
    no->setObjectName(QStringLiteral("nejButton"));
    yes->setObjectName(QStringLiteral("jaButton"));
    // Enter keeps what the question offers to keep (most questions ask whether to save).
    yes->setDefault(true);
    connect(no, &QPushButton::clicked, this, [this] { done(kNo); });
    connect(yes, &QPushButton::clicked, this, [this] { done(kYes); });
    buttonRow()->addWidget(no);
    buttonRow()->addWidget(yes);
}
