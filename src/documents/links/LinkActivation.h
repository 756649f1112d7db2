#pragma once

#include <QObject>

#include <functional>

class EditorControl;
class QPoint;
class QWidget;
class Shell;

// Makes the web addresses in an editor work as links: resting the mouse on one shows the address as a
// tooltip, and Ctrl+click opens it in the user's web browser through the shell. Plain clicks edit as
// usual. When the shell refuses an address, the failure callback gets its result code (at most 32), for
// the opening service to put into words (TFunktioner::ErrorInfo).
//
// Use: new LinkActivation(*editor, context.platform.shell, [this](int code) { funk->ErrorInfo(code); });
class LinkActivation : public QObject {
    Q_OBJECT

public:
    LinkActivation(EditorControl &editor, Shell &shell, std::function<void(int code)> failed);

    // The address shown at a point of the editor's viewport; empty when there is none.
    QString addressAt(const QPoint &viewportPoint) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    EditorControl &editor_;
    // Not reached through the editor: the filter must not call the editor while it is being destroyed.
    QWidget *viewport_;
    Shell &shell_;
    std::function<void(int)> failed_;
};
