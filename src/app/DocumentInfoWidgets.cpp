#include "app/DocumentInfoWidgets.h"

#include <QLabel>
#include <QLineEdit>

void DocumentInfoWidgets::setName(const QString &name) const
{
    filnavnEdit->setText(name);
    docFilnavnEdit->setText(name);
    skiftDocFilnavnEdit->setText(name);
}

void DocumentInfoWidgets::reset() const
{
    setName(QStringLiteral("Der er ingen åbne dokumenter."));
    filsizeLabel->clear();
    antalLinjerLabel->clear();
    filModificeretLabel->clear();
}
