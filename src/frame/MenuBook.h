#pragma once

#include "app/DatePageControls.h"
#include "app/MessageCentreControls.h"
#include "app/SearchPageControls.h"

#include <QTabWidget>

class FrameCommands;
class QBoxLayout;
class QToolButton;
struct DocumentInfoWidgets;

// The menu book: seven pages of command buttons and fields, shown one at a time below the row of page
// buttons, without a row of tabs of its own. Which page shows, and where, is MenuPanelController's.
class MenuBook : public QTabWidget {
    Q_OBJECT

public:
    enum Page { Fil, Dokument, Soeg, Vindue, Information, Egenskaber, Bokse, PageCount };
    // Height before the first page command places the book.
    static constexpr int kDesignHeight = 126;

    // Puts the frame's document information fields onto the pages that show them.
    MenuBook(const FrameCommands &commands, const DocumentInfoWidgets &info, QWidget *parent);

    const SearchPageControls &searchControls() const { return search_; }
    const DatePageControls &dateControls() const { return dates_; }
    const MessageCentreControls &messageCentre() const { return messages_; }

    // Moves the panels onto the "Egenskaber" page, where they stay.
    void adoptOptionPanels(const QList<QWidget *> &panels);

private:
    QBoxLayout *addPage(const char *name, const char *caption);
    void buildFilPage(const DocumentInfoWidgets &info);
    void buildDokumentPage(const DocumentInfoWidgets &info);
    void buildSoegPage();
    void buildVinduePage();
    void buildInformationPage();
    void buildBoksePage(const DocumentInfoWidgets &info);
    QToolButton *button(const QString &command, const QString &caption = {});
    QWidget *nameBlock(const QString &pictureCommand, QWidget *nameField);

    const FrameCommands &commands_;
    SearchPageControls search_;
    DatePageControls dates_;
    MessageCentreControls messages_;
};
