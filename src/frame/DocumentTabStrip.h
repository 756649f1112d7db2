#pragma once

#include <QPointer>
#include <QTabBar>

class DocumentWindow;

// The strip of tabs naming the open documents, in the order their windows were first activated. Each tab
// shows its window's caption and stays bound to that window, so two documents of the same file name from
// different folders each keep a tab of their own; the tooltip names the folder. An icon marks a document
// that still loads or has changes not saved.
class DocumentTabStrip : public QTabBar {
    Q_OBJECT

public:
    explicit DocumentTabStrip(QWidget *parent = nullptr);

    void InsertTab(DocumentWindow *window);
    // Selects the window's tab.
    void selectTab(const DocumentWindow *window);
    void RenameTab(const DocumentWindow *window, const QString &newCapNavn);
    void CloseTab(const DocumentWindow *window);
    void setTabLoading(const DocumentWindow *window, bool loading);
    void setTabModified(const DocumentWindow *window, bool modified);
    // The window of the tab at that position; null outside the strip.
    DocumentWindow *windowAt(int index) const;
    int indexOf(const DocumentWindow *window) const;

Q_SIGNALS:
    // The user chose a tab (by selecting it); the frame activates its window.
    void tabChosen(DocumentWindow *window);
    // A mouse button went down on a tab.
    void tabPressed(DocumentWindow *window);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void tabInserted(int index) override;
    void tabRemoved(int index) override;

private:
    struct TabState {
        QPointer<DocumentWindow> window;
        bool loading = false;
        bool modified = false;
    };
    // The icon, tooltip and spoken name that tell the tab's state.
    void showState(int index);

    // One for each tab, in the order of the tabs.
    QList<TabState> states_;

    // True while the program itself changes the selection, which is no choice of the user's.
    bool selecting_ = false;
};
