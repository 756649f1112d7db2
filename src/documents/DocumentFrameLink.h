#pragma once

#include <QObject>

class AppContext;
class Document;
class DocumentWindow;
struct FileInformation;

// Keeps the frame current about one document window, the same for both kinds: the frame's fields
// (docModified, dokumentFilnavn), the name fields and information lines of the menu book, the window's
// tab and the document box's lists of open and closed documents. The window calls it at activation and
// when it closes; the document's own changes (modified, name, caption) arrive by signal.
class DocumentFrameLink : public QObject {
    Q_OBJECT

public:
    DocumentFrameLink(AppContext &context, Document &document, DocumentWindow &window);

    bool isActive() const;
    // True until the first activation has added the window's tab.
    bool opstart() const { return opstart_; }

    // The file was read: it joins the open documents.
    void opened();
    // Every activation: the frame's fields and information; the first one also maximises the window,
    // adds and selects its tab and fixes its tooltips by the hint mode.
    void FormActivate();
    // Fills the frame's information lines; the three name fields show the information's name.
    void show(const FileInformation &information);
    // The window has closed: the frame's fields when it was the last, the document box, the tab.
    void FormClose();

private:
    void captionChanged(const QString &oldCaption, const QString &newCaption);

    AppContext &context_;
    Document &document_;
    DocumentWindow &window_;
    bool opstart_ = true;
};
