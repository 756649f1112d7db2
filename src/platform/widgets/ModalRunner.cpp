#include "platform/widgets/ModalRunner.h"

#include <QDialog>

int InteractiveModalRunner::exec(QDialog &dialog)
{
    return dialog.exec();
}
