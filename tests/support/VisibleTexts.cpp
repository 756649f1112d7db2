#include "support/VisibleTexts.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractProxyModel>
#include <QAbstractSpinBox>
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPrintDialog>
#include <QSet>
#include <QSpinBox>
#include <QTabBar>
#include <QTextDocumentFragment>

namespace {

class Collector {
public:
    QList<SeenText> texts;

    void widget(QWidget *widget)
    {
        if (describesAPrinter(widget))
            return;
        const QString place = nameOf(widget);
        add(widget->windowTitle(), place, "title");
        add(widget->toolTip(), place, "hint");
        add(widget->statusTip(), place, "status hint");
        add(widget->whatsThis(), place, "what's this");
        add(widget->accessibleName(), place, "accessible name");
        add(widget->accessibleDescription(), place, "accessible description");
        if (auto *label = qobject_cast<QLabel *>(widget))
            add(label->text(), place, "label");
        if (auto *button = qobject_cast<QAbstractButton *>(widget))
            add(button->text(), place, "caption");
        if (auto *group = qobject_cast<QGroupBox *>(widget))
            add(group->title(), place, "title");
        if (auto *edit = qobject_cast<QLineEdit *>(widget))
            add(edit->placeholderText(), place, "placeholder");
        if (auto *spin = qobject_cast<QSpinBox *>(widget)) {
            add(spin->prefix(), place, "prefix");
            add(spin->suffix(), place, "suffix");
        }
        if (auto *spin = qobject_cast<QAbstractSpinBox *>(widget))
            add(spin->specialValueText(), place, "special value");
        if (auto *combo = qobject_cast<QComboBox *>(widget); combo && !combo->isEditable())
            add(combo->currentText(), place, "choice");
        if (auto *tabs = qobject_cast<QTabBar *>(widget)) {
            for (int i = 0; i < tabs->count(); ++i) {
                add(tabs->tabText(i), place, "tab");
                add(tabs->tabToolTip(i), place, "tab hint");
            }
        }
        if (auto *header = qobject_cast<QHeaderView *>(widget); header && header->model()) {
            for (int section = 0; section < header->count(); ++section)
                add(header->model()->headerData(section, header->orientation()).toString(), place, "header");
        }
        if (auto *view = qobject_cast<QAbstractItemView *>(widget))
            fileList(view, place);
        for (QAction *action : widget->actions())
            this->action(action, place);
        if (auto *menu = qobject_cast<QMenu *>(widget))
            add(menu->title(), place, "menu");
    }

private:
    void action(QAction *action, const QString &owner)
    {
        if (action->isSeparator())
            return;
        const QString place = owner + QStringLiteral(" › action ")
            + (action->objectName().isEmpty() ? action->text() : action->objectName());
        add(action->text(), place, "caption");
        add(action->iconText(), place, "icon text");
        add(action->toolTip(), place, "hint");
        add(action->statusTip(), place, "status hint");
        add(action->whatsThis(), place, "what's this");
        if (QMenu *menu = action->menu()) {
            add(menu->title(), place, "menu");
            for (QAction *item : menu->actions())
                this->action(item, place);
        }
    }

    // Only the columns after the name: the kind, size and date are the dialog's words, the names the user's.
    void fileList(QAbstractItemView *view, const QString &place)
    {
        QAbstractItemModel *model = view->model();
        const QAbstractItemModel *source = model;
        while (auto *proxy = qobject_cast<const QAbstractProxyModel *>(source))
            source = proxy->sourceModel();
        if (!model || !qobject_cast<const QFileSystemModel *>(source))
            return;
        const QModelIndex folder = view->rootIndex();
        for (int row = 0; row < model->rowCount(folder); ++row) {
            for (int column = 1; column < model->columnCount(folder); ++column)
                add(model->index(row, column, folder).data().toString(), place, "file list");
        }
    }

    void add(const QString &text, const QString &place, const char *kind)
    {
        // A folder or file name is the user's, whatever language it is in.
        if (text.trimmed().isEmpty() || QDir::isAbsolutePath(text))
            return;
        const QString plain
            = Qt::mightBeRichText(text) ? QTextDocumentFragment::fromHtml(text).toPlainText() : text;
        texts.append({ plain, place + QStringLiteral(" (") + QLatin1String(kind) + u')' });
    }

    // The print dialog's name, model and place of the chosen printer are the system's words, not Qt's:
    // a printer set up as "Generic CUPS-PDF Printer" is named so by the system.
    static bool describesAPrinter(const QWidget *widget)
    {
        static const QSet<QString> fields { QStringLiteral("printers"), QStringLiteral("type"),
            QStringLiteral("location") };
        if (!fields.contains(widget->objectName()))
            return false;
        // The group of the print dialog that shows the chosen printer.
        const QWidget *group = widget->parentWidget();
        return group && group->objectName() == QLatin1String("printerGroup")
            && qobject_cast<QPrintDialog *>(widget->window());
    }

    static QString nameOf(QWidget *widget)
    {
        QString path;
        for (QWidget *part = widget; part; part = part->parentWidget()) {
            const QString name = part->objectName().isEmpty()
                ? QString::fromLatin1(part->metaObject()->className())
                : part->objectName();
            path = path.isEmpty() ? name : name + QStringLiteral(" › ") + path;
            if (part->isWindow())
                break;
        }
        return path;
    }
};

} // namespace

namespace VisibleTexts {

QList<SeenText> of(QWidget *top)
{
    Collector collector;
    collector.widget(top);
    for (QWidget *child : top->findChildren<QWidget *>())
        collector.widget(child);
    return collector.texts;
}

} // namespace VisibleTexts
