#pragma once

#include "documents/DocumentWindow.h"
#include "documents/model/PlainTextFile.h"

class AppContext;
class Document;
class DocumentFrameLink;
class DocumentLoader;
class EditCommands;
class LineEndTracker;
class RightClickMenuSwitch;
class PlainEditor;
class PositionTracker;
class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QMenu;
class QToolButton;
class SpellingMenu;
class TextMarker;

// The document window for plain text: one editor, a tool panel, the position display. It keeps the
// frame's document fields, information lines and tab current, and reports its file to the document box.
class Twinform1 : public DocumentWindow {
    Q_OBJECT

public:
    // Takes the document to show from the frame's hand-over fields.
    explicit Twinform1(AppContext &context, QWidget *parent = nullptr);
    ~Twinform1() override;

    QString Filnavn() const override;
    QString capNavn() const override;
    bool isRichText() const override { return false; }
    bool isModified() const override;
    void setEditorMargins(int pixels) override;
    Document *document() override { return document_; }
    RecoveryCopy recoveryCopy() const override;
    void restore(const RecoveryCopy &copy) override;
    const QTextDocument *printableDocument() override;

    void Gem() override;
    void GemSom() override;
    void filInformation() override;
    void udskrivDokument() override;
    int FindOrd() override;
    int ErstatTekst() override;
    void showRedskabsPanel() override;

    // Runs every time the window becomes the frame's active document.
    void FormActivate();
    void XYinfo();
    // The search word for the web searches.
    QString getTheWord() const;
    // True while the file is still streaming in; saving and the file information wait for it.
    bool isLoading() const override;

    PlainEditor *Editor;
    // The tool bar with the position display at its right.
    QWidget *redskabsPanel;
    QComboBox *fontnameBox;
    QComboBox *fontsizeBox;
    QCheckBox *wordwrapCheck;
    QToolButton *funkButton1;
    QToolButton *puButton;
    QToolButton *SpeedButton15;
    QLabel *posLabel;
    QLabel *antalLabel;
    QMenu *PUwin;

    QAction *aStavekontrol;
    QAction *googleUrl;
    QAction *bingUrl;
    QAction *tubeUrl;

    int LinieAntal = 1;
    int posY = 0;
    int posX = 0;

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildCommands();
    void buildToolPanel();
    void loadDocument();
    void loadingFinished();
    void loadingFailed(const QString &reason);
    void applyFont();
    void updateCommands();
    void showContextMenu(const QPoint &position);

    AppContext &context_;
    PlainTextFile file_;
    Document *document_;
    DocumentFrameLink *frameLink_;
    DocumentLoader *loader_ = nullptr;
    LineEndTracker *lineEnds_;
    PositionTracker *position_;
    TextMarker *marker_;
    SpellingMenu *spellingMenu_;
    EditCommands *edit_;
    RightClickMenuSwitch *menuSwitch_;
    bool musNede_ = false;
};
