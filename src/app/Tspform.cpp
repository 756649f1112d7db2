#include "app/Tspform.h"

#include <QHBoxLayout>
#include <QPushButton>

Tspform::Tspform(QWidget *parent)
    : MessageDialog(parent, QStringLiteral("Spørgsmål"), QStyle::SP_MessageBoxQuestion)
    , no_(new QPushButton(QStringLiteral("Nej"), this))
    , yes_(new QPushButton(QStringLiteral("Ja"), this))
{
    no_->setObjectName(QStringLiteral("nejButton"));
    yes_->setObjectName(QStringLiteral("jaButton"));
    // A focused button would otherwise become the one Enter presses.
    no_->setAutoDefault(false);
    yes_->setAutoDefault(false);
    connect(no_, &QPushButton::clicked, this, [this] { done(kNo); });
    connect(yes_, &QPushButton::clicked, this, [this] { done(kYes); });
    buttonRow()->addWidget(no_);
    buttonRow()->addWidget(yes_);
    setDefaultAnswer(kYes);
}

void Tspform::setDefaultAnswer(int answer)
{
    QPushButton *preferred = answer == kYes ? yes_ : no_;
    yes_->setDefault(preferred == yes_);
    no_->setDefault(preferred == no_);
    preferred->setFocus();
}
