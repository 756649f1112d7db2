#pragma once

#include <QTabBar>

// The strip of tabs naming the open documents, in the order their windows were first activated. A tab
// is linked to its window only by its text, compared without regard to case; among equal texts the
// left-most tab wins.
class DocumentTabStrip : public QTabBar {
    Q_OBJECT

public:
    explicit DocumentTabStrip(QWidget *parent = nullptr);

    void InsertTab(const QString &caption);
    // Selects the first of the first windowCount tabs whose text is the caption.
    void SetTCindex(const QString &caption, int windowCount);
    void fokusTab(const QString &aName);
    // Renames the first of the first windowCount tabs whose text is oldCapNavn.
    void RenameTab(const QString &oldCapNavn, const QString &newCapNavn, int windowCount);
    void CloseTab(const QString &aCapNavn);
    // An hourglass on the first tab of that caption while its document still loads.
    void setTabLoading(const QString &caption, bool loading);

Q_SIGNALS:
    // The user chose a tab (by selecting it); the frame activates its window.
    void tabChosen(const QString &caption);
    // A mouse button went down on a tab.
    void tabPressed(const QString &caption);

protected:
    void mousePressEvent(QMouseEvent *event) override;

private:
    int indexOf(const QString &caption, int limit) const;
    // True while the program itself changes the selection, which is no choice of the user's.
    bool selecting_ = false;
};
