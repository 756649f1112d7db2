#pragma once

#include <QMenu>

class DocumentArea;

// The menu bar's "Åbne": how many documents are open, and each of them by caption to switch to.
class OpenDocumentsMenu : public QMenu {
    Q_OBJECT

public:
    OpenDocumentsMenu(DocumentArea &documents, QWidget *parent);

    // "Der er ingen åbne dokumenter", "Der er et åbent dokument", "Der er 3 åbne dokumenter".
    static QString countText(int documents);
    QAction *mDocAntalCaption() const { return count_; }

private:
    void mainMenu7Click();

    DocumentArea &documents_;
    QAction *count_;
};
