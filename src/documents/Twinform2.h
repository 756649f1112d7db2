#pragma once

#include "documents/DocumentWindow.h"
#include "documents/model/RichTextFile.h"

#include <QList>

#include <memory>

class AppContext;
class ColourGrid;
class Document;
class DocumentFrameLink;
class EditCommands;
class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QStatusBar;
class QToolBar;
class QToolButton;
class RichEditor;
class RichTextPosition;
class RightClickMenuSwitch;
class SpellingMenu;
class TextMarker;

// The document window for rich text (RTF), the twin of the plain-text window: the same life of its
// document, the same frame bookkeeping, and besides the character and paragraph formatting of the
// selection, a tool panel that follows the formatting at the caret, a status strip with the position and
// a modified indicator.
class Twinform2 : public DocumentWindow {
    Q_OBJECT

public:
    // Takes the document to show from the frame's hand-over fields.
    explicit Twinform2(AppContext &context, QWidget *parent = nullptr);
    ~Twinform2() override;

    QString Filnavn() const override;
    QString capNavn() const override;
    bool isRichText() const override { return true; }
    bool isModified() const override;
    void setEditorMargins(int pixels) override;
    const QTextDocument *printableDocument() override;
    Document *document() override { return document_; }
    RecoveryCopy recoveryCopy() const override;
    void restore(const RecoveryCopy &copy) override;

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

    // The tool panel shows the formatting at the caret.
    void XYinfoRich();
    void FontFelter(const QString &fontName);
    void FontFelterSize(int size);
    // Sets the selection's size when the size box offers it; otherwise nothing.
    void SetSize(int size);

    RichEditor *Editor;
    QWidget *redskabsPanel;
    ColourGrid *ColorGrid;
    QComboBox *FontNameBox;
    QToolButton *Button1;
    QMenu *FontPU;
    QToolButton *modiButton;
    QComboBox *fontsizeBox;
    QList<QToolButton *> sizeButtons; // sb10 to sb36
    QToolBar *rtfToolbar;
    QStatusBar *Info;
    QList<QLabel *> InfoPanels; // five: "Linier", the line count, "Pos", the position, empty
    QToolButton *ToolButton5;
    QToolButton *puButton;
    QMenu *winPU;
    QMenu *dropDownPU;

    QAction *aStavekontrol;
    QAction *RichEditBold2;
    QAction *RichEditItalic2;
    QAction *RichEditUnderline2;
    QAction *RichEditBullets2;
    QAction *RichEditAlignLeft2;
    QAction *RichEditAlignCenter2;
    QAction *RichEditAlignRight2;
    QAction *aMargin;
    QAction *EditModified;
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
    void buildFormattingCommands();
    void buildToolPanel();
    QWidget *buildFontRows();
    void buildToolbar();
    void loadDocument();
    void applyDefaultFont();
    void FontNameBoxChange();
    void completeFontName(const QString &typed);
    void EditModifiedUpdate();
    void updateCommands();
    void showContextMenu(const QPoint &position);

    AppContext &context_;
    RichTextFile file_;
    Document *document_;
    DocumentFrameLink *frameLink_;
    std::unique_ptr<RichTextPosition> position_;
    TextMarker *marker_;
    SpellingMenu *spellingMenu_;
    EditCommands *edit_;
    RightClickMenuSwitch *menuSwitch_;
    // Typed length of the font name, so that deleting from it does not complete it again.
    int typedFontName_ = 0;
    bool musNede_ = false;
};
