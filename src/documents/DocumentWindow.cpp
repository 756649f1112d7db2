#include "documents/DocumentWindow.h"

#include <QEvent>

void DocumentWindow::nameEditorAfterCaption(QWidget *editor)
{
    namedEditor_ = editor;
    editor->setAccessibleName(QStringLiteral("Dokument: ") + windowTitle());
}

void DocumentWindow::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowTitleChange && namedEditor_)
        namedEditor_->setAccessibleName(QStringLiteral("Dokument: ") + windowTitle());
}
