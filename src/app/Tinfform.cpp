#include "app/Tinfform.h"

#include <QHBoxLayout>
#include <QPushButton>

Tinfform::Tinfform(QWidget *parent)
    : MessageDialog(parent, QStringLiteral("Information"), QStyle::SP_MessageBoxInformation)
{
    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, [this] { done(1); });
    buttonRow()->addWidget(ok);
}
